// Saved settings and the per-profile quality memory.
#include "app/main.h"

#include "config/ini.h"
#include "config/qualitymemory.h"
#include "config/settings.h"
#include "dialogs/desktop.h"
#include "profiles/catalogue.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

void Tfm_main::loadSettings()
{
    const QString folder = settingsFolder();
    // The quality memory stays in use until the process ends.
    qualityMemoryPath = folder + qualityMemoryFileName(exeName);
    settingsPath = folder + settingsFileName(exeName);
    const SavedSettings saved = readSettings(IniFile(settingsPath), editionDefaultProfile(exeName));

    videoFirstPage = saved.videoFirstPage;
    audioFirstPage = saved.audioFirstPage;
    outputFolder = saved.outputPath;
    ed_output->setText(outputFolder);
    currentCategory = saved.selcetindex;
    currentProfile = saved.selcetsubindex;
    // Nothing is saved for a previous profile (none is loaded yet); the
    // remembered choices of this one are restored.
    loadProfile(currentProfile);
    finishAction = saved.finishSelcet;
}

void Tfm_main::saveSettings()
{
    // A window that never showed has read nothing, so it writes nothing.
    if (settingsPath.isEmpty())
        return;
    // settingsFolder() made the folder at start; it is made again here in
    // case it was removed while the program ran.
    QDir().mkpath(QFileInfo(settingsPath).path());
    IniFile file(settingsPath);
    SavedSettings s;
    s.outputPath = outputFolder;
    s.selcetindex = currentCategory;
    s.selcetsubindex = currentProfile;
    s.finishSelcet = finishAction;
    s.videoFirstPage = videoFirstPage;
    s.audioFirstPage = audioFirstPage;
    try {
        writeSettings(file, s);
    } catch (const IniWriteError &e) {
        // The close goes on: a settings file that cannot be written must not
        // keep the program from ending.
        desktop().error(this, e.text());
    }
}

void Tfm_main::saveQualityChoices(int n)
{
    if (qualityMemoryPath.isEmpty())
        return;
    IniFile file(qualityMemoryPath);
    const std::array<int, 4> selected = {cb_size->currentIndex(), cb_videobitrate->currentIndex(),
                                         cb_audiobitrate->currentIndex(),
                                         cb_channel->currentIndex()};
    try {
        writeQualityChoices(file, n, selected);
    } catch (const IniWriteError &e) {
        // The load goes on; only the memory of the previous profile is lost.
        desktop().error(this, e.text());
    }
}
