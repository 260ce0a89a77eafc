#include "app/forms.h"

#include "app/main.h"
#include "app/skin.h"
#include "dialogs/about.h"
#include "dialogs/dir.h"
#include "dialogs/settings.h"
#include "dialogs/show.h"

AppForms createForms(const QString &programFolder, const QString &startName)
{
    AppForms forms;
    forms.fm_main = new Tfm_main(programFolder, startName);
    forms.fm_dir = new Tfm_dir(forms.fm_main);
    forms.fm_about = new Tfm_about(forms.fm_main);
    forms.fm_set = new Tfm_set(forms.fm_main);
    forms.fm_show = new Tfm_show(programFolder + QStringLiteral("Vi3riv.skn"));
    auto *face = new TSkin(forms.fm_show);
    face->loadSkinFile(forms.fm_show->skinFile);
    forms.fm_show->face = face;

    forms.fm_main->fm_dir = forms.fm_dir;
    forms.fm_main->fm_about = forms.fm_about;
    forms.fm_main->fm_set = forms.fm_set;
    forms.fm_main->fm_show = forms.fm_show;
    return forms;
}

void destroyForms(AppForms &forms)
{
    delete forms.fm_show;
    delete forms.fm_main; // owns the three dialogs
    forms = AppForms{};
}
