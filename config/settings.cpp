#include "config/settings.h"

#include "config/edition.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString withSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

const QString sectionOutput = QStringLiteral("output");
const QString sectionProfiles = QStringLiteral("profiles");
const QString sectionPlane = QStringLiteral("plane");

} // namespace

QString settingsFileName(const QString &exeName)
{
    const QString base = dropExe(exeName);
    const qsizetype dot = base.lastIndexOf(QLatin1Char('.'));
    return (dot < 0 ? base : base.left(dot)) + QStringLiteral(".ini");
}

QString qualityMemoryFileName(const QString &exeName)
{
    return QStringLiteral("pro ") + settingsFileName(exeName);
}

QString settingsFolder()
{
    const QString folder =
        withSlash(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) +
        QStringLiteral("clipforge/");
    QDir().mkpath(folder);
    return folder;
}

QString defaultOutputFolder()
{
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::MoviesLocation));
}

SavedSettings readSettings(const IniFile &file, int32_t defaultProfile)
{
    SavedSettings s;
    s.videoFirstPage = file.readBool(sectionPlane, QStringLiteral("video"), true);
    s.audioFirstPage = file.readBool(sectionPlane, QStringLiteral("audio"), true);
    s.outputPath = file.readString(sectionOutput, QStringLiteral("path"), defaultOutputFolder());
    s.selcetindex = file.readInteger(sectionProfiles, QStringLiteral("selcetindex"), 1);
    s.selcetsubindex =
        file.readInteger(sectionProfiles, QStringLiteral("selcetsubindex"), defaultProfile);
    s.finishSelcet = file.readInteger(sectionProfiles, QStringLiteral("FinishSelcet"), 0);
    return s;
}

void writeSettings(IniFile &file, const SavedSettings &s)
{
    file.writeString(sectionOutput, QStringLiteral("path"), s.outputPath);
    file.writeInteger(sectionProfiles, QStringLiteral("selcetsubindex"), s.selcetsubindex);
    file.writeInteger(sectionProfiles, QStringLiteral("selcetindex"), s.selcetindex);
    file.writeInteger(sectionProfiles, QStringLiteral("FinishSelcet"), s.finishSelcet);
    file.writeBool(sectionPlane, QStringLiteral("video"), s.videoFirstPage);
    file.writeBool(sectionPlane, QStringLiteral("audio"), s.audioFirstPage);
}
