#include "config/settings.h"

#include "common/files.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SettingsFiles, NamesFollowTheExecutable)
{
    struct Case {
        const char *exeName, *settings;
    } cases[] = {
        {"tool 2.1", "tool 2.ini"},
        {"tool 2.1.exe", "tool 2.ini"},
        {"clipforge", "clipforge.ini"},
        {"clipforge-dvd", "clipforge-dvd.ini"},
        {"vexmo-dvd-ripper", "vexmo-dvd-ripper.ini"},
        {"My.DVD.Ripper.EXE", "My.DVD.ini"},
        {"a.b.c", "a.b.ini"},
        {"Converter.exe", "Converter.ini"},
    };
    for (const Case &c : cases) {
        const QString name = QString::fromLatin1(c.exeName);
        EXPECT_EQ(settingsFileName(name), QString::fromLatin1(c.settings)) << c.exeName;
        EXPECT_EQ(qualityMemoryFileName(name),
                  QStringLiteral("pro ") + QString::fromLatin1(c.settings))
            << c.exeName;
    }
}

TEST(SettingsFiles, LieInTheProgramsConfigurationFolder)
{
    ScopedConfigHome home;
    const QString folder = settingsFolder();
    EXPECT_EQ(folder, home.path() + QStringLiteral("/clipforge/"));
    EXPECT_TRUE(QDir(folder).exists());

    QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    EXPECT_FALSE(videos.isEmpty());
    EXPECT_EQ(defaultOutputFolder(),
              videos.endsWith(QLatin1Char('/')) ? videos : videos + QLatin1Char('/'));
}

TEST(SettingsContent, MissingValuesGiveTheDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("clipforge.ini"));
    SavedSettings expected;
    expected.outputPath = defaultOutputFolder();
    expected.selcetindex = 1;
    expected.selcetsubindex = 53;
    expected.finishSelcet = 0;
    expected.videoFirstPage = true;
    expected.audioFirstPage = true;
    // No file at all.
    EXPECT_EQ(readSettings(IniFile(path), 53), expected);

    // A file with some keys, and values that are not numbers.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[profiles]\nselcetindex=seven\nselcetsubindex=0x1F\n[plane]\naudio=0\n");
    file.close();
    expected.selcetsubindex = 31;
    expected.audioFirstPage = false;
    EXPECT_EQ(readSettings(IniFile(path), 53), expected);
}

TEST(SettingsContent, WrittenInOrderAndReadBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("clipforge.ini"));
    IniFile file(path);
    SavedSettings s;
    s.outputPath = QStringLiteral("/media/out put/");
    s.selcetindex = 7;
    s.selcetsubindex = 55;
    s.finishSelcet = 2;
    s.videoFirstPage = false;
    s.audioFirstPage = true;
    writeSettings(file, s);
    EXPECT_EQ(contents(path),
              QByteArray("[output]\npath=/media/out put/\n"
                         "[profiles]\nselcetsubindex=55\nselcetindex=7\nFinishSelcet=2\n"
                         "[plane]\nvideo=0\naudio=1\n"));
    EXPECT_EQ(readSettings(file, 1), s);

    // Writing again replaces the values in place.
    s.selcetindex = -1;
    s.outputPath = QStringLiteral("/x/");
    writeSettings(file, s);
    EXPECT_EQ(readSettings(file, 1), s);
    EXPECT_EQ(contents(path).count("selcetindex"), 1);
}

TEST(SettingsContent, AnUnwritablePlaceRaisesUnableToWrite)
{
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString path = dir.filePath(QStringLiteral("plain/clipforge.ini"));
    IniFile file(path);
    try {
        writeSettings(file, SavedSettings());
        ADD_FAILURE() << "no error";
    } catch (const IniWriteError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Unable to write to ") + path);
    }
}
