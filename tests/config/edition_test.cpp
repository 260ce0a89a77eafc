#include "config/edition.h"

#include <gtest/gtest.h>

struct EditionCase {
    const char *name;
    RunMode mode;
    BrandVariant variant;
};

class EditionFromName : public ::testing::TestWithParam<EditionCase> {};

TEST_P(EditionFromName, RunModeAndBrandVariant)
{
    const EditionCase &c = GetParam();
    EXPECT_EQ(runModeOf(QString::fromUtf8(c.name)), c.mode) << c.name;
    EXPECT_EQ(brandVariantOf(QString::fromUtf8(c.name)), c.variant) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, EditionFromName,
    ::testing::Values(EditionCase{"clipforge", RunMode::File, BrandVariant::B},
                      EditionCase{"My DVD Ripper", RunMode::Dvd, BrandVariant::B},
                      EditionCase{"VexmoDvdRipper.exe", RunMode::Dvd, BrandVariant::A},
                      EditionCase{"vexmo-converter", RunMode::File, BrandVariant::A},
                      EditionCase{"xdVdx", RunMode::Dvd, BrandVariant::B},
                      EditionCase{"", RunMode::File, BrandVariant::B}),
    [](const auto &info) { return "Case" + std::to_string(info.index); });

TEST(Edition, DropExeOnlyDropsATrailingExe)
{
    EXPECT_EQ(dropExe(QStringLiteral("vexmoVideo.exe")), QStringLiteral("vexmoVideo"));
    EXPECT_EQ(dropExe(QStringLiteral("Tool.EXE")), QStringLiteral("Tool"));
    EXPECT_EQ(dropExe(QStringLiteral("tool 2.1")), QStringLiteral("tool 2.1"));
    EXPECT_EQ(dropExe(QStringLiteral("clipforge")), QStringLiteral("clipforge"));
}

TEST(Edition, ExeNameIsTheLastPartOfArgv0)
{
    EXPECT_EQ(exeNameFromArgv0(QStringLiteral("/usr/bin/clipforge-dvd")), QStringLiteral("clipforge-dvd"));
    EXPECT_EQ(exeNameFromArgv0(QStringLiteral("clipforge")), QStringLiteral("clipforge"));
    EXPECT_EQ(exeNameFromArgv0(QStringLiteral("./bin/vexmo converter")), QStringLiteral("vexmo converter"));
}
