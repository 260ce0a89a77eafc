// Starts the real main window (with its four dialogs), offscreen, under an
// edition name, and tears it down after the test.
#pragma once

#include "app/forms.h"
#include "app/main.h"
#include "common/recording_desktop.h"

#include <QApplication>

class MainWindow
{
public:
    explicit MainWindow(const QString &name, const QString &programFolder = QStringLiteral(PROGRAM_DIR),
                        bool show = true)
    {
        previous_ = setDesktop(&recorder);
        forms = createForms(programFolder, name);
        if (show) {
            forms.fm_main->show();
            QApplication::processEvents();
        }
    }
    ~MainWindow()
    {
        // Nothing may block the teardown.
        forms.fm_main->previewing = false;
        forms.fm_main->converting = false;
        destroyForms(forms);
        setDesktop(previous_);
    }
    Tfm_main *operator->() const { return forms.fm_main; }
    Tfm_main &w() const { return *forms.fm_main; }

    RecordingDesktop recorder;
    AppForms forms;

private:
    Desktop *previous_ = nullptr;
};
