// The skinned face: loading the skin, dispatching its named commands, and
// the three pop-up menus that lead to the same actions.
#include "app/main.h"

#include "app/skin.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStyle>

void Tfm_main::loadSkin()
{
    Skin1->loadSkinFile(programFolder + QStringLiteral("skn.skn"));
}

void Tfm_main::Skin1Click(const QString &objectName)
{
    // Exact, case-sensitive names; a name not in the table does nothing.
    const QString &n = objectName;
    if (n == QLatin1String("profiles"))
        openPicker(loadedProfile);
    else if (n == QLatin1String("openfiles"))
        addFiles();
    else if (n == QLatin1String("chapter"))
        switchList();
    else if (n == QLatin1String("ifoopen"))
        addIfo();
    else if (n == QLatin1String("dvdopen"))
        addDvd();
    else if (n == QLatin1String("openfolder"))
        addFolder();
    else if (n == QLatin1String("converter"))
        startBatch();
    else if (n == QLatin1String("remove"))
        removeSelected();
    else if (n == QLatin1String("clear"))
        clearList();
    else if (n == QLatin1String("stopconverter"))
        stopBatch();
    else if (n == QLatin1String("browse"))
        browseOutputFolder();
    else if (n == QLatin1String("open"))
        openOutputFolder();
    else if (n == QLatin1String("help"))
        popupMenu(pop_help);
    else if (n == QLatin1String("file"))
        popupMenu(pop_file);
    else if (n == QLatin1String("dvdfile"))
        popupMenu(pop_dvd);
    else if (n == QLatin1String("play")) {
        if (runMode == RunMode::Dvd)
            startDvdPreview();
        else
            startFilePreview();
    } else if (n == QLatin1String("stopplay"))
        stopPreview();
    else if (n == QLatin1String("pause"))
        togglePreviewPause();
    else if (n == QLatin1String("settings"))
        showFinishSettings();
}

void Tfm_main::Skin1MouseDown(const QString &objectName)
{
    hidePicker();
    if (!converting && runMode == RunMode::Dvd && objectName == QLatin1String("play_bar") &&
        previewing)
        barDragging = true;
}

void Tfm_main::Skin1MouseUp(const QString &objectName)
{
    Q_UNUSED(objectName);
    // Seeking on "play_bar" in DVD mode belongs to the preview.
}

namespace {

QAction *addItem(QMenu *menu, const char *name, const char *caption, QStyle::StandardPixmap icon,
                 bool withIcon)
{
    QAction *action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    if (withIcon)
        action->setIcon(QApplication::style()->standardIcon(icon));
    return action;
}

// The menus' own style: items 21 pixels high, separators 5, an icon bar of
// 26 pixels on the left, white text on the highlight colour when selected.
const char *const menuStyle =
    "QMenu { background: #ffffff; border: 1px solid #9aa3b0; }"
    "QMenu::item { height: 21px; padding: 0px 18px 0px 30px; color: #1e2329; }"
    "QMenu::item:selected { background: palette(highlight); color: #ffffff; }"
    "QMenu::icon { padding-left: 5px; }"
    "QMenu::separator { height: 5px; background: transparent; margin: 0px 4px 0px 30px; }";

} // namespace

void Tfm_main::createMenus()
{
    pop_file = new QMenu(this);
    pop_file->setObjectName(QStringLiteral("pop_file"));
    connect(addItem(pop_file, "AddFiles1", "Add Files", QStyle::SP_FileIcon, true),
            &QAction::triggered, this, &Tfm_main::addFiles);
    connect(addItem(pop_file, "AddFolder1", "Add Folder", QStyle::SP_DirIcon, false),
            &QAction::triggered, this, &Tfm_main::addFolder);
    pop_file->addSeparator();
    connect(addItem(pop_file, "Rmove1", "Remove", QStyle::SP_TrashIcon, true), &QAction::triggered,
            this, &Tfm_main::removeSelected);
    connect(addItem(pop_file, "Clear1", "Clear", QStyle::SP_DialogResetButton, false),
            &QAction::triggered, this, &Tfm_main::clearList);
    pop_file->addSeparator();
    connect(addItem(pop_file, "Convert1", "Convert", QStyle::SP_MediaPlay, true),
            &QAction::triggered, this, &Tfm_main::startBatch);
    connect(addItem(pop_file, "Stop1", "Stop", QStyle::SP_MediaStop, false), &QAction::triggered,
            this, &Tfm_main::stopBatch);
    pop_file->addSeparator();
    connect(addItem(pop_file, "Exit1", "Exit", QStyle::SP_DialogCloseButton, false),
            &QAction::triggered, this, &Tfm_main::exitCommand);

    pop_dvd = new QMenu(this);
    pop_dvd->setObjectName(QStringLiteral("pop_dvd"));
    connect(addItem(pop_dvd, "MenuItem3", "Add DVD", QStyle::SP_DriveDVDIcon, true),
            &QAction::triggered, this, &Tfm_main::addDvd);
    connect(addItem(pop_dvd, "MenuItem8", "Add IFO", QStyle::SP_FileIcon, false),
            &QAction::triggered, this, &Tfm_main::addIfo);
    pop_dvd->addSeparator();
    connect(addItem(pop_dvd, "MenuItem10", "Select All", QStyle::SP_DialogApplyButton, true),
            &QAction::triggered, this, [this] { checkAllRows(true); });
    connect(addItem(pop_dvd, "MenuItem11", "Unselect ALL", QStyle::SP_DialogApplyButton, false),
            &QAction::triggered, this, [this] { checkAllRows(false); });
    pop_dvd->addSeparator();
    connect(addItem(pop_dvd, "MenuItem13", "Convert", QStyle::SP_MediaPlay, true),
            &QAction::triggered, this, &Tfm_main::startBatch);
    connect(addItem(pop_dvd, "MenuItem14", "Stop", QStyle::SP_MediaStop, false),
            &QAction::triggered, this, &Tfm_main::stopBatch);
    pop_dvd->addSeparator();
    connect(addItem(pop_dvd, "MenuItem16", "Exit", QStyle::SP_DialogCloseButton, false),
            &QAction::triggered, this, &Tfm_main::exitCommand);

    pop_help = new QMenu(this);
    pop_help->setObjectName(QStringLiteral("pop_help"));
    connect(addItem(pop_help, "MenuItem1", "Help", QStyle::SP_DialogHelpButton, true),
            &QAction::triggered, this, &Tfm_main::openHelpPage);
    connect(addItem(pop_help, "MenuItem2", "Support", QStyle::SP_MessageBoxQuestion, false),
            &QAction::triggered, this, &Tfm_main::openContactPage);
    connect(addItem(pop_help, "MenuItem4", "Our Website", QStyle::SP_ComputerIcon, false),
            &QAction::triggered, this, &Tfm_main::openHelpPage);
    connect(addItem(pop_help, "MenuItem5", "Contact us", QStyle::SP_MessageBoxInformation, false),
            &QAction::triggered, this, &Tfm_main::openContactPage);
    pop_help->addSeparator();
    connect(addItem(pop_help, "MenuItem7", "About", QStyle::SP_MessageBoxInformation, true),
            &QAction::triggered, this, &Tfm_main::showAbout);

    for (QMenu *menu : {pop_file, pop_dvd, pop_help})
        menu->setStyleSheet(QString::fromLatin1(menuStyle));
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
    menu->popup(frameGeometry().topLeft() + popupOffset(menu));
}

void Tfm_main::setSkinText(const QString &objectName, const QString &text)
{
    Q_UNUSED(objectName);
    Q_UNUSED(text);
}

void Tfm_main::setPlayBarPosition(int position)
{
    Q_UNUSED(position);
}

int Tfm_main::playBarPosition() const
{
    return 0;
}
