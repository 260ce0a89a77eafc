#include "app/skincommand.h"
#include "app/skinfile.h"

#include <QFile>
#include <QHash>
#include <gtest/gtest.h>

namespace {

QString readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

const char *const header = "clipforge-skin 1\nwindow main size=300x200\n";

SkinParseResult parseBody(const char *body)
{
    return parseSkin(QString::fromLatin1(header) + QString::fromUtf8(body));
}

} // namespace

TEST(SkinFormat, ReadsWindowsColoursAndObjects)
{
    const SkinParseResult r = parseSkin(QStringLiteral(
        "# a comment\n"
        "clipforge-skin 1\n"
        "\n"
        "window \"main face\" size=781x558 title=\"My Face\"\n"
        "  color accent=#2563eb text=#102030\n"
        "  color accent=#0d9488 variant=A\n"
        "  box rect=0,0,781,58 fill=headerTop>headerBottom radius=4\n"
        "  button openfiles rect=10,8,60,46 caption=\"Add Files\" icon=addfiles style=tool "
        "size=11 tip=\"Add \\\"media\\\"\" mode=file\n"
        "  text profilestext rect=88,63,272,24 fit=shrink align=right weight=bold\n"
        "  slider play_bar rect=5,5,100,10 min=0 max=10000 position=250 variant=B\n"
        "  label rect=1,2,3,4 text=\"two\\nlines\" color=#ff0000\n"
        "window other size=10x10\n"));
    ASSERT_TRUE(r.ok()) << qPrintable(r.error) << " line " << r.errorLine;
    ASSERT_EQ(r.skin.windows.size(), 2);
    const SkinWindowDef *w = r.skin.window(QStringLiteral("main face"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->size, QSize(781, 558));
    EXPECT_EQ(w->title, QStringLiteral("My Face"));
    EXPECT_EQ(r.skin.window(QStringLiteral("nothing")), nullptr);
    ASSERT_EQ(w->objects.size(), 5);

    const SkinObjectDef &button = w->objects[1];
    EXPECT_EQ(button.kind, SkinObjectKind::Button);
    EXPECT_EQ(button.name, QStringLiteral("openfiles"));
    EXPECT_EQ(button.rect, QRect(10, 8, 60, 46));
    EXPECT_EQ(button.text, QStringLiteral("Add Files"));
    EXPECT_EQ(button.icon, QStringLiteral("addfiles"));
    EXPECT_EQ(button.style, QStringLiteral("tool"));
    EXPECT_EQ(button.fontSize, 11);
    EXPECT_EQ(button.tip, QStringLiteral("Add \"media\""));
    EXPECT_EQ(button.edition.mode, RunMode::File);
    EXPECT_FALSE(button.edition.variant.has_value());
    EXPECT_EQ(button.line, 8);

    const SkinObjectDef &text = w->objects[2];
    EXPECT_EQ(text.kind, SkinObjectKind::Text);
    EXPECT_TRUE(text.shrink);
    EXPECT_TRUE(text.bold);
    EXPECT_EQ(text.align, Qt::AlignRight | Qt::AlignVCenter);

    const SkinObjectDef &slider = w->objects[3];
    EXPECT_EQ(slider.kind, SkinObjectKind::Slider);
    EXPECT_EQ(slider.maximum, 10000);
    EXPECT_EQ(slider.position, 250);
    EXPECT_EQ(w->objects[4].text, QStringLiteral("two\nlines"));

    // Colours and objects by edition.
    struct Edition {
        RunMode mode;
        BrandVariant variant;
        const char *accent;
        QStringList names;
    } editions[] = {
        {RunMode::File, BrandVariant::A, "#0d9488", {"openfiles", "profilestext"}},
        {RunMode::File, BrandVariant::B, "#2563eb", {"openfiles", "profilestext", "play_bar"}},
        {RunMode::Dvd, BrandVariant::A, "#0d9488", {"profilestext"}},
        {RunMode::Dvd, BrandVariant::B, "#2563eb", {"profilestext", "play_bar"}},
    };
    for (const Edition &e : editions) {
        EXPECT_EQ(skinColour(*w, QStringLiteral("accent"), e.mode, e.variant).name(),
                  QString::fromLatin1(e.accent));
        QStringList names;
        for (const SkinObjectDef *o : skinObjectsFor(*w, e.mode, e.variant))
            if (!o->name.isEmpty())
                names << o->name;
        EXPECT_EQ(names, e.names);
    }
    EXPECT_EQ(skinColour(*w, QStringLiteral("#abcdef"), RunMode::File, BrandVariant::A).name(),
              QStringLiteral("#abcdef"));
    EXPECT_EQ(skinColour(*w, QStringLiteral("nothing"), RunMode::File, BrandVariant::A, Qt::red),
              QColor(Qt::red));
}

TEST(SkinFormat, RejectsFaultyFiles)
{
    struct Case {
        const char *text;
        int line;
        const char *error;
    } cases[] = {
        {"", 0, "not a skin file"},
        {"ActiveSkin binary\n", 1, "not a skin file"},
        {"clipforge-skin 2\n", 1, "not a skin file"},
        {"clipforge-skin 1\nbutton a rect=1,1,1,1\n", 2, "before the first window"},
        {"clipforge-skin 1\nwindow w\n", 2, "needs a size"},
        {"clipforge-skin 1\nwindow w size=12\n", 2, "bad window size"},
        {"clipforge-skin 1\nwindow w size=1x1\nwindow w size=1x1\n", 3, "defined twice"},
    };
    for (const Case &c : cases) {
        const SkinParseResult r = parseSkin(QString::fromLatin1(c.text));
        EXPECT_FALSE(r.ok()) << c.text;
        EXPECT_EQ(r.errorLine, c.line) << c.text;
        EXPECT_TRUE(r.error.contains(QLatin1String(c.error))) << qPrintable(r.error);
        EXPECT_TRUE(r.skin.windows.isEmpty());
    }

    struct Body {
        const char *body;
        const char *error;
    } bodies[] = {
        {"widget x rect=1,1,1,1\n", "unknown word"},
        {"button rect=1,1,1,1\n", "needs a name"},
        {"button x caption=a\n", "needs a rect"},
        {"button x rect=1,1,0,1\n", "bad rect"},
        {"button x rect=1,1,a,1\n", "bad rect"},
        {"button x rect=1,1,1\n", "bad rect"},
        {"button x rect=1,1,1,1 colour=#fff\n", "unknown attribute"},
        {"button x rect=1,1,1,1 bare\n", "expected key=value"},
        {"button x rect=1,1,1,1 mode=disc\n", "unknown mode"},
        {"button x rect=1,1,1,1 variant=C\n", "unknown variant"},
        {"button x rect=1,1,1,1 style=round\n", "unknown style"},
        {"label rect=1,1,1,1 align=middle\n", "unknown alignment"},
        {"label rect=1,1,1,1 size=200\n", "bad font size"},
        {"label rect=1,1,1,1 text=\"open\n", "quote is not closed"},
        {"slider s rect=1,1,1,1 min=5 max=5\n", "bad range"},
        {"slider s rect=1,1,1,1 position=20000\n", "bad range"},
        {"color accent=red\n", "bad colour"},
        {"color variant=A\n", "names no colour"},
        // One name, one object in every edition.
        {"button x rect=1,1,1,1\nbutton x rect=2,2,1,1 variant=A\n", "already defined"},
        {"button x rect=1,1,1,1 mode=file\ntext x rect=2,2,1,1 mode=dvd\n", "changes its kind"},
    };
    for (const Body &b : bodies) {
        const SkinParseResult r = parseBody(b.body);
        EXPECT_FALSE(r.ok()) << b.body;
        EXPECT_TRUE(r.error.contains(QLatin1String(b.error))) << b.body << " -> " << qPrintable(r.error);
    }
    // The same name may serve disjoint editions.
    EXPECT_TRUE(parseBody("button x rect=1,1,1,1 variant=A\nbutton x rect=2,2,1,1 variant=B\n").ok());
}

// The names each run mode's face offers, and those it must not offer.
TEST(SkinFormat, ShippedSkinOffersEveryCommandOfItsMode)
{
    const SkinParseResult r = parseSkin(readFile(QStringLiteral(PROGRAM_DIR "skn.skn")));
    ASSERT_TRUE(r.ok()) << qPrintable(r.error) << " line " << r.errorLine;
    const SkinWindowDef *w = r.skin.window(QStringLiteral("dovorizizozozivur"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->size, QSize(781, 558));

    const QStringList common = {"profiles", "converter", "stopconverter", "browse", "open",
                                "help",     "play",      "stopplay",      "pause",  "settings"};
    const QStringList fileOnly = {"openfiles", "openfolder", "file", "remove", "clear"};
    const QStringList dvdOnly = {"dvdopen", "ifoopen", "chapter", "dvdfile"};
    for (RunMode mode : {RunMode::File, RunMode::Dvd}) {
        for (BrandVariant variant : {BrandVariant::A, BrandVariant::B}) {
            QHash<QString, const SkinObjectDef *> byName;
            for (const SkinObjectDef *o : skinObjectsFor(*w, mode, variant)) {
                EXPECT_TRUE(QRect(QPoint(0, 0), w->size).contains(o->rect)) << o->line;
                if (!o->name.isEmpty())
                    byName.insert(o->name, o);
            }
            const QStringList own = mode == RunMode::File ? fileOnly : dvdOnly;
            const QStringList other = mode == RunMode::File ? dvdOnly : fileOnly;
            for (const QString &name : common + own) {
                ASSERT_TRUE(byName.contains(name)) << qPrintable(name);
                EXPECT_EQ(byName[name]->kind, SkinObjectKind::Button) << qPrintable(name);
                EXPECT_NE(skinCommandOf(name), SkinCommand::None) << qPrintable(name);
            }
            for (const QString &name : other)
                EXPECT_FALSE(byName.contains(name)) << qPrintable(name);
            ASSERT_TRUE(byName.contains(QStringLiteral("profilestext")));
            EXPECT_EQ(byName[QStringLiteral("profilestext")]->kind, SkinObjectKind::Text);
            ASSERT_TRUE(byName.contains(QStringLiteral("play_time")));
            EXPECT_EQ(byName[QStringLiteral("play_time")]->kind, SkinObjectKind::Text);
            ASSERT_TRUE(byName.contains(QStringLiteral("play_bar")));
            const SkinObjectDef *bar = byName[QStringLiteral("play_bar")];
            EXPECT_EQ(bar->kind, SkinObjectKind::Slider);
            EXPECT_EQ(bar->minimum, 0);
            EXPECT_EQ(bar->maximum, 10000);
            // Buttons never lie on one another.
            const QList<const SkinObjectDef *> all = byName.values();
            for (const SkinObjectDef *a : all) {
                for (const SkinObjectDef *b : all) {
                    if (a != b && a->kind == SkinObjectKind::Button &&
                        b->kind == SkinObjectKind::Button) {
                        EXPECT_FALSE(a->rect.intersects(b->rect))
                            << qPrintable(a->name) << " " << qPrintable(b->name);
                    }
                }
            }
        }
    }

    const SkinParseResult pop = parseSkin(readFile(QStringLiteral(PROGRAM_DIR "Vi3riv.skn")));
    EXPECT_TRUE(pop.ok()) << qPrintable(pop.error);
}

TEST(SkinCommands, NamesAreComparedExactly)
{
    struct Case {
        const char *name;
        SkinCommand command;
    } cases[] = {
        {"profiles", SkinCommand::Profiles},   {"openfiles", SkinCommand::OpenFiles},
        {"chapter", SkinCommand::Chapter},     {"ifoopen", SkinCommand::IfoOpen},
        {"dvdopen", SkinCommand::DvdOpen},     {"openfolder", SkinCommand::OpenFolder},
        {"converter", SkinCommand::Converter}, {"remove", SkinCommand::Remove},
        {"clear", SkinCommand::Clear},         {"stopconverter", SkinCommand::StopConverter},
        {"browse", SkinCommand::Browse},       {"open", SkinCommand::Open},
        {"help", SkinCommand::Help},           {"file", SkinCommand::File},
        {"dvdfile", SkinCommand::DvdFile},     {"play", SkinCommand::Play},
        {"stopplay", SkinCommand::StopPlay},   {"pause", SkinCommand::Pause},
        {"settings", SkinCommand::Settings},   {"Clear", SkinCommand::None},
        {"PLAY", SkinCommand::None},           {"clear ", SkinCommand::None},
        {"", SkinCommand::None},               {"profilestext", SkinCommand::None},
        {"play_bar", SkinCommand::None},
    };
    for (const Case &c : cases)
        EXPECT_EQ(skinCommandOf(QString::fromLatin1(c.name)), c.command) << c.name;
    EXPECT_EQ(skinCommandNames().first(), QStringLiteral("profiles"));
    EXPECT_EQ(skinCommandNames().last(), QStringLiteral("settings"));
}
