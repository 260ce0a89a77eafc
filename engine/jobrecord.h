// The job record: everything one encoder command line is joined from, and
// the small text rules shared by the runner, the probe and the estimates.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdint>
#include <optional>

struct intputrec {
    QString inputFile;        // a media file path, or a DVD reference ("vts://...")
    QString outputFile;       // full path of the output file
    QString encoderPath;      // program folder + "register.dat"; set once at window creation
    QString workDir;          // program folder with its trailing "/"; set once at window creation
    QString videoRateOpt;     // " -r 25 -b 1200000", or empty
    QString audioRateOpt;     // " -ab 128000", or empty
    int32_t durationSecs = 0; // source duration in whole seconds: the progress divisor
    QString profileOpts;      // the profile's own options, or " -target ..."
    QString sizeOpt;          // " -s WxH", or empty
    QString sampleRateOpt;    // " -ar 44100 ", or empty
    QString channelOpt;       // " -ac N"
    QString aspectOpt;        // " -aspect 1.3333", or empty
};

// A decimal whole number: an optional "+" or "-", then one or more digits
// 0-9, nothing else (no blanks). Nothing for any other text, or for a value
// beyond 64 bits.
std::optional<qint64> parseWholeNumber(const QString &text);

// Wraps `text` in double quotes when it contains a blank; any other text,
// the empty one included, comes back unchanged.
QString quoteArg(const QString &text);

// "hh:mm:ss" to whole seconds: characters 1-2 are the hours, 4-5 the
// minutes, 7-8 the seconds. 0 when any of the three is not a decimal integer
// (an empty or short text included).
int32_t durationToSeconds(const QString &text);

// The encoded time in whole seconds of an encoder progress text: the digits
// between the first "time=" and the first "." before the first "bitrate=".
// 0 when "time=" or "bitrate=" is missing, "bitrate=" does not come after
// "time=", or the digits are not a decimal integer (a clock time such as
// "00:01:23" included). When no "." stands before "bitrate=", the word after
// "time=" (up to the next blank) is read instead.
int32_t parseEncodedSeconds(const QString &text);

// The command line of a job as one text, joined exactly in the encoder's
// order: encoder, " -y ", " -i ", input, the option texts (each bringing its
// own leading blank), a blank, the sample rate and profile options, a blank,
// the output. Paths holding a blank are quoted; option texts never are.
QString commandLine(const intputrec &job);

// The argument vector the encoder program is started with (after the
// program itself): "-y", "-i", the input as one argument, the words of every
// option text, and the output as one argument. Option texts are split at
// blanks, double quotes grouping words (see splitOptionWords); the input and
// the output are passed whole, whatever characters they hold.
QStringList encoderArguments(const intputrec &job);

// The words of an option text: blanks (space, tab) separate words; a double
// quote starts or ends a quoted stretch in which blanks are part of the
// word, and is itself dropped ("-metadata title=\"My clip\"" gives
// "-metadata", "title=My clip"). A pair of quotes with nothing between them
// makes an empty word.
QStringList splitOptionWords(const QString &text);
