// The file job: the job record of one task-list row in file mode, filled
// from the user's choices, the row's source record, the output folder and the
// loaded profile's options line.
#pragma once

#include "engine/jobrecord.h"
#include "engine/options.h"

#include <QString>

// Shown when a batch is started without an output folder.
inline constexpr const char *noOutputFolderMessage = "Please choose an output folder first!";

// The output folder text as the encoder gets it: an absolute path (a relative
// text is taken from the program's current folder, since the encoder runs in
// the program folder) ending in "/". Empty when the text is empty or blank.
QString outputFolderPath(const QString &folderText);

// A file name in `folder` (ending in "/") that names no existing file:
// `fileName` when it is free, else caption + "_1" + extension, "_2", ...
QString freeOutputFile(const QString &folder, const QString &fileName, const QString &caption,
                       const QString &extension);

// The row's caption: the file name without its folder and without its
// extension (from the last "."); a name without an extension stays whole.
QString sourceCaption(const QString &sourcePath);

struct FileJob {
    bool ready = false;   // false: no output folder, nothing may start
    QString outputFolder; // the folder with its trailing "/"
    intputrec record;     // the job record, when ready
};

// Fills the job record for `row`: output folder (created when missing),
// input, an output name that overwrites nothing, the option texts and the
// duration. `record` brings the slots that do not change per job (the
// encoder path, the working folder and the loaded profile's options, which
// the disc profiles replace by the target option); the others are
// overwritten.
FileJob fillFileJob(const QualityChoices &choices, const Toriginalinfo &row,
                    const QString &outputFolderText, const intputrec &record);
