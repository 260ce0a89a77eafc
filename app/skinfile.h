// The skin file format (described in data/SKIN.md): a text file of window
// skins, each with its colours and its objects (buttons, text objects,
// sliders, labels and boxes), every object with its place and look and,
// optionally, the run mode and brand variant it belongs to.
#pragma once

#include "config/edition.h"

#include <QColor>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

// The editions an object or colour belongs to; unset parts match all.
struct SkinEdition {
    std::optional<RunMode> mode;
    std::optional<BrandVariant> variant;
    bool matches(RunMode m, BrandVariant v) const
    {
        return (!mode || *mode == m) && (!variant || *variant == v);
    }
};

enum class SkinObjectKind {
    Button, // named; raises the commands
    Text,   // named; shows a text set by the program
    Slider, // named; a position from min to max
    Label,  // a fixed caption, optionally with an icon
    Box,    // a decorated area drawn below everything else
};

struct SkinObjectDef {
    SkinObjectKind kind = SkinObjectKind::Box;
    QString name; // empty for labels and boxes without one
    QRect rect;
    SkinEdition edition;
    QString text;  // caption of a button or label, initial text of a text object
    QString icon;  // glyph name
    QString style; // look of a button: "tool", "primary", "secondary", "icon", "drop"
    QString tip;   // tool tip
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    int fontSize = 12; // pixels
    bool bold = false;
    QString color;  // text colour: a colour role or "#rrggbb"
    QString fill;   // fill of a box or text object
    QString border; // border colour of a box or text object
    int radius = 0;
    bool shrink = false; // text objects: smaller font until the text fits
    int minimum = 0, maximum = 10000, position = 0; // sliders
    int line = 0;   // line in the file
};

struct SkinColourDef {
    QString role;
    QColor colour;
    SkinEdition edition;
};

struct SkinWindowDef {
    QString name;
    QSize size;
    QString title;
    QList<SkinColourDef> colours;
    QList<SkinObjectDef> objects;
};

struct SkinFileDef {
    QList<SkinWindowDef> windows;
    const SkinWindowDef *window(const QString &name) const;
};

struct SkinParseResult {
    SkinFileDef skin;
    QString error;  // empty when the text is a valid skin
    int errorLine = 0;
    bool ok() const { return error.isEmpty(); }
};

// Parses the text of a skin file. Any fault (an unknown word, a bad number,
// an object outside a window, two objects of one name in one edition) makes
// the whole file invalid.
SkinParseResult parseSkin(const QString &text);

// The objects of `window` that belong to the edition (mode, variant), in
// file order (later objects lie on top).
QList<const SkinObjectDef *> skinObjectsFor(const SkinWindowDef &window, RunMode mode,
                                            BrandVariant variant);
// The colour of `role` for the edition: the last matching definition; a
// "#rrggbb" text stands for itself; `fallback` when neither.
QColor skinColour(const SkinWindowDef &window, const QString &role, RunMode mode,
                  BrandVariant variant, const QColor &fallback = QColor());
