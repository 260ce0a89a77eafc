// The source record kept beside every task-list row.
#pragma once

#include <QString>
#include <QVector>

struct Toriginalinfo {
    QString sourcePath;   // full path of the media file (empty for DVD rows)
    QString frameSize;    // "320x240"
    QString durationText; // "hh:mm:ss", may be empty
    QString videoRate;    // source video bit rate in kb/s, decimal digits
    QString audioRate;    // source audio bit rate in kb/s, decimal digits
};

// One record per task-list row. Entry i describes row i; the array may be
// longer than the row count after a removal, and entries past it are unused.
using TOriginalInfos = QVector<Toriginalinfo>;
