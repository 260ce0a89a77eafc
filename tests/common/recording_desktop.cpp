#include "common/recording_desktop.h"

void RecordingDesktop::warning(QWidget *, const QString &text) { calls.append({"warning", text}); }
void RecordingDesktop::information(QWidget *, const QString &text)
{
    calls.append({"information", text});
}
void RecordingDesktop::error(QWidget *, const QString &text) { calls.append({"error", text}); }
bool RecordingDesktop::confirm(QWidget *, const QString &text)
{
    calls.append({"confirm", text});
    return confirmAnswer;
}
QStringList RecordingDesktop::chooseFiles(QWidget *, const QString &caption, const QStringList &filters)
{
    calls.append({"chooseFiles", caption + QLatin1Char('|') + filters.join(QLatin1Char('|'))});
    QStringList files = filesToChoose;
    filesToChoose.clear();
    return files;
}
void RecordingDesktop::openFolder(const QString &path) { calls.append({"openFolder", path}); }
void RecordingDesktop::openUrl(const QString &address) { calls.append({"openUrl", address}); }
void RecordingDesktop::shutdown(QWidget *) { calls.append({"shutdown", QString()}); }

QStringList RecordingDesktop::texts(const QString &kind) const
{
    QStringList result;
    for (const Call &call : calls)
        if (call.kind == kind)
            result << call.text;
    return result;
}
