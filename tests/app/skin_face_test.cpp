#include "app/main_fixture.h"
#include "app/skin.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const char *const smallSkin = "clipforge-skin 1\n"
                              "window first size=200x100\n"
                              "button first_only rect=0,0,10,10\n"
                              "window face size=200x100\n"
                              "box rect=0,0,200,100 fill=#ffffff\n"
                              "button go rect=10,10,40,20\n"
                              "text caption rect=60,10,100,20 text=\"start\"\n"
                              "button go2 rect=60,10,30,20 mode=dvd\n"
                              "slider bar rect=10,50,101,10 min=0 max=100 position=3\n";

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return path;
}

} // namespace

TEST(SkinWidget, LoadsAFileAndAppliesANamedWindowSkin)
{
    QTemporaryDir dir;
    TSkin skin;
    skin.resize(200, 100);
    ASSERT_TRUE(skin.loadSkinFile(writeFile(dir, QStringLiteral("s.skn"), smallSkin)));
    // The first window skin until another is applied.
    EXPECT_NE(skin.findObject(QStringLiteral("first_only")), nullptr);
    EXPECT_EQ(skin.findObject(QStringLiteral("go")), nullptr);
    ASSERT_TRUE(skin.applyWindowSkin(QStringLiteral("face")));
    EXPECT_EQ(skin.findObject(QStringLiteral("first_only")), nullptr);
    TSkinObject *caption = skin.findObject(QStringLiteral("caption"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->kind(), SkinObjectKind::Text);
    EXPECT_EQ(caption->text(), QStringLiteral("start"));
    TSkinObject *bar = skin.findObject(QStringLiteral("bar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->position(), 3);
    bar->setPosition(250);
    EXPECT_EQ(bar->position(), 100);
    bar->setPosition(-4);
    EXPECT_EQ(bar->position(), 0);

    // An object of another edition is found by name but is not on show.
    EXPECT_NE(skin.findObject(QStringLiteral("go2")), nullptr);
    EXPECT_TRUE(skin.objectRect(QStringLiteral("go2")).isNull());
    skin.setEdition(RunMode::Dvd, BrandVariant::B);
    EXPECT_EQ(skin.objectRect(QStringLiteral("go2")), QRect(60, 10, 30, 20));
    // A button takes the mouse before the text it lies on.
    EXPECT_EQ(skin.objectAt(QPoint(70, 15)), QStringLiteral("go2"));
    EXPECT_EQ(skin.objectAt(QPoint(120, 15)), QStringLiteral("caption"));
    EXPECT_EQ(skin.objectAt(QPoint(190, 90)), QString());

    // No window of that name: no face at all.
    EXPECT_FALSE(skin.applyWindowSkin(QStringLiteral("dovorizizozozivur")));
    EXPECT_FALSE(skin.isLoaded());
    EXPECT_EQ(skin.findObject(QStringLiteral("go")), nullptr);
}

TEST(SkinWidget, MissingOrBrokenFilesLeaveNoFace)
{
    QTemporaryDir dir;
    const QString paths[] = {
        dir.filePath(QStringLiteral("missing.skn")),
        writeFile(dir, QStringLiteral("binary.skn"), QByteArray("\x00\x01\x02skin", 7)),
        writeFile(dir, QStringLiteral("broken.skn"), "clipforge-skin 1\nwindow w size=1x1\nbutton\n"),
        writeFile(dir, QStringLiteral("empty.skn"), "clipforge-skin 1\n"),
    };
    for (const QString &path : paths) {
        TSkin skin;
        EXPECT_FALSE(skin.loadSkinFile(path)) << qPrintable(path);
        EXPECT_FALSE(skin.isLoaded());
        EXPECT_FALSE(skin.loadError().isEmpty());
        EXPECT_TRUE(skin.visibleObjects().isEmpty());
        skin.resize(50, 50);
        EXPECT_FALSE(skin.grab().isNull()); // drawing without a face is fine
    }
}

TEST(SkinWidget, RaisesClickPressAndReleaseWithTheObject)
{
    QTemporaryDir dir;
    TSkin skin;
    skin.resize(200, 100);
    ASSERT_TRUE(skin.loadSkinFile(writeFile(dir, QStringLiteral("s.skn"), smallSkin)));
    ASSERT_TRUE(skin.applyWindowSkin(QStringLiteral("face")));
    skin.show();
    QSignalSpy clicked(&skin, &TSkin::objectClicked);
    QSignalSpy pressed(&skin, &TSkin::objectPressed);
    QSignalSpy released(&skin, &TSkin::objectReleased);

    struct Case {
        QPoint press, release;
        const char *pressedName;
        bool click;
    } cases[] = {
        {{20, 20}, {20, 20}, "go", true},
        {{20, 20}, {150, 80}, "go", false},  // released elsewhere: no click
        {{70, 15}, {70, 15}, "caption", true},
        {{150, 80}, {150, 80}, "", true},    // the bare face
    };
    for (const Case &c : cases) {
        clicked.clear();
        pressed.clear();
        released.clear();
        QTest::mousePress(&skin, Qt::LeftButton, Qt::NoModifier, c.press);
        QTest::mouseRelease(&skin, Qt::LeftButton, Qt::NoModifier, c.release);
        const QString name = QString::fromLatin1(c.pressedName);
        ASSERT_EQ(pressed.size(), 1);
        EXPECT_EQ(pressed.first().first().toString(), name);
        ASSERT_EQ(released.size(), 1);
        EXPECT_EQ(released.first().first().toString(), name);
        EXPECT_EQ(clicked.size(), c.click ? 1 : 0);
        if (c.click) {
            EXPECT_EQ(clicked.first().first().toString(), name);
        }
    }

    // Pressing and dragging on the slider moves it; the release reports it.
    TSkinObject *bar = skin.findObject(QStringLiteral("bar"));
    QTest::mousePress(&skin, Qt::LeftButton, Qt::NoModifier, QPoint(60, 55));
    EXPECT_EQ(bar->position(), 50);
    QMouseEvent drag(QEvent::MouseMove, QPointF(110, 55), skin.mapToGlobal(QPointF(110, 55)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&skin, &drag);
    EXPECT_EQ(bar->position(), 100);
    QTest::mouseRelease(&skin, Qt::LeftButton, Qt::NoModifier, QPoint(35, 55));
    EXPECT_EQ(bar->position(), 25);
}

TEST(SkinFace, LoadSkinKeepsTheThreeObjects)
{
    MainWindow w(QStringLiteral("clipforge"));
    ASSERT_TRUE(w->Skin1->isLoaded());
    EXPECT_EQ(w->Skin1->windowSkin()->name, QStringLiteral("dovorizizozozivur"));
    ASSERT_FALSE(w->skin_profilestext.isNull());
    ASSERT_FALSE(w->skin_play_time.isNull());
    ASSERT_FALSE(w->skin_play_bar.isNull());
    EXPECT_EQ(w->skin_profilestext->name(), QStringLiteral("profilestext"));
    EXPECT_EQ(w->skin_play_bar->maximum(), 10000);

    const QString name = QStringLiteral("iPod(320\u00d7240)MPEG-4 Codec(*.mp4)");
    w->setSkinText(QStringLiteral("profilestext"), name);
    EXPECT_EQ(w->skin_profilestext->text(), name);
    w->setSkinText(QStringLiteral("play_time"), QStringLiteral("01:02:05"));
    EXPECT_EQ(w->skin_play_time->text(), QStringLiteral("01:02:05"));
    // Other names are not written.
    w->setSkinText(QStringLiteral("help"), QStringLiteral("x"));
    w->setPlayBarPosition(5000);
    EXPECT_EQ(w->playBarPosition(), 5000);
    EXPECT_EQ(w->skin_play_bar->position(), 5000);
    w->setPlayBarPosition(12000);
    EXPECT_EQ(w->playBarPosition(), 10000);
}

TEST(SkinFace, WithoutASkinFileTheWritesDoNothing)
{
    QTemporaryDir folder;
    for (const QByteArray &content : {QByteArray(), QByteArray("not a skin")}) {
        if (!content.isNull())
            writeFile(folder, QStringLiteral("skn.skn"), content);
        MainWindow w(QStringLiteral("clipforge"), folder.path() + QLatin1Char('/'));
        EXPECT_FALSE(w->Skin1->isLoaded());
        EXPECT_TRUE(w->skin_profilestext.isNull());
        EXPECT_TRUE(w->skin_play_time.isNull());
        EXPECT_TRUE(w->skin_play_bar.isNull());
        w->setSkinText(QStringLiteral("profilestext"), QStringLiteral("x"));
        w->setSkinText(QStringLiteral("play_time"), QStringLiteral("00:00:01"));
        w->setPlayBarPosition(300);
        EXPECT_EQ(w->playBarPosition(), 0);
        w->showProfileName(7);
        EXPECT_EQ(w->profileDisplayName, QStringLiteral("WMV-Windows Media Video(*.wmv)"));
        w->Skin1Click(QStringLiteral("help"));
        w->pop_help->hide();
    }
}

// The face's objects never lie under the window's own controls, in any of
// the four layouts.
TEST(SkinFace, ObjectsStayClearOfTheControlsInEveryLayout)
{
    for (const char *edition : {"clipforge", "vexmo-converter", "clipforge-dvd", "vexmo-dvd-ripper"}) {
        MainWindow w(QString::fromLatin1(edition));
        ASSERT_TRUE(w->Skin1->isLoaded());
        QList<QPair<QString, QWidget *>> controls = {
            {"lv", w->lv},           {"ProgressBar1", w->ProgressBar1},
            {"cb_size", w->cb_size}, {"cb_videobitrate", w->cb_videobitrate},
            {"cb_audiobitrate", w->cb_audiobitrate}, {"cb_channel", w->cb_channel},
            {"ed_output", w->ed_output}, {"Panel1", w->Panel1}, {"pl_play", w->pl_play}};
        if (w->runMode == RunMode::Dvd)
            controls << QPair<QString, QWidget *>{"cb_audio", w->cb_audio}
                     << QPair<QString, QWidget *>{"cb_subtitle", w->cb_subtitle};
        int checked = 0;
        for (const SkinObjectDef *o : w->Skin1->visibleObjects()) {
            if (o->kind == SkinObjectKind::Box)
                continue; // backgrounds lie under everything
            ++checked;
            for (const auto &[name, control] : controls)
                EXPECT_FALSE(o->rect.intersects(control->geometry()))
                    << edition << ": skin object on line " << o->line << " ("
                    << qPrintable(o->name) << ") lies under " << qPrintable(name);
        }
        EXPECT_GT(checked, 20) << edition;
    }
}
