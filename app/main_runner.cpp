// Running the encoder program for a job and showing its progress.
#include "app/main.h"

#include "dialogs/desktop.h"

#include <QProgressBar>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

namespace {

// The consume step of a job: every line end of the pending text shows the
// encoded time of its first "time=" on the bar and in the row.
void consumeJobOutput(Tfm_main &w, TProcessor *reader)
{
    QString &pending = reader->pendingText;
    consumeLines(pending, [&w, &pending] {
        const int32_t n = parseEncodedSeconds(pending);
        if (n == 0)
            return;
        w.Timer2->stop();
        w.setJobProgress(jobPosition(n, w.progressBase, w.runner.job.durationSecs));
    });
}

} // namespace

void Tfm_main::startEncoderJob()
{
    startRunner(
        runner, jobRecord, this, [this](TProcessor *reader) { consumeJobOutput(*this, reader); },
        [this] { onEncoderExit(); });
}

void Tfm_main::setJobProgress(int32_t v)
{
    if (!Timer2->isActive())
        v += progressBase;
    // The scale ends at 0 and 10000, in the bar and in the row alike.
    v = std::clamp<int32_t>(v, 0, 10000);
    ProgressBar1->setValue(v);
    if (currentJob >= 0 && currentJob <= lv->topLevelItemCount() - 1)
        lv->topLevelItem(currentJob)->setText(StatusColumn, percentText(v));
}

void Tfm_main::Timer2Timer()
{
    progressBase += 1;
    setJobProgress(progressBase);
}

void Tfm_main::onEncoderExit()
{
    releaseChild(runner.process);
    // A job fails when its encoder could not start or did not exit with 0;
    // a job ended by Stop is not a failure.
    lastJobFailed = !runner.stopRequested && !runner.exit.succeeded();
    Timer2->stop();
    setJobProgress(0);
    currentJob += 1;
    const int rows = lv->topLevelItemCount();
    if (currentJob <= rows - 1) {
        if (nextJobBuilder)
            nextJobBuilder();
        else if (runMode == RunMode::Dvd)
            startDvdJob();
        else
            buildFileJob();
        return;
    }
    converting = false;
    if (currentJob <= rows) {
        writeJobEnd(currentJob - 1);
        ProgressBar1->hide();
        if (finishAction == 1)
            desktop().openFolder(outputFolder);
        else if (finishAction == 2)
            desktop().shutdown(this);
    }
}

void Tfm_main::killEncoderJob()
{
    if (runner.process.pid <= 0)
        return;
    runner.stopRequested = true;
    killProcessGroup(runner.process.pid);
}

void Tfm_main::writeJobEnd(int row)
{
    if (row < 0 || row >= lv->topLevelItemCount())
        return;
    lv->topLevelItem(row)->setText(StatusColumn, lastJobFailed ? QStringLiteral("Failed")
                                                               : QStringLiteral("Finish"));
}
