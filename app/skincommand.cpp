#include "app/skincommand.h"

namespace {

struct Row {
    const char *name;
    SkinCommand command;
};

const Row table[] = {
    {"profiles", SkinCommand::Profiles},   {"openfiles", SkinCommand::OpenFiles},
    {"chapter", SkinCommand::Chapter},     {"ifoopen", SkinCommand::IfoOpen},
    {"dvdopen", SkinCommand::DvdOpen},     {"openfolder", SkinCommand::OpenFolder},
    {"converter", SkinCommand::Converter}, {"remove", SkinCommand::Remove},
    {"clear", SkinCommand::Clear},         {"stopconverter", SkinCommand::StopConverter},
    {"browse", SkinCommand::Browse},       {"open", SkinCommand::Open},
    {"help", SkinCommand::Help},           {"file", SkinCommand::File},
    {"dvdfile", SkinCommand::DvdFile},     {"play", SkinCommand::Play},
    {"stopplay", SkinCommand::StopPlay},   {"pause", SkinCommand::Pause},
    {"settings", SkinCommand::Settings},
};

} // namespace

SkinCommand skinCommandOf(const QString &objectName)
{
    // The first equal name decides.
    for (const Row &row : table)
        if (objectName == QLatin1String(row.name))
            return row.command;
    return SkinCommand::None;
}

QStringList skinCommandNames()
{
    QStringList names;
    for (const Row &row : table)
        names << QString::fromLatin1(row.name);
    return names;
}
