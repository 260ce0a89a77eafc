#include "app/main_fixture.h"
#include "app/skin.h"
#include "dialogs/about.h"
#include "dialogs/dir.h"
#include "dialogs/settings.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Runs `action`, closing whatever modal dialog it opens; the dialog's name.
QString runClosingModal(const std::function<void()> &action)
{
    QString seen;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&seen] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            seen = modal->objectName();
            modal->close();
        }
    });
    timer.start();
    action();
    timer.stop();
    return seen;
}

QStringList menuLayout(const QMenu *menu)
{
    QStringList items;
    for (const QAction *a : menu->actions())
        items << (a->isSeparator() ? QStringLiteral("-")
                                   : a->objectName() + QLatin1Char(':') + a->text() +
                                         (a->icon().isNull() ? QString() : QStringLiteral("+icon")));
    return items;
}

} // namespace

TEST(Dispatch, MenuCommandsPopUpTheirMenusAtTheVariantsPlaces)
{
    struct Case {
        const char *edition;
        const char *command;
        QPoint offset;
    } cases[] = {
        {"vexmo-converter", "file", {85, 64}},   {"vexmo-converter", "dvdfile", {85, 64}},
        {"vexmo-converter", "help", {366, 64}},  {"clipforge", "file", {76, 54}},
        {"clipforge", "dvdfile", {76, 54}},      {"clipforge", "help", {362, 54}},
        {"clipforge-dvd", "dvdfile", {76, 54}},  {"vexmo-dvd-ripper", "help", {366, 64}},
    };
    for (const Case &c : cases) {
        MainWindow w(QString::fromLatin1(c.edition));
        const QString command = QString::fromLatin1(c.command);
        QMenu *menu = command == QLatin1String("help")   ? w->pop_help
                      : command == QLatin1String("file") ? w->pop_file
                                                         : w->pop_dvd;
        w->Skin1Click(command);
        QApplication::processEvents();
        EXPECT_TRUE(menu->isVisible()) << c.edition << " " << c.command;
        EXPECT_EQ(menu->pos() - w->mapToGlobal(QPoint(0, 0)), c.offset)
            << c.edition << " " << c.command;
        EXPECT_EQ(w->popupOffset(menu), c.offset);
        menu->hide();
    }
}

TEST(Dispatch, CommandsReachTheirActions)
{
    MainWindow w(QStringLiteral("clipforge"));
    w->outputFolder = QStringLiteral("/tmp/out/");

    // "profiles" opens the picker on the loaded profile.
    w->loadedProfile = 27;
    w->Skin1Click(QStringLiteral("profiles"));
    EXPECT_TRUE(w->pl_main->isVisible());
    EXPECT_TRUE(w->pl_ipod->isVisible());
    w->hidePicker();

    // "open" hands the output folder to the desktop.
    w->Skin1Click(QStringLiteral("open"));
    EXPECT_EQ(w.recorder.texts("openFolder"), QStringList{"/tmp/out/"});

    // "pause" flips the pause flag.
    w->Skin1Click(QStringLiteral("pause"));
    EXPECT_TRUE(w->previewPaused);
    w->Skin1Click(QStringLiteral("pause"));
    EXPECT_FALSE(w->previewPaused);

    // "browse" and "settings" show their dialogs; a cancelled chooser
    // changes nothing.
    const QString before = w->ed_output->text();
    EXPECT_EQ(runClosingModal([&] { w->Skin1Click(QStringLiteral("browse")); }),
              QStringLiteral("fm_dir"));
    EXPECT_EQ(w->outputFolder, QStringLiteral("/tmp/out/"));
    EXPECT_EQ(w->ed_output->text(), before);
    w->finishAction = 2;
    EXPECT_EQ(runClosingModal([&] { w->Skin1Click(QStringLiteral("settings")); }),
              QStringLiteral("fm_set"));
    EXPECT_EQ(w->finishAction, 2);
}

TEST(Dispatch, UnknownAndMiscasedNamesDoNothing)
{
    MainWindow w(QStringLiteral("clipforge"));
    w->loadedProfile = 1;
    for (const char *name : {"Clear", "PROFILES", "Help", "profilestext", "play_bar", "", "x"}) {
        w.recorder.clear();
        w->Skin1Click(QString::fromLatin1(name));
        QApplication::processEvents();
        EXPECT_FALSE(w->pl_main->isVisible()) << name;
        EXPECT_FALSE(w->pop_help->isVisible()) << name;
        EXPECT_FALSE(w->pop_file->isVisible()) << name;
        EXPECT_TRUE(w.recorder.calls.isEmpty()) << name;
        EXPECT_FALSE(w->previewPaused);
    }
}

// A real press anywhere on the face, on an object or not, closes the picker;
// a click on "profiles" opens it again.
TEST(Dispatch, APressOnTheFaceClosesThePicker)
{
    MainWindow w(QStringLiteral("clipforge"));
    w->loadedProfile = 8;
    const QPoint points[] = {
        w->Skin1->objectRect(QStringLiteral("converter")).center(),
        w->Skin1->objectRect(QStringLiteral("play_time")).center(),
        w->Skin1->objectRect(QStringLiteral("play_bar")).center(),
        QPoint(770, 300), // bare face
    };
    for (const QPoint &point : points) {
        w->openPicker(8);
        ASSERT_TRUE(w->pl_video2->isVisible());
        QTest::mousePress(w->Skin1, Qt::LeftButton, Qt::NoModifier, point);
        EXPECT_FALSE(w->pl_main->isVisible()) << point.x() << "," << point.y();
        EXPECT_FALSE(w->pl_video2->isVisible());
        QTest::mouseRelease(w->Skin1, Qt::LeftButton, Qt::NoModifier, point);
    }
    const QPoint profiles = w->Skin1->objectRect(QStringLiteral("profiles")).topLeft() + QPoint(250, 10);
    ASSERT_EQ(w->Skin1->objectAt(profiles), QStringLiteral("profiles"));
    QTest::mouseClick(w->Skin1, Qt::LeftButton, Qt::NoModifier, profiles);
    EXPECT_TRUE(w->pl_main->isVisible());
    EXPECT_TRUE(w->pl_video2->isVisible());
}

TEST(Dispatch, ThePopUpMenus)
{
    MainWindow w(QStringLiteral("clipforge"));
    EXPECT_EQ(menuLayout(w->pop_file),
              (QStringList{"AddFiles1:Add Files+icon", "AddFolder1:Add Folder", "-",
                           "Rmove1:Remove+icon", "Clear1:Clear", "-", "Convert1:Convert+icon",
                           "Stop1:Stop", "-", "Exit1:Exit"}));
    EXPECT_EQ(menuLayout(w->pop_dvd),
              (QStringList{"MenuItem3:Add DVD+icon", "MenuItem8:Add IFO", "-",
                           "MenuItem10:Select All+icon", "MenuItem11:Unselect ALL", "-",
                           "MenuItem13:Convert+icon", "MenuItem14:Stop", "-",
                           "MenuItem16:Exit"}));
    EXPECT_EQ(menuLayout(w->pop_help),
              (QStringList{"MenuItem1:Help+icon", "MenuItem2:Support", "MenuItem4:Our Website",
                           "MenuItem5:Contact us", "-", "MenuItem7:About+icon"}));

    // Items 21 pixels high, separators 5; the icon bar is 26 wide.
    for (QMenu *menu : {w->pop_file, w->pop_dvd, w->pop_help}) {
        w->popupMenu(menu);
        QApplication::processEvents();
        for (QAction *a : menu->actions())
            EXPECT_EQ(menu->actionGeometry(a).height(), a->isSeparator() ? 5 : 21)
                << qPrintable(a->objectName());
        const QImage image = menu->grab().toImage();
        QAction *plain = menu->actions().at(1);
        const int y = menu->actionGeometry(plain).center().y();
        const int left = menu->actionGeometry(plain).left();
        const QColor bar = image.pixelColor(left + 3, y);
        const QColor beside = image.pixelColor(left + 24, y);
        const QColor body = image.pixelColor(left + 28, y);
        EXPECT_EQ(bar, beside);
        EXPECT_NE(bar, body);
        // The selected item: white text on the highlight colour.
        menu->setActiveAction(plain);
        QApplication::processEvents();
        const QImage selected = menu->grab().toImage();
        EXPECT_EQ(selected.pixelColor(left + 3, y), w->Skin1->colour(QStringLiteral("accent")));
        menu->hide();
    }

    // The items lead to their actions.
    w->pop_help->actions().at(0)->trigger(); // Help
    w->pop_help->actions().at(1)->trigger(); // Support
    EXPECT_EQ(w.recorder.texts("openUrl").size(), 2);
    EXPECT_EQ(runClosingModal([&] { w->pop_help->actions().last()->trigger(); }),
              QStringLiteral("fm_about"));
    w->pop_file->actions().last()->trigger(); // Exit
    EXPECT_FALSE(w->isVisible());
}
