#include "app/skinfile.h"

#include <QHash>
#include <QStringList>

namespace {

const QLatin1String magic("clipforge-skin");

// Splits a line into words at blanks; double quotes group blanks into a
// word and are dropped, and inside them a backslash takes the next
// character as it is ("\n" stands for a line break). False when a quote is
// left open.
bool splitWords(const QString &line, QStringList *words)
{
    QString word;
    bool inWord = false, quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar ch = line[i];
        if (quoted) {
            if (ch == QLatin1Char('\\') && i + 1 < line.size()) {
                const QChar next = line[++i];
                word += next == QLatin1Char('n') ? QChar(QLatin1Char('\n')) : next;
            }
            else if (ch == QLatin1Char('"'))
                quoted = false;
            else
                word += ch;
        } else if (ch == QLatin1Char('"')) {
            quoted = true;
            inWord = true;
        } else if (ch.isSpace()) {
            if (inWord)
                *words << word;
            word.clear();
            inWord = false;
        } else {
            word += ch;
            inWord = true;
        }
    }
    if (quoted)
        return false;
    if (inWord)
        *words << word;
    return true;
}

class Parser
{
public:
    SkinParseResult run(const QString &text);

private:
    bool fail(const QString &message)
    {
        if (result_.error.isEmpty()) {
            result_.error = message;
            result_.errorLine = line_;
        }
        return false;
    }
    bool parseLine(const QStringList &words);
    bool parseWindow(const QStringList &words);
    bool parseColours(const QStringList &words);
    bool parseObject(SkinObjectKind kind, const QStringList &words);
    bool parseAttribute(SkinObjectDef &object, const QString &key, const QString &value);
    bool parseEdition(SkinEdition &edition, const QString &key, const QString &value, bool *used);
    bool toInt(const QString &value, int *out, int low, int high);
    bool checkNames();

    SkinParseResult result_;
    int line_ = 0;
    bool sawMagic_ = false;
};

SkinParseResult Parser::run(const QString &text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &raw : lines) {
        ++line_;
        const QString trimmed = raw.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        QStringList words;
        if (!splitWords(trimmed, &words)) {
            fail(QStringLiteral("a quote is not closed"));
            break;
        }
        if (!parseLine(words))
            break;
    }
    if (result_.ok() && !sawMagic_) {
        line_ = 0;
        fail(QStringLiteral("not a skin file"));
    }
    if (result_.ok())
        checkNames();
    if (!result_.ok())
        result_.skin = SkinFileDef();
    return result_;
}

bool Parser::parseLine(const QStringList &words)
{
    const QString &keyword = words.first();
    if (!sawMagic_) {
        if (keyword != magic || words.size() != 2 || words[1] != QLatin1String("1"))
            return fail(QStringLiteral("not a skin file"));
        sawMagic_ = true;
        return true;
    }
    if (keyword == QLatin1String("window"))
        return parseWindow(words);
    if (result_.skin.windows.isEmpty())
        return fail(QStringLiteral("\"%1\" before the first window").arg(keyword));
    if (keyword == QLatin1String("color"))
        return parseColours(words);
    static const QHash<QString, SkinObjectKind> kinds{
        {QStringLiteral("button"), SkinObjectKind::Button},
        {QStringLiteral("text"), SkinObjectKind::Text},
        {QStringLiteral("slider"), SkinObjectKind::Slider},
        {QStringLiteral("label"), SkinObjectKind::Label},
        {QStringLiteral("box"), SkinObjectKind::Box}};
    const auto kind = kinds.constFind(keyword);
    if (kind == kinds.constEnd())
        return fail(QStringLiteral("unknown word \"%1\"").arg(keyword));
    return parseObject(kind.value(), words);
}

bool Parser::parseWindow(const QStringList &words)
{
    if (words.size() < 2 || words[1].contains(QLatin1Char('=')) || words[1].isEmpty())
        return fail(QStringLiteral("a window needs a name"));
    SkinWindowDef window;
    window.name = words[1];
    for (const SkinWindowDef &other : result_.skin.windows)
        if (other.name == window.name)
            return fail(QStringLiteral("window \"%1\" is defined twice").arg(window.name));
    for (qsizetype i = 2; i < words.size(); ++i) {
        const qsizetype eq = words[i].indexOf(QLatin1Char('='));
        const QString key = words[i].left(eq);
        const QString value = eq < 0 ? QString() : words[i].mid(eq + 1);
        if (key == QLatin1String("size")) {
            const QStringList parts = value.split(QLatin1Char('x'));
            int w = 0, h = 0;
            if (parts.size() != 2 || !toInt(parts[0], &w, 1, 10000) ||
                !toInt(parts[1], &h, 1, 10000))
                return fail(QStringLiteral("bad window size \"%1\"").arg(value));
            window.size = QSize(w, h);
        } else if (key == QLatin1String("title")) {
            window.title = value;
        } else {
            return fail(QStringLiteral("unknown window attribute \"%1\"").arg(key));
        }
    }
    if (!window.size.isValid())
        return fail(QStringLiteral("window \"%1\" needs a size").arg(window.name));
    result_.skin.windows << window;
    return true;
}

bool Parser::parseColours(const QStringList &words)
{
    SkinEdition edition;
    QList<SkinColourDef> colours;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const qsizetype eq = words[i].indexOf(QLatin1Char('='));
        if (eq <= 0)
            return fail(QStringLiteral("expected role=#rrggbb, found \"%1\"").arg(words[i]));
        const QString key = words[i].left(eq);
        const QString value = words[i].mid(eq + 1);
        bool used = false;
        if (!parseEdition(edition, key, value, &used))
            return false;
        if (used)
            continue;
        const QColor colour = QColor::fromString(value);
        if (!value.startsWith(QLatin1Char('#')) || !colour.isValid())
            return fail(QStringLiteral("bad colour \"%1\"").arg(value));
        colours << SkinColourDef{key, colour, {}};
    }
    if (colours.isEmpty())
        return fail(QStringLiteral("a color line names no colour"));
    for (SkinColourDef &c : colours) {
        c.edition = edition;
        result_.skin.windows.last().colours << c;
    }
    return true;
}

bool Parser::parseObject(SkinObjectKind kind, const QStringList &words)
{
    SkinObjectDef object;
    object.kind = kind;
    object.line = line_;
    qsizetype first = 1;
    const bool named = kind == SkinObjectKind::Button || kind == SkinObjectKind::Text ||
                       kind == SkinObjectKind::Slider;
    if (named) {
        if (words.size() < 2 || words[1].contains(QLatin1Char('=')) || words[1].isEmpty())
            return fail(QStringLiteral("\"%1\" needs a name").arg(words[0]));
        object.name = words[1];
        first = 2;
    }
    bool hasRect = false;
    for (qsizetype i = first; i < words.size(); ++i) {
        const qsizetype eq = words[i].indexOf(QLatin1Char('='));
        if (eq <= 0)
            return fail(QStringLiteral("expected key=value, found \"%1\"").arg(words[i]));
        const QString key = words[i].left(eq);
        const QString value = words[i].mid(eq + 1);
        if (key == QLatin1String("rect"))
            hasRect = true;
        if (!parseAttribute(object, key, value))
            return false;
    }
    if (!hasRect)
        return fail(QStringLiteral("\"%1\" needs a rect").arg(words[0]));
    if (kind == SkinObjectKind::Slider &&
        (object.minimum >= object.maximum || object.position < object.minimum ||
         object.position > object.maximum))
        return fail(QStringLiteral("slider \"%1\" has a bad range").arg(object.name));
    result_.skin.windows.last().objects << object;
    return true;
}

bool Parser::parseAttribute(SkinObjectDef &object, const QString &key, const QString &value)
{
    bool used = false;
    if (!parseEdition(object.edition, key, value, &used))
        return false;
    if (used)
        return true;
    if (key == QLatin1String("rect")) {
        const QStringList parts = value.split(QLatin1Char(','));
        int v[4] = {0, 0, 0, 0};
        if (parts.size() != 4 || !toInt(parts[0], &v[0], -10000, 10000) ||
            !toInt(parts[1], &v[1], -10000, 10000) || !toInt(parts[2], &v[2], 1, 10000) ||
            !toInt(parts[3], &v[3], 1, 10000))
            return fail(QStringLiteral("bad rect \"%1\"").arg(value));
        object.rect = QRect(v[0], v[1], v[2], v[3]);
    } else if (key == QLatin1String("caption") || key == QLatin1String("text")) {
        object.text = value;
    } else if (key == QLatin1String("icon")) {
        object.icon = value;
    } else if (key == QLatin1String("style")) {
        static const QStringList styles = {"tool", "primary", "secondary", "icon", "drop"};
        if (!styles.contains(value))
            return fail(QStringLiteral("unknown style \"%1\"").arg(value));
        object.style = value;
    } else if (key == QLatin1String("tip")) {
        object.tip = value;
    } else if (key == QLatin1String("align")) {
        static const QHash<QString, Qt::Alignment> aligns{
            {QStringLiteral("left"), Qt::AlignLeft | Qt::AlignVCenter},
            {QStringLiteral("center"), Qt::AlignHCenter | Qt::AlignVCenter},
            {QStringLiteral("right"), Qt::AlignRight | Qt::AlignVCenter}};
        const auto align = aligns.constFind(value);
        if (align == aligns.constEnd())
            return fail(QStringLiteral("unknown alignment \"%1\"").arg(value));
        object.align = align.value();
    } else if (key == QLatin1String("size")) {
        if (!toInt(value, &object.fontSize, 6, 72))
            return fail(QStringLiteral("bad font size \"%1\"").arg(value));
    } else if (key == QLatin1String("weight")) {
        if (value != QLatin1String("bold") && value != QLatin1String("normal"))
            return fail(QStringLiteral("unknown weight \"%1\"").arg(value));
        object.bold = value == QLatin1String("bold");
    } else if (key == QLatin1String("color")) {
        object.color = value;
    } else if (key == QLatin1String("fill")) {
        object.fill = value;
    } else if (key == QLatin1String("border")) {
        object.border = value;
    } else if (key == QLatin1String("radius")) {
        if (!toInt(value, &object.radius, 0, 1000))
            return fail(QStringLiteral("bad radius \"%1\"").arg(value));
    } else if (key == QLatin1String("fit")) {
        if (value != QLatin1String("shrink") && value != QLatin1String("none"))
            return fail(QStringLiteral("unknown fit \"%1\"").arg(value));
        object.shrink = value == QLatin1String("shrink");
    } else if (key == QLatin1String("min") || key == QLatin1String("max") ||
               key == QLatin1String("position")) {
        int *target = key == QLatin1String("min")   ? &object.minimum
                      : key == QLatin1String("max") ? &object.maximum
                                                    : &object.position;
        if (!toInt(value, target, -1000000000, 1000000000))
            return fail(QStringLiteral("bad number \"%1\"").arg(value));
    } else {
        return fail(QStringLiteral("unknown attribute \"%1\"").arg(key));
    }
    return true;
}

bool Parser::parseEdition(SkinEdition &edition, const QString &key, const QString &value,
                          bool *used)
{
    *used = false;
    if (key == QLatin1String("mode")) {
        *used = true;
        if (value == QLatin1String("file"))
            edition.mode = RunMode::File;
        else if (value == QLatin1String("dvd"))
            edition.mode = RunMode::Dvd;
        else
            return fail(QStringLiteral("unknown mode \"%1\"").arg(value));
    } else if (key == QLatin1String("variant")) {
        *used = true;
        if (value == QLatin1String("A"))
            edition.variant = BrandVariant::A;
        else if (value == QLatin1String("B"))
            edition.variant = BrandVariant::B;
        else
            return fail(QStringLiteral("unknown variant \"%1\"").arg(value));
    }
    return true;
}

bool Parser::toInt(const QString &value, int *out, int low, int high)
{
    bool ok = false;
    const int v = value.trimmed().toInt(&ok);
    if (!ok || v < low || v > high)
        return false;
    *out = v;
    return true;
}

// A name stands for one object in every edition: two objects of one name
// may exist only when no edition holds both.
bool Parser::checkNames()
{
    for (const SkinWindowDef &window : result_.skin.windows) {
        for (RunMode mode : {RunMode::File, RunMode::Dvd}) {
            for (BrandVariant variant : {BrandVariant::A, BrandVariant::B}) {
                QHash<QString, const SkinObjectDef *> seen;
                for (const SkinObjectDef *object : skinObjectsFor(window, mode, variant)) {
                    if (object->name.isEmpty())
                        continue;
                    if (const SkinObjectDef *other = seen.value(object->name)) {
                        line_ = object->line;
                        return fail(QStringLiteral("\"%1\" is already defined on line %2")
                                        .arg(object->name)
                                        .arg(other->line));
                    }
                    seen.insert(object->name, object);
                }
            }
        }
        // One name is one object: its kind stays the same in every edition.
        QHash<QString, SkinObjectKind> kinds;
        for (const SkinObjectDef &object : window.objects) {
            if (object.name.isEmpty())
                continue;
            const auto known = kinds.constFind(object.name);
            if (known != kinds.constEnd() && known.value() != object.kind) {
                line_ = object.line;
                return fail(QStringLiteral("\"%1\" changes its kind").arg(object.name));
            }
            kinds.insert(object.name, object.kind);
        }
    }
    return true;
}

} // namespace

const SkinWindowDef *SkinFileDef::window(const QString &name) const
{
    for (const SkinWindowDef &w : windows)
        if (w.name == name)
            return &w;
    return nullptr;
}

SkinParseResult parseSkin(const QString &text)
{
    Parser parser;
    return parser.run(text);
}

QList<const SkinObjectDef *> skinObjectsFor(const SkinWindowDef &window, RunMode mode,
                                            BrandVariant variant)
{
    QList<const SkinObjectDef *> objects;
    for (const SkinObjectDef &object : window.objects)
        if (object.edition.matches(mode, variant))
            objects << &object;
    return objects;
}

QColor skinColour(const SkinWindowDef &window, const QString &role, RunMode mode,
                  BrandVariant variant, const QColor &fallback)
{
    QColor found;
    for (const SkinColourDef &c : window.colours)
        if (c.role == role && c.edition.matches(mode, variant))
            found = c.colour;
    if (found.isValid())
        return found;
    if (role.startsWith(QLatin1Char('#'))) {
        const QColor direct = QColor::fromString(role);
        if (direct.isValid())
            return direct;
    }
    return fallback;
}
