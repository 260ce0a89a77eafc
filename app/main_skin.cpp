// The skinned face: loading the skin, dispatching its named commands, and
// the three pop-up menus that lead to the same actions.
#include "app/main.h"

#include "app/skin.h"
#include "app/skincommand.h"
#include "engine/jobrecord.h"
#include "preview/previewlib.h"
#include "preview/previewrules.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

void Tfm_main::loadSkin()
{
    skin_profilestext = nullptr;
    skin_play_time = nullptr;
    skin_play_bar = nullptr;
    // A missing or broken skin file leaves the window without its face and
    // without the three references; writes to them then do nothing.
    if (!Skin1->loadSkinFile(programFolder + QStringLiteral("skn.skn")))
        return;
    if (!Skin1->applyWindowSkin(QStringLiteral("dovorizizozozivur")))
        return;
    skin_profilestext = Skin1->findObject(QStringLiteral("profilestext"));
    skin_play_time = Skin1->findObject(QStringLiteral("play_time"));
    skin_play_bar = Skin1->findObject(QStringLiteral("play_bar"));
}

void Tfm_main::Skin1Click(const QString &objectName)
{
    // Exact, case-sensitive names; a name not in the table does nothing.
    // The actions test their own guards.
    switch (skinCommandOf(objectName)) {
    case SkinCommand::None:
        break;
    case SkinCommand::Profiles:
        openPicker(loadedProfile);
        break;
    case SkinCommand::OpenFiles:
        addFiles();
        break;
    case SkinCommand::Chapter:
        switchList();
        break;
    case SkinCommand::IfoOpen:
        addIfo();
        break;
    case SkinCommand::DvdOpen:
        addDvd();
        break;
    case SkinCommand::OpenFolder:
        addFolder();
        break;
    case SkinCommand::Converter:
        startBatch();
        break;
    case SkinCommand::Remove:
        removeSelected();
        break;
    case SkinCommand::Clear:
        clearList();
        break;
    case SkinCommand::StopConverter:
        stopBatch();
        break;
    case SkinCommand::Browse:
        browseOutputFolder();
        break;
    case SkinCommand::Open:
        openOutputFolder();
        break;
    case SkinCommand::Help:
        popupMenu(pop_help);
        break;
    case SkinCommand::File:
        popupMenu(pop_file);
        break;
    case SkinCommand::DvdFile:
        popupMenu(pop_dvd);
        break;
    case SkinCommand::Play:
        if (runMode == RunMode::Dvd)
            startDvdPreview();
        else
            startFilePreview();
        break;
    case SkinCommand::StopPlay:
        stopPreview();
        break;
    case SkinCommand::Pause:
        togglePreviewPause();
        break;
    case SkinCommand::Settings:
        showFinishSettings();
        break;
    }
}

namespace {

// True when `objectName` is the preview bar of a DVD preview that plays while
// no batch runs: the bar a press starts dragging and a release seeks with.
bool isDvdPreviewBar(const Tfm_main &w, const QString &objectName)
{
    return !w.converting && w.runMode == RunMode::Dvd && objectName == QLatin1String("play_bar") &&
           w.previewing;
}

} // namespace

void Tfm_main::Skin1MouseDown(const QString &objectName)
{
    hidePicker();
    if (isDvdPreviewBar(*this, objectName))
        barDragging = true;
}

void Tfm_main::Skin1MouseUp(const QString &objectName)
{
    // Releasing "play_bar" during a DVD preview seeks to the released place.
    if (isDvdPreviewBar(*this, objectName)) {
        Seek(seekPositionFor(playBarPosition(), previewDuration(), previewStartOffset));
    }
    // Every release ends a drag, also one whose preview ended before it, so
    // that the next preview's bar moves again.
    barDragging = false;
}

namespace {

// The pop-up menus' look: items 21 pixels high, separators 5, an icon bar
// 26 pixels wide on the left, white text on the highlight colour for the
// selected item.
class MenuStyle : public QProxyStyle
{
public:
    static constexpr int itemHeight = 21;
    static constexpr int separatorHeight = 5;
    static constexpr int iconBar = 26;

    MenuStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        switch (metric) {
        case PM_MenuPanelWidth:
            return 1;
        case PM_MenuHMargin:
            return 0;
        case PM_MenuVMargin:
            return 2;
        case PM_SmallIconSize:
            return 16;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (type != CT_MenuItem || !item)
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        if (item->menuItemType == QStyleOptionMenuItem::Separator)
            return QSize(size.width(), separatorHeight);
        const int text = QFontMetrics(item->font).horizontalAdvance(item->text);
        return QSize(std::max(150, iconBar + 10 + text + 30), itemHeight);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_PanelMenu) {
            painter->fillRect(option->rect, background);
            painter->fillRect(QRect(option->rect.left(), option->rect.top(), iconBar + 1,
                                    option->rect.height()),
                              bar);
            return;
        }
        if (element == PE_FrameMenu) {
            painter->setPen(frame);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (element == CE_MenuEmptyArea)
            return;
        if (element != CE_MenuItem || !item) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const QRect r = item->rect;
        const QRect barRect(r.left(), r.top(), iconBar, r.height());
        if (item->menuItemType == QStyleOptionMenuItem::Separator) {
            painter->fillRect(barRect, bar);
            painter->setPen(separator);
            const int y = r.top() + r.height() / 2;
            painter->drawLine(r.left() + iconBar + 4, y, r.right() - 4, y);
            return;
        }
        const bool selected = (item->state & State_Selected) && (item->state & State_Enabled);
        if (selected) {
            painter->fillRect(r, item->palette.color(QPalette::Highlight));
        } else {
            painter->fillRect(r, background);
            painter->fillRect(barRect, bar);
        }
        if (!item->icon.isNull()) {
            const QPixmap pixmap = item->icon.pixmap(QSize(16, 16), painter->device()->devicePixelRatioF());
            painter->drawPixmap(QRect(r.left() + (iconBar - 16) / 2,
                                      r.top() + (r.height() - 16) / 2, 16, 16),
                                pixmap);
        }
        painter->setFont(item->font);
        painter->setPen(selected                                ? QColor(Qt::white)
                        : (item->state & State_Enabled) ? text
                                                                : QColor(0xa0, 0xa6, 0xb0));
        painter->drawText(QRect(r.left() + iconBar + 10, r.top(), r.width() - iconBar - 14,
                                r.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, item->text);
    }

private:
    const QColor background{0xff, 0xff, 0xff};
    const QColor bar{0xee, 0xf1, 0xf6};
    const QColor frame{0xb8, 0xc0, 0xcc};
    const QColor separator{0xd9, 0xde, 0xe7};
    const QColor text{0x1f, 0x29, 0x37};
};

// The icons of the menu items, drawn like the face's own glyphs.
const QColor iconColour(0x3b, 0x4a, 0x5e);

QAction *addItem(QMenu *menu, const char *name, const char *caption, const char *glyph)
{
    QAction *action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    if (glyph)
        action->setIcon(TSkin::glyphIcon(QString::fromLatin1(glyph), iconColour));
    return action;
}

} // namespace

void Tfm_main::createMenus()
{
    pop_file = new QMenu(this);
    pop_file->setObjectName(QStringLiteral("pop_file"));
    connect(addItem(pop_file, "AddFiles1", "Add Files", "addfiles"), &QAction::triggered, this,
            &Tfm_main::addFiles);
    connect(addItem(pop_file, "AddFolder1", "Add Folder", nullptr), &QAction::triggered, this,
            &Tfm_main::addFolder);
    pop_file->addSeparator();
    connect(addItem(pop_file, "Rmove1", "Remove", "remove"), &QAction::triggered, this,
            &Tfm_main::removeSelected);
    connect(addItem(pop_file, "Clear1", "Clear", nullptr), &QAction::triggered, this,
            &Tfm_main::clearList);
    pop_file->addSeparator();
    connect(addItem(pop_file, "Convert1", "Convert", "convert"), &QAction::triggered, this,
            &Tfm_main::startBatch);
    connect(addItem(pop_file, "Stop1", "Stop", nullptr), &QAction::triggered, this,
            &Tfm_main::stopBatch);
    pop_file->addSeparator();
    connect(addItem(pop_file, "Exit1", "Exit", nullptr), &QAction::triggered, this,
            &Tfm_main::exitCommand);

    pop_dvd = new QMenu(this);
    pop_dvd->setObjectName(QStringLiteral("pop_dvd"));
    connect(addItem(pop_dvd, "MenuItem3", "Add DVD", "dvd"), &QAction::triggered, this,
            &Tfm_main::addDvd);
    connect(addItem(pop_dvd, "MenuItem8", "Add IFO", nullptr), &QAction::triggered, this,
            &Tfm_main::addIfo);
    pop_dvd->addSeparator();
    connect(addItem(pop_dvd, "MenuItem10", "Select All", "selectall"), &QAction::triggered, this,
            [this] { checkAllRows(true); });
    connect(addItem(pop_dvd, "MenuItem11", "Unselect ALL", nullptr), &QAction::triggered, this,
            [this] { checkAllRows(false); });
    pop_dvd->addSeparator();
    connect(addItem(pop_dvd, "MenuItem13", "Convert", "convert"), &QAction::triggered, this,
            &Tfm_main::startBatch);
    connect(addItem(pop_dvd, "MenuItem14", "Stop", nullptr), &QAction::triggered, this,
            &Tfm_main::stopBatch);
    pop_dvd->addSeparator();
    connect(addItem(pop_dvd, "MenuItem16", "Exit", nullptr), &QAction::triggered, this,
            &Tfm_main::exitCommand);

    pop_help = new QMenu(this);
    pop_help->setObjectName(QStringLiteral("pop_help"));
    connect(addItem(pop_help, "MenuItem1", "Help", "help"), &QAction::triggered, this,
            &Tfm_main::openHelpPage);
    connect(addItem(pop_help, "MenuItem2", "Support", nullptr), &QAction::triggered, this,
            &Tfm_main::openContactPage);
    connect(addItem(pop_help, "MenuItem4", "Our Website", nullptr), &QAction::triggered, this,
            &Tfm_main::openHelpPage);
    connect(addItem(pop_help, "MenuItem5", "Contact us", nullptr), &QAction::triggered, this,
            &Tfm_main::openContactPage);
    pop_help->addSeparator();
    connect(addItem(pop_help, "MenuItem7", "About", "about"), &QAction::triggered, this,
            &Tfm_main::showAbout);

    auto *style = new MenuStyle;
    style->setParent(this);
    for (QMenu *menu : {pop_file, pop_dvd, pop_help})
        menu->setStyle(style);
}

QPoint Tfm_main::popupOffset(const QMenu *menu) const
{
    const bool a = brandVariant == BrandVariant::A;
    if (menu == pop_help)
        return a ? QPoint(366, 64) : QPoint(362, 54);
    return a ? QPoint(85, 64) : QPoint(76, 54);
}

void Tfm_main::popupMenu(QMenu *menu)
{
    // The selected item takes the face's accent colour.
    QPalette palette = menu->palette();
    palette.setColor(QPalette::Highlight,
                     Skin1->colour(QStringLiteral("accent"), palette.color(QPalette::Highlight)));
    menu->setPalette(palette);
    // The face is the window's client area, so the positions count from its
    // top-left corner (below the title bar the desktop draws).
    menu->popup(mapToGlobal(popupOffset(menu)));
}

void Tfm_main::setSkinText(const QString &objectName, const QString &text)
{
    TSkinObject *object = nullptr;
    if (objectName == QLatin1String("profilestext"))
        object = skin_profilestext;
    else if (objectName == QLatin1String("play_time"))
        object = skin_play_time;
    if (!object)
        return;
    object->setText(text);
    object->redraw();
}

void Tfm_main::setPlayBarPosition(int position)
{
    if (!skin_play_bar)
        return;
    skin_play_bar->setPosition(position);
    skin_play_bar->redraw();
}

int Tfm_main::playBarPosition() const
{
    return skin_play_bar ? skin_play_bar->position() : 0;
}
