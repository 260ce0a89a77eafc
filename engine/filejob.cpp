#include "engine/filejob.h"

#include "profiles/catalogue.h"

#include <QDir>
#include <QFileInfo>

QString outputFolderPath(const QString &folderText)
{
    if (folderText.trimmed().isEmpty())
        return QString();
    QString folder = QDir::isAbsolutePath(folderText) ? folderText
                                                       : QDir::current().absoluteFilePath(folderText);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString freeOutputFile(const QString &folder, const QString &fileName, const QString &caption,
                       const QString &extension)
{
    QString candidate = folder + fileName;
    for (qint64 n = 1; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n)
        candidate = folder + caption + QLatin1Char('_') + QString::number(n) + extension;
    return candidate;
}

QString sourceCaption(const QString &sourcePath)
{
    const QString name = QFileInfo(sourcePath).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 ? name.left(dot) : name;
}

FileJob fillFileJob(const QualityChoices &choices, const Toriginalinfo &row,
                    const QString &outputFolderText, const intputrec &record)
{
    FileJob job;
    job.outputFolder = outputFolderPath(outputFolderText);
    if (job.outputFolder.isEmpty())
        return job;
    job.ready = true;

    // A folder that cannot be made is not reported here: the encoder then
    // fails to write and the row shows the failure.
    if (!QFileInfo(job.outputFolder).isDir())
        QDir().mkpath(job.outputFolder);

    intputrec &r = job.record;
    r = record;
    r.inputFile = row.sourcePath;

    const QString extension = profileExtension(choices.displayName);
    const QString caption = sourceCaption(row.sourcePath);
    r.outputFile = freeOutputFile(job.outputFolder, caption + extension, caption, extension);

    r.sizeOpt = sizeOption(choices, row);
    r.aspectOpt = aspectOption(choices, r.sizeOpt);
    r.videoRateOpt = videoOption(choices, row);
    r.audioRateOpt = audioOption(choices, row);
    r.durationSecs = durationToSeconds(row.durationText);
    r.sampleRateOpt = sampleRateOption(choices, r.audioRateOpt);
    r.channelOpt = channelOption(choices);
    if (isDiscProfile(choices.profile))
        r.profileOpts = targetOption(choices);
    return job;
}
