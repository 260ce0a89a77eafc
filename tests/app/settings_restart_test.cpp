#include "app/main_fixture.h"
#include "app/profile_support.h"
#include "common/files.h"
#include "config/ini.h"
#include "config/settings.h"
#include "profiles/catalogue.h"

#include <QLineEdit>
#include <gtest/gtest.h>

TEST(SavedSettings, ComeBackAfterARestart)
{
    ScopedConfigHome home;
    TestProgramFolder folder;
    {
        MainWindow w(QStringLiteral("clipforge"), folder.path());
        w->outputFolder = QStringLiteral("/srv/clips out/");
        w->currentCategory = 7;
        clickProfile(w.w(), 55);
        w->cb_size->setCurrentIndex(3);
        w->videoFirstPage = false;
        w->audioFirstPage = false;
        w->finishAction = 1;
        EXPECT_TRUE(w->close());
    }
    const QString settingsPath = home.folder() + QStringLiteral("clipforge.ini");
    EXPECT_EQ(contents(settingsPath),
              QByteArray("[output]\npath=/srv/clips out/\n"
                         "[profiles]\nselcetsubindex=55\nselcetindex=7\nFinishSelcet=1\n"
                         "[plane]\nvideo=0\naudio=0\n"));

    MainWindow w(QStringLiteral("clipforge"), folder.path());
    EXPECT_EQ(w->settingsPath, settingsPath);
    EXPECT_EQ(w->outputFolder, QStringLiteral("/srv/clips out/"));
    EXPECT_EQ(w->ed_output->text(), QStringLiteral("/srv/clips out/"));
    EXPECT_EQ(w->currentCategory, 7);
    EXPECT_EQ(w->currentProfile, 55);
    EXPECT_EQ(w->loadedProfile, 55);
    EXPECT_EQ(w->profileDisplayName, displayNameOf(55));
    EXPECT_EQ(w->jobRecord.profileOpts, QStringLiteral("-opts 55"));
    EXPECT_FALSE(w->videoFirstPage);
    EXPECT_FALSE(w->audioFirstPage);
    EXPECT_EQ(w->finishAction, 1);
    // The choices made for the last profile of a run are not remembered.
    EXPECT_EQ(w->cb_size->currentIndex(), 2);
    EXPECT_TRUE(w.recorder.calls.isEmpty());
}

TEST(SavedSettings, AFirstStartUsesTheEditionsDefaults)
{
    struct Case {
        const char *edition;
        int profile;
    } cases[] = {{"clipforge-psp", 53},
                 {"clipforge", 1},
                 {"clipforge-mp3", 17},
                 {"clipforge-dvd", 1},
                 {"clipforge-ipod", 27}};
    for (const Case &c : cases) {
        ScopedConfigHome home;
        TestProgramFolder folder;
        MainWindow w(QString::fromLatin1(c.edition), folder.path());
        EXPECT_EQ(w->currentProfile, c.profile) << c.edition;
        EXPECT_EQ(w->loadedProfile, c.profile) << c.edition;
        EXPECT_EQ(w->currentCategory, 1) << c.edition;
        EXPECT_EQ(w->finishAction, 0) << c.edition;
        EXPECT_TRUE(w->videoFirstPage && w->audioFirstPage) << c.edition;
        EXPECT_EQ(w->outputFolder, defaultOutputFolder()) << c.edition;
        EXPECT_EQ(w->ed_output->text(), defaultOutputFolder()) << c.edition;
        EXPECT_TRUE(w->outputFolder.endsWith(QLatin1Char('/')));
        // A run that changes nothing writes back what it read.
        EXPECT_TRUE(w->close());
        const IniFile saved(home.folder() + QString::fromLatin1(c.edition) +
                            QStringLiteral(".ini"));
        EXPECT_EQ(saved.readInteger(QStringLiteral("profiles"), QStringLiteral("selcetindex"), -9),
                  1);
        EXPECT_EQ(
            saved.readInteger(QStringLiteral("profiles"), QStringLiteral("selcetsubindex"), -9),
            c.profile);
    }
}

TEST(SavedSettings, FilesAreNamedAfterTheExecutable)
{
    ScopedConfigHome home;
    TestProgramFolder folder;
    QDir().mkpath(home.folder());
    IniFile hand(home.folder() + QStringLiteral("tool 2.ini"));
    hand.writeInteger(QStringLiteral("profiles"), QStringLiteral("selcetsubindex"), 8);
    hand.writeInteger(QStringLiteral("profiles"), QStringLiteral("selcetindex"), 0x1);
    hand.writeString(QStringLiteral("profiles"), QStringLiteral("FinishSelcet"),
                     QStringLiteral("0x2"));

    MainWindow w(QStringLiteral("tool 2.1"), folder.path());
    EXPECT_EQ(w->loadedProfile, 8);
    EXPECT_EQ(w->finishAction, 2);
    clickProfile(w.w(), 9);
    EXPECT_TRUE(QFile::exists(home.folder() + QStringLiteral("pro tool 2.ini")));
    EXPECT_EQ(w->qualityMemoryPath, home.folder() + QStringLiteral("pro tool 2.ini"));
}

TEST(SavedSettings, AnUnwritableSettingsFileIsReportedAndTheWindowCloses)
{
    ScopedConfigHome home;
    TestProgramFolder folder;
    // The configuration home is a plain file: no folder can be made in it.
    const QString plain = home.path() + QStringLiteral("/plain");
    {
        QFile file(plain);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    qputenv("XDG_CONFIG_HOME", plain.toLocal8Bit());
    MainWindow w(QStringLiteral("clipforge"), folder.path());
    EXPECT_EQ(w->loadedProfile, 1);
    EXPECT_TRUE(w->close());
    EXPECT_EQ(w.recorder.texts(QStringLiteral("error")),
              QStringList(QStringLiteral("Unable to write to ") + plain +
                          QStringLiteral("/clipforge/clipforge.ini")));
}
