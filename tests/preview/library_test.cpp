// The preview library playing real clips made by ffmpeg, headless and silent.
#include "common/media.h"
#include "preview/previewlib.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

// What the event function saw.
struct Report {
    double position;
    bool onUiThread;
};
std::vector<Report> reports;
std::function<void(double)> onReport;

void recordPosition(double position)
{
    reports.push_back({position, QThread::currentThread() == qApp->thread()});
    if (onReport)
        onReport(position);
}

// Ends a playback that runs past its deadline, so that no test can hang.
class Deadline
{
public:
    explicit Deadline(int ms)
    {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            expired = true;
            Stop();
        });
        timer_.start(ms);
    }
    bool expired = false;

private:
    QTimer timer_;
};

// The owner of the current test's timed actions: destroyed at the end of
// each test, so that no action outlives its test.
QObject *testScope = nullptr;

// Runs `action` after `ms` milliseconds of event processing, within the test.
void after(int ms, std::function<void()> action)
{
    QTimer::singleShot(ms, testScope, std::move(action));
}

double lastPosition()
{
    return reports.empty() ? -1 : reports.back().position;
}

class PreviewLibrary : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        dir = new QTemporaryDir;
        ClipSpec four;
        four.seconds = 4;
        ASSERT_TRUE(makeClip(clip4(), four));
        ClipSpec two;
        two.seconds = 2;
        ASSERT_TRUE(makeClip(clip2(), two));
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    static QString clip4() { return dir->filePath(QStringLiteral("four.mp4")); }
    static QString clip2() { return dir->filePath(QStringLiteral("two.mkv")); }

    void SetUp() override
    {
        reports.clear();
        onReport = nullptr;
        testScope = new QObject;
        pane = std::make_unique<QWidget>();
        pane->resize(200, 150);
        pane->setAutoFillBackground(true);
        QPalette black = pane->palette();
        black.setColor(QPalette::Window, Qt::black);
        pane->setPalette(black);
        pane->show();
        InitPreviewWindow(pane.get(), 200, 150);
        SetEventFuntion(&recordPosition);
    }
    void TearDown() override
    {
        delete testScope;
        testScope = nullptr;
        onReport = nullptr;
        EXPECT_FALSE(PreviewPlaying());
    }

    // Plays `path` under a deadline; returns the wall time in seconds.
    double play(const QString &path, int deadlineMs = 15000)
    {
        Deadline deadline(deadlineMs);
        QElapsedTimer clock;
        clock.start();
        Play(QFile::encodeName(path).constData());
        EXPECT_FALSE(deadline.expired) << "playback had to be stopped by the test's deadline";
        return clock.elapsed() / 1000.0;
    }

    static QTemporaryDir *dir;
    std::unique_ptr<QWidget> pane;
};

QTemporaryDir *PreviewLibrary::dir = nullptr;

} // namespace

TEST_F(PreviewLibrary, PlaysToTheEndReportingRisingPositionsOnTheUiThread)
{
    const double seconds = play(clip2());
    EXPECT_GT(seconds, 1.5);
    EXPECT_LT(seconds, 8.0);
    ASSERT_GT(reports.size(), 10u);
    for (size_t i = 0; i < reports.size(); ++i) {
        EXPECT_TRUE(reports[i].onUiThread);
        if (i > 0) {
            EXPECT_GE(reports[i].position, reports[i - 1].position);
        }
    }
    EXPECT_GE(reports.front().position, 0.0);
    EXPECT_LT(reports.front().position, 0.5);
    EXPECT_GT(lastPosition(), 1.5);
    EXPECT_FALSE(PreviewPlaying());
}

TEST_F(PreviewLibrary, StopEndsPlayAndTheWindowKeepsHandlingEvents)
{
    bool timerRan = false;
    after(200, [&] { timerRan = PreviewPlaying(); });
    after(700, [] { Stop(); });
    const double seconds = play(clip4());
    EXPECT_TRUE(timerRan);
    EXPECT_LT(seconds, 2.5);
    EXPECT_LT(lastPosition(), 2.0);
}

TEST_F(PreviewLibrary, UnplayableMediaEndPlayAtOnce)
{
    const QString text = dir->filePath(QStringLiteral("notes.mp4"));
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    const QString empty = dir->filePath(QStringLiteral("empty.avi"));
    QFile e(empty);
    ASSERT_TRUE(e.open(QIODevice::WriteOnly));
    e.close();
    const QString cases[] = {dir->filePath(QStringLiteral("missing.mp4")), text, empty,
                             QStringLiteral("nosuchscheme://x")};
    for (const QString &path : cases) {
        reports.clear();
        const double seconds = play(path, 5000);
        EXPECT_LT(seconds, 3.0) << path.toStdString();
        EXPECT_TRUE(reports.empty()) << path.toStdString();
    }
}

TEST_F(PreviewLibrary, SeekBeforePlaySetsTheStartOfThatPlaybackOnly)
{
    onReport = [](double) { Stop(); };
    Seek(2);
    play(clip4());
    ASSERT_FALSE(reports.empty());
    EXPECT_GE(reports.front().position, 1.9);

    reports.clear();
    play(clip4());
    ASSERT_FALSE(reports.empty());
    EXPECT_LT(reports.front().position, 0.5);
}

TEST_F(PreviewLibrary, SeekDuringPlaybackGoesOnFromThere)
{
    bool sought = false;
    double before = -1;
    double next = -1;
    onReport = [&](double p) {
        if (!sought && p > 0.2) {
            sought = true;
            Seek(3);
        } else if (sought && p < 1.5) {
            before = p;
        } else if (sought && next < 0) {
            next = p;
            Stop();
        }
    };
    play(clip4());
    ASSERT_TRUE(sought);
    // The positions jump from below 1.5 s to 3 s and beyond.
    EXPECT_LT(before, 1.5);
    EXPECT_GE(next, 2.9);
}

TEST_F(PreviewLibrary, PauseTogglesAndHoldsThePosition)
{
    double atPause = -1;
    double afterPause = -1;
    bool resumed = false;
    onReport = [&](double p) {
        if (p > 0.3 && atPause < 0 && afterPause < 0 && !resumed) {
            Pause();
            atPause = -2; // paused; the held position is read a little later
            after(300, [&] { atPause = lastPosition(); });
            after(1000, [&] {
                afterPause = lastPosition();
                resumed = true;
                Pause();
            });
        } else if (resumed && p > afterPause + 0.3) {
            Stop();
        }
    };
    play(clip4());
    EXPECT_GT(atPause, 0.3);
    EXPECT_NEAR(afterPause, atPause, 0.05);
    EXPECT_GT(lastPosition(), afterPause + 0.3);
}

TEST_F(PreviewLibrary, PauseWithNothingPlayingMakesTheNextPlaybackStartPaused)
{
    Pause();
    // Held at its start: the first position, and none after it for 800 ms.
    bool first = true;
    onReport = [&](double) {
        if (first)
            after(800, [] { Stop(); });
        first = false;
    };
    play(clip4());
    ASSERT_FALSE(reports.empty());
    EXPECT_LT(lastPosition(), 0.2);

    Pause(); // back to playing
    reports.clear();
    onReport = [](double p) {
        if (p > 0.3)
            Stop();
    };
    play(clip4());
    EXPECT_GT(lastPosition(), 0.3);
}

TEST_F(PreviewLibrary, PlayWhilePlayingReturnsAtOnce)
{
    double nestedSeconds = -1;
    after(300, [&] {
        QElapsedTimer clock;
        clock.start();
        Play(QFile::encodeName(clip2()).constData());
        nestedSeconds = clock.elapsed() / 1000.0;
        Stop();
    });
    play(clip4());
    EXPECT_GE(nestedSeconds, 0.0);
    EXPECT_LT(nestedSeconds, 0.1);
}

TEST_F(PreviewLibrary, ThePaneShowsTheFrameWhilePlayingAndBlackAfter)
{
    QImage during;
    onReport = [&](double p) {
        if (p > 0.8 && during.isNull()) {
            during = pane->grab().toImage();
            Stop();
        }
    };
    play(clip4());
    ASSERT_FALSE(during.isNull());
    during.save(QStringLiteral(TEST_BINARY_DIR "preview-pane-playing.png"));
    // testsrc2 is colourful: count pixels that are neither black nor grey.
    int coloured = 0;
    for (int y = 0; y < during.height(); y += 4)
        for (int x = 0; x < during.width(); x += 4) {
            const QColor c = during.pixelColor(x, y);
            const int spread = qMax(c.red(), qMax(c.green(), c.blue())) -
                               qMin(c.red(), qMin(c.green(), c.blue()));
            if (spread > 60)
                ++coloured;
        }
    EXPECT_GT(coloured, (during.width() / 4) * (during.height() / 4) / 4);

    QApplication::processEvents();
    const QImage afterwards = pane->grab().toImage();
    EXPECT_EQ(afterwards.pixelColor(100, 75), QColor(Qt::black));
}

TEST_F(PreviewLibrary, ClosingThePaneEndsPlayback)
{
    after(500, [&] { pane.reset(); });
    const double seconds = play(clip4());
    EXPECT_LT(seconds, 2.0);
}
