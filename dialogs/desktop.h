// The desktop layer: everything that leaves the program goes through here —
// message boxes, the file dialog, opening a folder or a web page, and shutting
// the computer down. The program installs the real one; tests install a
// recorder, so that no test ever opens a browser or powers the machine off.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

class Desktop
{
public:
    virtual ~Desktop() = default;

    // Modal boxes with one OK button.
    virtual void warning(QWidget *parent, const QString &text);
    virtual void information(QWidget *parent, const QString &text);
    // The application's standard error box (input/output errors and the like).
    virtual void error(QWidget *parent, const QString &text);
    // Yes/No confirmation; true on Yes.
    virtual bool confirm(QWidget *parent, const QString &text);

    // The file dialog for adding sources: several files, hidden files shown,
    // resizable. `filters` are Qt name filters, the first one preselected.
    virtual QStringList chooseFiles(QWidget *parent, const QString &caption,
                                    const QStringList &filters);

    // The desktop's default action on a folder (the file browser) or on a web
    // address (the browser). Nothing waits for it; failures are not reported.
    virtual void openFolder(const QString &path);
    virtual void openUrl(const QString &address);

    // Shuts the computer down after a box that counts down 30 seconds and
    // offers Cancel, so that nobody loses the work of other open programs.
    virtual void shutdown(QWidget *parent);
};

// The layer in use. Never null: the real desktop until another is installed.
Desktop &desktop();
// Installs `d` (not owned) and returns the previous one; null restores the
// real desktop.
Desktop *setDesktop(Desktop *d);
