// Support for tests of profile loading and saved settings with the real main
// window: a fresh configuration home, a program folder with a "profiles.pop"
// of the test's own, and a plain view of the quality boxes.
#pragma once

#include "app/main.h"
#include "common/files.h"
#include "profiles/qualityboxes.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

// The four lines of one profile in a test "profiles.pop".
struct TestProfileLines {
    QByteArray sizes, rates, options;
};

// Six sizes, the last of them at index 5.
inline const QStringList sixSizes = {"176x144",      "320x240",      "480x320",
                                     "640x480(VGA)", "1280x720(HD)", "1920x1080"};

// Audio-only numbers have no sizes and "*"; the disc targets one size; every
// other number six sizes. Profile n's rates are "n01" (lowest) to "n05".
inline TestProfileLines defaultTestLines(int n)
{
    const QByteArray num = QByteArray::number(n);
    const bool audio =
        (n >= 15 && n <= 26) || n == 33 || n == 40 || n == 45 || n == 59 || n == 71 || n == 80;
    if (audio)
        return {"", "*", "-vn -opts " + num};
    if (n >= 112 && n <= 114)
        return {"352x288", "1150", "-target " + num};
    QByteArray rates;
    for (int k = 1; k <= 5; ++k)
        rates += (k > 1 ? " " : "") + num + "0" + QByteArray::number(k);
    return {sixSizes.join(QLatin1Char(' ')).toLatin1(), rates, "-opts " + num};
}

// The text of a "profiles.pop" with four lines for each of 1 to `last`
// (CR LF breaks), each line set taken from `lines`.
inline QByteArray
testProfilesText(int last = 132,
                 const std::function<TestProfileLines(int)> &lines = defaultTestLines)
{
    QByteArray text;
    for (int n = 1; n <= last; ++n) {
        const TestProfileLines l = lines(n);
        text += "# profile " + QByteArray::number(n) + "\r\n" + l.sizes + "\r\n" + l.rates +
                "\r\n" + l.options + "\r\n";
    }
    return text;
}

// A program folder of the test's own: links to everything in the build's
// program folder, and a "profiles.pop" written by the test.
class TestProgramFolder
{
public:
    explicit TestProgramFolder(const QByteArray &profiles = testProfilesText())
    {
        const QDir program(QStringLiteral(PROGRAM_DIR));
        for (const QFileInfo &entry :
             program.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
            if (entry.fileName() != QLatin1String("profiles.pop"))
                QFile::link(entry.absoluteFilePath(), dir_.filePath(entry.fileName()));
        writeProfiles(profiles);
    }
    // With a trailing "/".
    QString path() const { return dir_.path() + QLatin1Char('/'); }
    QString profilesPath() const { return dir_.filePath(QStringLiteral("profiles.pop")); }
    void writeProfiles(const QByteArray &text) const
    {
        QFile file(profilesPath());
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(text);
    }
    void removeProfiles() const { QFile::remove(profilesPath()); }

private:
    QTemporaryDir dir_;
};


inline QualityBoxes qualityBoxesOf(const Tfm_main &w)
{
    QualityBoxes boxes;
    boxes.cb_size = comboModel(w.cb_size);
    boxes.cb_videobitrate = comboModel(w.cb_videobitrate);
    boxes.cb_audiobitrate = comboModel(w.cb_audiobitrate);
    boxes.cb_channel = comboModel(w.cb_channel);
    return boxes;
}

// What the picker does on a click: the pointer entered the button first.
inline void clickProfile(Tfm_main &w, int n)
{
    w.currentProfile = n;
    w.loadProfile(n);
}
