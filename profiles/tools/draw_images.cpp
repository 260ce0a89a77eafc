// Draws the picker's "images" tree: every category image, header picture
// and profile button, normal and highlighted, as Windows bitmaps.
//
//   clipforge-images OUTDIR
//
// Run by the build, so that the program folder holds OUTDIR/main/... and
// OUTDIR/sub/... after every build; no artwork is kept in the sources.
#include "profiles/artwork.h"
#include "profiles/images.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    // OUTDIR stands for the "images" folder; the paths begin with "images/".
    const QString root = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString prefix = QStringLiteral("images/");
    int written = 0;
    for (const QString &relative : pictures::allPicturePaths()) {
        const QImage image = artwork::pictureForPath(relative);
        const QString path = root + QLatin1Char('/') + relative.mid(prefix.size());
        QDir().mkpath(QFileInfo(path).path());
        QSaveFile file(path);
        if (image.isNull() || !file.open(QIODevice::WriteOnly) || !image.save(&file, "BMP") ||
            !file.commit()) {
            std::fprintf(stderr, "clipforge-images: cannot write %s\n", qPrintable(path));
            return 1;
        }
        ++written;
    }
    std::printf("clipforge-images: %d pictures in %s\n", written, qPrintable(root));
    return 0;
}
