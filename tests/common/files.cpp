#include "common/files.h"

#include <QFile>

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ScopedConfigHome::ScopedConfigHome() : previous_(qgetenv("XDG_CONFIG_HOME"))
{
    qputenv("XDG_CONFIG_HOME", home_.path().toLocal8Bit());
}

ScopedConfigHome::~ScopedConfigHome()
{
    qputenv("XDG_CONFIG_HOME", previous_);
}
