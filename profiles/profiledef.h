// The profile definition file "profiles.pop": four lines per profile number.
// Profile n owns lines 4n-3 (free comment), 4n-2 (size list), 4n-1 (video
// rate list or "*") and 4n (encoder options).
#pragma once

#include <QString>
#include <QStringList>

// The list rule for the size and video rate lines: items are separated by
// single blanks; an empty item (a doubled or leading blank) ends the list,
// and a last item of a single character is dropped.
QStringList splitProfileList(const QString &line);

struct ProfileLines {
    bool opened = false;   // false: the file could not be opened or read
    QString error;         // the reason, for the error box, when not opened
    bool hasSizeLine = false;
    bool hasRateLine = false;
    bool hasOptionsLine = false;
    QString sizeLine;      // line 4n-2
    QString rateLine;      // line 4n-1
    QString optionsLine;   // line 4n
};

// Reads the lines of profile n from the file at `path`, afresh, from the
// first line up to line 4n (or the end of the file, whichever comes first).
// Lines end at LF or CR LF; the text is single-byte (Latin-1).
ProfileLines readProfileLines(const QString &path, int n);
