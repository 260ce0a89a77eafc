// File conversion from end to end with the real main window, the real
// encoder program and real clips: add files, pick a profile, convert, stop.
#include "app/main_fixture.h"
#include "common/fake_encoder.h"
#include "common/media.h"
#include "dialogs/dir.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

void selectItem(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    box->setCurrentIndex(index);
}

class Conversion : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sources.isValid() && out.isValid());
        outFolder = out.path() + QStringLiteral("/converted");
    }

    QString clip(const QString &name, double seconds = 2.0)
    {
        const QString path = sources.filePath(name);
        ClipSpec spec;
        spec.seconds = seconds;
        spec.codecArgs = {"-c:v", "mpeg4", "-c:a", "libmp3lame"};
        EXPECT_TRUE(makeClip(path, spec)) << path.toStdString();
        return path;
    }

    // Starts the file converter with profile 2 ("AVI-DivX Movie(*.avi)"),
    // 320x240, "Normal" video, "High quality" audio and `channel`.
    void prepare(MainWindow &w, const QStringList &files, const QString &channel = "Stereo")
    {
        w->currentProfile = 2;
        w->loadProfile(2);
        selectItem(w->cb_size, QStringLiteral("320x240"));
        w->cb_videobitrate->setCurrentIndex(2);
        w->cb_audiobitrate->setCurrentIndex(1);
        selectItem(w->cb_channel, channel);
        w->ed_output->setText(outFolder);
        w.recorder.filesToChoose = files;
        w->Skin1Click(QStringLiteral("openfiles"));
        ASSERT_EQ(w->lv->topLevelItemCount(), files.size());
    }

    bool convert(MainWindow &w, int ms = 60000)
    {
        w->Skin1Click(QStringLiteral("converter"));
        return QTest::qWaitFor([&] { return !w->converting; }, ms);
    }

    QStringList statuses(MainWindow &w)
    {
        QStringList texts;
        for (int i = 0; i < w->lv->topLevelItemCount(); ++i)
            texts << w->lv->topLevelItem(i)->text(4);
        return texts;
    }

    QTemporaryDir sources;
    QTemporaryDir out;
    QString outFolder;
};

} // namespace

TEST_F(Conversion, TwoFilesBecomeFilesOfTheChosenProfileAndNothingIsOverwritten)
{
    MainWindow w(QStringLiteral("clipforge"));
    const QString a = clip(QStringLiteral("first clip.mp4"));
    const QString b = clip(QStringLiteral("-second ünïcode.avi"));
    prepare(w, {a, b}, QStringLiteral("Mono"));
    EXPECT_TRUE(w->lv->isVisible());
    EXPECT_EQ(w->lv->topLevelItem(0)->text(0), QStringLiteral("first clip"));
    EXPECT_EQ(w->lv->topLevelItem(1)->text(1), QStringLiteral("320x240"));
    EXPECT_EQ(w->lv->topLevelItem(1)->text(2), QStringLiteral("00:00:02"));
    EXPECT_TRUE(w->lv->topLevelItem(0)->text(3).endsWith(QStringLiteral("MB")));
    EXPECT_EQ(statuses(w), QStringList({"Status", "Status"}));

    ASSERT_TRUE(convert(w));
    EXPECT_EQ(statuses(w), QStringList({"Finish", "Finish"}));
    EXPECT_FALSE(w->ProgressBar1->isVisible());
    const QString outA = outFolder + QStringLiteral("/first clip.avi");
    const QString outB = outFolder + QStringLiteral("/-second ünïcode.avi");
    for (const QString &file : {outA, outB}) {
        const QJsonObject probe = ffprobe(file);
        ASSERT_FALSE(probe.isEmpty()) << file.toStdString();
        const QJsonObject video = firstStream(probe, QStringLiteral("video"));
        const QJsonObject audio = firstStream(probe, QStringLiteral("audio"));
        EXPECT_EQ(video.value("width").toInt(), 320);
        EXPECT_EQ(video.value("height").toInt(), 240);
        EXPECT_EQ(audio.value("sample_rate").toString(), QStringLiteral("44100"));
        EXPECT_EQ(audio.value("channels").toInt(), 1);
        EXPECT_TRUE(decodesCleanly(file));
    }

    // A second batch writes new names beside the first outputs.
    const QDateTime before = QFileInfo(outA).lastModified();
    const qint64 size = QFileInfo(outA).size();
    QTest::qWait(1100);
    ASSERT_TRUE(convert(w));
    EXPECT_EQ(statuses(w), QStringList({"Finish", "Finish"}));
    EXPECT_TRUE(QFileInfo::exists(outFolder + QStringLiteral("/first clip_1.avi")));
    EXPECT_TRUE(QFileInfo::exists(outFolder + QStringLiteral("/-second ünïcode_1.avi")));
    EXPECT_EQ(QFileInfo(outA).lastModified(), before);
    EXPECT_EQ(QFileInfo(outA).size(), size);
    EXPECT_EQ(w->outputFolder, outFolder + QLatin1Char('/'));
}

TEST_F(Conversion, StopDuringTheSecondOfThreeRows)
{
    MainWindow w(QStringLiteral("clipforge"));
    const QString a = clip(QStringLiteral("a.mp4"), 1.0);
    const QString b = clip(QStringLiteral("b.mp4"), 30.0);
    const QString c = clip(QStringLiteral("c.mp4"), 1.0);
    prepare(w, {a, b, c});
    w->finishAction = 1;
    w->Skin1Click(QStringLiteral("converter"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->currentJob == 1 && w->runner.process.pid > 0; }, 60000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->lv->topLevelItem(1)->text(4).endsWith('%'); }, 30000));
    w->Skin1Click(QStringLiteral("stopconverter"));
    EXPECT_FALSE(w->converting);
    EXPECT_FALSE(w->ProgressBar1->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->runner.process.pid <= 0; }, 10000));
    QTest::qWait(200);
    EXPECT_EQ(statuses(w), QStringList({"Finish", "Stop", "Status"}));
    EXPECT_TRUE(w.recorder.texts(QStringLiteral("openFolder")).isEmpty());
    EXPECT_TRUE(w.recorder.texts(QStringLiteral("shutdown")).isEmpty());
    EXPECT_TRUE(processesMentioning(outFolder).isEmpty());
    // A stop with nothing running does nothing.
    w->Skin1Click(QStringLiteral("stopconverter"));
    EXPECT_EQ(statuses(w), QStringList({"Finish", "Stop", "Status"}));
}

TEST_F(Conversion, ASourceDeletedAfterItWasAddedFailsAndTheOthersFinish)
{
    MainWindow w(QStringLiteral("clipforge"));
    const QString a = clip(QStringLiteral("a.mp4"), 1.0);
    const QString b = clip(QStringLiteral("b.mp4"), 1.0);
    const QString c = clip(QStringLiteral("c.mp4"), 1.0);
    prepare(w, {a, b, c});
    w->finishAction = 1;
    ASSERT_TRUE(QFile::remove(b));
    ASSERT_TRUE(convert(w));
    EXPECT_EQ(statuses(w), QStringList({"Finish", "Failed", "Finish"}));
    // The batch ended normally: the finish action opened the folder.
    EXPECT_EQ(w.recorder.texts(QStringLiteral("openFolder")),
              QStringList(outFolder + QLatin1Char('/')));
}

TEST_F(Conversion, GuardsAndAnEmptyOutputFolder)
{
    MainWindow w(QStringLiteral("clipforge"));
    // Convert with an empty list does nothing and says nothing.
    w->Skin1Click(QStringLiteral("converter"));
    EXPECT_FALSE(w->converting);
    EXPECT_TRUE(w.recorder.calls.isEmpty());

    const QString a = clip(QStringLiteral("a.mp4"), 1.0);
    prepare(w, {a});
    w.recorder.clear();
    w->ed_output->setText(QString());
    w->Skin1Click(QStringLiteral("converter"));
    EXPECT_FALSE(w->converting);
    EXPECT_EQ(w.recorder.texts(QStringLiteral("warning")),
              QStringList(QStringLiteral("Please choose an output folder first!")));

    struct Guard {
        bool previewing;
        bool converting;
        const char *command;
        const char *message;
    } guards[] = {
        {true, false, "converter", "Please first stop play!"},
        {false, true, "converter", "Please first stop convert!"},
        {true, true, "remove", "Please first stop play!"},
        {false, true, "remove", "Please first stop convert!"},
        {true, false, "clear", "Please first stop play!"},
        {false, true, "clear", "Please first stop convert!"},
        {false, true, "openfiles", "Please first stop convert!"},
        {false, true, "openfolder", "Please first stop convert!"},
    };
    for (const Guard &g : guards) {
        w.recorder.clear();
        w->previewing = g.previewing;
        w->converting = g.converting;
        w->Skin1Click(QString::fromLatin1(g.command));
        EXPECT_EQ(w.recorder.texts(QStringLiteral("warning")), QStringList(QString::fromLatin1(g.message)))
            << g.command;
        EXPECT_EQ(w->lv->topLevelItemCount(), 1) << g.command;
    }
    w->previewing = false;
    w->converting = false;
}

TEST_F(Conversion, ClearAsksFirstAndRemoveKeepsRecordsAligned)
{
    MainWindow w(QStringLiteral("clipforge"));
    QStringList files;
    for (const char *name : {"r0.mp4", "r1.mp4", "r2.mp4", "r3.mp4", "r4.mp4"})
        files << clip(QString::fromLatin1(name), 1.0);
    prepare(w, files);
    EXPECT_TRUE(w->lv->topLevelItem(0)->isSelected());
    w->lv->clearSelection();
    w->lv->topLevelItem(1)->setSelected(true);
    w->lv->topLevelItem(3)->setSelected(true);
    w->Skin1Click(QStringLiteral("remove"));
    ASSERT_EQ(w->lv->topLevelItemCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const QString name = QStringLiteral("r%1").arg(i * 2);
        EXPECT_EQ(w->lv->topLevelItem(i)->text(0), name);
        EXPECT_TRUE(w->sourceInfos[i].sourcePath.endsWith(name + QStringLiteral(".mp4")));
    }
    EXPECT_TRUE(w->lv->topLevelItem(2)->isSelected());

    w.recorder.clear();
    w.recorder.confirmAnswer = false;
    w->Skin1Click(QStringLiteral("clear"));
    EXPECT_EQ(w->lv->topLevelItemCount(), 3);
    EXPECT_EQ(w.recorder.texts(QStringLiteral("confirm")),
              QStringList(QStringLiteral("Are you sure to remove all the files from filelist?\n"
                                         "Not delete from your computer.")));
    w.recorder.confirmAnswer = true;
    w->Skin1Click(QStringLiteral("clear"));
    EXPECT_EQ(w->lv->topLevelItemCount(), 0);
    for (const QString &file : files)
        EXPECT_TRUE(QFileInfo::exists(file));
}

TEST_F(Conversion, AddFolderTakesItsListedExtensionsOnlyAndUnreadableFilesAreLeftOut)
{
    MainWindow w(QStringLiteral("clipforge"));
    clip(QStringLiteral("A.AVI"), 1.0);
    clip(QStringLiteral("b.Mkv"), 1.0);
    QFile text(sources.filePath(QStringLiteral("c.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not media");
    text.close();
    QFile fake(sources.filePath(QStringLiteral("broken.mpg")));
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
    fake.write("not media either");
    fake.close();
    QDir(sources.path()).mkdir(QStringLiteral("sub.avi"));

    QTimer::singleShot(0, w.forms.fm_dir, [&] {
        w.forms.fm_dir->selectPath(sources.path());
        w.forms.fm_dir->btn_ok->click();
    });
    w->Skin1Click(QStringLiteral("openfolder"));
    EXPECT_EQ(w.forms.fm_dir->windowTitle(), QStringLiteral("File Directory"));
    ASSERT_EQ(w->lv->topLevelItemCount(), 1);
    EXPECT_EQ(w->lv->topLevelItem(0)->text(0), QStringLiteral("A"));
    EXPECT_TRUE(w->lv->topLevelItem(0)->isSelected());
    EXPECT_TRUE(w.recorder.calls.isEmpty());
}

TEST_F(Conversion, ChangingTheQualityRecomputesEveryRowsSize)
{
    MainWindow w(QStringLiteral("clipforge"));
    prepare(w, {clip(QStringLiteral("a.mp4"), 3.0), clip(QStringLiteral("b.mp4"), 3.0)});
    const QString before = w->lv->topLevelItem(1)->text(3);
    w->cb_videobitrate->setCurrentIndex(0);
    emit w->cb_videobitrate->activated(0);
    EXPECT_NE(w->lv->topLevelItem(1)->text(3), before);
    EXPECT_EQ(w->lv->topLevelItem(0)->text(3), w->lv->topLevelItem(1)->text(3));
}
