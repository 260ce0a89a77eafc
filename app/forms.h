// Program start: the five windows, created in their fixed order.
#pragma once

#include <QString>

class Tfm_main;
class Tfm_dir;
class Tfm_about;
class Tfm_set;
class Tfm_show;

struct AppForms {
    Tfm_main *fm_main = nullptr;
    Tfm_dir *fm_dir = nullptr;
    Tfm_about *fm_about = nullptr;
    Tfm_set *fm_set = nullptr;
    Tfm_show *fm_show = nullptr;
};

// Creates the main window first, then the folder chooser, the about box, the
// settings dialog and the skinned pop-up form. `programFolder` ends in "/".
AppForms createForms(const QString &programFolder, const QString &startName);
// Deletes what createForms made, in the reverse order.
void destroyForms(AppForms &forms);
