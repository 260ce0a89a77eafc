#include "app/skin.h"

#include "profiles/artwork.h"

#include <QFile>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace {

// The glyphs skin objects and menus may show, drawn in `box` with `colour`.
void drawGlyph(QPainter &p, const QRectF &box, const QString &glyph, const QColor &colour)
{
    const artwork::GlyphFrame g(p, box, colour, 12.0);
    const double s = g.size();
    const auto at = [&g](double x, double y) { return g.at(x, y); };
    const auto rect = [&g](double x, double y, double w, double h) { return g.rect(x, y, w, h); };
    const auto folder = [&] {
        p.drawPath(g.path(
            {{0.08, 0.24}, {0.38, 0.24}, {0.46, 0.34}, {0.92, 0.34}, {0.92, 0.82}, {0.08, 0.82}}));
    };
    const auto page = [&] {
        p.drawPath(g.path({{0.2, 0.06}, {0.6, 0.06}, {0.8, 0.26}, {0.8, 0.94}, {0.2, 0.94}}));
        p.drawPolyline(QPolygonF({at(0.6, 0.06), at(0.6, 0.26), at(0.8, 0.26)}));
    };

    if (glyph == QLatin1String("addfiles")) {
        page();
        p.drawLine(at(0.5, 0.44), at(0.5, 0.76));
        p.drawLine(at(0.34, 0.6), at(0.66, 0.6));
    } else if (glyph == QLatin1String("addfolder") || glyph == QLatin1String("browse")) {
        folder();
        if (glyph == QLatin1String("addfolder")) {
            p.drawLine(at(0.5, 0.46), at(0.5, 0.72));
            p.drawLine(at(0.37, 0.59), at(0.63, 0.59));
        } else {
            p.setBrush(colour);
            for (double x : {0.34, 0.5, 0.66})
                p.drawEllipse(at(x, 0.6), s * 0.035, s * 0.035);
        }
    } else if (glyph == QLatin1String("open")) {
        p.drawPolyline(QPolygonF({at(0.5, 0.16), at(0.16, 0.16), at(0.16, 0.84), at(0.84, 0.84),
                                  at(0.84, 0.5)}));
        p.drawLine(at(0.48, 0.52), at(0.86, 0.14));
        p.drawPolyline(QPolygonF({at(0.6, 0.14), at(0.86, 0.14), at(0.86, 0.4)}));
    } else if (glyph == QLatin1String("remove")) {
        p.drawLine(at(0.16, 0.24), at(0.84, 0.24));
        p.drawPolyline(QPolygonF({at(0.38, 0.24), at(0.4, 0.1), at(0.6, 0.1), at(0.62, 0.24)}));
        p.drawPath(g.path({{0.24, 0.24}, {0.3, 0.9}, {0.7, 0.9}, {0.76, 0.24}}, false));
        p.drawLine(at(0.44, 0.4), at(0.44, 0.74));
        p.drawLine(at(0.56, 0.4), at(0.56, 0.74));
    } else if (glyph == QLatin1String("clear")) {
        for (double y : {0.22, 0.42, 0.62})
            p.drawLine(at(0.1, y), at(0.6, y));
        p.drawLine(at(0.1, 0.82), at(0.4, 0.82));
        p.drawLine(at(0.58, 0.62), at(0.88, 0.92));
        p.drawLine(at(0.88, 0.62), at(0.58, 0.92));
    } else if (glyph == QLatin1String("convert")) {
        QPainterPath arc;
        arc.arcMoveTo(rect(0.14, 0.14, 0.72, 0.72), 30);
        arc.arcTo(rect(0.14, 0.14, 0.72, 0.72), 30, 150);
        p.drawPath(arc);
        QPainterPath arc2;
        arc2.arcMoveTo(rect(0.14, 0.14, 0.72, 0.72), 210);
        arc2.arcTo(rect(0.14, 0.14, 0.72, 0.72), 210, 150);
        p.drawPath(arc2);
        p.fillPath(g.path({{0.05, 0.42}, {0.28, 0.42}, {0.165, 0.6}}), colour);
        p.fillPath(g.path({{0.72, 0.58}, {0.95, 0.58}, {0.835, 0.4}}), colour);
    } else if (glyph == QLatin1String("stop") || glyph == QLatin1String("stopplay")) {
        p.setBrush(colour);
        p.drawRoundedRect(rect(0.26, 0.26, 0.48, 0.48), s * 0.06, s * 0.06);
    } else if (glyph == QLatin1String("play")) {
        p.setPen(Qt::NoPen);
        p.fillPath(g.path({{0.3, 0.18}, {0.84, 0.5}, {0.3, 0.82}}), colour);
    } else if (glyph == QLatin1String("pause")) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRoundedRect(rect(0.26, 0.2, 0.16, 0.6), s * 0.03, s * 0.03);
        p.drawRoundedRect(rect(0.58, 0.2, 0.16, 0.6), s * 0.03, s * 0.03);
    } else if (glyph == QLatin1String("settings")) {
        p.drawEllipse(rect(0.36, 0.36, 0.28, 0.28));
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4;
            p.drawLine(box.center() + QPointF(std::cos(a), std::sin(a)) * s * 0.27,
                       box.center() + QPointF(std::cos(a), std::sin(a)) * s * 0.42);
        }
        p.drawEllipse(rect(0.22, 0.22, 0.56, 0.56));
    } else if (glyph == QLatin1String("help") || glyph == QLatin1String("about")) {
        p.drawEllipse(rect(0.1, 0.1, 0.8, 0.8));
        QFont f = p.font();
        f.setPixelSize(std::max(7, static_cast<int>(s * 0.55)));
        f.setBold(true);
        p.setFont(f);
        p.drawText(rect(0.1, 0.1, 0.8, 0.82), Qt::AlignCenter,
                   glyph == QLatin1String("help") ? QStringLiteral("?") : QStringLiteral("i"));
    } else if (glyph == QLatin1String("menu")) {
        for (double y : {0.28, 0.5, 0.72})
            p.drawLine(at(0.18, y), at(0.82, y));
    } else if (glyph == QLatin1String("drop")) {
        p.drawPolyline(QPolygonF({at(0.28, 0.4), at(0.5, 0.62), at(0.72, 0.4)}));
    } else if (glyph == QLatin1String("dvd")) {
        p.drawEllipse(rect(0.08, 0.08, 0.84, 0.84));
        p.drawEllipse(rect(0.4, 0.4, 0.2, 0.2));
        QPainterPath shine;
        shine.arcMoveTo(rect(0.22, 0.22, 0.56, 0.56), 100);
        shine.arcTo(rect(0.22, 0.22, 0.56, 0.56), 100, 60);
        p.drawPath(shine);
    } else if (glyph == QLatin1String("ifo")) {
        page();
        QFont f = p.font();
        f.setPixelSize(std::max(6, static_cast<int>(s * 0.26)));
        f.setBold(true);
        p.setFont(f);
        p.drawText(rect(0.2, 0.4, 0.6, 0.4), Qt::AlignCenter, QStringLiteral("IFO"));
    } else if (glyph == QLatin1String("chapter")) {
        p.setBrush(colour);
        for (double y : {0.24, 0.5, 0.76}) {
            p.drawEllipse(at(0.16, y), s * 0.04, s * 0.04);
            p.drawLine(at(0.32, y), at(0.86, y));
        }
    } else if (glyph == QLatin1String("audio")) {
        p.drawPath(g.path(
            {{0.1, 0.38}, {0.3, 0.38}, {0.52, 0.18}, {0.52, 0.82}, {0.3, 0.62}, {0.1, 0.62}}));
        QPainterPath wave;
        wave.arcMoveTo(rect(0.4, 0.26, 0.4, 0.48), -45);
        wave.arcTo(rect(0.4, 0.26, 0.4, 0.48), -45, 90);
        p.drawPath(wave);
    } else if (glyph == QLatin1String("subtitle")) {
        p.drawRoundedRect(rect(0.06, 0.2, 0.88, 0.6), s * 0.08, s * 0.08);
        p.drawLine(at(0.2, 0.44), at(0.5, 0.44));
        p.drawLine(at(0.58, 0.44), at(0.8, 0.44));
        p.drawLine(at(0.2, 0.62), at(0.4, 0.62));
        p.drawLine(at(0.48, 0.62), at(0.8, 0.62));
    } else if (glyph == QLatin1String("selectall")) {
        p.drawRoundedRect(rect(0.12, 0.12, 0.76, 0.76), s * 0.1, s * 0.1);
        p.drawPolyline(QPolygonF({at(0.3, 0.52), at(0.44, 0.66), at(0.72, 0.36)}));
    } else if (glyph == QLatin1String("logo")) {
        QLinearGradient gradient(box.topLeft(), box.bottomRight());
        gradient.setColorAt(0, colour.lighter(135));
        gradient.setColorAt(1, colour.darker(110));
        p.setPen(Qt::NoPen);
        p.setBrush(gradient);
        p.drawRoundedRect(rect(0.02, 0.02, 0.96, 0.96), s * 0.24, s * 0.24);
        p.fillPath(g.path({{0.38, 0.26}, {0.76, 0.5}, {0.38, 0.74}}), Qt::white);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawRoundedRect(rect(0.2, 0.26, 0.1, 0.48), s * 0.03, s * 0.03);
    } else if (glyph == QLatin1String("output")) {
        folder();
    }
}

QFont skinFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setWeight(bold ? QFont::DemiBold : QFont::Normal);
    return f;
}

} // namespace

// ---- TSkinObject ------------------------------------------------------------

TSkinObject::TSkinObject(TSkin *skin, const SkinObjectDef &def)
    : QObject(skin), kind_(def.kind), text_(def.text), position_(def.position),
      minimum_(def.minimum), maximum_(def.maximum)
{
    setObjectName(def.name);
}

void TSkinObject::setText(const QString &text)
{
    text_ = text;
}

void TSkinObject::setPosition(int position)
{
    position_ = std::clamp(position, minimum_, maximum_);
}

void TSkinObject::redraw()
{
    static_cast<TSkin *>(parent())->redrawObject(name());
}

// ---- TSkin ------------------------------------------------------------------

TSkin::TSkin(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Skin1"));
    setMouseTracking(true);
}

TSkin::~TSkin() = default;

void TSkin::clear()
{
    qDeleteAll(objects_);
    objects_.clear();
    window_ = nullptr;
    hovered_.clear();
    pressed_.clear();
    unsetCursor();
    update();
}

bool TSkin::loadSkinFile(const QString &path)
{
    clear();
    file_ = SkinFileDef();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        loadError_ = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    const SkinParseResult parsed = parseSkin(QString::fromUtf8(file.readAll()));
    if (!parsed.ok() || parsed.skin.windows.isEmpty()) {
        loadError_ = QStringLiteral("%1:%2: %3")
                         .arg(path)
                         .arg(parsed.errorLine)
                         .arg(parsed.ok() ? QStringLiteral("no window skin") : parsed.error);
        return false;
    }
    loadError_.clear();
    file_ = parsed.skin;
    return applyWindowSkin(file_.windows.first().name);
}

bool TSkin::applyWindowSkin(const QString &name)
{
    clear();
    window_ = file_.window(name);
    if (!window_)
        return false;
    for (const SkinObjectDef &def : window_->objects)
        if (!def.name.isEmpty() && !objects_.contains(def.name))
            objects_.insert(def.name, new TSkinObject(this, def));
    update();
    return true;
}

void TSkin::setEdition(RunMode mode, BrandVariant variant)
{
    mode_ = mode;
    variant_ = variant;
    hovered_.clear();
    pressed_.clear();
    update();
}

TSkinObject *TSkin::findObject(const QString &name) const
{
    return objects_.value(name, nullptr);
}

QList<const SkinObjectDef *> TSkin::visibleObjects() const
{
    if (!window_)
        return {};
    return skinObjectsFor(*window_, mode_, variant_);
}

const SkinObjectDef *TSkin::visibleDef(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    for (const SkinObjectDef *def : visibleObjects())
        if (def->name == name)
            return def;
    return nullptr;
}

QRect TSkin::objectRect(const QString &name) const
{
    const SkinObjectDef *def = visibleDef(name);
    return def ? def->rect : QRect();
}

QString TSkin::objectAt(const QPoint &point) const
{
    // Buttons and sliders take the mouse before the text objects they carry.
    const QList<const SkinObjectDef *> objects = visibleObjects();
    QString text;
    for (auto it = objects.crbegin(); it != objects.crend(); ++it) {
        const SkinObjectDef &def = **it;
        if (def.name.isEmpty() || !def.rect.contains(point))
            continue;
        if (def.kind != SkinObjectKind::Text)
            return def.name;
        if (text.isEmpty())
            text = def.name;
    }
    return text;
}

QColor TSkin::colour(const QString &role, const QColor &fallback) const
{
    if (!window_)
        return fallback;
    return skinColour(*window_, role, mode_, variant_, fallback);
}

QIcon TSkin::glyphIcon(const QString &glyph, const QColor &colour, int size)
{
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(size * scale, size * scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        drawGlyph(p, QRectF(0, 0, size * scale, size * scale), glyph, colour);
        p.end();
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

void TSkin::redrawObject(const QString &name)
{
    const QRect r = objectRect(name);
    if (!r.isNull())
        update(r.adjusted(-2, -2, 2, 2));
}

void TSkin::setHovered(const QString &name)
{
    if (name == hovered_)
        return;
    redrawObject(hovered_);
    hovered_ = name;
    redrawObject(hovered_);
    const SkinObjectDef *def = visibleDef(name);
    if (def && (def->kind == SkinObjectKind::Button || def->kind == SkinObjectKind::Slider))
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void TSkin::dragSlider(const QString &name, int x)
{
    const SkinObjectDef *def = visibleDef(name);
    TSkinObject *object = findObject(name);
    if (!def || !object || def->kind != SkinObjectKind::Slider)
        return;
    const int span = std::max(1, def->rect.width() - 1);
    const double fraction = std::clamp((x - def->rect.left()) / double(span), 0.0, 1.0);
    object->setPosition(object->minimum() +
                        qRound(fraction * (object->maximum() - object->minimum())));
    object->redraw();
}

void TSkin::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressed_ = objectAt(event->position().toPoint());
    redrawObject(pressed_);
    const QString name = pressed_;
    emit objectPressed(name);
    dragSlider(name, event->position().toPoint().x());
}

void TSkin::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (!pressed_.isEmpty() && (event->buttons() & Qt::LeftButton)) {
        dragSlider(pressed_, point.x());
        return;
    }
    setHovered(objectAt(point));
}

void TSkin::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    const QString name = pressed_;
    dragSlider(name, point.x());
    pressed_.clear();
    redrawObject(name);
    const QString under = objectAt(point);
    // A click is a press and a release on the same object.
    if (under == name)
        emit objectClicked(name);
    emit objectReleased(name);
    setHovered(under);
}

void TSkin::leaveEvent(QEvent *event)
{
    setHovered(QString());
    QWidget::leaveEvent(event);
}

bool TSkin::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QList<const SkinObjectDef *> objects = visibleObjects();
        for (auto it = objects.crbegin(); it != objects.crend(); ++it) {
            if ((*it)->kind != SkinObjectKind::Box && (*it)->rect.contains(help->pos())) {
                if ((*it)->tip.isEmpty())
                    break;
                QToolTip::showText(help->globalPos(), (*it)->tip, this, (*it)->rect);
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

// ---- Drawing ------------------------------------------------------------------

void TSkin::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!window_) {
        p.fillRect(rect(), palette().window());
        return;
    }
    p.fillRect(rect(), colour(QStringLiteral("background"), palette().window().color()));
    for (const SkinObjectDef *def : visibleObjects())
        paintObject(p, *def);
}

void TSkin::paintObject(QPainter &p, const SkinObjectDef &def) const
{
    p.save();
    switch (def.kind) {
    case SkinObjectKind::Button:
        paintButton(p, def);
        break;
    case SkinObjectKind::Text:
        paintText(p, def);
        break;
    case SkinObjectKind::Slider:
        paintSlider(p, def);
        break;
    case SkinObjectKind::Label:
    case SkinObjectKind::Box:
        paintLabelOrBox(p, def);
        break;
    }
    p.restore();
}

void TSkin::paintButton(QPainter &p, const SkinObjectDef &def) const
{
    const bool hover = hovered_ == def.name;
    const bool down = pressed_ == def.name && hover;
    const QRectF r = QRectF(def.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    // Buttons, texts and sliders are named, and every named object of the
    // applied skin has its TSkinObject.
    const QString caption = findObject(def.name)->text();
    p.setRenderHint(QPainter::Antialiasing);
    const QString style = def.style.isEmpty() ? QStringLiteral("secondary") : def.style;
    const int radius = def.radius > 0 ? def.radius : 6;

    if (style == QLatin1String("tool")) {
        const QColor text = colour(QStringLiteral("toolText"), Qt::white);
        if (down || hover) {
            p.setPen(Qt::NoPen);
            p.setBrush(colour(down ? QStringLiteral("toolPressed") : QStringLiteral("toolHover"),
                              QColor(255, 255, 255, down ? 60 : 30)));
            p.drawRoundedRect(r, radius, radius);
        }
        const double icon = 22;
        const double top = r.top() + (caption.isEmpty() ? (r.height() - icon) / 2 : 4) +
                           (down ? 1 : 0);
        drawGlyph(p, QRectF(r.center().x() - icon / 2, top, icon, icon), def.icon, text);
        if (!caption.isEmpty()) {
            p.setFont(skinFont(def.fontSize, def.bold));
            p.setPen(hover ? text : colour(QStringLiteral("toolCaption"), text));
            p.drawText(QRectF(r.left(), top + icon + 1, r.width(), r.bottom() - top - icon - 1),
                       Qt::AlignHCenter | Qt::AlignTop, caption);
        }
        return;
    }

    if (style == QLatin1String("drop")) {
        // The open part of a field (the field itself is a box below): a tint
        // under the pointer and the chevron at its right end.
        if (down || hover) {
            p.setPen(Qt::NoPen);
            p.setBrush(colour(down ? QStringLiteral("fieldPressed") : QStringLiteral("fieldHover"),
                              QColor(0xf0, 0xf3, 0xf8)));
            p.drawRoundedRect(r, 3, 3);
        }
        const double icon = 16;
        drawGlyph(p, QRectF(r.right() - icon - 5, r.center().y() - icon / 2, icon, icon),
                  def.icon.isEmpty() ? QStringLiteral("drop") : def.icon,
                  colour(hover ? QStringLiteral("accent") : QStringLiteral("muted"), Qt::darkGray));
        return;
    }

    QColor fill, border, text;
    if (style == QLatin1String("primary")) {
        fill = colour(down    ? QStringLiteral("accentPressed")
                      : hover ? QStringLiteral("accentHover")
                              : QStringLiteral("accent"),
                      QColor(0x25, 0x63, 0xeb));
        border = fill;
        text = colour(QStringLiteral("accentText"), Qt::white);
    } else {
        const QColor base = colour(QStringLiteral("field"), Qt::white);
        fill = down    ? colour(QStringLiteral("fieldPressed"), base.darker(112))
               : hover ? colour(QStringLiteral("fieldHover"), base.darker(104))
                       : base;
        border = colour(hover ? QStringLiteral("accent") : QStringLiteral("fieldBorder"),
                        QColor(0xc8, 0xce, 0xd8));
        text = colour(def.color.isEmpty() ? QStringLiteral("text") : def.color, Qt::black);
    }
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);

    const QFont font = skinFont(def.fontSize, def.bold || style == QLatin1String("primary"));
    const QFontMetricsF metrics(font);
    const double icon = def.icon.isEmpty() ? 0 : std::min(18.0, r.height() - 6);
    const double gap = def.icon.isEmpty() || caption.isEmpty() ? 0 : 7;
    const double width = icon + gap + (caption.isEmpty() ? 0 : metrics.horizontalAdvance(caption));
    double x = r.center().x() - width / 2;
    const double shift = down ? 1 : 0;
    if (icon > 0) {
        drawGlyph(p, QRectF(x, r.center().y() - icon / 2 + shift, icon, icon), def.icon, text);
        x += icon + gap;
    }
    if (!caption.isEmpty()) {
        p.setFont(font);
        p.setPen(text);
        p.drawText(QRectF(x, r.top() + shift, r.right() - x, r.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, caption);
    }
}

void TSkin::paintText(QPainter &p, const SkinObjectDef &def) const
{
    const QString text = findObject(def.name)->text();
    const QRectF r = QRectF(def.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool hover = hovered_ == def.name;
    if (!def.fill.isEmpty() || !def.border.isEmpty()) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(def.border.isEmpty()
                     ? QPen(Qt::NoPen)
                     : QPen(colour(hover ? QStringLiteral("accent") : def.border, Qt::gray), 1));
        p.setBrush(def.fill.isEmpty() ? QBrush(Qt::NoBrush) : QBrush(colour(def.fill, Qt::white)));
        p.drawRoundedRect(r, def.radius, def.radius);
    }
    const int pad = def.fill.isEmpty() && def.border.isEmpty() ? 0 : 8;
    const QRect box = def.rect.adjusted(pad, 0, -pad, 0);
    QFont font = skinFont(def.fontSize, def.bold);
    if (def.shrink) {
        for (int size = def.fontSize; size > 9; --size) {
            font = skinFont(size, def.bold);
            if (QFontMetrics(font).horizontalAdvance(text) <= box.width())
                break;
        }
    }
    p.setFont(font);
    p.setPen(colour(def.color.isEmpty() ? QStringLiteral("text") : def.color, Qt::black));
    p.drawText(box, static_cast<int>(def.align),
               QFontMetrics(font).elidedText(text, Qt::ElideRight, box.width()));
}

void TSkin::paintSlider(QPainter &p, const SkinObjectDef &def) const
{
    const TSkinObject *object = findObject(def.name);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(def.rect);
    const double cy = r.center().y();
    const double span = object->maximum() - object->minimum();
    const double fraction = span > 0 ? (object->position() - object->minimum()) / span : 0;
    const double handle = 6;
    const double left = r.left() + handle, right = r.right() - handle;
    const double x = left + fraction * (right - left);
    const bool active = hovered_ == def.name || pressed_ == def.name;
    p.setPen(Qt::NoPen);
    p.setBrush(colour(QStringLiteral("track"), QColor(0xd5, 0xda, 0xe1)));
    p.drawRoundedRect(QRectF(left, cy - 2, right - left, 4), 2, 2);
    p.setBrush(colour(QStringLiteral("accent"), QColor(0x25, 0x63, 0xeb)));
    p.drawRoundedRect(QRectF(left, cy - 2, x - left, 4), 2, 2);
    p.setPen(QPen(colour(QStringLiteral("accent"), QColor(0x25, 0x63, 0xeb)), 2));
    p.setBrush(Qt::white);
    const double radius = active ? handle : handle - 1;
    p.drawEllipse(QPointF(x, cy), radius, radius);
}

void TSkin::paintLabelOrBox(QPainter &p, const SkinObjectDef &def) const
{
    const QRectF r = QRectF(def.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setRenderHint(QPainter::Antialiasing);
    if (def.kind == SkinObjectKind::Box && (!def.fill.isEmpty() || !def.border.isEmpty())) {
        p.setPen(def.border.isEmpty() ? QPen(Qt::NoPen) : QPen(colour(def.border, Qt::gray), 1));
        if (def.fill.isEmpty()) {
            p.setBrush(Qt::NoBrush);
        } else if (def.fill.contains(QLatin1Char('>'))) {
            // "top>bottom": a vertical gradient between two colours.
            const QStringList ends = def.fill.split(QLatin1Char('>'));
            QLinearGradient g(r.topLeft(), r.bottomLeft());
            g.setColorAt(0, colour(ends.value(0), Qt::white));
            g.setColorAt(1, colour(ends.value(1), Qt::white));
            p.setBrush(g);
        } else {
            p.setBrush(colour(def.fill, Qt::white));
        }
        if (def.radius > 0)
            p.drawRoundedRect(r, def.radius, def.radius);
        else
            p.drawRect(r);
    }
    const QColor text =
        colour(def.color.isEmpty() ? QStringLiteral("muted") : def.color, Qt::darkGray);
    const QFont font = skinFont(def.fontSize, def.bold);
    if (def.kind == SkinObjectKind::Box && !def.icon.isEmpty()) {
        // A large picture above the text, both centred.
        const double icon = std::min(48.0, r.height() / 3);
        const QFontMetricsF metrics(font);
        const QRectF textBox = metrics.boundingRect(r.adjusted(16, 0, -16, 0), Qt::TextWordWrap,
                                                    def.text);
        const double total = icon + 12 + textBox.height();
        const double top = r.center().y() - total / 2;
        drawGlyph(p, QRectF(r.center().x() - icon / 2, top, icon, icon), def.icon,
                  colour(QStringLiteral("hintIcon"), text));
        p.setFont(font);
        p.setPen(text);
        p.drawText(QRectF(r.left() + 16, top + icon + 12, r.width() - 32, textBox.height() + 2),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, def.text);
        return;
    }
    QRectF box = r.adjusted(def.kind == SkinObjectKind::Box ? 10 : 0, 0,
                            def.kind == SkinObjectKind::Box ? -10 : 0, 0);
    if (!def.icon.isEmpty()) {
        const double icon = def.text.isEmpty() ? std::min(box.width(), box.height())
                                               : std::min(16.0, box.height());
        double x = box.left();
        if (def.text.isEmpty())
            x = box.center().x() - icon / 2;
        else if (def.align & Qt::AlignRight)
            x = box.right() - icon;
        drawGlyph(p, QRectF(x, box.center().y() - icon / 2, icon, icon), def.icon,
                  colour(def.color.isEmpty() ? QStringLiteral("muted") : def.color, text));
        if (def.align & Qt::AlignRight)
            box.setRight(box.right() - icon - 6);
        else
            box.setLeft(box.left() + icon + 6);
    }
    if (!def.text.isEmpty()) {
        p.setFont(font);
        p.setPen(text);
        p.drawText(box, static_cast<int>(def.align), def.text);
    }
}
