// Playing the selected row in the preview pane: the start commands' shared
// sequence, the position display, the end of a row's duration, pause and stop.
#include "app/main.h"

#include "dialogs/desktop.h"
#include "engine/jobrecord.h"
#include "preview/previewlib.h"
#include "preview/previewrules.h"

#include <QFile>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

namespace {

// The window that receives the preview library's positions.
Tfm_main *previewTarget = nullptr;

void previewEvent(double position)
{
    if (previewTarget)
        previewTarget->onPreviewPosition(position);
}

// The first selected row of the task list, or -1.
int firstSelectedRow(const QTreeWidget *lv)
{
    for (int i = 0; i < lv->topLevelItemCount(); ++i)
        if (lv->topLevelItem(i)->isSelected())
            return i;
    return -1;
}

} // namespace

void Tfm_main::startFilePreview()
{
    const int row = firstSelectedRow(lv);
    if (row < 0)
        return;
    if (converting) {
        desktop().warning(this, QStringLiteral("Please first stop convert!"));
        return;
    }
    if (previewPaused)
        togglePreviewPause();
    if (previewing)
        return;
    // A row without its source record has nothing to play.
    if (row >= sourceInfos.size())
        return;
    if (brandVariant == BrandVariant::A)
        pl_play->setVisible(true);
    previewing = true;
    previewRow = row;
    playPreview(sourceInfos[row].sourcePath, true);
    previewing = false;
}

void Tfm_main::playPreview(const QString &mediaReference, bool filePreview)
{
    previewJustStarted = true;
    InitPreviewWindow(pl_play, pl_play->width(), pl_play->height());
    previewTarget = this;
    SetEventFuntion(&previewEvent);
    previewElapsed = 0;
    if (filePreview)
        Seek(0);
    Play(QFile::encodeName(mediaReference).constData());
    setPlayBarPosition(0);
    setSkinText(QStringLiteral("play_time"), QStringLiteral("00:00:00"));
}

int32_t Tfm_main::previewDuration() const
{
    return previewRow >= 0 && previewRow < sourceInfos.size()
               ? durationToSeconds(sourceInfos[previewRow].durationText)
               : 0;
}

void Tfm_main::onPreviewPosition(double p)
{
    if (previewJustStarted && p > 0) {
        previewJustStarted = false;
        previewStartOffset = roundPosition(p);
    }
    const int32_t duration = previewDuration();
    // The end is judged on the time shown so far; the stop itself comes from
    // Timer1's tick, never from inside this event.
    if (previewEndReached(duration, previewElapsed)) {
        Timer1->start();
        QThread::msleep(100);
    }
    const int32_t t = elapsedSeconds(p, previewStartOffset);
    if (t == previewElapsed)
        return;
    previewElapsed = t;
    setSkinText(QStringLiteral("play_time"), secondsToTimeText(t));
    if (!barDragging)
        setPlayBarPosition(playBarPositionFor(t, duration));
}

void Tfm_main::Timer1Timer()
{
    Timer1->stop();
    stopPreview();
}

void Tfm_main::togglePreviewPause()
{
    previewPaused = !previewPaused;
    Pause();
}

void Tfm_main::stopPreview()
{
    Stop();
}
