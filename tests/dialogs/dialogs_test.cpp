#include "common/recording_desktop.h"
#include "dialogs/about.h"
#include "dialogs/dir.h"
#include "dialogs/help.h"
#include "dialogs/settings.h"

#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

TEST(Help, ContactPageHeedsCaseOnlyForThePath)
{
    struct Case {
        const char *name;
        const char *address;
    } cases[] = {
        {"vexmoVideo.exe", "https://www.vexmo.example/Contact.html"},
        {"VEXMO Video", "https://www.vexmo.example/contact.php"},
        {"clipforge", "https://www.clipforge.example/contact.php"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(contactPageAddress(QString::fromLatin1(c.name)), QString::fromLatin1(c.address))
            << c.name;
    EXPECT_EQ(brandSiteAddress(BrandVariant::A), QStringLiteral("https://www.vexmo.example"));
}

TEST(About, LabelShowsTheNameWithoutExeAndTheBrandLine)
{
    ScopedRecorder scoped;
    Tfm_about about;
    about.prepare(QStringLiteral("vexmoVideo.exe"));
    EXPECT_EQ(about.Label1->text(), QStringLiteral("vexmoVideo"));
    EXPECT_EQ(about.Label4->text(), brandAboutLine(BrandVariant::A));
    EXPECT_TRUE(about.Label1->font().bold());

    // Names in capitals: the about box's contact button follows the same rule.
    about.prepare(QStringLiteral("VEXMO Video"));
    about.btn_contact->click();
    emit about.lbl_web->clicked();
    EXPECT_EQ(scoped.recorder.texts("openUrl"),
              QStringList({QStringLiteral("https://www.vexmo.example/contact.php"),
                           QStringLiteral("https://www.vexmo.example")}));
}

TEST(FinishSettings, ShowsTheActionAndCancelKeepsIt)
{
    Tfm_set dialog;
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_TRUE(dialog.items[2]->isChecked());
        dialog.items[0]->setChecked(true);
        dialog.Button2->click();
    });
    EXPECT_EQ(dialog.chooseFinishAction(2), 2);

    QTimer::singleShot(0, &dialog, [&] {
        dialog.items[1]->setChecked(true);
        dialog.Button1->click();
    });
    EXPECT_EQ(dialog.chooseFinishAction(2), 1);
    EXPECT_EQ(dialog.items[0]->text(), QStringLiteral("Do nothing after converting finished"));
}

TEST(FolderChooser, OkWithoutARealFolderKeepsTheDialogOpen)
{
    Tfm_dir dialog;
    QTemporaryDir tmp;
    const QString gone = tmp.path() + QStringLiteral("/gone");
    QDir().mkpath(gone);
    bool stayedOpen = false;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.ShellTreeView1->clearSelection();
        dialog.ShellTreeView1->setCurrentIndex(QModelIndex());
        dialog.btn_ok->click(); // nothing selected
        stayedOpen = dialog.isVisible();
        dialog.btn_cancel->click();
    });
    EXPECT_EQ(dialog.chooseFolder(QStringLiteral("File Directory")), QString());
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("File Directory"));
}

TEST(FolderChooser, OkHandsBackTheFolderAndTheCloseBoxHandsBackNothing)
{
    Tfm_dir dialog;
    QTemporaryDir tmp;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.selectPath(tmp.path());
        dialog.btn_ok->click();
    });
    EXPECT_EQ(dialog.chooseFolder(QStringLiteral("Output Directory")), tmp.path());
    EXPECT_EQ(dialog.chosenFolder, tmp.path());

    // After an earlier "Ok", leaving by the close box hands back nothing.
    QTimer::singleShot(0, &dialog, [&] {
        dialog.selectPath(tmp.path());
        dialog.close();
    });
    EXPECT_EQ(dialog.chooseFolder(QStringLiteral("Output Directory")), QString());
    EXPECT_EQ(dialog.chosenFolder, QString());
}

TEST(FolderChooser, StartsWithTheHomeFolderSelected)
{
    Tfm_dir dialog;
    EXPECT_EQ(dialog.selectedPath(), QDir::homePath());
}
