#include "dialogs/help.h"

QString brandSiteAddress(BrandVariant variant)
{
    return variant == BrandVariant::A ? QStringLiteral("https://www.vexmo.example")
                                      : QStringLiteral("https://www.clipforge.example");
}

QString contactPageAddress(const QString &exeName)
{
    const QString page = exeName.contains(QLatin1String("vexmo"), Qt::CaseSensitive)
                             ? QStringLiteral("/Contact.html")
                             : QStringLiteral("/contact.php");
    return brandSiteAddress(brandVariantOf(exeName)) + page;
}

QString brandAboutLine(BrandVariant variant)
{
    return variant == BrandVariant::A
               ? QStringLiteral("Vexmo Video Converter: your videos on every device.")
               : QStringLiteral("Clipforge: a video converter and DVD ripper for Linux.");
}
