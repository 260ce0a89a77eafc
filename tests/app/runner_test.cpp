// A job of the encoder program in the main window: progress on the bar and
// in the row, the end of each job, the chain to the next row, the end of the
// batch with its finish action, Stop, and the window's teardown.
#include "app/runner_fixture.h"

#include "common/media.h"

#include <QDir>
#include <QJsonObject>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QByteArray line45 =
    "frame=  500 fps= 60 q=2.0 size=     900kB time=45.12 bitrate= 163.4kbits/s";

TEST(RunnerJob, ProgressReachesTheBarAndTheRow)
{
    const struct {
        const char *what;
        QList<FakeOutput> outputs;
        int status;
        int32_t duration;
        QStringList statuses; // of the row, in order
        int highest;          // the bar's highest value
    } cases[] = {
        {"one line", {{line45 + "\r", 200}}, 0, 90, {"50.00%", "00.00%", "Finish"}, 5000},
        {"line over two reads",
         {{"frame= 500 time=4", 200}, {"5.12 bitrate= 163.4kbits/s\r"}},
         0,
         90,
         {"50.00%", "00.00%", "Finish"},
         5000},
        {"CR LF, then LF",
         {{"time=30.50 bitrate= 1\r\n", 200}, {"time=60.00 bitrate= 1\n"}},
         0,
         90,
         {"33.33%", "66.67%", "00.00%", "Finish"},
         6667},
        // Both lines of one read show the first one's time.
        {"two lines in one read",
         {{"time=10.0 bitrate=1\rtime=11.0 bitrate=1\r", 200}, {"time=20.0 bitrate=1\r"}},
         0,
         90,
         {"11.11%", "22.22%", "00.00%", "Finish"},
         2222},
        {"a line longer than one read",
         {{QByteArray(300, ' ') + "time=45.12 bitrate= 1\r"}},
         0,
         90,
         {"50.00%", "00.00%", "Finish"},
         5000},
        {"clock time", {{"time=00:00:45.12 bitrate= 1\r"}}, 0, 90, {"00.00%", "Finish"}, 0},
        {"line end never comes", {{"time=45.12 bitrate= 1"}}, 0, 90, {"00.00%", "Finish"}, 0},
        {"no duration", {{line45 + "\r"}}, 0, 0, {"00.00%", "Finish"}, 0},
        {"beyond the duration",
         {{"time=120.00 bitrate= 1\r"}},
         0,
         90,
         {"100.00%", "00.00%", "Finish"},
         10000},
        {"silent", {}, 0, 90, {"00.00%", "Finish"}, 0},
        {"exits non-zero", {{line45 + "\r"}}, 1, 90, {"50.00%", "00.00%", "Failed"}, 5000},
        {"killed by a signal", {{line45 + "\r"}}, -9, 90, {"50.00%", "00.00%", "Failed"}, 5000},
    };
    for (const auto &c : cases) {
        RunnerWindow r;
        r.addRows({QStringLiteral("a.avi")});
        ASSERT_TRUE(
            writeFakeEncoder(r.encoder(), c.outputs, c.status < 0 ? 0 : c.status,
                             c.status < 0 ? QStringLiteral("trap 'kill -9 $$' EXIT") : QString()))
            << c.what;
        r.w().beginBatch();
        r.fillJob(QStringLiteral("/media/a.avi"), c.duration);
        r.w().startEncoderJob();
        ASSERT_TRUE(r.waitForBatchEnd()) << c.what;
        EXPECT_EQ(r.statusSequence(0), c.statuses) << c.what;
        ASSERT_FALSE(r.barValues.isEmpty()) << c.what;
        EXPECT_EQ(*std::max_element(r.barValues.begin(), r.barValues.end()), c.highest) << c.what;
        EXPECT_EQ(r.w().ProgressBar1->value(), 0) << c.what;
        EXPECT_FALSE(r.w().ProgressBar1->isVisible()) << c.what;
        EXPECT_EQ(r.w().currentJob, 1) << c.what;
        EXPECT_EQ(r.w().lastJobFailed, c.statuses.last() == QStringLiteral("Failed")) << c.what;
        EXPECT_TRUE(r.recorder().calls.isEmpty()) << c.what;
    }
}

TEST(RunnerJob, TimerCreepStaysUnderTheEncodedShare)
{
    RunnerWindow r(QStringLiteral("clipforge-dvd"));
    r.addRows({QStringLiteral("Title 1")});
    ASSERT_TRUE(writeFakeEncoder(r.encoder(), {{line45 + "\r"}}, 0));
    r.w().beginBatch();
    r.fillJob(QStringLiteral("vts://title1"));
    r.w().startEncoderJob();
    // As the DVD job does; the ticks are made here, not waited for.
    r.w().Timer2->start(3600 * 1000);
    for (int i = 0; i < 37; ++i)
        r.w().Timer2Timer();
    EXPECT_EQ(r.w().progressBase, 37);
    EXPECT_EQ(r.status(0), QStringLiteral("00.37%"));
    ASSERT_TRUE(r.waitForBatchEnd());
    // 37 + 45 x 9963 / 90 = 37 + 4981.5, rounded up.
    EXPECT_TRUE(r.statusSequence(0).contains(QStringLiteral("50.19%")));
    EXPECT_TRUE(r.barValues.contains(5019));
    // The first progress line stopped the creep; the end shows the base.
    EXPECT_FALSE(r.w().Timer2->isActive());
    EXPECT_EQ(r.statusSequence(0).mid(r.statusSequence(0).indexOf(QStringLiteral("50.19%"))),
              (QStringList{"50.19%", "00.37%", "Finish"}));
}

TEST(RunnerJob, EncoderGetsTheJobsArgumentsInTheProgramFolder)
{
    RunnerWindow r;
    r.addRows({QStringLiteral("x")});
    ASSERT_TRUE(writeFakeEncoder(r.encoder(), {}, 0));
    const QString awkward[] = {
        QStringLiteral("/tmp/my \"best\" clip.avi"),
        QStringLiteral("-starts with a dash.mp4"),
        QStringLiteral("/tmp/Ünïcødé  ビデオ.mkv"),
    };
    for (const QString &input : awkward) {
        r.w().beginBatch();
        r.fillJob(input);
        r.w().jobRecord.outputFile = input + QStringLiteral(" out.mp4");
        r.w().startEncoderJob();
        EXPECT_EQ(commandLine(r.w().runner.job), commandLine(r.w().jobRecord));
        ASSERT_TRUE(r.waitForBatchEnd());
        EXPECT_EQ(fakeArguments(r.encoder()), encoderArguments(r.w().jobRecord));
        EXPECT_EQ(fakeArguments(r.encoder()).at(2), input);
        EXPECT_EQ(fakeRecord(r.encoder(), "cwd").trimmed(), QFile::encodeName(r.dir.path()));
    }
}

// A stand-in for the run mode's job builder: marks the previous row, fills
// the record for the current row and starts its job.
void useTestBuilder(RunnerWindow &r)
{
    r.w().nextJobBuilder = [&r] {
        r.w().writeJobEnd(r.w().currentJob - 1);
        r.fillJob(r.w().lv->topLevelItem(r.w().currentJob)->text(0));
        r.w().startEncoderJob();
    };
}

// The fake's behaviour by input name: "bad" exits 2, "hang" never ends.
const QString byInput = QStringLiteral("case \"$3\" in\n"
                                       "  *bad*) printf 'time=1.00 bitrate= 1\\r'; exit 2;;\n"
                                       "  *hang*) sleep 30 & sleep 30;;\n"
                                       "esac");

TEST(RunnerBatch, EachJobStartsTheNextAndTheLastEndsTheBatch)
{
    const struct {
        const char *what;
        QStringList rows;
        bool encoderPresent;
        int finishAction;
        QStringList statuses;
        QStringList desktop; // kind of each call
    } cases[] = {
        {"mixed", {"ok1", "bad2", "ok3"}, true, 1, {"Finish", "Failed", "Finish"}, {"openFolder"}},
        {"last fails", {"ok1", "bad2"}, true, 0, {"Finish", "Failed"}, {}},
        {"shutdown after", {"ok1"}, true, 2, {"Finish"}, {"shutdown"}},
        // Without an encoder program every job fails, and the batch still
        // runs through all rows.
        {"no encoder",
         {"ok1", "ok2", "ok3"},
         false,
         1,
         {"Failed", "Failed", "Failed"},
         {"openFolder"}},
    };
    for (const auto &c : cases) {
        RunnerWindow r;
        r.addRows(c.rows);
        if (c.encoderPresent) {
            ASSERT_TRUE(writeFakeEncoder(r.encoder(), {{line45 + "\r"}}, 0, byInput));
        }
        useTestBuilder(r);
        r.w().finishAction = c.finishAction;
        r.w().outputFolder = r.folder();
        r.w().beginBatch();
        r.fillJob(c.rows[0]);
        r.w().startEncoderJob();
        ASSERT_TRUE(r.waitForBatchEnd()) << c.what;
        QStringList statuses, kinds;
        for (int row = 0; row < c.rows.size(); ++row)
            statuses << r.status(row);
        for (const auto &call : r.recorder().calls)
            kinds << call.kind;
        EXPECT_EQ(statuses, c.statuses) << c.what;
        EXPECT_EQ(kinds, c.desktop) << c.what;
        if (c.finishAction == 1) {
            EXPECT_EQ(r.recorder().texts(QStringLiteral("openFolder")), QStringList{r.folder()});
        }
        EXPECT_EQ(r.w().currentJob, c.rows.size()) << c.what;
        EXPECT_FALSE(r.w().ProgressBar1->isVisible()) << c.what;
    }
}

TEST(RunnerBatch, StopEndsTheEncoderAndEverythingItStarted)
{
    adoptOrphans();
    RunnerWindow r;
    r.addRows({QStringLiteral("ok1"), QStringLiteral("hang2"), QStringLiteral("ok3")});
    ASSERT_TRUE(writeFakeEncoder(r.encoder(), {{line45 + "\r"}}, 0, byInput));
    useTestBuilder(r);
    r.w().finishAction = 1;
    r.w().outputFolder = r.folder();
    r.w().beginBatch();
    r.fillJob(QStringLiteral("ok1"));
    r.w().startEncoderJob();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return r.w().currentJob == 1 && r.w().runner.process.pid > 0; }, 20000));
    const pid_t group = r.w().runner.process.pid;
    // The fake of row 2 has started its children.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return fakeArguments(r.encoder()).value(2) == QStringLiteral("hang2"); }, 10000));
    QTest::qWait(200);

    r.w().stopBatch();

    ASSERT_TRUE(r.waitForJobEnd());
    EXPECT_TRUE(processGroupGone(group));
    EXPECT_EQ(r.status(0), QStringLiteral("Finish"));
    EXPECT_EQ(r.status(1), QStringLiteral("Stop"));
    EXPECT_EQ(r.status(2), QString());
    EXPECT_TRUE(r.recorder().calls.isEmpty());
    EXPECT_FALSE(r.w().lastJobFailed);
    // Stop's row count + 1, moved on once more by the job's end.
    EXPECT_EQ(r.w().currentJob, 5);
    // The next batch starts cleanly.
    r.w().beginBatch();
    r.fillJob(QStringLiteral("ok1"));
    r.w().nextJobBuilder = nullptr;
    r.w().lv->clear();
    r.addRows({QStringLiteral("ok1")});
    r.w().startEncoderJob();
    ASSERT_TRUE(r.waitForBatchEnd());
    EXPECT_EQ(r.status(0), QStringLiteral("Finish"));
}

TEST(RunnerBatch, ClosingTheWindowLeavesNoEncoderBehind)
{
    adoptOrphans();
    RunnerWindow r;
    r.addRows({QStringLiteral("hang1"), QStringLiteral("ok2")});
    ASSERT_TRUE(writeFakeEncoder(r.encoder(), {}, 0, byInput));
    useTestBuilder(r);
    r.w().finishAction = 2;
    r.w().beginBatch();
    r.fillJob(QStringLiteral("hang1"));
    r.w().startEncoderJob();
    const pid_t group = r.w().runner.process.pid;
    ASSERT_GT(group, 0);
    ASSERT_GT(fakeStarted(r.encoder()), 0);
    bool movedOn = false;
    r.w().nextJobBuilder = [&movedOn] { movedOn = true; };
    r.window.reset();
    EXPECT_TRUE(processGroupGone(group));
    // The killed job's end started no next job.
    EXPECT_FALSE(movedOn);
}

TEST(RunnerBatch, AHundredJobsLeaveNoDescriptorOrThreadBehind)
{
    RunnerWindow r;
    QStringList rows;
    for (int i = 0; i < 100; ++i)
        rows << QStringLiteral("ok%1").arg(i);
    ASSERT_TRUE(writeFakeEncoder(r.encoder(), {{line45 + "\r"}}, 0));
    r.addRows({QStringLiteral("warm-up")});
    r.w().beginBatch();
    r.fillJob(QStringLiteral("warm-up"));
    r.w().startEncoderJob();
    ASSERT_TRUE(r.waitForBatchEnd());
    waitUntilQuiet();
    const int descriptors = openDescriptorCount();
    const int threads = threadCount();

    r.w().lv->clear();
    r.addRows(rows);
    useTestBuilder(r);
    r.w().beginBatch();
    r.fillJob(rows[0]);
    r.w().startEncoderJob();
    ASSERT_TRUE(r.waitForBatchEnd(120000));
    EXPECT_EQ(r.status(99), QStringLiteral("Finish"));
    waitUntilQuiet();
    EXPECT_EQ(openDescriptorCount(), descriptors);
    EXPECT_EQ(threadCount(), threads);
}

// The real encoder program on a real clip.
TEST(RunnerReal, AJobShowsProgressAndEndsFinishOrFailed)
{
    if (placeholderEncoder(programFile(QString())))
        GTEST_SKIP() << "the program folder holds the placeholder encoder";
    MainWindow window(QStringLiteral("clipforge"));
    Tfm_main &w = window.w();
    QTemporaryDir dir;
    const QString clip = dir.filePath(QStringLiteral("my clip.avi"));
    ASSERT_TRUE(makeClip(
        clip, {6.0, "320x240", 25, true, 44100, 2, {"-c:v", "mpeg4", "-c:a", "libmp3lame"}}));
    new QTreeWidgetItem(w.lv, {QStringLiteral("good"), {}, {}, {}, {}});
    new QTreeWidgetItem(w.lv, {QStringLiteral("bad"), {}, {}, {}, {}});
    QStringList statuses;
    QObject::connect(w.lv, &QTreeWidget::itemChanged, [&](QTreeWidgetItem *item, int column) {
        if (column == 4 && w.lv->indexOfTopLevelItem(item) == 0)
            statuses << item->text(4);
    });
    int highest = 0;
    QObject::connect(w.ProgressBar1, &QProgressBar::valueChanged,
                     [&](int v) { highest = std::max(highest, v); });
    w.nextJobBuilder = [&] {
        w.writeJobEnd(w.currentJob - 1);
        // A codec that does not exist: the encoder fails.
        w.jobRecord.profileOpts = QStringLiteral(" -c:v no-such-codec");
        w.jobRecord.outputFile = dir.filePath(QStringLiteral("bad.mp4"));
        w.startEncoderJob();
    };
    intputrec &job = w.jobRecord;
    job.inputFile = clip;
    job.outputFile = dir.filePath(QStringLiteral("out put.mp4"));
    job.videoRateOpt = QStringLiteral(" -r 25 -b 400000");
    job.audioRateOpt = QStringLiteral(" -ab 128000");
    job.channelOpt = QStringLiteral(" -ac 2");
    job.sizeOpt = QStringLiteral(" -s 176x144");
    job.sampleRateOpt = QStringLiteral(" -ar 44100 ");
    job.profileOpts = QStringLiteral(" -c:v libx264 -pix_fmt yuv420p -c:a aac");
    job.durationSecs = 6;
    w.beginBatch();
    w.startEncoderJob();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.converting; }, 120000));

    EXPECT_GT(highest, 0);
    EXPECT_GE(statuses.size(), 3);
    EXPECT_TRUE(statuses.first().endsWith(QLatin1Char('%')));
    EXPECT_EQ(w.lv->topLevelItem(0)->text(4), QStringLiteral("Finish"));
    EXPECT_EQ(w.lv->topLevelItem(1)->text(4), QStringLiteral("Failed"));
    const QJsonObject out = ffprobe(dir.filePath(QStringLiteral("out put.mp4")));
    EXPECT_EQ(firstStream(out, QStringLiteral("video")).value(QStringLiteral("width")).toInt(),
              176);
}

TEST(RunnerReal, StopLeavesNoEncoderOrFfmpegRunning)
{
    if (placeholderEncoder(programFile(QString())))
        GTEST_SKIP() << "the program folder holds the placeholder encoder";
    adoptOrphans();
    MainWindow window(QStringLiteral("clipforge"));
    Tfm_main &w = window.w();
    QTemporaryDir dir;
    const QString clip = dir.filePath(QStringLiteral("long.avi"));
    ASSERT_TRUE(
        makeClip(clip, {30.0, "640x480", 25, true, 44100, 2, {"-c:v", "mpeg4", "-q:v", "5"}}));
    new QTreeWidgetItem(w.lv, {QStringLiteral("long"), {}, {}, {}, {}});
    intputrec &job = w.jobRecord;
    job.inputFile = clip;
    job.outputFile = dir.filePath(QStringLiteral("stopped-output.mp4"));
    job.sizeOpt = QStringLiteral(" -s 1280x720");
    job.channelOpt = QStringLiteral(" -ac 2");
    job.profileOpts = QStringLiteral(" -c:v libx264 -pix_fmt yuv420p -c:a aac");
    job.durationSecs = 30;
    w.finishAction = 1;
    w.beginBatch();
    w.startEncoderJob();
    const pid_t group = w.runner.process.pid;
    ASSERT_GT(group, 0);
    // Stop once the encoder reports progress.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return w.lv->topLevelItem(0)->text(4).endsWith(QLatin1Char('%')) &&
                   w.ProgressBar1->value() > 0;
        },
        60000));
    ASSERT_FALSE(processesMentioning(QStringLiteral("stopped-output.mp4")).isEmpty());
    w.stopBatch();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.runner.process.pid <= 0; }, 20000));

    EXPECT_TRUE(processGroupGone(group));
    // Not ffmpeg either, wherever it ran.
    EXPECT_TRUE(QTest::qWaitFor(
        [] { return processesMentioning(QStringLiteral("stopped-output.mp4")).isEmpty(); }, 5000));
    EXPECT_EQ(w.lv->topLevelItem(0)->text(4), QStringLiteral("Stop"));
    EXPECT_TRUE(window.recorder.calls.isEmpty());
}

} // namespace
