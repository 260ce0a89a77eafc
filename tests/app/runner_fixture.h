// A main window whose program folder is a scratch folder: the program's data
// files linked in, and an encoder program the test writes itself.
#pragma once

#include "app/main_fixture.h"
#include "common/fake_encoder.h"

#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

class RunnerWindow
{
public:
    explicit RunnerWindow(const QString &name = QStringLiteral("clipforge"))
    {
        const QDir program(QStringLiteral(PROGRAM_DIR));
        for (const QString &entry :
             program.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)) {
            if (!entry.startsWith(QStringLiteral("register.dat")))
                QFile::link(program.filePath(entry), dir.filePath(entry));
        }
        window = std::make_unique<MainWindow>(name, folder());
        // Status texts and bar values as the window shows them.
        QObject::connect(w().lv, &QTreeWidget::itemChanged,
                         [this](QTreeWidgetItem *item, int column) {
                             if (column == 4)
                                 statuses[w().lv->indexOfTopLevelItem(item)] << item->text(4);
                         });
        QObject::connect(w().ProgressBar1, &QProgressBar::valueChanged,
                         [this](int value) { barValues << value; });
    }
    ~RunnerWindow() { window.reset(); }

    QString folder() const { return dir.path() + QLatin1Char('/'); }
    QString encoder() const { return folder() + QStringLiteral("register.dat"); }
    Tfm_main &w() const { return window->w(); }
    RecordingDesktop &recorder() const { return window->recorder; }

    // Adds rows with the given file names and an empty status.
    void addRows(const QStringList &names)
    {
        for (const QString &name : names)
            new QTreeWidgetItem(w().lv,
                                {name, QStringLiteral("320x240"), QStringLiteral("00:01:30"),
                                 QStringLiteral("10.63MB"), QString()});
    }
    QString status(int row) const { return w().lv->topLevelItem(row)->text(4); }

    // Fills the job record for `input` as a job builder would.
    void fillJob(const QString &input, int32_t durationSecs = 90)
    {
        intputrec &job = w().jobRecord;
        job.inputFile = input;
        job.outputFile = dir.filePath(QStringLiteral("out.mp4"));
        job.videoRateOpt = QStringLiteral(" -r 25 -b 1200000");
        job.audioRateOpt = QStringLiteral(" -ab 128000");
        job.channelOpt = QStringLiteral(" -ac 2");
        job.aspectOpt.clear();
        job.sizeOpt = QStringLiteral(" -s 320x240");
        job.sampleRateOpt = QStringLiteral(" -ar 44100 ");
        job.profileOpts = QStringLiteral(" -vcodec mpeg4");
        job.durationSecs = durationSecs;
    }
    // Waits (running events) until the batch is over.
    bool waitForBatchEnd(int ms = 20000)
    {
        return QTest::qWaitFor([this] { return !w().converting; }, ms);
    }
    // Waits until the current job's end step has run.
    bool waitForJobEnd(int ms = 20000)
    {
        return QTest::qWaitFor([this] { return w().runner.process.pid <= 0; }, ms);
    }

    // Status texts of `row` in order, repeats of the same text folded.
    QStringList statusSequence(int row) const
    {
        QStringList folded;
        for (const QString &text : statuses.value(row))
            if (folded.isEmpty() || folded.last() != text)
                folded << text;
        return folded;
    }

    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;
    QMap<int, QStringList> statuses;
    QList<int> barValues;
};
