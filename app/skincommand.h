// The commands of the skin: the names of the face's objects that the main
// window reacts to, compared exactly (letter case matters).
#pragma once

#include <QString>
#include <QStringList>

enum class SkinCommand {
    None, // a name the window does not react to
    Profiles,
    OpenFiles,
    Chapter,
    IfoOpen,
    DvdOpen,
    OpenFolder,
    Converter,
    Remove,
    Clear,
    StopConverter,
    Browse,
    Open,
    Help,
    File,
    DvdFile,
    Play,
    StopPlay,
    Pause,
    Settings,
};

// The command an object's name stands for; None for any other name.
SkinCommand skinCommandOf(const QString &objectName);
// The command names, in the order they are compared.
QStringList skinCommandNames();
