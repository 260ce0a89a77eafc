#include "engine/jobrecord.h"

namespace {

// A decimal integer: an optional sign, then one or more digits, nothing else.
bool readInteger(const QString &text, int64_t &value)
{
    int i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return false;
    int64_t v = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c.unicode() - u'0');
        if (v > INT32_MAX)
            return false; // not a 32-bit integer
    }
    value = negative ? -v : v;
    return true;
}

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

} // namespace

QString quoteArg(const QString &text)
{
    if (text.contains(u' '))
        return u'"' + text + u'"';
    return text;
}

int32_t durationToSeconds(const QString &text)
{
    int64_t hours = 0, minutes = 0, seconds = 0;
    if (!readInteger(text.mid(0, 2), hours) || !readInteger(text.mid(3, 2), minutes) ||
        !readInteger(text.mid(6, 2), seconds))
        return 0;
    return static_cast<int32_t>(hours * 3600 + minutes * 60 + seconds);
}

int32_t parseEncodedSeconds(const QString &text)
{
    static const QString timeKey = QStringLiteral("time=");
    const qsizetype p = text.indexOf(timeKey);
    const qsizetype q = text.indexOf(QStringLiteral("bitrate="));
    if (p < 0 || q < 0 || q <= p)
        return 0;
    const qsizetype start = p + timeKey.size();
    qsizetype end = start;
    while (end < q && text[end] != u'.')
        ++end;
    if (end == q) {
        // No fraction before "bitrate=": read the word after "time=".
        end = start;
        while (end < q && !isBlank(text[end]))
            ++end;
    }
    int64_t value = 0;
    if (!readInteger(text.mid(start, end - start), value))
        return 0;
    return static_cast<int32_t>(value);
}

QString commandLine(const intputrec &job)
{
    return quoteArg(job.encoderPath) + QStringLiteral(" -y ") + QStringLiteral(" -i ") +
           quoteArg(job.inputFile) + job.videoRateOpt + job.audioRateOpt + job.channelOpt +
           job.aspectOpt + job.sizeOpt + QStringLiteral(" ") + job.sampleRateOpt +
           job.profileOpts + QStringLiteral(" ") + quoteArg(job.outputFile);
}

QStringList splitOptionWords(const QString &text)
{
    QStringList words;
    QString word;
    bool inWord = false;   // a word has begun (possibly empty, as in "")
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"') {
            quoted = !quoted;
            inWord = true;
        } else if (isBlank(c) && !quoted) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    return words;
}

QStringList encoderArguments(const intputrec &job)
{
    QStringList args{QStringLiteral("-y"), QStringLiteral("-i"), job.inputFile};
    // Each option text is split on its own, so that the words of one text
    // never run into the next one's.
    for (const QString *option : {&job.videoRateOpt, &job.audioRateOpt, &job.channelOpt,
                                  &job.aspectOpt, &job.sizeOpt, &job.sampleRateOpt,
                                  &job.profileOpts})
        args << splitOptionWords(*option);
    args << job.outputFile;
    return args;
}
