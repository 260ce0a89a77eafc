#include "app/layout.h"
#include "app/main_fixture.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QProgressBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

struct LayoutCase {
    const char *name;
    RunMode mode;
    BrandVariant variant;
    int subPanelOffset;
    QRect lv;
    QPoint ed_output;
    QPoint Panel1;
    QPoint pl_main;
    QPoint pl_hd;
    QRect cb_channel;
    bool dvd;
};

class StartupLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(StartupLayout, NamePicksModeVariantAndPlacement)
{
    const LayoutCase &c = GetParam();
    MainWindow w(QString::fromLatin1(c.name));
    EXPECT_EQ(w->exeName, QString::fromLatin1(c.name));
    EXPECT_EQ(w->runMode, c.mode);
    EXPECT_EQ(w->brandVariant, c.variant);
    EXPECT_EQ(w->subPanelOffset, c.subPanelOffset);
    EXPECT_EQ(w->lv->geometry(), c.lv);
    EXPECT_EQ(w->ed_output->pos(), c.ed_output);
    EXPECT_EQ(w->Panel1->pos(), c.Panel1);
    EXPECT_EQ(w->pl_main->pos(), c.pl_main);
    EXPECT_EQ(w->pl_hd->pos(), c.pl_hd);
    EXPECT_EQ(w->cb_channel->geometry(), c.cb_channel);
    EXPECT_EQ(w->cb_audio->isVisibleTo(&w.w()), c.dvd);
    EXPECT_EQ(w->cb_subtitle->isVisibleTo(&w.w()), c.dvd);
    EXPECT_EQ(w->lvCheckBoxes, c.dvd);
    EXPECT_EQ(w->lv->headerItem()->text(0), c.dvd ? QStringLiteral("Title") : QStringLiteral("File Name"));
    // The list and the bar are hidden at first show; the window is fixed.
    EXPECT_FALSE(w->lv->isVisible());
    EXPECT_FALSE(w->ProgressBar1->isVisible());
    EXPECT_EQ(w->size(), QSize(781, 558));
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
}

INSTANTIATE_TEST_SUITE_P(
    FourLayouts, StartupLayout,
    ::testing::Values(
        LayoutCase{"vexmo-converter", RunMode::File, BrandVariant::A, 180, {8, 121, 509, 316},
                   {94, 483}, {96, 451}, {88, 90}, {241, 90}, {554, 244, 168, 22}, false},
        LayoutCase{"clipforge", RunMode::File, BrandVariant::B, 220, {12, 89, 530, 395},
                   {422, 66}, {62, 64}, {53, 81}, {206, 81}, {576, 251, 150, 22}, false},
        LayoutCase{"VexmoDVD", RunMode::Dvd, BrandVariant::A, 180, {8, 121, 509, 298},
                   {94, 483}, {96, 429}, {90, 71}, {243, 71}, {554, 244, 168, 22}, true},
        LayoutCase{"My DVD Ripper", RunMode::Dvd, BrandVariant::B, 220, {12, 89, 530, 333},
                   {82, 470}, {62, 64}, {53, 81}, {206, 81}, {576, 251, 150, 22}, true}),
    [](const auto &info) { return std::string(info.param.mode == RunMode::Dvd ? "Dvd" : "File") +
                                  (info.param.variant == BrandVariant::A ? "A" : "B"); });

TEST(Startup, DvdControlsArePlacedInDvdLayouts)
{
    MainWindow a(QStringLiteral("vexmo dvd"));
    EXPECT_EQ(a->cb_audio->geometry(), QRect(90, 453, 177, 22));
    EXPECT_EQ(a->cb_subtitle->geometry(), QRect(336, 453, 177, 22));
    MainWindow b(QStringLiteral("dvd"));
    EXPECT_EQ(b->cb_audio->geometry(), QRect(400, 61, 148, 22));
    EXPECT_EQ(b->cb_subtitle->geometry(), QRect(596, 61, 144, 22));
}

TEST(Startup, WindowCreationSetsTheEncoderPathAndInitialState)
{
    MainWindow w(QStringLiteral("clipforge"), QStringLiteral("/opt/cf/"), false);
    EXPECT_EQ(w->jobRecord.encoderPath, QStringLiteral("/opt/cf/register.dat"));
    EXPECT_EQ(w->jobRecord.workDir, QStringLiteral("/opt/cf/"));
    EXPECT_EQ(w->currentCategory, -1);
    EXPECT_EQ(w->currentProfile, -1);
    EXPECT_TRUE(w->titleMode);
    EXPECT_FALSE(w->converting || w->previewing || w->barDragging || w->previewPaused);
    EXPECT_FALSE(w->pl_main->isVisibleTo(&w.w()));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("DVD Ripper"));
}

struct CloseCase {
    bool previewing;
    bool converting;
    bool allowed;
    const char *message;
};

class CloseRequest : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseRequest, IsRefusedWhileWorkIsUnderWay)
{
    const CloseCase &c = GetParam();
    MainWindow w(QStringLiteral("clipforge"));
    w->previewing = c.previewing;
    w->converting = c.converting;
    EXPECT_EQ(w->close(), c.allowed);
    EXPECT_EQ(w->isVisible(), !c.allowed);
    if (c.message)
        EXPECT_EQ(w.recorder.texts("information"), QStringList(QString::fromLatin1(c.message)));
    else
        EXPECT_TRUE(w.recorder.texts("information").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    States, CloseRequest,
    ::testing::Values(CloseCase{true, false, false, "Please first stop play!"},
                      CloseCase{true, true, false, "Please first stop play!"},
                      CloseCase{false, true, false, "Please first stop converting!"},
                      CloseCase{false, false, true, nullptr}),
    [](const auto &info) { return std::string(info.param.previewing ? "Previewing" : "") +
                                  (info.param.converting ? "Converting" : "") +
                                  (info.param.allowed ? "Idle" : ""); });

TEST(Startup, EditionLinkNamesHoldOnlyTheirOwnWords)
{
    // Every link beside the executable, and the words its name must hold.
    const QStringList links = QString::fromLatin1(EDITION_LINKS).split(QLatin1Char(';'));
    const QStringList words = {"ipod", "psp", "iphone", "3gp", "gphone", "mp3", "audio", "avi",
                               "mpeg", "mp4", "mkv", "wmv", "rm", "flv", "dvd", "vexmo"};
    ASSERT_EQ(links.size(), 16);
    for (const QString &link : links + QStringList{QStringLiteral("clipforge")}) {
        QStringList found;
        for (const QString &word : words)
            if (link.toLower().contains(word))
                found << word;
        // A name's own words are the parts after the product name.
        QStringList expected;
        for (const QString &part : link.toLower().split(QLatin1Char('-')))
            if (words.contains(part))
                expected << part;
        if (link.startsWith(QLatin1String("vexmo")))
            expected << QStringLiteral("vexmo");
        std::sort(found.begin(), found.end());
        std::sort(expected.begin(), expected.end());
        expected.removeDuplicates();
        EXPECT_EQ(found, expected) << link.toStdString();
    }
}
