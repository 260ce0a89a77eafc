#include "config/ini.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <optional>

IniWriteError::IniWriteError(const QString &fileName)
    : text_(QStringLiteral("Unable to write to %1").arg(fileName)), bytes_(text_.toUtf8())
{
}

int32_t iniParseInteger(const QString &text, int32_t defaultValue)
{
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const QString digits = t.mid(2);
        if (digits.isEmpty())
            return defaultValue;
        uint64_t value = 0;
        for (const QChar c : digits) {
            const qsizetype digit = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
            if (digit < 0)
                return defaultValue;
            value = value * 16 + static_cast<uint64_t>(digit);
            if (value > 0xFFFFFFFFu)
                return defaultValue;
        }
        return static_cast<int32_t>(static_cast<uint32_t>(value));
    }
    qsizetype i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ++i;
    if (i == t.size())
        return defaultValue;
    for (qsizetype j = i; j < t.size(); ++j)
        if (t[j] < QLatin1Char('0') || t[j] > QLatin1Char('9'))
            return defaultValue;
    bool ok = false;
    const qlonglong value = t.toLongLong(&ok, 10);
    if (!ok || value < INT32_MIN || value > INT32_MAX)
        return defaultValue;
    return static_cast<int32_t>(value);
}

namespace {

// The file's lines without their breaks (LF or CR LF); nullopt when the file
// exists but cannot be read, an empty list when it does not exist.
std::optional<QStringList> readLines(const QString &fileName)
{
    if (fileName.isEmpty())
        return QStringList();
    QFile file(fileName);
    if (!file.exists())
        return QStringList();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the break after the last line
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return lines;
}

// The section name of a "[name]" line, or nullopt for any other line.
std::optional<QString> sectionOf(const QString &line)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        return std::nullopt;
    return t.mid(1, close - 1).trimmed();
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The key of a "key=value" line, or nullopt for a comment or a line without "=".
std::optional<QString> keyOf(const QString &line)
{
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1Char(';')))
        return std::nullopt;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0)
        return std::nullopt;
    return t.left(eq).trimmed();
}

QString valueOf(const QString &line)
{
    return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
}

// Index of the section's header line, or -1.
qsizetype findSection(const QStringList &lines, const QString &section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QString> name = sectionOf(lines[i]);
        if (name && sameName(*name, section))
            return i;
    }
    return -1;
}

// One past the last line of the section whose header is at `header`.
qsizetype sectionEnd(const QStringList &lines, qsizetype header)
{
    qsizetype i = header + 1;
    while (i < lines.size() && !sectionOf(lines[i]))
        ++i;
    return i;
}

// Index of the key's line inside the section, or -1.
qsizetype findKey(const QStringList &lines, const QString &section, const QString &key)
{
    const qsizetype header = findSection(lines, section);
    if (header < 0)
        return -1;
    const qsizetype end = sectionEnd(lines, header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const std::optional<QString> name = keyOf(lines[i]);
        if (name && sameName(*name, key))
            return i;
    }
    return -1;
}

} // namespace

namespace {

// The stored text of the key (cut to the longest value a read gives), or
// nullopt when the file, the section or the key is missing or unreadable.
std::optional<QString> storedValue(const QString &fileName, const QString &section,
                                   const QString &key)
{
    const std::optional<QStringList> lines = readLines(fileName);
    if (!lines)
        return std::nullopt;
    const qsizetype at = findKey(*lines, section, key);
    if (at < 0)
        return std::nullopt;
    return valueOf((*lines)[at]).left(iniMaxValueLength);
}

} // namespace

QString IniFile::readString(const QString &section, const QString &key,
                            const QString &defaultValue) const
{
    return storedValue(fileName_, section, key).value_or(defaultValue);
}

int32_t IniFile::readInteger(const QString &section, const QString &key, int32_t defaultValue) const
{
    const std::optional<QString> value = storedValue(fileName_, section, key);
    return value ? iniParseInteger(*value, defaultValue) : defaultValue;
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::valueExists(const QString &section, const QString &key) const
{
    return storedValue(fileName_, section, key).has_value();
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    if (fileName_.isEmpty())
        throw IniWriteError(fileName_);
    // A file that exists but cannot be read is not replaced: its other
    // entries would be lost. A read-only file is left alone as well.
    const QFileInfo info(fileName_);
    if (info.exists() && !info.isWritable())
        throw IniWriteError(fileName_);
    std::optional<QStringList> read = readLines(fileName_);
    if (!read)
        throw IniWriteError(fileName_);
    QStringList &lines = *read;

    // A value is one line of the file: line breaks inside it become blanks.
    QString oneLine = value;
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString entry = key + QLatin1Char('=') + oneLine;

    const qsizetype at = findKey(lines, section, key);
    if (at >= 0) {
        lines[at] = entry;
    } else {
        const qsizetype header = findSection(lines, section);
        if (header >= 0) {
            // After the section's last entry, before the blank lines that
            // separate it from the next section.
            qsizetype insertAt = sectionEnd(lines, header);
            while (insertAt > header + 1 && lines[insertAt - 1].trimmed().isEmpty())
                --insertAt;
            lines.insert(insertAt, entry);
        } else {
            lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
        }
    }

    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += '\n';
    }
    // The new content goes to a temporary file beside the old one, which it
    // replaces only once it has been written and flushed in full.
    QSaveFile file(fileName_);
    if (!file.open(QIODevice::WriteOnly))
        throw IniWriteError(fileName_);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw IniWriteError(fileName_);
}

void IniFile::writeInteger(const QString &section, const QString &key, int32_t value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
