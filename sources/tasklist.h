// The file task list's rules: the add dialog's filters, the folder scan, the
// probe of an added file and the rates filled in after it, and removing
// selected rows.
#pragma once

#include "engine/jobrecord.h"
#include "sources/gettime.h"
#include "sources/sourceinfo.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// The twelve filters of the add-files dialog as Qt name filters, the first
// one ("All Support Format") the default. Each keeps its label and patterns.
QStringList addFilesFilters();

// The folder scan takes entries whose extension (from the last dot, any
// letter case) is one of ".avi", ".mpg", ".vob", ".mpeg", ".3gp", ".mp4",
// ".flv", ".rm", ".m4v", ".rmvb", ".wmv", ".asf", ".qt", ".asx".
bool isFolderScanEntry(const QString &entryName);

// Fills missing values in this order: a missing video rate becomes the
// total (when the audio rate is missing too) or total - audio; a missing
// audio rate becomes total - video; an audio rate of exactly "0" becomes
// "128"; a missing frame size "320x240". A rate that cannot be subtracted
// (not a whole number, see parseWholeNumber) leaves the missing one empty.
void fillMissingRates(ProbeValues &values);

// The source record of a file row from the filled probe values: video and
// audio rates rewritten as decimal whole numbers, or "768" and "128" when
// they are not whole numbers.
Toriginalinfo sourceRecordFor(const QString &path, const ProbeValues &values);

// Adding one file: probes `path` with the encoder program of `job` (its
// `encoderPath`, in its `workDir`), waits for the probe, and returns the
// file's source record from the filled values. Nothing when the probe found
// no whole-number total bit rate: the encoder cannot read the file.
std::optional<Toriginalinfo> probeSourceFile(const QString &path, const intputrec &job);

// Removing the selected rows: walks the rows once (as many steps as there
// were rows), shifting the records after each selected row one place toward
// the front. `selected` holds one flag per row and loses the removed ones;
// the records array keeps its length. Returns the indexes at which rows were
// deleted, in order (each relative to the list at that moment) and the index
// to select afterwards (-1 when no row remains).
struct RowRemoval {
    QVector<int> deletedAt;
    int selectAfter = -1;
};
RowRemoval removeSelectedRows(TOriginalInfos &records, QVector<bool> &selected);
