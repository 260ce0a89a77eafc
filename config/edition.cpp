#include "config/edition.h"

RunMode runModeOf(const QString &exeName)
{
    return exeName.toLower().contains(QLatin1String("dvd")) ? RunMode::Dvd : RunMode::File;
}

BrandVariant brandVariantOf(const QString &exeName)
{
    return exeName.toLower().contains(QLatin1String("vexmo")) ? BrandVariant::A : BrandVariant::B;
}

QString dropExe(const QString &exeName)
{
    if (exeName.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        return exeName.left(exeName.size() - 4);
    return exeName;
}

QString exeNameFromArgv0(const QString &argv0)
{
    const qsizetype slash = argv0.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? argv0 : argv0.mid(slash + 1);
}
