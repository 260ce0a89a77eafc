#include "profiles/artwork.h"

#include "profiles/images.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace artwork {

namespace {

const QColor ink(0x1f, 0x29, 0x37);
const QColor muted(0x6b, 0x72, 0x80);
const QColor faint(0x9c, 0xa3, 0xaf);
const QColor divider(0xe5, 0xe8, 0xee);
const QColor paper(0xff, 0xff, 0xff);
const QColor columnPaper(0xf6, 0xf7, 0xfa);

QFont font(int pixelSize, QFont::Weight weight = QFont::Normal)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setWeight(weight);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QImage canvas(QSize size, const QColor &fill)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// `colour` mixed into white: 0 gives white, 1 the colour itself.
QColor tint(const QColor &colour, double amount)
{
    return QColor::fromRgbF(1.0 - (1.0 - colour.redF()) * amount,
                            1.0 - (1.0 - colour.greenF()) * amount,
                            1.0 - (1.0 - colour.blueF()) * amount);
}

// A small picture of category c inside `box`, drawn in `colour`.
void drawGlyph(QPainter &p, const QRectF &box, int c, const QColor &colour)
{
    const GlyphFrame g(p, box, colour, 11.0);
    const double s = g.size();
    const auto at = [&g](double x, double y) { return g.at(x, y); };
    const auto rect = [&g](double x, double y, double w, double h) { return g.rect(x, y, w, h); };
    switch (c) {
    case 1: // a film frame with a play mark
        p.drawRoundedRect(rect(0.08, 0.2, 0.84, 0.6), s * 0.1, s * 0.1);
        p.fillPath(g.path({{0.42, 0.36}, {0.64, 0.5}, {0.42, 0.64}}), colour);
        break;
    case 2: { // a note
        p.setBrush(colour);
        p.drawEllipse(rect(0.2, 0.62, 0.22, 0.18));
        p.drawEllipse(rect(0.58, 0.54, 0.22, 0.18));
        p.setBrush(Qt::NoBrush);
        p.drawLine(at(0.42, 0.7), at(0.42, 0.2));
        p.drawLine(at(0.8, 0.62), at(0.8, 0.12));
        p.drawLine(at(0.42, 0.2), at(0.8, 0.12));
        break;
    }
    case 3: // a player with a wheel
        p.drawRoundedRect(rect(0.24, 0.08, 0.52, 0.84), s * 0.1, s * 0.1);
        p.drawRect(rect(0.33, 0.17, 0.34, 0.26));
        p.drawEllipse(rect(0.38, 0.54, 0.24, 0.24));
        break;
    case 4: // a tall phone with a home button
    case 5:
        p.drawRoundedRect(rect(0.27, 0.06, 0.46, 0.88), s * 0.1, s * 0.1);
        if (c == 4) {
            p.drawEllipse(rect(0.46, 0.78, 0.08, 0.08));
        } else {
            p.drawLine(at(0.42, 0.16), at(0.58, 0.16));
            p.drawLine(at(0.27, 0.76), at(0.73, 0.76));
        }
        break;
    case 6: // a screen on a stand
        p.drawRoundedRect(rect(0.08, 0.16, 0.84, 0.54), s * 0.06, s * 0.06);
        p.drawLine(at(0.34, 0.86), at(0.66, 0.86));
        p.drawLine(at(0.5, 0.7), at(0.5, 0.86));
        break;
    case 7: { // a handheld console
        p.drawRoundedRect(rect(0.04, 0.3, 0.92, 0.4), s * 0.18, s * 0.18);
        p.drawRect(rect(0.3, 0.38, 0.4, 0.24));
        p.setBrush(colour);
        p.drawEllipse(rect(0.1, 0.45, 0.1, 0.1));
        p.drawEllipse(rect(0.8, 0.45, 0.1, 0.1));
        break;
    }
    case 8: // a round badge with a cross
        p.drawEllipse(rect(0.1, 0.1, 0.8, 0.8));
        p.drawLine(at(0.33, 0.33), at(0.67, 0.67));
        p.drawLine(at(0.67, 0.33), at(0.33, 0.67));
        break;
    case 9: { // a phone with keys
        p.drawRoundedRect(rect(0.28, 0.06, 0.44, 0.88), s * 0.08, s * 0.08);
        p.drawRect(rect(0.36, 0.15, 0.28, 0.25));
        p.setBrush(colour);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                p.drawEllipse(rect(0.37 + col * 0.1, 0.5 + row * 0.11, 0.05, 0.05));
        break;
    }
    case 10: // a handheld computer with a pen
        p.drawRoundedRect(rect(0.18, 0.08, 0.5, 0.84), s * 0.06, s * 0.06);
        p.drawRect(rect(0.25, 0.16, 0.36, 0.5));
        p.drawLine(at(0.82, 0.14), at(0.82, 0.86));
        break;
    case 11: // a player with a screen and buttons
        p.drawRoundedRect(rect(0.06, 0.22, 0.88, 0.56), s * 0.1, s * 0.1);
        p.drawRect(rect(0.14, 0.3, 0.5, 0.4));
        p.drawEllipse(rect(0.72, 0.4, 0.14, 0.14));
        break;
    case 12: { // "HD"
        p.drawRoundedRect(rect(0.04, 0.2, 0.92, 0.6), s * 0.1, s * 0.1);
        QFont f = font(std::max(6, static_cast<int>(s * 0.42)), QFont::Bold);
        p.setFont(f);
        p.drawText(rect(0.04, 0.2, 0.92, 0.6), Qt::AlignCenter, QStringLiteral("HD"));
        break;
    }
    case 13: // a flash
        p.fillPath(g.path({{0.58, 0.06},
                           {0.22, 0.56},
                           {0.48, 0.56},
                           {0.4, 0.94},
                           {0.78, 0.42},
                           {0.52, 0.42}}),
                   colour);
        break;
    default: // a stack of formats
        p.drawRoundedRect(rect(0.16, 0.16, 0.68, 0.2), s * 0.04, s * 0.04);
        p.drawRoundedRect(rect(0.16, 0.42, 0.68, 0.2), s * 0.04, s * 0.04);
        p.drawRoundedRect(rect(0.16, 0.68, 0.68, 0.2), s * 0.04, s * 0.04);
        break;
    }
}

void drawChevron(QPainter &p, const QRectF &box, const QColor &colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(colour, 1.8);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    const QPointF c = box.center();
    p.drawPolyline(QPolygonF({c + QPointF(-2.5, -5), c + QPointF(2.5, 0), c + QPointF(-2.5, 5)}));
    p.restore();
}

// Splits a display name into its title and its extension in capitals:
// "AVI-DivX Movie(*.avi)" gives "AVI-DivX Movie" and "AVI".
void splitName(const QString &name, QString *title, QString *extension)
{
    const qsizetype open = name.lastIndexOf(QStringLiteral("(*"));
    *title = (open > 0 ? name.left(open) : name).trimmed();
    QString ext = profileExtension(name);
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    *extension = ext.toUpper();
}

// Draws `text` word-wrapped into `box` (`maxLines` lines at most), shrinking
// the font a little before eliding.
void drawTitle(QPainter &p, const QRect &box, const QString &text, const QColor &colour,
               int maxLines)
{
    p.setPen(colour);
    for (int size : {13, 12, 11}) {
        const QFont f = font(size, QFont::DemiBold);
        const QFontMetrics m(f);
        const QRect needed = m.boundingRect(box, Qt::TextWordWrap | Qt::AlignVCenter, text);
        if (needed.height() <= box.height() && needed.width() <= box.width() &&
            needed.height() <= maxLines * m.lineSpacing() + 1) {
            p.setFont(f);
            p.drawText(box, Qt::TextWordWrap | Qt::AlignVCenter | Qt::AlignLeft, text);
            return;
        }
    }
    const QFont f = font(11, QFont::DemiBold);
    p.setFont(f);
    p.drawText(box, Qt::AlignVCenter | Qt::AlignLeft,
               QFontMetrics(f).elidedText(text, Qt::ElideRight, box.width()));
}

// The extension badge at the button's left.
void drawBadge(QPainter &p, const QRectF &box, const QString &text, const QColor &fill,
               const QColor &textColour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(box, 5, 5);
    QFont f = font(text.size() > 3 ? 10 : 11, QFont::Bold);
    p.setFont(f);
    p.setPen(textColour);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

QImage namedButton(int n, const CatalogueEntry &entry, const QRect &place, bool highlighted)
{
    const int c = picker::categoryOfProfile(n);
    const QColor colour = categoryColour(c);
    const bool inert = entry.kind == ButtonKind::Inert;
    QImage image = canvas(place.size(), highlighted ? colour : paper);
    QPainter p(&image);
    QString title, extension;
    splitName(QString::fromUtf16(entry.displayName), &title, &extension);

    const int h = place.height();
    if (!highlighted) {
        p.setPen(divider);
        p.drawLine(0, h - 1, place.width(), h - 1);
    }
    const QRectF badge(12, (h - 26) / 2.0, 44, 26);
    if (inert)
        drawBadge(p, badge, extension, QColor(0xe5, 0xe7, 0xeb), faint);
    else if (highlighted)
        drawBadge(p, badge, extension, paper, colour.darker(115));
    else
        drawBadge(p, badge, extension, colour, paper);

    // A fly-out opens over the right part of General Video's first page
    // (180 or 220 pixels from its left edge), so that page's titles keep to
    // the part that stays in view.
    const bool family = entry.kind == ButtonKind::Family;
    const bool firstPage = entry.panel == Panel::pl_video1;
    const int right = firstPage ? 176 : place.width() - 12;
    const QRect titleBox(66, 2, right - 66, h - 4);
    drawTitle(p, titleBox, title, inert ? faint : highlighted ? paper : ink, firstPage ? 3 : 2);
    if (family)
        drawChevron(p, QRectF(place.width() - 26, 0, 16, h), highlighted ? paper : muted);
    if (picker::isFlyOut(entry.panel)) {
        // The fly-out's own edge against the page it covers.
        p.setPen(highlighted ? colour.darker(130) : QColor(0xc5, 0xcc, 0xd6));
        p.drawLine(0, 0, 0, h);
    }
    return image;
}

// The images without a name: the bottom of a panel, a quiet surface with the
// category's picture when there is room for it.
QImage fillerButton(int n, const QRect &place, bool highlighted)
{
    const int c = picker::categoryOfProfile(n);
    const QColor colour = categoryColour(c);
    QImage image = canvas(place.size(), highlighted ? tint(colour, 0.14) : QColor(0xfa, 0xfb, 0xfc));
    QPainter p(&image);
    p.setPen(divider);
    p.drawLine(0, 0, place.width(), 0);
    if (picker::isFlyOut(catalogueEntry(n)->panel)) {
        p.setPen(QColor(0xc5, 0xcc, 0xd6));
        p.drawLine(0, 0, 0, place.height());
    }
    if (place.height() >= 60) {
        const int size = std::min(64, place.height() - 24);
        drawGlyph(p, QRectF((place.width() - size) / 2.0, (place.height() - size) / 2.0, size, size),
                  c, tint(colour, highlighted ? 0.45 : 0.22));
    }
    return image;
}

} // namespace

GlyphFrame::GlyphFrame(QPainter &painter, const QRectF &box, const QColor &colour,
                       double penDivisor)
    : painter_(painter), size_(std::min(box.width(), box.height())),
      origin_(box.center() - QPointF(size_ / 2, size_ / 2))
{
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    QPen pen(colour, std::max(1.2, size_ / penDivisor));
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

GlyphFrame::~GlyphFrame()
{
    painter_.restore();
}

QPainterPath GlyphFrame::path(std::initializer_list<QPointF> points, bool closed) const
{
    QPainterPath outline;
    for (const QPointF &point : points) {
        if (outline.elementCount() == 0)
            outline.moveTo(at(point.x(), point.y()));
        else
            outline.lineTo(at(point.x(), point.y()));
    }
    if (closed)
        outline.closeSubpath();
    return outline;
}

QColor categoryColour(int c)
{
    static const QColor colours[picker::categoryCount] = {
        QColor(0x25, 0x63, 0xeb), // General Video
        QColor(0x93, 0x33, 0xea), // Audio
        QColor(0x47, 0x55, 0x69), // iPod
        QColor(0x08, 0x91, 0xb2), // iPhone
        QColor(0x16, 0xa3, 0x4a), // GPhone
        QColor(0x33, 0x41, 0x55), // Apple TV
        QColor(0x43, 0x38, 0xca), // PSP / PS3
        QColor(0x4d, 0x7c, 0x0f), // Xbox 360
        QColor(0xea, 0x58, 0x0c), // Mobile phones
        QColor(0x02, 0x84, 0xc7), // Pocket PC
        QColor(0xdb, 0x27, 0x77), // Media players
        QColor(0xdc, 0x26, 0x26), // HD video
        QColor(0xd9, 0x77, 0x06), // Animation
    };
    if (c >= 1 && c <= picker::categoryCount)
        return colours[c - 1];
    return QColor(0x6b, 0x72, 0x80);
}

QString categoryTitle(int c)
{
    static const char *const titles[picker::categoryCount] = {
        "General Video", "Audio",     "iPod",          "iPhone",   "GPhone",
        "Apple TV",      "PSP / PS3", "Xbox 360",      "Mobile Phone", "Pocket PC",
        "Media Players", "HD Video",  "Flash Animation"};
    if (c >= 1 && c <= picker::categoryCount)
        return QString::fromLatin1(titles[c - 1]);
    return QStringLiteral("Profiles");
}

QImage buttonPicture(int n, bool highlighted)
{
    const CatalogueEntry *entry = catalogueEntry(n);
    if (!entry)
        return QImage();
    const QRect place = picker::buttonRect(n);
    if (entry->displayName)
        return namedButton(n, *entry, place, highlighted);
    return fillerButton(n, place, highlighted);
}

QImage categoryPicture(int c, bool highlighted)
{
    const QRect place = picker::categoryRect(c);
    if (place.isNull())
        return QImage();
    const QColor colour = categoryColour(c);
    QImage image = canvas(place.size(), highlighted ? colour : columnPaper);
    QPainter p(&image);
    const int h = place.height();
    const int top = h - 25; // the first image is taller; its content sits at the bottom
    if (!highlighted) {
        p.setPen(divider);
        p.drawLine(0, h - 1, place.width(), h - 1);
    }
    drawGlyph(p, QRectF(8, top + 4, 17, 17), c, highlighted ? paper : colour);
    p.setFont(font(12, highlighted ? QFont::DemiBold : QFont::Normal));
    p.setPen(highlighted ? paper : ink);
    p.drawText(QRect(32, top, place.width() - 50, 25), Qt::AlignVCenter | Qt::AlignLeft,
               categoryTitle(c));
    drawChevron(p, QRectF(place.width() - 18, top, 12, 25), highlighted ? paper : faint);
    return image;
}

QImage headerPicture(int c)
{
    QImage image = canvas(QSize(headerWidth, headerHeight), paper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(categoryColour(c));
    p.drawRoundedRect(QRectF(1, 0, 22, 22), 5, 5);
    drawGlyph(p, QRectF(4, 3, 16, 16), c, paper);
    return image;
}

QImage designedHeaderPicture()
{
    return headerPicture(pictures::headerCount);
}

QImage blankCategoryPicture()
{
    const QRect place = picker::blankCategoryRect();
    return canvas(place.size(), columnPaper);
}

QImage stripPicture(Panel panel, picker::StripPart part)
{
    const QRect place = picker::stripRect(panel, part);
    if (place.isNull())
        return QImage();
    const bool firstPage = panel == Panel::pl_video1 || panel == Panel::pl_audio1;
    const int c = panel == Panel::pl_video1 || panel == Panel::pl_video2 ? 1 : 2;
    QImage image = canvas(place.size(), QColor(0xf3, 0xf4, 0xf6));
    QPainter p(&image);
    p.setPen(divider);
    p.drawLine(0, 0, place.width(), 0);
    p.setFont(font(10));
    if (part == picker::StripPart::Blank) {
        p.setPen(muted);
        p.drawText(QRect(10, 0, place.width() - 10, place.height()),
                   Qt::AlignVCenter | Qt::AlignLeft,
                   firstPage ? QStringLiteral("Page 1 of 2") : QStringLiteral("Page 2 of 2"));
    } else {
        p.setFont(font(10, QFont::DemiBold));
        p.setPen(categoryColour(c));
        p.drawText(QRect(0, 0, place.width() - 6, place.height()), Qt::AlignCenter,
                   firstPage ? QStringLiteral("More \u203a") : QStringLiteral("\u2039 Back"));
    }
    return image;
}

QImage pictureForPath(const QString &relativePath)
{
    for (const pictures::PictureFile &file : pictures::allPictureFiles()) {
        if (file.path != relativePath)
            continue;
        switch (file.kind) {
        case pictures::PictureFile::Kind::Category:
            return categoryPicture(file.number, file.highlighted);
        case pictures::PictureFile::Kind::Header:
            return headerPicture(file.number);
        case pictures::PictureFile::Kind::Button:
            return buttonPicture(file.number, file.highlighted);
        }
    }
    return QImage();
}

} // namespace artwork
