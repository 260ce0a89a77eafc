// The job record: everything one encoder command line is joined from.
#pragma once

#include <QString>
#include <cstdint>

struct intputrec {
    QString inputFile;     // a media file path, or a DVD reference ("vts://...")
    QString outputFile;    // full path of the output file
    QString encoderPath;   // program folder + "register.dat"; set once at window creation
    QString workDir;       // program folder with its trailing "/"; set once at window creation
    QString videoRateOpt;  // " -r 25 -b 1200000", or empty
    QString audioRateOpt;  // " -ab 128000", or empty
    int32_t durationSecs = 0; // source duration in whole seconds: the progress divisor
    QString profileOpts;   // the profile's own options, or " -target ..."
    QString sizeOpt;       // " -s WxH", or empty
    QString sampleRateOpt; // " -ar 44100 ", or empty
    QString channelOpt;    // " -ac N"
    QString aspectOpt;     // " -aspect 1.3333", or empty
};
