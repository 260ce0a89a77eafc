// The file job builder, batch start and stop, and the output-size column.
#include "app/main.h"

#include "dialogs/desktop.h"
#include "engine/estimate.h"
#include "engine/filejob.h"
#include "engine/options.h"
#include "profiles/qualityboxes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>
#include <QTreeWidget>

namespace {

QualityBox snapshotOf(const QComboBox *box)
{
    const ComboModel model = comboModel(box);
    return makeQualityBox(model.items, model.selected, model.enabled);
}

} // namespace

QualityChoices Tfm_main::qualityChoices() const
{
    QualityChoices c;
    c.profile = currentProfile;
    c.displayName = profileDisplayName;
    c.videoRates = profileVideoRates;
    c.size = snapshotOf(cb_size);
    c.video = snapshotOf(cb_videobitrate);
    c.audio = snapshotOf(cb_audiobitrate);
    c.channel = snapshotOf(cb_channel);
    return c;
}

void Tfm_main::buildFileJob()
{
    if (currentJob > 0)
        writeJobEnd(currentJob - 1);
    outputFolder = ed_output->text();
    const FileJob job =
        fillFileJob(qualityChoices(), sourceInfos.at(currentJob), outputFolder, jobRecord);
    if (!job.ready) {
        // The output folder was emptied during the batch: end it here
        // rather than guess where the files should go.
        desktop().warning(this, QString::fromLatin1(noOutputFolderMessage));
        endBatch();
        return;
    }
    outputFolder = job.outputFolder;
    jobRecord = job.record;
    startEncoderJob();
}

void Tfm_main::startBatch()
{
    if (refusedWhileBusy())
        return;
    if (lv->topLevelItemCount() == 0)
        return;
    if (runMode == RunMode::File && outputFolderPath(ed_output->text()).isEmpty()) {
        desktop().warning(this, QString::fromLatin1(noOutputFolderMessage));
        return;
    }
    beginBatch();
    if (runMode == RunMode::Dvd)
        startDvdJob();
    else
        buildFileJob();
}

void Tfm_main::stopBatch()
{
    if (!converting)
        return;
    killEncoderJob();
    if (QTreeWidgetItem *row = lv->topLevelItem(currentJob))
        row->setText(StatusColumn, QStringLiteral("Stop"));
    endBatch();
}

void Tfm_main::beginBatch()
{
    currentJob = 0;
    progressBase = 0;
    ProgressBar1->show();
    converting = true;
}

void Tfm_main::endBatch()
{
    ProgressBar1->hide();
    // Past the last row: the end of a job still running then neither starts
    // the next one nor overwrites the row's status.
    currentJob = lv->topLevelItemCount() + 1;
    converting = false;
    Timer2->stop();
}

void Tfm_main::refreshEstimates()
{
    const QualityChoices choices = qualityChoices();
    const int rows = lv->topLevelItemCount();
    lv->setUpdatesEnabled(false);
    for (int i = 0; i < rows && i < sourceInfos.size(); ++i)
        lv->topLevelItem(i)->setText(OutputSizeColumn, outputSizeText(choices, sourceInfos.at(i)));
    lv->setUpdatesEnabled(true);
}
