#include "profiles/artwork.h"
#include "profiles/images.h"
#include "profiles/picker.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pictures;

TEST(PicturePaths, NamesOfTheTree)
{
    struct Case {
        QString path;
        const char *expected;
    } cases[] = {
        {buttonPicturePath(1, false), "images/sub/general/1.bmp"},
        {buttonPicturePath(132, false), "images/sub/general/132.bmp"},
        {buttonPicturePath(9, true), "images/sub/move/9.bmp"},
        {buttonPicturePath(109, true), "images/sub/move/109.bmp"},
        {buttonPicturePath(13, true), ""}, // inert: no highlighted picture
        {buttonPicturePath(0, false), ""},
        {buttonPicturePath(133, false), ""},
        {categoryPicturePath(1, false), "images/main/general/img_video1.bmp"},
        {categoryPicturePath(1, true), "images/main/move/img_video1.bmp"},
        {categoryPicturePath(2, true), "images/main/move/img_audio1.bmp"},
        {categoryPicturePath(13, false), "images/main/general/img_animation.bmp"},
        {categoryPicturePath(14, false), ""},
        {headerPicturePath(12), "images/main/12.bmp"},
        {headerPicturePath(14), "images/main/14.bmp"},
        {headerPicturePath(-1), ""},
        {headerPicturePath(15), ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.path, QString::fromLatin1(c.expected)) << c.expected;

    const char *const names[] = {"img_video1", "img_audio1", "img_ipod",   "img_iphone", "img_gphone",
                                 "img_appletv", "img_psp",   "img_xbox",   "img_phone",  "img_win",
                                 "img_pmp",    "img_hd",     "img_animation"};
    for (int c = 1; c <= 13; ++c)
        EXPECT_EQ(categoryFileName(c), QString::fromLatin1(names[c - 1]));

    // 26 category pictures, 14 headers, 132 normal and 126 highlighted buttons.
    const QStringList all = allPicturePaths();
    EXPECT_EQ(all.size(), 26 + 14 + 132 + 126);
    QStringList unique = all;
    EXPECT_EQ(unique.removeDuplicates(), 0);
}

TEST(PicturePaths, LoadingReportsWhatFailed)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("images/sub/general/1.bmp"));
    const QString garbage = dir.filePath(QStringLiteral("garbage.bmp"));
    const QString good = dir.filePath(QStringLiteral("good.bmp"));
    {
        QFile f(garbage);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
    }
    QImage image(5, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(good, "BMP"));

    struct Case {
        QString path;
        bool loads;
        QString error;
    } cases[] = {
        {missing, false,
         QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing)},
        {garbage, false, QStringLiteral("Cannot open file \"%1\". Bitmap image is not valid").arg(garbage)},
        {good, true, QString()},
    };
    ReadLog log;
    for (const Case &c : cases) {
        QString error;
        const QImage loaded = loadPicture(c.path, &error);
        EXPECT_EQ(!loaded.isNull(), c.loads) << qPrintable(c.path);
        EXPECT_EQ(error, c.error);
        if (c.loads) {
            EXPECT_EQ(loaded.size(), QSize(5, 4));
        }
    }
    EXPECT_EQ(log.paths, (QStringList{missing, garbage, good}));
    EXPECT_EQ(log.relativeTo(dir.path() + QLatin1Char('/')),
              (QStringList{"images/sub/general/1.bmp", "garbage.bmp", "good.bmp"}));
}

TEST(PicturePaths, ReadLogsNestAndRestore)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.bmp"));
    ReadLog outer;
    {
        ReadLog inner;
        loadPicture(path, nullptr);
        EXPECT_EQ(inner.paths, QStringList{path});
    }
    loadPicture(path, nullptr);
    EXPECT_EQ(outer.paths, QStringList{path});
}

// The build draws the whole tree into the program folder: every file is a
// bitmap at the size of the place it is shown in.
TEST(PictureTree, EveryPictureIsBuiltAtItsSize)
{
    const QString folder = QStringLiteral(PROGRAM_DIR);
    for (const QString &relative : allPicturePaths()) {
        QImageReader reader(folder + relative);
        ASSERT_EQ(reader.format(), QByteArray("bmp")) << qPrintable(relative);
        QSize expected;
        for (int n = 1; n <= profileCount && !expected.isValid(); ++n)
            if (relative == buttonPicturePath(n, false) || relative == buttonPicturePath(n, true))
                expected = picker::buttonRect(n).size();
        for (int c = 1; c <= 13 && !expected.isValid(); ++c)
            if (relative == categoryPicturePath(c, false) || relative == categoryPicturePath(c, true))
                expected = picker::categoryRect(c).size();
        if (!expected.isValid())
            expected = QSize(artwork::headerWidth, artwork::headerHeight);
        EXPECT_EQ(reader.size(), expected) << qPrintable(relative);
    }
}

TEST(PictureArt, HighlightedPicturesDifferFromNormalOnes)
{
    for (int n : {1, 2, 8, 26, 45, 103, 109, 124, 131}) {
        const QImage normal = artwork::buttonPicture(n, false);
        const QImage highlighted = artwork::buttonPicture(n, true);
        EXPECT_EQ(normal.size(), picker::buttonRect(n).size()) << n;
        EXPECT_NE(normal, highlighted) << n;
    }
    for (int c = 1; c <= 13; ++c)
        EXPECT_NE(artwork::categoryPicture(c, false), artwork::categoryPicture(c, true)) << c;
    // Every category has a colour of its own.
    for (int a = 1; a <= 13; ++a)
        for (int b = a + 1; b <= 13; ++b)
            EXPECT_NE(artwork::categoryColour(a), artwork::categoryColour(b)) << a << " " << b;
    EXPECT_TRUE(artwork::pictureForPath(QStringLiteral("images/none.bmp")).isNull());
}
