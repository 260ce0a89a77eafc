#include "config/ini.h"

#include "common/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// True when this process can create files in `folder` despite its mode
// (the superuser can), which makes a read-only folder meaningless.
bool canStillWrite(const QString &folder)
{
    QFile probe(folder + QStringLiteral("/probe"));
    const bool ok = probe.open(QIODevice::WriteOnly);
    if (ok)
        probe.remove();
    return ok;
}

} // namespace

TEST(IniIntegers, ParseLikeTheStore)
{
    struct Case {
        const char *text;
        int32_t expected; // with default 77
    } cases[] = {
        {"12", 12},
        {" 12 ", 12},
        {"+5", 5},
        {"-7", -7},
        {"0", 0},
        {"-2147483648", INT32_MIN},
        {"2147483647", INT32_MAX},
        {"2147483648", 77},
        {"0x1A", 26},
        {"0X1a", 26},
        {"0xff", 255},
        {"0x0", 0},
        {"0xFFFFFFFF", -1},
        {"0x100000000", 77},
        {"0x", 77},
        {"0xG1", 77},
        {"0x 1", 77},
        {"0x-1", 77},
        {"-0x10", 77},
        {"12abc", 77},
        {"1.5", 77},
        {"1e3", 77},
        {"", 77},
        {"-", 77},
        {"abc", 77},
        {"$1A", 77},
    };
    for (const Case &c : cases)
        EXPECT_EQ(iniParseInteger(QString::fromLatin1(c.text), 77), c.expected) << c.text;
}

TEST(IniFileRead, ValuesKeysAndDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tool.ini"));
    const QByteArray longValue(3000, 'a');
    put(path, "; a comment\r\n"
              "[output]\r\n"
              "path=/home/u/My Videos/\r\n"
              "\r\n"
              "[1]\n"
              "size=3\n"
              "video bitrate=0x10\n"
              "  audio bitrate  =  4  \n"
              "Channel=Stereo\n"
              "[flags]\n"
              "on=1\n"
              "off=0\n"
              "other=-3\n"
              "word=yes\n"
              "hex=0x0\n"
              "[long]\n"
              "text=" +
                  longValue +
                  "\n"
                  "[2]\n"
                  "size=9\n"
                  "junk line without equals\n");
    IniFile ini(path);

    struct IntCase {
        const char *section, *key;
        int32_t expected; // default -5
    } ints[] = {
        {"1", "size", 3},          {"1", "video bitrate", 16},
        {"1", "audio bitrate", 4}, {"1", "Channel", -5}, // not an integer
        {"1", "channel", -5},                            // names match without regard to case
        {"1", "SIZE", 3},          {"2", "size", 9},     // the section's own key, not section 1's
        {"3", "size", -5},                               // missing section
        {"1", "missing", -5},                            // missing key
        {"1", "video", -5},                              // a key is matched whole
        {"output", "path", -5},
    };
    for (const IntCase &c : ints)
        EXPECT_EQ(ini.readInteger(QString::fromLatin1(c.section), QString::fromLatin1(c.key), -5),
                  c.expected)
            << c.section << "/" << c.key;

    struct BoolCase {
        const char *key;
        bool defaultValue, expected;
    } flags[] = {
        {"on", false, true},  {"off", true, false},   {"other", false, true},
        {"word", true, true}, {"word", false, false}, {"hex", true, false},
        {"none", true, true}, {"none", false, false},
    };
    for (const BoolCase &c : flags)
        EXPECT_EQ(ini.readBool(QStringLiteral("flags"), QString::fromLatin1(c.key), c.defaultValue),
                  c.expected)
            << c.key;

    EXPECT_EQ(ini.readString(QStringLiteral("output"), QStringLiteral("path"), QString()),
              QStringLiteral("/home/u/My Videos/"));
    EXPECT_EQ(ini.readString(QStringLiteral("1"), QStringLiteral("Channel"), QString()),
              QStringLiteral("Stereo"));
    const QString text = ini.readString(QStringLiteral("long"), QStringLiteral("text"), QString());
    EXPECT_EQ(text.size(), 2047);
    EXPECT_EQ(text, QString(2047, QLatin1Char('a')));
    EXPECT_EQ(ini.readString(QStringLiteral("long"), QStringLiteral("none"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_TRUE(ini.valueExists(QStringLiteral("1"), QStringLiteral("video bitrate")));
    EXPECT_FALSE(ini.valueExists(QStringLiteral("1"), QStringLiteral("none")));

    // A file that does not exist, and a store that names no file.
    const IniFile missing(dir.filePath(QStringLiteral("none.ini")));
    EXPECT_EQ(missing.readInteger(QStringLiteral("1"), QStringLiteral("size"), 4), 4);
    EXPECT_EQ(missing.readString(QStringLiteral("o"), QStringLiteral("p"), QStringLiteral("x")),
              QStringLiteral("x"));
    EXPECT_TRUE(missing.readBool(QStringLiteral("plane"), QStringLiteral("video"), true));
    EXPECT_EQ(IniFile().readInteger(QStringLiteral("1"), QStringLiteral("size"), 2), 2);
}

TEST(IniFileWrite, StoresEveryWriteAtOnce)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pro tool 2.ini"));
    IniFile ini(path);

    ini.writeInteger(QStringLiteral("1"), QStringLiteral("size"), 2);
    EXPECT_EQ(contents(path), QByteArray("[1]\nsize=2\n"));
    ini.writeInteger(QStringLiteral("1"), QStringLiteral("video bitrate"), -1);
    ini.writeInteger(QStringLiteral("17"), QStringLiteral("audio bitrate"), 3);
    ini.writeBool(QStringLiteral("plane"), QStringLiteral("video"), false);
    ini.writeBool(QStringLiteral("plane"), QStringLiteral("audio"), true);
    EXPECT_EQ(contents(path), QByteArray("[1]\nsize=2\nvideo bitrate=-1\n"
                                         "[17]\naudio bitrate=3\n"
                                         "[plane]\nvideo=0\naudio=1\n"));
    // A second store on the same file sees every write: nothing is buffered.
    const IniFile other(path);
    EXPECT_EQ(other.readInteger(QStringLiteral("1"), QStringLiteral("video bitrate"), 9), -1);
    EXPECT_FALSE(other.readBool(QStringLiteral("plane"), QStringLiteral("video"), true));

    // Replacing a value keeps the other lines and their order; a new key
    // joins its section after its last entry, before the blank lines.
    put(path, "; kept\n[1]\nsize=2\n\n[2]\nCHANNEL=0\n");
    ini.writeInteger(QStringLiteral("1"), QStringLiteral("Channel"), 1);
    ini.writeInteger(QStringLiteral("2"), QStringLiteral("Channel"), 1);
    ini.writeString(QStringLiteral("output"), QStringLiteral("path"),
                    QStringLiteral("/home/u/Vidéos/"));
    EXPECT_EQ(contents(path), QByteArray("; kept\n[1]\nsize=2\nChannel=1\n\n[2]\nChannel=1\n"
                                         "[output]\npath=/home/u/Vid\xc3\xa9os/\n"));
    EXPECT_EQ(ini.readString(QStringLiteral("output"), QStringLiteral("path"), QString()),
              QStringLiteral("/home/u/Vidéos/"));

    // A value stays one line of the file.
    ini.writeString(QStringLiteral("output"), QStringLiteral("path"), QStringLiteral("a\nb=c"));
    EXPECT_EQ(ini.readString(QStringLiteral("output"), QStringLiteral("path"), QString()),
              QStringLiteral("a b=c"));
    EXPECT_FALSE(ini.valueExists(QStringLiteral("output"), QStringLiteral("b")));

    // Only the file remains: the temporary file has replaced it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList(QStringLiteral("pro tool 2.ini")));
}

TEST(IniFileWrite, AnUnwritablePlaceRaisesUnableToWrite)
{
    QTemporaryDir dir;
    // A "folder" that is a plain file: nothing can be created in it.
    put(dir.filePath(QStringLiteral("plain")), "x");
    // A read-only folder holding a settings file.
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    put(locked + QStringLiteral("/tool.ini"), "[profiles]\nselcetindex=4\n");
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    // A read-only file in a writable folder.
    const QString readOnly = dir.filePath(QStringLiteral("ro.ini"));
    put(readOnly, "[profiles]\nselcetindex=4\n");
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner));

    const bool superuser = canStillWrite(locked);
    struct Case {
        QString path;
        bool needsOrdinaryUser; // file modes do not bind the superuser
    } cases[] = {
        {dir.filePath(QStringLiteral("plain/tool.ini")), false},
        {dir.filePath(QStringLiteral("no such folder/tool.ini")), false},
        {locked + QStringLiteral("/tool.ini"), true},
        {readOnly, true},
        {QString(), false},
    };
    for (const Case &c : cases) {
        if (c.needsOrdinaryUser && superuser)
            continue;
        const QByteArray before = contents(c.path);
        IniFile ini(c.path);
        try {
            ini.writeInteger(QStringLiteral("profiles"), QStringLiteral("selcetindex"), 7);
            ADD_FAILURE() << "no error for " << c.path.toStdString();
        } catch (const IniWriteError &e) {
            EXPECT_EQ(e.text(), QStringLiteral("Unable to write to ") + c.path);
            EXPECT_STREQ(e.what(), ("Unable to write to " + c.path.toStdString()).c_str());
        }
        EXPECT_EQ(contents(c.path), before) << c.path.toStdString();
    }
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
