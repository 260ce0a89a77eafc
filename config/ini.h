// The INI store of the settings file and the quality memory file.
//
// Form: a section starts with its name in square brackets on a line of its
// own; its entries follow, one "key=value" per line. Section and key names
// match without regard to letter case, and blanks inside a key ("video
// bitrate") are part of it. Nothing is cached: every read opens and parses
// the file afresh, and every write is stored in the file at once, through a
// temporary file that replaces the old one only when it has been written in
// full, so a crash or a full disk never leaves half a file behind.
#pragma once

#include <QString>

#include <cstdint>
#include <exception>

// A write that could not be stored. Its text is "Unable to write to %s"
// with the file's name in place of "%s".
class IniWriteError : public std::exception
{
public:
    explicit IniWriteError(const QString &fileName);
    const QString &text() const { return text_; }
    const char *what() const noexcept override { return bytes_.constData(); }

private:
    QString text_;
    QByteArray bytes_;
};

// The longest text value a read hands back; the rest of a longer value is cut.
inline constexpr qsizetype iniMaxValueLength = 2047;

// Reads an integer as the store does: decimal with an optional sign, or
// hexadecimal after "0x"/"0X" (up to 32 bits, taken as a signed number);
// blanks around it are ignored. Anything else, and a decimal number outside
// 32 bits, gives `defaultValue`.
int32_t iniParseInteger(const QString &text, int32_t defaultValue);

class IniFile
{
public:
    IniFile() = default;
    explicit IniFile(const QString &fileName) : fileName_(fileName) {}

    // The file's full name; empty for a store that names no file, whose reads
    // give the defaults and whose writes fail.
    const QString &fileName() const { return fileName_; }

    // A missing file, section or key gives the default.
    QString readString(const QString &section, const QString &key,
                       const QString &defaultValue) const;
    int32_t readInteger(const QString &section, const QString &key, int32_t defaultValue) const;
    // A flag: any integer other than 0 reads true; a non-integer gives the default.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    // True when the file holds the key in the section.
    bool valueExists(const QString &section, const QString &key) const;

    // Each write replaces the key's value (adding the key, and its section,
    // when missing) and stores the file at once. Throws IniWriteError when the
    // file cannot be stored; the file is then left as it was.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int32_t value);
    void writeBool(const QString &section, const QString &key, bool value);

private:
    QString fileName_;
};
