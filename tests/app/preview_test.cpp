// Previews in the main window: real clips made by ffmpeg, played headless
// and silent through the preview library into the pane.
#include "app/main_fixture.h"
#include "app/skin.h"
#include "common/media.h"
#include "preview/previewlib.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>

namespace {

QString playTime(const MainWindow &w)
{
    return w->skin_play_time ? w->skin_play_time->text() : QStringLiteral("<no play_time>");
}

int playBar(const MainWindow &w)
{
    return w->playBarPosition();
}

// Adds a task-list row with its five cells and its source record.
QTreeWidgetItem *addRow(MainWindow &w, const QString &path, const QString &durationText)
{
    auto *row = new QTreeWidgetItem(
        w->lv, {QFileInfo(path).completeBaseName(), QStringLiteral("320x240"), durationText,
                QStringLiteral("0.40MB"), QStringLiteral("Status")});
    w->sourceInfos.append({path, QStringLiteral("320x240"), durationText, QStringLiteral("200"),
                           QStringLiteral("128")});
    return row;
}

void select(MainWindow &w, QTreeWidgetItem *row)
{
    w->lv->clearSelection();
    row->setSelected(true);
}

// What the face showed while a preview played, sampled every few ms.
struct Shown {
    QStringList times;   // each change of "play_time"
    QList<int> bars;     // each change of "play_bar"
    bool previewing = false;
};

// Runs a skin command that plays, under a deadline that stops a preview that
// runs too long; `during` runs `atMs` after the start. Returns the seconds
// the command took.
class Playing
{
public:
    explicit Playing(MainWindow &w, int deadlineMs = 15000) : w_(w)
    {
        scope_ = new QObject;
        QTimer::singleShot(deadlineMs, scope_, [this] {
            expired = true;
            Stop();
        });
        auto *sampler = new QTimer(scope_);
        QObject::connect(sampler, &QTimer::timeout, scope_, [this] { sample(); });
        sampler->start(5);
    }
    ~Playing() { delete scope_; }

    void at(int ms, std::function<void()> action) { QTimer::singleShot(ms, scope_, std::move(action)); }
    // Runs `action` once, as soon as `condition` holds during the preview.
    void when(std::function<bool()> condition, std::function<void()> action)
    {
        waits_.push_back({std::move(condition), std::move(action)});
    }

    double run(const QString &command = QStringLiteral("play"))
    {
        QElapsedTimer clock;
        clock.start();
        w_->Skin1Click(command);
        const double seconds = clock.elapsed() / 1000.0;
        delete scope_;
        scope_ = nullptr;
        return seconds;
    }

    Shown shown;
    bool expired = false;

private:
    void sample()
    {
        if (!w_->previewing)
            return;
        shown.previewing = true;
        const QString t = playTime(w_);
        if (shown.times.isEmpty() || shown.times.back() != t)
            shown.times << t;
        const int b = playBar(w_);
        if (shown.bars.isEmpty() || shown.bars.back() != b)
            shown.bars << b;
        for (auto &wait : waits_)
            if (wait.action && wait.condition()) {
                auto action = std::move(wait.action);
                wait.action = nullptr;
                action();
            }
    }
    struct Wait {
        std::function<bool()> condition;
        std::function<void()> action;
    };
    std::vector<Wait> waits_;
    MainWindow &w_;
    QObject *scope_ = nullptr;
};

class Preview : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        dir = new QTemporaryDir;
        ClipSpec spec;
        spec.seconds = 4;
        ASSERT_TRUE(makeClip(clip(), spec));
        spec.seconds = 10;
        spec.size = QStringLiteral("160x120");
        ASSERT_TRUE(makeClip(clip10(), spec));
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    static QString clip() { return dir->filePath(QStringLiteral("four seconds.mp4")); }
    static QString clip10() { return dir->filePath(QStringLiteral("ten.mkv")); }
    static QTemporaryDir *dir;
};

QTemporaryDir *Preview::dir = nullptr;

} // namespace

TEST_F(Preview, PlaybackStopsAtTheRowsDurationAndTheFaceReturnsToZero)
{
    MainWindow w(QStringLiteral("clipforge"));
    ASSERT_TRUE(w->skin_play_time);
    select(w, addRow(w, clip(), QStringLiteral("00:00:02")));
    Playing playing(w);
    const double seconds = playing.run();
    EXPECT_FALSE(playing.expired);
    // Positions 1.5 s and up show 2 s; the next position ends the preview.
    EXPECT_GT(seconds, 1.3);
    EXPECT_LT(seconds, 6.0);
    EXPECT_TRUE(playing.shown.previewing);
    EXPECT_EQ(playing.shown.times,
              QStringList({"00:00:00", "00:00:01", "00:00:02"}));
    EXPECT_EQ(playing.shown.bars, QList<int>({0, 5000, 10000}));
    EXPECT_EQ(playTime(w), QStringLiteral("00:00:00"));
    EXPECT_EQ(playBar(w), 0);
    EXPECT_FALSE(w->previewing);
    EXPECT_FALSE(PreviewPlaying());
    EXPECT_FALSE(w->Timer1->isActive());
    EXPECT_EQ(w->previewRow, 0);
    EXPECT_TRUE(w.recorder.calls.isEmpty());
}

TEST_F(Preview, StopPlayEndsThePreview)
{
    MainWindow w(QStringLiteral("clipforge"));
    select(w, addRow(w, clip(), QStringLiteral("00:00:04")));
    Playing playing(w);
    playing.at(700, [&] { w->Skin1Click(QStringLiteral("stopplay")); });
    const double seconds = playing.run();
    EXPECT_LT(seconds, 3.0);
    EXPECT_FALSE(w->previewing);
    EXPECT_EQ(playTime(w), QStringLiteral("00:00:00"));
}

struct RefusedCase {
    const char *command; // a skin command, or "close" for the window's close
    const char *kind;
    const char *message;
};

class RefusedWhilePlaying : public Preview, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedWhilePlaying, WithThePlayMessage)
{
    const RefusedCase &c = GetParam();
    MainWindow w(QStringLiteral("clipforge"));
    addRow(w, clip(), QStringLiteral("00:00:04"));
    QTreeWidgetItem *second = addRow(w, clip(), QStringLiteral("00:00:04"));
    select(w, second);
    bool stillPlaying = false;
    Playing playing(w);
    playing.at(400, [&] {
        if (QLatin1String(c.command) == QLatin1String("close"))
            EXPECT_FALSE(w->close());
        else
            w->Skin1Click(QLatin1String(c.command));
        stillPlaying = PreviewPlaying() && w->previewing;
        w->Skin1Click(QStringLiteral("stopplay"));
    });
    playing.run();
    EXPECT_TRUE(stillPlaying);
    EXPECT_EQ(w.recorder.texts(QLatin1String(c.kind)), QStringList(QLatin1String(c.message)));
    EXPECT_EQ(w->lv->topLevelItemCount(), 2);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->converting);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, RefusedWhilePlaying,
    ::testing::Values(RefusedCase{"close", "information", "Please first stop play!"},
                      RefusedCase{"converter", "warning", "Please first stop play!"},
                      RefusedCase{"remove", "warning", "Please first stop play!"},
                      RefusedCase{"clear", "warning", "Please first stop play!"}),
    [](const auto &info) { return std::string(info.param.command); });

TEST_F(Preview, PlayWhilePlayingStartsNothing)
{
    MainWindow w(QStringLiteral("clipforge"));
    QTreeWidgetItem *first = addRow(w, clip(), QStringLiteral("00:00:04"));
    QTreeWidgetItem *second = addRow(w, clip(), QStringLiteral("00:00:04"));
    select(w, first);
    double nested = -1;
    Playing playing(w);
    playing.at(400, [&] {
        select(w, second);
        QElapsedTimer clock;
        clock.start();
        w->Skin1Click(QStringLiteral("play"));
        nested = clock.elapsed() / 1000.0;
        EXPECT_TRUE(w->previewing);
        EXPECT_EQ(w->previewRow, 0);
        w->Skin1Click(QStringLiteral("stopplay"));
    });
    playing.run();
    EXPECT_GE(nested, 0.0);
    EXPECT_LT(nested, 0.1);
    EXPECT_FALSE(w->previewing);
}

TEST_F(Preview, PauseTwiceWithNothingPlayingLeavesItClear)
{
    MainWindow w(QStringLiteral("clipforge"));
    w->Skin1Click(QStringLiteral("pause"));
    EXPECT_TRUE(w->previewPaused);
    w->Skin1Click(QStringLiteral("pause"));
    EXPECT_FALSE(w->previewPaused);
    // Both went to the library too: a preview now plays rather than waits.
    select(w, addRow(w, clip(), QStringLiteral("00:00:01")));
    Playing playing(w);
    const double seconds = playing.run();
    EXPECT_FALSE(playing.expired);
    EXPECT_LT(seconds, 2.5);
}

TEST_F(Preview, PlayAfterPauseFirstResumesThenStarts)
{
    MainWindow w(QStringLiteral("clipforge"));
    select(w, addRow(w, clip(), QStringLiteral("00:00:01")));
    w->Skin1Click(QStringLiteral("pause"));
    ASSERT_TRUE(w->previewPaused);
    Playing playing(w);
    const double seconds = playing.run();
    EXPECT_FALSE(w->previewPaused);
    EXPECT_FALSE(playing.expired);
    EXPECT_LT(seconds, 2.5);
    EXPECT_TRUE(playing.shown.times.contains(QStringLiteral("00:00:01")));
}

TEST_F(Preview, PauseDuringPlaybackHoldsTheTime)
{
    MainWindow w(QStringLiteral("clipforge"));
    select(w, addRow(w, clip(), QStringLiteral("00:00:02")));
    int heldAt = -1;
    int heldAfter = -2;
    Playing playing(w);
    playing.at(300, [&] {
        w->Skin1Click(QStringLiteral("pause"));
        heldAt = w->previewElapsed;
    });
    playing.at(2500, [&] {
        heldAfter = w->previewElapsed;
        EXPECT_TRUE(w->previewing);
        w->Skin1Click(QStringLiteral("pause"));
    });
    const double seconds = playing.run();
    EXPECT_EQ(heldAfter, heldAt);
    EXPECT_GT(seconds, 3.5);
    EXPECT_FALSE(w->previewPaused);
}

TEST_F(Preview, StartDuringAConversionIsRefused)
{
    MainWindow w(QStringLiteral("clipforge"));
    select(w, addRow(w, clip(), QStringLiteral("00:00:04")));
    w->converting = true;
    Playing playing(w);
    const double seconds = playing.run();
    EXPECT_LT(seconds, 0.2);
    EXPECT_FALSE(playing.shown.previewing);
    EXPECT_EQ(w.recorder.texts("warning"), QStringList("Please first stop convert!"));
    w->converting = false;
}

TEST_F(Preview, NothingSelectedPlaysNothing)
{
    MainWindow w(QStringLiteral("clipforge"));
    addRow(w, clip(), QStringLiteral("00:00:04"));
    w->converting = true; // not even the conversion guard speaks
    Playing playing(w);
    EXPECT_LT(playing.run(), 0.2);
    EXPECT_FALSE(playing.shown.previewing);
    EXPECT_TRUE(w.recorder.calls.isEmpty());
    w->converting = false;
}

struct QuickEndCase {
    const char *name;
    bool missingFile;
    const char *durationText;
};

class EndsAtOnce : public Preview, public ::testing::WithParamInterface<QuickEndCase> {};

TEST_P(EndsAtOnce, AndClearsTheFlags)
{
    const QuickEndCase &c = GetParam();
    MainWindow w(QStringLiteral("clipforge"));
    const QString path = c.missingFile ? dir->filePath(QStringLiteral("gone.mp4")) : clip();
    select(w, addRow(w, path, QLatin1String(c.durationText)));
    Playing playing(w, 5000);
    EXPECT_LT(playing.run(), 2.0);
    EXPECT_FALSE(playing.expired);
    EXPECT_FALSE(w->previewing);
    EXPECT_FALSE(PreviewPlaying());
    EXPECT_EQ(playTime(w), QStringLiteral("00:00:00"));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EndsAtOnce,
    ::testing::Values(QuickEndCase{"MissingFile", true, "00:00:04"},
                      QuickEndCase{"EmptyDuration", false, ""},
                      QuickEndCase{"DurationNotATime", false, "4 s"}),
    [](const auto &info) { return std::string(info.param.name); });

struct PaneCase {
    const char *edition;
    bool visibleBefore;
};

class PaneVisibility : public Preview, public ::testing::WithParamInterface<PaneCase> {};

TEST_P(PaneVisibility, FollowsTheBrandVariant)
{
    const PaneCase &c = GetParam();
    MainWindow w(QLatin1String(c.edition));
    EXPECT_EQ(w->pl_play->isVisible(), c.visibleBefore);
    select(w, addRow(w, clip(), QStringLiteral("00:00:04")));
    bool visibleDuring = false;
    Playing playing(w);
    playing.at(300, [&] {
        visibleDuring = w->pl_play->isVisible();
        w->Skin1Click(QStringLiteral("stopplay"));
    });
    playing.run();
    EXPECT_TRUE(visibleDuring);
}

INSTANTIATE_TEST_SUITE_P(Variants, PaneVisibility,
                         ::testing::Values(PaneCase{"vexmo-converter", false},
                                           PaneCase{"clipforge", true}),
                         [](const auto &info) { return std::string(info.param.visibleBefore ? "B" : "A"); });

TEST_F(Preview, ThePaneShowsTheClipWhilePlaying)
{
    MainWindow w(QStringLiteral("clipforge"));
    select(w, addRow(w, clip(), QStringLiteral("00:00:04")));
    QImage window;
    QImage pane;
    Playing playing(w);
    playing.when([&] { return w->previewElapsed >= 1; }, [&] {
        window = w->grab().toImage();
        pane = w->pl_play->grab().toImage();
        w->Skin1Click(QStringLiteral("stopplay"));
    });
    playing.run();
    ASSERT_FALSE(pane.isNull());
    window.save(QStringLiteral(TEST_BINARY_DIR "preview-window-playing.png"));
    // The pane shows testsrc2's colour bars, not its black background.
    int coloured = 0;
    int samples = 0;
    for (int y = 2; y < pane.height(); y += 6)
        for (int x = 2; x < pane.width(); x += 6) {
            const QColor c = pane.pixelColor(x, y);
            ++samples;
            if (qMax(c.red(), qMax(c.green(), c.blue())) > 120)
                ++coloured;
        }
    EXPECT_GT(coloured, samples / 2);
    const QImage after = w->pl_play->grab().toImage();
    EXPECT_EQ(after.pixelColor(after.width() / 2, after.height() / 2), QColor(Qt::black));
}

// The position events themselves, without the library: the start offset,
// the whole-second display and the end test.
TEST(PreviewPosition, StartOffsetIsTheFirstPositionAboveZero)
{
    const struct {
        const char *name;
        std::vector<double> positions;
        int offset;
        int elapsed;
        const char *shown;
    } cases[] = {
        {"zero first", {0.0, 0.04, 1.0}, 0, 1, "00:00:01"},
        {"starting late", {10.6}, 11, 0, "00:00:00"},
        {"late, then on", {10.6, 11.2, 12.4}, 11, 1, "00:00:01"},
    };
    for (const auto &c : cases) {
        MainWindow w(QStringLiteral("clipforge"));
        addRow(w, QStringLiteral("/nowhere.mp4"), QStringLiteral("00:01:30"));
        w->previewRow = 0;
        w->previewJustStarted = true;
        w->previewElapsed = 0;
        w->setSkinText(QStringLiteral("play_time"), QStringLiteral("00:00:00"));
        for (double p : c.positions)
            w->onPreviewPosition(p);
        EXPECT_EQ(w->previewStartOffset, c.offset) << c.name;
        EXPECT_EQ(w->previewElapsed, c.elapsed) << c.name;
        EXPECT_EQ(playTime(w), QLatin1String(c.shown)) << c.name;
        EXPECT_EQ(playBar(w), (c.elapsed * 10000 + 45) / 90) << c.name;
        EXPECT_FALSE(w->previewJustStarted) << c.name;
        EXPECT_FALSE(w->Timer1->isActive()) << c.name;
    }
}

TEST(PreviewPosition, OffsetIsKeptUntilANewPositionAboveZero)
{
    MainWindow w(QStringLiteral("clipforge"));
    addRow(w, QStringLiteral("/nowhere.mp4"), QStringLiteral("00:01:30"));
    w->previewStartOffset = 11;
    w->previewJustStarted = true;
    w->onPreviewPosition(0.0);
    EXPECT_EQ(w->previewStartOffset, 11);
    EXPECT_TRUE(w->previewJustStarted);
    w->onPreviewPosition(0.04);
    EXPECT_EQ(w->previewStartOffset, 0);
}

TEST(PreviewPosition, ReachingTheDurationArmsTheStopTimer)
{
    const struct {
        int elapsed;
        bool armed;
    } cases[] = {{89, false}, {90, true}, {95, true}};
    for (const auto &c : cases) {
        MainWindow w(QStringLiteral("clipforge"));
        addRow(w, QStringLiteral("/nowhere.mp4"), QStringLiteral("00:01:30"));
        w->previewRow = 0;
        w->previewStartOffset = 0;
        w->previewJustStarted = false;
        w->previewElapsed = c.elapsed;
        w->onPreviewPosition(c.elapsed + 0.2);
        EXPECT_EQ(w->Timer1->isActive(), c.armed) << c.elapsed;
        w->Timer1->stop();
    }
}

TEST(PreviewPosition, TheBarStaysWhileItIsDragged)
{
    MainWindow w(QStringLiteral("clipforge"));
    addRow(w, QStringLiteral("/nowhere.mp4"), QStringLiteral("00:01:30"));
    w->previewRow = 0;
    w->previewJustStarted = false;
    w->previewStartOffset = 0;
    w->setPlayBarPosition(1234);
    w->barDragging = true;
    w->onPreviewPosition(45.0);
    EXPECT_EQ(playTime(w), QStringLiteral("00:00:45"));
    EXPECT_EQ(playBar(w), 1234);
    w->barDragging = false;
    w->onPreviewPosition(46.0);
    EXPECT_EQ(playBar(w), 5111);
}

// Seeking by releasing the bar: DVD mode only. A file stands in for the
// DVD reference; the DVD start plays it without the seek to 0.
struct BarCase {
    const char *edition;
    bool seeks;
};

class BarRelease : public Preview, public ::testing::WithParamInterface<BarCase> {};

TEST_P(BarRelease, SeeksInDvdModeOnly)
{
    const BarCase &c = GetParam();
    MainWindow w(QLatin1String(c.edition));
    addRow(w, clip10(), QStringLiteral("00:00:10"));
    bool dragging = false;
    int heldBar = -1;
    bool released = false;
    Playing playing(w);
    playing.when([&] { return w->previewElapsed >= 1; }, [&] {
        w->Skin1MouseDown(QStringLiteral("play_bar"));
        dragging = w->barDragging;
        w->setPlayBarPosition(7500); // 7.5 s of 10 rounds to 8
    });
    playing.when([&] { return w->previewElapsed >= 2; }, [&] {
        heldBar = playBar(w);
        w->Skin1MouseUp(QStringLiteral("play_bar"));
        released = true;
    });
    playing.when([&] { return released && w->previewElapsed >= (c.seeks ? 8 : 4); },
                 [&] { w->Skin1Click(QStringLiteral("stopplay")); });
    // The DVD start: previewing set by the caller, no seek to 0.
    w->previewing = true;
    w->previewRow = 0;
    w->previewStartOffset = 0;
    w->playPreview(clip10(), false);
    w->previewing = false;
    EXPECT_FALSE(playing.expired);
    EXPECT_EQ(dragging, c.seeks);
    EXPECT_FALSE(w->barDragging);
    const QStringList &times = playing.shown.times;
    if (c.seeks) {
        EXPECT_EQ(heldBar, 7500) << "the positions moved a held bar";
        EXPECT_TRUE(times.contains(QStringLiteral("00:00:08"))) << times.join(' ').toStdString();
        EXPECT_FALSE(times.contains(QStringLiteral("00:00:05"))) << times.join(' ').toStdString();
    } else {
        EXPECT_EQ(heldBar, 2000);
        EXPECT_EQ(times.mid(0, 5), QStringList({"00:00:00", "00:00:01", "00:00:02", "00:00:03",
                                               "00:00:04"}));
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, BarRelease,
                         ::testing::Values(BarCase{"clipforge-dvd", true},
                                           BarCase{"clipforge", false}),
                         [](const auto &info) { return std::string(info.param.seeks ? "Dvd" : "File"); });

TEST(PreviewBar, AReleaseAfterThePreviewEndedStillEndsTheDrag)
{
    MainWindow w(QStringLiteral("clipforge-dvd"));
    w->previewing = true;
    w->Skin1MouseDown(QStringLiteral("play_bar"));
    ASSERT_TRUE(w->barDragging);
    w->previewing = false; // the preview ended while the mouse was held
    w->Skin1MouseUp(QStringLiteral("play_bar"));
    EXPECT_FALSE(w->barDragging);
}
