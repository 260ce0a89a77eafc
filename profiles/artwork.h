// The picker's artwork, drawn with QPainter: the pictures the build writes
// into the "images" tree, and those designed into the window itself (shown
// until a file replaces them). Needs a QGuiApplication for its fonts.
#pragma once

#include "profiles/catalogue.h"
#include "profiles/picker.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <initializer_list>

namespace artwork {

// The square in the middle of `box` in which a glyph is drawn, addressed in
// unit coordinates (0 to 1 across and down). Sets the painter up for line
// art in `colour` (round caps and joins, a pen that grows with the size) and
// restores it when it ends.
class GlyphFrame
{
public:
    GlyphFrame(QPainter &painter, const QRectF &box, const QColor &colour, double penDivisor);
    ~GlyphFrame();
    GlyphFrame(const GlyphFrame &) = delete;
    GlyphFrame &operator=(const GlyphFrame &) = delete;
    QPointF at(double x, double y) const { return origin_ + QPointF(x * size_, y * size_); }
    QRectF rect(double x, double y, double w, double h) const
    {
        return QRectF(at(x, y), QSizeF(w * size_, h * size_));
    }
    double size() const { return size_; }
    // The outline through `points` (unit coordinates) in order, closed back
    // to the first point unless `closed` is false.
    QPainterPath path(std::initializer_list<QPointF> points, bool closed = true) const;

private:
    QPainter &painter_;
    double size_;
    QPointF origin_;
};

// The colour and title of category c (1 to 13; 14 and others: neutral).
QColor categoryColour(int c);
QString categoryTitle(int c);

// Button N's picture, normal or highlighted, at the size of its place.
QImage buttonPicture(int n, bool highlighted);
// Category c's image in the category column, normal or highlighted.
QImage categoryPicture(int c, bool highlighted);
// The header picture of category c for `im_mainico`.
QImage headerPicture(int c);
constexpr int headerWidth = 24;
constexpr int headerHeight = 22;

// Designed pictures: the header before any category is known, the blank
// image below the categories, and the two parts of a page strip.
QImage designedHeaderPicture();
QImage blankCategoryPicture();
QImage stripPicture(Panel panel, picker::StripPart part);

// The picture that belongs at `relativePath` (one of pictures::allPicturePaths);
// null for any other path.
QImage pictureForPath(const QString &relativePath);

} // namespace artwork
