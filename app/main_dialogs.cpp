// The output folder, the finish action, the about box and the help pages.
#include "app/main.h"

#include "dialogs/about.h"
#include "dialogs/desktop.h"
#include "dialogs/dir.h"
#include "dialogs/help.h"
#include "dialogs/settings.h"

#include <QLineEdit>

void Tfm_main::browseOutputFolder()
{
    const QString folder = fm_dir->chooseFolder(QStringLiteral("Output Directory"));
    if (folder.isEmpty())
        return;
    outputFolder = folder;
    ed_output->setText(folder);
}

void Tfm_main::openOutputFolder()
{
    desktop().openFolder(outputFolder);
}

void Tfm_main::showFinishSettings()
{
    finishAction = fm_set->chooseFinishAction(finishAction);
}

void Tfm_main::showAbout()
{
    fm_about->showFor(exeName, frameGeometry().topLeft());
}

void Tfm_main::openHelpPage()
{
    desktop().openUrl(brandSiteAddress(brandVariant));
}

void Tfm_main::openContactPage()
{
    desktop().openUrl(contactPageAddress(exeName));
}
