#include "profiles/images.h"

#include "profiles/catalogue.h"
#include "profiles/picker.h"

#include <QFile>

namespace pictures {

namespace {

ReadObserver &observer()
{
    static ReadObserver current;
    return current;
}

bool reactsToPointing(int n)
{
    return picker::pointingOf(n) != picker::Pointing::None;
}

} // namespace

QString categoryFileName(int c)
{
    // The file names are the control names, but General Video's drops the
    // "g" of "img_gvideo1".
    return c == 1 ? QStringLiteral("img_video1") : picker::categoryImageName(c);
}

QString buttonPicturePath(int n, bool highlighted)
{
    if (n < 1 || n > profileCount || (highlighted && !reactsToPointing(n)))
        return QString();
    return QStringLiteral("images/sub/%1/%2.bmp")
        .arg(highlighted ? QStringLiteral("move") : QStringLiteral("general"))
        .arg(n);
}

QString categoryPicturePath(int c, bool highlighted)
{
    const QString name = categoryFileName(c);
    if (name.isEmpty())
        return QString();
    return QStringLiteral("images/main/%1/%2.bmp")
        .arg(highlighted ? QStringLiteral("move") : QStringLiteral("general"), name);
}

QString headerPicturePath(int c)
{
    if (c < 1 || c > headerCount)
        return QString();
    return QStringLiteral("images/main/%1.bmp").arg(c);
}

QList<PictureFile> allPictureFiles()
{
    using Kind = PictureFile::Kind;
    QList<PictureFile> files;
    for (int c = 1; c <= picker::categoryCount; ++c)
        for (bool highlighted : {false, true})
            files.append({Kind::Category, c, highlighted, categoryPicturePath(c, highlighted)});
    for (int c = 1; c <= headerCount; ++c)
        files.append({Kind::Header, c, false, headerPicturePath(c)});
    for (int n = 1; n <= profileCount; ++n) {
        files.append({Kind::Button, n, false, buttonPicturePath(n, false)});
        if (reactsToPointing(n))
            files.append({Kind::Button, n, true, buttonPicturePath(n, true)});
    }
    return files;
}

QStringList allPicturePaths()
{
    QStringList paths;
    for (const PictureFile &file : allPictureFiles())
        paths << file.path;
    return paths;
}

QImage loadPicture(const QString &fullPath, QString *error)
{
    if (observer())
        observer()(fullPath);
    const auto fail = [&](const QString &reason) {
        if (error)
            *error = QStringLiteral("Cannot open file \"%1\". %2").arg(fullPath, reason);
        return QImage();
    };
    QFile file(fullPath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    QImage image;
    if (!image.loadFromData(file.readAll(), "BMP"))
        return fail(QStringLiteral("Bitmap image is not valid"));
    return image;
}

ReadObserver setReadObserver(ReadObserver next)
{
    ReadObserver previous = std::move(observer());
    observer() = std::move(next);
    return previous;
}

ReadLog::ReadLog()
{
    previous_ = setReadObserver([this](const QString &path) { paths << path; });
}

ReadLog::~ReadLog()
{
    setReadObserver(std::move(previous_));
}

QStringList ReadLog::relativeTo(const QString &folder) const
{
    QStringList relative;
    for (const QString &path : paths)
        relative << (path.startsWith(folder) ? path.mid(folder.size()) : path);
    return relative;
}

} // namespace pictures
