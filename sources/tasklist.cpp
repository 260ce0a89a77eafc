#include "sources/tasklist.h"

QStringList addFilesFilters()
{
    static const char *const filters[][2] = {
        {"All Support Format",
         "*.avi;*.mpg;*.mpeg;*.wmv;*.asf;*.asx;*.mov;*.dat;*.qt;*.vob;*.3gp;*.3g2;*.mp4;*.m4v;*.rm;"
         "*.rmvb;*.ram;*.mkv;*.flv;*.mjpg;*.mjpeg;*.ts;*.m2ts;*.h264;*.xwmv;*.yuv;"},
        {"WMV Format(*.wmv;*.asf;*.asx;)", "*.wmv;*.asf;*.asx;"},
        {"MPEG Format(*.mpg;*.mpeg;)", "*.mpg;*.mpeg;"},
        {"AVI Format(*.avi;)", "*.avi;"},
        {"Quick Time Format(*.qt;*.mov;)", "*.qt;*.mov;"},
        {"VCD Format(*.dat;)", "*.dat;"},
        {"MP4 Format(*.mp4;*.m4v;*.m4a)", "*.mp4;*.m4v;*m4a;"},
        {"DVD Format(*.vob)", "*.vob;"},
        {"3GP Format(*.3gp)", "*.3gp;"},
        {"RM Format(*.rm;*.rmvb;*.ram;)", "*.rm;*.rmvb;*.ram;"},
        {"FLV Format(*.flv;)", "*.flv;"},
        {"All File(*.*)", "*.*;"},
    };
    // Qt reads a filter's patterns from its last parentheses, separated by
    // blanks, so each label gets its patterns once more in that form.
    QStringList result;
    for (const auto &f : filters) {
        QStringList patterns = QString::fromLatin1(f[1]).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &p : patterns)
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
        result << QString::fromLatin1(f[0]) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                      QLatin1Char(')');
    }
    return result;
}

bool isFolderScanEntry(const QString &entryName)
{
    static const QStringList extensions = {".avi", ".mpg", ".vob", ".mpeg", ".3gp", ".mp4", ".flv",
                                           ".rm",  ".m4v", ".rmvb", ".wmv", ".asf", ".qt", ".asx"};
    const qsizetype dot = entryName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    return extensions.contains(entryName.mid(dot).toLower());
}

void fillMissingRates(ProbeValues &values)
{
    const auto difference = [](const QString &a, const QString &b) -> QString {
        const std::optional<qint64> x = parseWholeNumber(a);
        const std::optional<qint64> y = parseWholeNumber(b);
        if (!x || !y)
            return QString();
        return QString::number(*x - *y);
    };
    if (values.videoRate.isEmpty())
        values.videoRate = values.audioRate.isEmpty()
                               ? values.totalRate
                               : difference(values.totalRate, values.audioRate);
    if (values.audioRate.isEmpty())
        values.audioRate = difference(values.totalRate, values.videoRate);
    if (values.audioRate == QLatin1String("0"))
        values.audioRate = QStringLiteral("128");
    if (values.frameSize.isEmpty())
        values.frameSize = QStringLiteral("320x240");
}

Toriginalinfo sourceRecordFor(const QString &path, const ProbeValues &values)
{
    Toriginalinfo record;
    record.sourcePath = path;
    record.frameSize = values.frameSize;
    const std::optional<qint64> video = parseWholeNumber(values.videoRate);
    const std::optional<qint64> audio = parseWholeNumber(values.audioRate);
    record.videoRate = video ? QString::number(*video) : QStringLiteral("768");
    record.audioRate = audio ? QString::number(*audio) : QStringLiteral("128");
    record.durationText = values.duration;
    return record;
}

std::optional<Toriginalinfo> probeSourceFile(const QString &path, const intputrec &job)
{
    startProbe(path, job);
    waitForProbe();
    ProbeValues values = probeValues();
    if (!parseWholeNumber(values.totalRate))
        return std::nullopt;
    fillMissingRates(values);
    return sourceRecordFor(path, values);
}

RowRemoval removeSelectedRows(TOriginalInfos &records, QVector<bool> &selected)
{
    RowRemoval removal;
    const qsizetype steps = selected.size();
    int index = 0;
    int remembered = -1;
    for (qsizetype step = 0; step < steps; ++step) {
        if (index < selected.size() && selected[index]) {
            const qsizetype rows = selected.size();
            for (qsizetype k = index; k <= rows - 2 && k + 1 < records.size(); ++k)
                records[k] = records[k + 1];
            selected.remove(index);
            removal.deletedAt << index;
            remembered = index;
        } else {
            ++index;
        }
    }
    if (!selected.isEmpty() && remembered >= 0)
        removal.selectAfter = remembered < selected.size() ? remembered : int(selected.size() - 1);
    return removal;
}
