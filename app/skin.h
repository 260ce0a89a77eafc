// The skinned face of a window: draws the window from a skin file (see
// data/SKIN.md), finds its named objects, keeps their texts and slider
// positions, and raises click, press and release events with the object.
#pragma once

#include "app/skinfile.h"
#include "config/edition.h"

#include <QHash>
#include <QIcon>
#include <QWidget>

class TSkin;

// One named object of the applied window skin. Its text and position are
// kept by name, so they stay when the edition changes its place.
class TSkinObject : public QObject
{
    Q_OBJECT
public:
    QString name() const { return objectName(); }
    SkinObjectKind kind() const { return kind_; }

    // Text objects (and the captions of buttons).
    void setText(const QString &text);
    QString text() const { return text_; }

    // Sliders: the position, kept within minimum and maximum.
    void setPosition(int position);
    int position() const { return position_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    // Draws the object again.
    void redraw();

private:
    friend class TSkin;
    TSkinObject(TSkin *skin, const SkinObjectDef &def);
    SkinObjectKind kind_;
    QString text_;
    int position_, minimum_, maximum_;
};

class TSkin : public QWidget
{
    Q_OBJECT
public:
    explicit TSkin(QWidget *parent = nullptr);
    ~TSkin() override;

    // Loads a skin file and applies its first window skin; false, and no
    // face at all, when the file is missing, unreadable or not a valid skin.
    bool loadSkinFile(const QString &path);
    // Applies the window skin of that name from the loaded file; false, and
    // no face, when the file has none of that name.
    bool applyWindowSkin(const QString &name);
    bool isLoaded() const { return window_ != nullptr; }
    // The applied window skin, or null.
    const SkinWindowDef *windowSkin() const { return window_; }
    // Why the last load failed ("" after a good one).
    QString loadError() const { return loadError_; }

    // Objects may belong to one run mode or brand variant only.
    void setEdition(RunMode mode, BrandVariant variant);

    // The named object, whatever edition it belongs to; null when the
    // applied window skin has none of that name.
    TSkinObject *findObject(const QString &name) const;
    // The objects on show in the current edition, bottom to top.
    QList<const SkinObjectDef *> visibleObjects() const;
    // The place of the named object in the current edition (null if none).
    QRect objectRect(const QString &name) const;
    // The name of the topmost named object at `point` ("" for none).
    QString objectAt(const QPoint &point) const;

    // The skin's colour for `role` in the current edition.
    QColor colour(const QString &role, const QColor &fallback = QColor()) const;

    // A glyph of the skin drawn as an icon (also used by the pop-up menus).
    static QIcon glyphIcon(const QString &glyph, const QColor &colour, int size = 16);

signals:
    void objectClicked(const QString &name);
    void objectPressed(const QString &name);
    void objectReleased(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    friend class TSkinObject;
    void clear();
    void redrawObject(const QString &name);
    const SkinObjectDef *visibleDef(const QString &name) const;
    void dragSlider(const QString &name, int x);
    void setHovered(const QString &name);
    void paintObject(QPainter &p, const SkinObjectDef &def) const;
    void paintButton(QPainter &p, const SkinObjectDef &def) const;
    void paintText(QPainter &p, const SkinObjectDef &def) const;
    void paintSlider(QPainter &p, const SkinObjectDef &def) const;
    void paintLabelOrBox(QPainter &p, const SkinObjectDef &def) const;

    SkinFileDef file_;
    const SkinWindowDef *window_ = nullptr;
    QString loadError_;
    RunMode mode_ = RunMode::File;
    BrandVariant variant_ = BrandVariant::B;
    QHash<QString, TSkinObject *> objects_;
    QString hovered_;
    QString pressed_;
};
