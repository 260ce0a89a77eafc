// A desktop layer for tests: records every box, folder, web page and
// shutdown request instead of carrying it out.
#pragma once

#include "dialogs/desktop.h"

#include <QStringList>

class RecordingDesktop : public Desktop
{
public:
    struct Call {
        QString kind; // "warning", "information", "error", "confirm", "chooseFiles",
                      // "openFolder", "openUrl", "shutdown"
        QString text;
    };
    QList<Call> calls;
    // Answer of the next confirm() calls.
    bool confirmAnswer = true;
    // Files handed back by the next chooseFiles() call (then emptied).
    QStringList filesToChoose;

    void warning(QWidget *, const QString &text) override;
    void information(QWidget *, const QString &text) override;
    void error(QWidget *, const QString &text) override;
    bool confirm(QWidget *, const QString &text) override;
    QStringList chooseFiles(QWidget *, const QString &caption, const QStringList &filters) override;
    void openFolder(const QString &path) override;
    void openUrl(const QString &address) override;
    void shutdown(QWidget *) override;

    // The calls of one kind, by text.
    QStringList texts(const QString &kind) const;
    void clear() { calls.clear(); }
};

// Installs a recorder for the life of one test.
class ScopedRecorder
{
public:
    ScopedRecorder() { previous_ = setDesktop(&recorder); }
    ~ScopedRecorder() { setDesktop(previous_); }
    RecordingDesktop recorder;

private:
    Desktop *previous_ = nullptr;
};
