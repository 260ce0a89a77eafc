#include "app/main_fixture.h"
#include "app/skin.h"
#include "profiles/images.h"
#include "profiles/picker.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const char *const frameNames[] = {
    "pl_main",   "pl_video1", "pl_video2",  "pl_audio1",    "pl_audio2", "pl_ipod", "pl_iphone",
    "pl_psp",    "pl_phone",  "pl_pmp",     "pl_appletv",   "pl_animation", "pl_gphone",
    "pl_win",    "pl_xbox",   "pl_hd",      "pl_avi",       "pl_mpeg",   "pl_mp4",  "pl_mkv"};

QStringList visiblePanels(const MainWindow &w)
{
    QStringList shown;
    for (const char *name : frameNames) {
        QFrame *frame = w->findChild<QFrame *>(QString::fromLatin1(name));
        if (frame && frame->isVisible())
            shown << QString::fromLatin1(name);
    }
    return shown;
}

QStringList split(const char *names)
{
    return QString::fromLatin1(names).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The picture button n shows last, from the reads: "move", "general" or "".
QString shownPicture(const pictures::ReadLog &log, int n)
{
    const QString general = QStringLiteral("/sub/general/%1.bmp").arg(n);
    const QString move = QStringLiteral("/sub/move/%1.bmp").arg(n);
    for (auto it = log.paths.crbegin(); it != log.paths.crend(); ++it) {
        if (it->endsWith(move))
            return QStringLiteral("move");
        if (it->endsWith(general))
            return QStringLiteral("general");
    }
    return QString();
}

QString shownCategory(const pictures::ReadLog &log, int c)
{
    for (auto it = log.paths.crbegin(); it != log.paths.crend(); ++it) {
        if (it->endsWith(pictures::categoryPicturePath(c, true)))
            return QStringLiteral("move");
        if (it->endsWith(pictures::categoryPicturePath(c, false)))
            return QStringLiteral("general");
    }
    return QString();
}

// Moves the pointer onto a picker image, as the desktop does.
void pointAt(QWidget *image, QPoint at = QPoint(5, 5))
{
    QMouseEvent move(QEvent::MouseMove, at, image->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(image, &move);
}

QLabel *button(const MainWindow &w, int n)
{
    return w->findChild<QLabel *>(QStringLiteral("btim_%1").arg(n));
}

} // namespace

TEST(PickerWindow, OpensOnThePanelThatHoldsTheProfile)
{
    struct Case {
        const char *edition;
        int before; // opened first, -1: nothing
        int n;
        const char *panels;
        int category; // -1: the category the window started with
    } cases[] = {
        {"clipforge", -1, 8, "pl_main pl_video2", 1},
        {"clipforge", -1, 15, "pl_main pl_audio1", 2},
        {"clipforge", -1, 22, "pl_main pl_audio2", 2},
        {"clipforge", -1, 27, "pl_main pl_ipod", 3},
        {"clipforge", -1, 97, "pl_main pl_hd", 12},
        {"clipforge", -1, 103, "pl_main pl_video1 pl_avi", 1},
        {"clipforge", -1, 124, "pl_main pl_video1 pl_mp4", 1},
        {"vexmo-converter", -1, 131, "pl_main pl_video1 pl_mkv", 1},
        {"clipforge", -1, 0, "pl_main", -1},
        // A number without a row: the bare column, the category kept.
        {"clipforge", 41, 33, "pl_main", 5},
        {"clipforge", 103, 132, "pl_main", 1},
        {"clipforge", 8, 27, "pl_main pl_ipod", 3},
    };
    for (const Case &c : cases) {
        MainWindow w(QString::fromLatin1(c.edition));
        const int startCategory = w->currentCategory;
        pictures::ReadLog log;
        if (c.before >= 0)
            w->openPicker(c.before);
        w->openPicker(c.n);
        EXPECT_EQ(visiblePanels(w), split(c.panels)) << c.n;
        EXPECT_EQ(w->currentCategory, c.category < 0 ? startCategory : c.category) << c.n;
        // The category shown is highlighted; a bare column leaves its
        // category in place but not highlighted.
        if (c.category > 0) {
            EXPECT_EQ(shownCategory(log, c.category),
                      picker::pickerTarget(c.n).shows ? QStringLiteral("move")
                                                      : QStringLiteral("general"))
                << c.n;
        }
        if (c.n == 103 || c.n == 124 || c.n == 131) {
            QFrame *flyOut = w->findChild<QFrame *>(split(c.panels).last());
            EXPECT_EQ(flyOut->pos(), w->pl_video1->pos() + QPoint(w->subPanelOffset, 0));
        }
        EXPECT_TRUE(w.recorder.calls.isEmpty());
    }
}

TEST(PickerWindow, RefusedWhileConvertingAndMakesRoomInBrandA)
{
    MainWindow w(QStringLiteral("clipforge"));
    const int startCategory = w->currentCategory;
    w->converting = true;
    w->openPicker(1);
    EXPECT_EQ(w.recorder.texts("warning"), QStringList{"Please first stop convert!"});
    EXPECT_TRUE(visiblePanels(w).isEmpty());
    EXPECT_EQ(w->currentCategory, startCategory);

    struct Case {
        const char *edition;
        bool previewing;
        bool playShown;
    } cases[] = {{"vexmo-converter", false, false},
                 {"vexmo-converter", true, true},
                 {"clipforge", false, true}};
    for (const Case &c : cases) {
        MainWindow v(QString::fromLatin1(c.edition));
        v->pl_play->show();
        v->previewing = c.previewing;
        v->openPicker(1);
        EXPECT_EQ(v->pl_play->isVisible(), c.playShown) << c.edition << c.previewing;
    }
}

TEST(PickerWindow, OneCategoryEditions)
{
    struct Case {
        const char *edition;
        const char *panels;
        int left;
        bool singlePanel;
        std::vector<int> tops;
    } cases[] = {
        {"clipforge-ipod-mp4", "pl_ipod", 53, true, {-1, 52, 100, 148, 196, 244, 292}},
        {"vexmo-ipod", "pl_ipod", 88, true, {-1, 52, 100, 148, 196, 244, 292}},
        {"vexmo-dvd-psp", "pl_psp", 88, true, {-1, 52, 100, 148, 196, 244, 292}},
        {"clipforge-gphone", "pl_gphone", 53, true, {-1, 52, 100, 148, 196}},
        {"clipforge-3gp", "pl_phone", 53, true, {-1, 52, 100, 148, 196, 244, 292}},
        {"clipforge-mp3", "pl_audio1", 53, true, {-1, 52, 100, 148, 196, 244, 292}},
        {"Audio Studio", "pl_audio1", 53, true, {-1, 52, 100, 148, 196, 244, 292}},
        {"clipforge-avi", "pl_avi", 53, false, {0, 53, 101, 149, 197, 245, 293, 341}},
        {"vexmo-mkv", "pl_mkv", 88, false, {0, 53, 101, 149, 197, 245, 293, 341}},
        {"clipforge-mpeg", "pl_mpeg", 53, false, {0, 53, 101, 149, 197, 245, 293, 341}},
        {"clipforge-mp4", "pl_mp4", 53, false, {0, 53, 101, 149, 197, 245, 293}},
        {"clipforge-wmv", "", 0, false, {}},
        {"clipforge-rm", "", 0, false, {}},
        {"clipforge-flv", "", 0, false, {}},
    };
    for (const Case &c : cases) {
        MainWindow w(QString::fromLatin1(c.edition));
        const int startCategory = w->currentCategory;
        w->loadedProfile = 1;
        w->openPicker(1);
        EXPECT_EQ(visiblePanels(w), split(c.panels)) << c.edition;
        EXPECT_EQ(w->currentCategory, startCategory) << c.edition;
        if (c.tops.empty())
            continue;
        QFrame *panel = w->findChild<QFrame *>(QString::fromLatin1(c.panels));
        EXPECT_EQ(panel->x(), c.left) << c.edition;
        EXPECT_EQ(panel->frameShape() == QFrame::Box && panel->frameShadow() == QFrame::Plain,
                  c.singlePanel)
            << c.edition;
        std::vector<int> tops;
        for (int n : picker::panelButtons(pickerEdition(QString::fromLatin1(c.edition)).panel))
            tops.push_back(button(w, n)->y());
        EXPECT_EQ(tops, c.tops) << c.edition;
    }
}

TEST(PickerWindow, AudioEditionPagesKeepTheSinglePanelLayout)
{
    for (const char *edition : {"clipforge-mp3", "vexmo-audio"}) {
        MainWindow w(QString::fromLatin1(edition));
        const int left = w->brandVariant == BrandVariant::A ? 88 : 53;
        w->openPicker(1);
        QTest::mouseClick(w->findChild<QLabel *>(QStringLiteral("Image2")), Qt::LeftButton);
        EXPECT_EQ(visiblePanels(w), QStringList{"pl_audio2"}) << edition;
        EXPECT_EQ(w->pl_audio2->x(), left);
        EXPECT_EQ(w->pl_audio2->frameShape(), QFrame::Box);
        EXPECT_EQ(button(w, 22)->y(), -1);
        EXPECT_EQ(button(w, 26)->y(), 196);
        EXPECT_TRUE(w->audioFirstPage);
        QTest::mouseClick(w->findChild<QLabel *>(QStringLiteral("Image5")), Qt::LeftButton);
        EXPECT_EQ(visiblePanels(w), QStringList{"pl_audio1"}) << edition;
        EXPECT_EQ(w->pl_audio1->x(), left);
        EXPECT_EQ(button(w, 21)->y(), 292);
        EXPECT_TRUE(w->audioFirstPage);
    }
}

TEST(PickerWindow, PageTurnsOfTheFullPicker)
{
    MainWindow w(QStringLiteral("clipforge"));
    w->openPicker(1);
    QTest::mouseClick(w->findChild<QLabel *>(QStringLiteral("Image94")), Qt::LeftButton);
    EXPECT_EQ(visiblePanels(w), (QStringList{"pl_main", "pl_video2"}));
    EXPECT_FALSE(w->videoFirstPage);
    // Entering General Video again shows the page last turned to.
    w->categoryPointed(3);
    w->categoryPointed(1);
    EXPECT_EQ(visiblePanels(w), (QStringList{"pl_main", "pl_video2"}));
    QTest::mouseClick(w->findChild<QLabel *>(QStringLiteral("Image93")), Qt::LeftButton);
    EXPECT_EQ(visiblePanels(w), (QStringList{"pl_main", "pl_video1"}));
    EXPECT_TRUE(w->videoFirstPage);

    pointAt(w->findChild<QLabel *>(QStringLiteral("img_audio1")));
    EXPECT_EQ(w->currentCategory, 2);
    QTest::mouseClick(w->findChild<QLabel *>(QStringLiteral("Image2")), Qt::LeftButton);
    EXPECT_EQ(visiblePanels(w), (QStringList{"pl_main", "pl_audio2"}));
    EXPECT_FALSE(w->audioFirstPage);
    EXPECT_EQ(w->pl_audio2->x(), 206); // no single-panel layout here
    QTest::mouseClick(w->findChild<QLabel *>(QStringLiteral("Image5")), Qt::LeftButton);
    EXPECT_EQ(visiblePanels(w), (QStringList{"pl_main", "pl_audio1"}));
    EXPECT_TRUE(w->audioFirstPage);
    // Opening on a profile follows the profile, not the remembered page.
    w->videoFirstPage = false;
    w->openPicker(3);
    EXPECT_EQ(visiblePanels(w), (QStringList{"pl_main", "pl_video1"}));
    EXPECT_FALSE(w->videoFirstPage);
}

TEST(PickerWindow, PointingAtCategories)
{
    MainWindow w(QStringLiteral("clipforge"));
    pictures::ReadLog log;
    w->openPicker(1);
    pointAt(w->findChild<QLabel *>(QStringLiteral("img_ipod")));
    EXPECT_EQ(w->currentCategory, 3);
    EXPECT_EQ(visiblePanels(w), (QStringList{"pl_main", "pl_ipod"}));
    EXPECT_EQ(shownCategory(log, 1), QStringLiteral("general"));
    EXPECT_EQ(shownCategory(log, 3), QStringLiteral("move"));
    w->openPicker(103);
    pointAt(w->findChild<QLabel *>(QStringLiteral("img_animation")));
    // Leaving General Video closes its fly-out too.
    EXPECT_EQ(visiblePanels(w), (QStringList{"pl_main", "pl_animation"}));
    EXPECT_EQ(w->currentCategory, 13);
}

// Steps of the pointer over buttons, with what each leaves behind.
struct Step {
    int n;
    int current;
    const char *flyOut; // the open fly-out, "" for none
    std::vector<int> highlighted;
    std::vector<int> normal;
};

struct Walk {
    const char *title;
    const char *edition;
    int openOn;
    std::vector<Step> steps;
};

class PickerWalk : public ::testing::TestWithParam<Walk> {};

TEST_P(PickerWalk, FollowsThePointer)
{
    const Walk &walk = GetParam();
    pictures::ReadLog log;
    MainWindow w(QString::fromLatin1(walk.edition));
    w->openPicker(walk.openOn);
    for (const Step &s : walk.steps) {
        const std::string at = std::string(walk.title) + ", pointing at " + std::to_string(s.n);
        pointAt(button(w, s.n));
        EXPECT_EQ(w->currentProfile, s.current) << at;
        QStringList flyOuts;
        for (const QString &p : visiblePanels(w))
            if (p == "pl_avi" || p == "pl_mpeg" || p == "pl_mp4" || p == "pl_mkv")
                flyOuts << p;
        EXPECT_EQ(flyOuts, split(s.flyOut)) << at;
        for (int n : s.highlighted)
            EXPECT_EQ(shownPicture(log, n), QStringLiteral("move")) << at << ": " << n;
        for (int n : s.normal)
            EXPECT_EQ(shownPicture(log, n), QStringLiteral("general")) << at << ": " << n;
    }
    if (pickerEdition(w->exeName).order == 0 && !walk.steps.empty() &&
        QString::fromLatin1(walk.steps.back().flyOut) != QString()) {
        QFrame *flyOut = w->findChild<QFrame *>(QString::fromLatin1(walk.steps.back().flyOut));
        EXPECT_EQ(flyOut->pos(), w->pl_video1->pos() + QPoint(w->subPanelOffset, 0));
    }
    EXPECT_TRUE(w.recorder.calls.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, PickerWalk,
    ::testing::Values(
        Walk{"EnteringAFlyOutKeepsTheFamilyHighlighted",
             "clipforge",
             1,
             {{2, 2, "pl_avi", {2}, {}},
              {102, 102, "pl_avi", {2, 102}, {}},
              {103, 103, "pl_avi", {2, 103}, {102}},
              {7, 7, "", {7}, {2}}}},
        Walk{"FamilyEntriesSwapTheirFlyOuts",
             "vexmo-converter",
             1,
             {{3, 3, "pl_mpeg", {3}, {}},
              {5, 5, "pl_mkv", {5}, {3}},
              {125, 125, "pl_mkv", {5, 125}, {}},
              {128, 128, "pl_mkv", {5, 128}, {125}},
              // Back on its own family entry: the fly-out closes.
              {5, 5, "", {5}, {}},
              {1, 1, "", {1}, {5}}}},
        Walk{"BottomImagesAndInertButtons",
             "clipforge",
             103,
             {{109, 109, "pl_avi", {109}, {}},
              {108, 108, "pl_avi", {108}, {109}},
              // Leaving the fly-out resets its family entry and closes it.
              {6, 6, "", {6}, {2}}}},
        Walk{"SecondPageAndDevices",
             "clipforge",
             8,
             {{8, 8, "", {8}, {}}, {13, 8, "", {8}, {13}}, {9, 9, "", {9}, {8}}}},
        Walk{"FlyOutEdition", "clipforge-mp4", 1, {{119, 119, "pl_mp4", {119}, {}},
                                                   {124, 124, "pl_mp4", {124}, {119}}}}),
    [](const auto &info) { return std::string(info.param.title); });

TEST(PickerWindow, ClicksLoadAndClose)
{
    MainWindow w(QStringLiteral("clipforge"));
    w->showProfileName(27);
    const QString before = w->profileDisplayName;
    ASSERT_EQ(before, QStringLiteral("iPod(320\u00d7240)MPEG-4 Codec(*.mp4)"));

    // The bottom image 45 of GPhone reacts like a profile button; it has no
    // name of its own, so the shown name stays.
    w->openPicker(41);
    pointAt(button(w, 45));
    QTest::mouseClick(button(w, 45), Qt::LeftButton);
    EXPECT_TRUE(visiblePanels(w).isEmpty());
    EXPECT_EQ(w->currentProfile, 45);
    w->showProfileName(45);
    EXPECT_EQ(w->profileDisplayName, before);
    EXPECT_EQ(w->skin_profilestext->text(), before);

    // Inert, pointing-only and family buttons do not click.
    struct Case {
        int open;
        int n;
    } cases[] = {{8, 13}, {8, 14}, {103, 109}, {124, 124}, {1, 2}, {97, 98}, {100, 101}};
    for (const Case &c : cases) {
        w->openPicker(c.open);
        QTest::mouseClick(button(w, c.n), Qt::LeftButton);
        EXPECT_FALSE(visiblePanels(w).isEmpty()) << c.n;
    }
    // A real profile button closes the picker.
    w->openPicker(110);
    QTest::mouseClick(button(w, 112), Qt::LeftButton);
    EXPECT_TRUE(visiblePanels(w).isEmpty());
}

TEST(PickerWindow, ClosingWithoutAClickKeepsThePointedNumber)
{
    MainWindow w(QStringLiteral("clipforge"));
    w->loadedProfile = 7;
    w->Skin1Click(QStringLiteral("profiles"));
    pointAt(button(w, 2));
    EXPECT_TRUE(w->pl_avi->isVisible());
    w->lv->show();
    QTest::mousePress(w->lv->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    EXPECT_TRUE(visiblePanels(w).isEmpty());
    EXPECT_EQ(w->currentProfile, 2);
    EXPECT_EQ(w->loadedProfile, 7);
    // The header image opens the picker on the loaded profile again.
    QTest::mousePress(w->im_mainico, Qt::LeftButton);
    EXPECT_EQ(visiblePanels(w), (QStringList{"pl_main", "pl_video1"}));
}

TEST(PickerWindow, ShowProfileNameNamesTheProfile)
{
    MainWindow w(QStringLiteral("clipforge"));
    struct Case {
        int n;
        const char16_t *shown;
    } cases[] = {
        {53, u"PS3 Video(1080P)MPEG-4(*.MP4)"},
        {47, u"Apple TV MPEG-4 720P(1280\u00d7720)(*.mp4)"},
        {33, u"Apple TV MPEG-4 720P(1280\u00d7720)(*.mp4)"}, // no name: the last one stays
        {2, u"AVI-DivX Movie(*.avi)"},
        {0, u"AVI-DivX Movie(*.avi)"},
    };
    for (const Case &c : cases) {
        w->showProfileName(c.n);
        EXPECT_EQ(w->profileDisplayName, QString::fromUtf16(c.shown)) << c.n;
        EXPECT_EQ(w->skin_profilestext->text(), QString::fromUtf16(c.shown)) << c.n;
    }
}
