#include "engine/jobrecord.h"

namespace {

// A whole number (parseWholeNumber) whose magnitude fits in 32 bits.
bool readInteger(const QString &text, int64_t &value)
{
    const std::optional<qint64> number = parseWholeNumber(text);
    if (!number || *number > INT32_MAX || *number < -INT32_MAX)
        return false;
    value = *number;
    return true;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

std::optional<qint64> parseWholeNumber(const QString &text)
{
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == u'-';
    if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+'))
        ++i;
    if (i == text.size())
        return std::nullopt;
    // The magnitude, up to 2^63 for a negative number, 2^63 - 1 otherwise.
    const quint64 limit = negative ? quint64(INT64_MAX) + 1 : quint64(INT64_MAX);
    quint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const unsigned digit = c - u'0';
        if (magnitude > (limit - digit) / 10)
            return std::nullopt;
        magnitude = magnitude * 10 + digit;
    }
    if (!negative)
        return qint64(magnitude);
    return magnitude == 0 ? 0 : -qint64(magnitude - 1) - 1;
}

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
           job.aspectOpt + job.sizeOpt + QStringLiteral(" ") + job.sampleRateOpt + job.profileOpts +
           QStringLiteral(" ") + quoteArg(job.outputFile);
}

QStringList splitOptionWords(const QString &text)
{
    QStringList words;
    QString word;
    bool inWord = false; // a word has begun (possibly empty, as in "")
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
    for (const QString *option :
         {&job.videoRateOpt, &job.audioRateOpt, &job.channelOpt, &job.aspectOpt, &job.sizeOpt,
          &job.sampleRateOpt, &job.profileOpts})
        args << splitOptionWords(*option);
    args << job.outputFile;
    return args;
}
