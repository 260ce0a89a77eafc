// The picker's picture files: their names under the "images" folder beside
// the executable, and the one function that reads them. Every read goes to
// the disk afresh; nothing is cached.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

namespace pictures {

// The file name of category c's images: 1 "img_video1", 2 "img_audio1",
// 3 "img_ipod", ... 13 "img_animation"; empty outside 1 to 13.
QString categoryFileName(int c);

// Paths relative to the program folder; empty when the number has no file.
// "images/sub/general/N.bmp" (N = 1 to 132) or "images/sub/move/N.bmp" (the
// buttons that react to pointing).
QString buttonPicturePath(int n, bool highlighted);
// "images/main/general/<file name>.bmp" or "images/main/move/<file name>.bmp".
QString categoryPicturePath(int c, bool highlighted);
// The header pictures: one per category and a neutral one (14).
constexpr int headerCount = 14;
// "images/main/c.bmp", c = 1 to 14.
QString headerPicturePath(int c);

// One picture of the tree: what it shows and its relative path.
struct PictureFile {
    enum class Kind { Category, Header, Button };
    Kind kind;
    int number;       // the category (Category, Header) or the button (Button)
    bool highlighted; // Category and Button only
    QString path;
};
// Every picture above, in a stable order: the tree a complete installation
// holds.
QList<PictureFile> allPictureFiles();
// Their relative paths, in the same order.
QStringList allPicturePaths();

// Reads the bitmap at `fullPath`. On failure returns a null image and sets
// `error` to "Cannot open file "<fullPath>". <reason>".
QImage loadPicture(const QString &fullPath, QString *error);

// Called with the full path before every read; tests record the reads.
using ReadObserver = std::function<void(const QString &fullPath)>;
// Installs `observer` (or none) and returns the one installed before.
ReadObserver setReadObserver(ReadObserver observer);

// Records the paths read while it lives.
class ReadLog
{
public:
    ReadLog();
    ~ReadLog();
    ReadLog(const ReadLog &) = delete;
    ReadLog &operator=(const ReadLog &) = delete;
    // The full paths, in the order they were read.
    QStringList paths;
    // The same, relative to `folder` (which ends in "/").
    QStringList relativeTo(const QString &folder) const;

private:
    ReadObserver previous_;
};

} // namespace pictures
