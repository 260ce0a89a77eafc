// The file task list: adding files and folders, removing and clearing rows.
#include "app/main.h"


void Tfm_main::addFiles() {}
void Tfm_main::addFolder() {}
void Tfm_main::addSourceFile(const QString &path) { Q_UNUSED(path); }
void Tfm_main::removeSelected() {}
void Tfm_main::clearList() {}
void Tfm_main::lvMouseDown() { hidePicker(); }
