// Playing the selected row in the preview pane.
#include "app/main.h"

void Tfm_main::startFilePreview() {}
void Tfm_main::playPreview(const QString &mediaReference, bool filePreview)
{
    Q_UNUSED(mediaReference);
    Q_UNUSED(filePreview);
}
void Tfm_main::onPreviewPosition(double p) { Q_UNUSED(p); }
void Tfm_main::Timer1Timer() {}
void Tfm_main::togglePreviewPause() { previewPaused = !previewPaused; }
void Tfm_main::stopPreview() {}
