#include "app/main_fixture.h"
#include "app/skin.h"
#include "profiles/images.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString programFolder = QStringLiteral(PROGRAM_DIR);

// A program folder whose data files link to the real ones, without the
// pictures named in `missing`.
class PartialFolder
{
public:
    explicit PartialFolder(const QStringList &missing)
    {
        for (const char *name : {"skn.skn", "profiles.pop", "register.dat"})
            QFile::link(programFolder + QLatin1String(name), path() + QLatin1String(name));
        for (const QString &relative : pictures::allPicturePaths()) {
            if (missing.contains(relative))
                continue;
            const QString target = path() + relative;
            QDir().mkpath(QFileInfo(target).path());
            QFile::link(programFolder + relative, target);
        }
    }
    QString path() const { return dir_.path() + QLatin1Char('/'); }

private:
    QTemporaryDir dir_;
};

QString cannotOpen(const QString &fullPath)
{
    return QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(fullPath);
}

void pointAt(QWidget *image, QPoint at = QPoint(5, 5))
{
    QMouseEvent move(QEvent::MouseMove, at, image->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(image, &move);
}

QLabel *image(const MainWindow &w, const QString &name)
{
    return w->findChild<QLabel *>(name);
}

} // namespace

TEST(PickerPictures, FirstShowLoadsEveryNormalButtonInOrder)
{
    pictures::ReadLog log;
    MainWindow w(QStringLiteral("clipforge"));
    QStringList expected;
    for (int n = 1; n <= 132; ++n)
        expected << QStringLiteral("images/sub/general/%1.bmp").arg(n);
    ASSERT_GE(log.paths.size(), 132);
    EXPECT_EQ(log.relativeTo(programFolder).mid(0, 132), expected);
    // Every button shows its picture at its own size, from its top-left corner.
    for (int n : {1, 13, 45, 101, 132}) {
        QLabel *button = image(w, QStringLiteral("btim_%1").arg(n));
        EXPECT_EQ(button->pixmap().size(), button->size()) << n;
        EXPECT_EQ(button->alignment(), Qt::AlignLeft | Qt::AlignTop);
    }
    EXPECT_TRUE(w.recorder.calls.isEmpty());
}

TEST(PickerPictures, EachStepReadsItsFilesAfresh)
{
    MainWindow w(QStringLiteral("clipforge"));
    struct Step {
        std::function<void()> act;
        QStringList reads;
    };
    // A first start shows category 1 and highlights profile 1, the saved
    // defaults: the first steps put those back to normal.
    ASSERT_EQ(w->currentCategory, 1);
    ASSERT_EQ(w->currentProfile, 1);
    const std::vector<Step> steps = {
        {[&] { w->openPicker(8); },
         {"images/main/general/img_video1.bmp", "images/main/move/img_video1.bmp"}},
        {[&] { pointAt(image(w, "btim_8")); }, {"images/sub/general/1.bmp", "images/sub/move/8.bmp"}},
        {[&] { pointAt(image(w, "btim_9")); },
         {"images/sub/general/8.bmp", "images/sub/move/9.bmp"}},
        // Moving within one button reads nothing.
        {[&] {
             pointAt(image(w, "btim_9"), QPoint(30, 20));
             pointAt(image(w, "btim_9"), QPoint(200, 30));
         },
         {}},
        // Inert buttons do not react.
        {[&] { pointAt(image(w, "btim_13")); }, {}},
        {[&] { pointAt(image(w, "img_audio1")); },
         {"images/main/general/img_video1.bmp", "images/main/move/img_audio1.bmp"}},
        {[&] { pointAt(image(w, "img_audio1"), QPoint(40, 10)); }, {}},
        {[&] {
             w->currentCategory = 12;
             w->showProfileName(91);
         },
         {"images/main/12.bmp"}},
        {[&] {
             w->currentCategory = 14;
             w->showProfileName(91);
         },
         {"images/main/14.bmp"}},
        {[&] {
             w->currentCategory = -1;
             w->showProfileName(91);
         },
         {}},
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        pictures::ReadLog log;
        steps[i].act();
        EXPECT_EQ(log.relativeTo(programFolder), steps[i].reads) << "step " << i;
    }
    EXPECT_TRUE(w.recorder.calls.isEmpty());
}

TEST(PickerPictures, AMissingButtonPictureEndsTheFirstShowPass)
{
    PartialFolder folder({QStringLiteral("images/sub/general/5.bmp")});
    pictures::ReadLog log;
    MainWindow w(QStringLiteral("clipforge"), folder.path());
    const QStringList reads = log.relativeTo(folder.path());
    EXPECT_EQ(reads.mid(0, 5), (QStringList{"images/sub/general/1.bmp", "images/sub/general/2.bmp",
                                            "images/sub/general/3.bmp", "images/sub/general/4.bmp",
                                            "images/sub/general/5.bmp"}));
    EXPECT_FALSE(reads.contains(QStringLiteral("images/sub/general/6.bmp")));
    EXPECT_EQ(w.recorder.texts("error"),
              QStringList{cannotOpen(folder.path() + "images/sub/general/5.bmp")});
    EXPECT_TRUE(w->isVisible());
}

TEST(PickerPictures, AMissingHighlightEndsThePointingStep)
{
    PartialFolder folder({QStringLiteral("images/sub/move/9.bmp"),
                          QStringLiteral("images/main/move/img_ipod.bmp")});
    MainWindow w(QStringLiteral("clipforge"), folder.path());
    ASSERT_TRUE(w.recorder.calls.isEmpty());

    w->openPicker(8);
    pointAt(image(w, "btim_8"));
    ASSERT_EQ(w->currentProfile, 8);
    {
        pictures::ReadLog log;
        pointAt(image(w, "btim_9"));
        // The previous button was reset; the number stays.
        EXPECT_EQ(log.relativeTo(folder.path()),
                  (QStringList{"images/sub/general/8.bmp", "images/sub/move/9.bmp"}));
        EXPECT_EQ(w->currentProfile, 8);
        EXPECT_EQ(w.recorder.texts("error"),
                  QStringList{cannotOpen(folder.path() + "images/sub/move/9.bmp")});
    }
    w.recorder.clear();
    pointAt(image(w, "img_ipod"));
    EXPECT_EQ(w.recorder.texts("error"),
              QStringList{cannotOpen(folder.path() + "images/main/move/img_ipod.bmp")});
    EXPECT_EQ(w->currentCategory, 1);
    EXPECT_FALSE(w->pl_ipod->isVisible());
    EXPECT_FALSE(w->pl_video2->isVisible());
    EXPECT_TRUE(w->pl_main->isVisible());
}

TEST(PickerPictures, WithoutAHeaderPictureTheNameIsStillShown)
{
    PartialFolder folder({QStringLiteral("images/main/3.bmp")});
    MainWindow w(QStringLiteral("clipforge"), folder.path());
    w->currentCategory = 3;
    w->showProfileName(28);
    EXPECT_EQ(w.recorder.texts("error"), QStringList{cannotOpen(folder.path() + "images/main/3.bmp")});
    EXPECT_EQ(w->profileDisplayName, QStringLiteral("iPod(320\u00d7240)MPEG-4 AVC Codec(*.mp4)"));
    EXPECT_EQ(w->skin_profilestext->text(), w->profileDisplayName);
}
