#include "app/main.h"

#include "app/layout.h"
#include "app/skin.h"
#include "config/settings.h"
#include "dialogs/desktop.h"
#include "profiles/qualityboxes.h"
#include "sources/gettime.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Draws the task list's grid lines: a thin line below and right of every cell.
class GridDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(QColor(0xd0, 0xd4, 0xdb));
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->restore();
    }
};

QFrame *makePanel(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    panel->hide();
    return panel;
}

QComboBox *makeCombo(QWidget *parent, const char *name, const QStringList &items)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    box->setEditable(false);
    return box;
}

} // namespace

Tfm_main::Tfm_main(const QString &programFolder, const QString &startName, QWidget *parent)
    : QWidget(parent), programFolder(programFolder), startName(startName)
{
    setObjectName(QStringLiteral("fm_main"));
    createControls();
    FormCreate();
}

Tfm_main::~Tfm_main()
{
    // No encoder program outlives the window, a job's or a probe's.
    closeRunner(runner, this);
    endProbe();
}

void Tfm_main::createControls()
{
    setWindowTitle(QStringLiteral("DVD Ripper"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setFixedSize(designed::windowWidth, designed::windowHeight);

    Skin1 = new TSkin(this);
    Skin1->setGeometry(0, 0, designed::windowWidth, designed::windowHeight);
    connect(Skin1, &TSkin::objectClicked, this, &Tfm_main::Skin1Click);
    connect(Skin1, &TSkin::objectPressed, this, &Tfm_main::Skin1MouseDown);
    connect(Skin1, &TSkin::objectReleased, this, &Tfm_main::Skin1MouseUp);

    lv = new QTreeWidget(this);
    lv->setObjectName(QStringLiteral("lv"));
    lv->setGeometry(designed::lv);
    lv->setColumnCount(5);
    lv->setHeaderLabels({QStringLiteral("File Name"), QStringLiteral("Width * Height"),
                         QStringLiteral("Time"), QStringLiteral("Output Size"),
                         QStringLiteral("Status")});
    const int widths[5] = {150, 100, 80, 80, 98};
    for (int i = 0; i < 5; ++i)
        lv->setColumnWidth(i, widths[i]);
    lv->setRootIsDecorated(false);
    lv->setItemsExpandable(false);
    lv->setUniformRowHeights(true);
    lv->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lv->setSelectionBehavior(QAbstractItemView::SelectRows);
    lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lv->setSortingEnabled(false);
    lv->header()->setSectionsClickable(false);
    lv->header()->setSectionsMovable(false);
    lv->setItemDelegate(new GridDelegate(lv));
    lv->viewport()->installEventFilter(this);
    connect(lv, &QTreeWidget::itemClicked, this, [this] { lvClick(); });

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(designed::ProgressBar1);
    ProgressBar1->setRange(0, 10000);
    ProgressBar1->setTextVisible(false);

    const QStringList rates = designedRateItems();
    cb_size = makeCombo(this, "cb_size", {});
    cb_videobitrate = makeCombo(this, "cb_videobitrate", rates);
    cb_audiobitrate = makeCombo(this, "cb_audiobitrate", rates);
    cb_channel = makeCombo(this, "cb_channel", designedChannelItems());
    cb_channel->setCurrentIndex(1);
    QComboBox *quality[4] = {cb_size, cb_videobitrate, cb_audiobitrate, cb_channel};
    for (int i = 0; i < 4; ++i)
        quality[i]->setGeometry(576, 128 + 41 * i, designed::qualityWidth, designed::comboHeight);
    // The user's pick (not a programmatic change) recomputes the estimates;
    // the channel box shares the size box's handler.
    connect(cb_size, &QComboBox::activated, this, [this] { cb_sizeChange(); });
    connect(cb_channel, &QComboBox::activated, this, [this] { cb_sizeChange(); });
    connect(cb_videobitrate, &QComboBox::activated, this, [this] { cb_videobitrateChange(); });
    connect(cb_audiobitrate, &QComboBox::activated, this, [this] { cb_audiobitrateChange(); });

    cb_audio = makeCombo(this, "cb_audio", {});
    cb_audio->setGeometry(designed::cb_audio);
    cb_audio->hide();
    cb_subtitle = makeCombo(this, "cb_subtitle", {});
    cb_subtitle->setGeometry(designed::cb_subtitle);
    cb_subtitle->hide();

    ed_output = new QLineEdit(this);
    ed_output->setObjectName(QStringLiteral("ed_output"));
    ed_output->setGeometry(designed::ed_output);
    ed_output->setText(defaultOutputFolder());

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(designed::Panel1);
    im_mainico = new QLabel(Panel1);
    im_mainico->setObjectName(QStringLiteral("im_mainico"));
    im_mainico->setGeometry(0, 0, designed::Panel1.width(), designed::Panel1.height());
    im_mainico->setCursor(Qt::PointingHandCursor);
    im_mainico->installEventFilter(this);

    pl_play = new QWidget(this);
    pl_play->setObjectName(QStringLiteral("pl_play"));
    pl_play->setGeometry(designed::pl_play);
    pl_play->setAutoFillBackground(true);
    QPalette black = pl_play->palette();
    black.setColor(QPalette::Window, Qt::black);
    pl_play->setPalette(black);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, &Tfm_main::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &Tfm_main::Timer2Timer);

    pl_main = makePanel(this, QStringLiteral("pl_main"), designed::pl_main);
    QFrame **panels[subPanelCount] = {&pl_video1, &pl_video2, &pl_audio1, &pl_audio2, &pl_ipod,
                                      &pl_iphone, &pl_psp,    &pl_phone,  &pl_pmp,    &pl_appletv,
                                      &pl_animation, &pl_gphone, &pl_win, &pl_xbox,   &pl_hd,
                                      &pl_avi,    &pl_mpeg,   &pl_mp4,    &pl_mkv};
    for (int i = 0; i < subPanelCount; ++i) {
        const Panel panel = static_cast<Panel>(i);
        QRect geometry = designed::subPanel;
        geometry.setWidth(picker::panelWidthOf(panel));
        *panels[i] = makePanel(this, picker::panelName(panel), geometry);
    }
    createPickerControls();
    createMenus();
}

QFrame *Tfm_main::subPanels(int i) const
{
    QFrame *const panels[subPanelCount] = {
        pl_video1, pl_video2, pl_audio1, pl_audio2, pl_ipod, pl_iphone, pl_psp,
        pl_phone,  pl_pmp,    pl_appletv, pl_animation, pl_gphone, pl_win, pl_xbox,
        pl_hd,     pl_avi,    pl_mpeg,   pl_mp4,   pl_mkv};
    return i >= 0 && i < subPanelCount ? panels[i] : nullptr;
}

void Tfm_main::FormCreate()
{
    currentCategory = -1;
    currentProfile = -1;
    titleMode = true;
    previewing = false;
    converting = false;
    barDragging = false;
    previewPaused = false;

    // Every job and every probe runs the encoder program beside the
    // executable, with the program folder as its working folder.
    jobRecord.encoderPath = programFolder + QStringLiteral("register.dat");
    jobRecord.workDir = programFolder;

    loadSkin();
    hidePicker();
}

void Tfm_main::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void Tfm_main::FormShow()
{
    exeName = exeNameFromArgv0(startName);
    runMode = runModeOf(exeName);
    brandVariant = brandVariantOf(exeName);

    applyLayout();
    // Every button shows its normal picture; a missing picture ends the pass.
    for (int n = 1; n <= 132; ++n)
        if (!restoreProfileButton(n))
            break;
    loadSettings();
    lv->hide();
    ProgressBar1->hide();
}

void Tfm_main::applyLayout()
{
    const LayoutVariant &l = layoutVariantFor(runMode, brandVariant);
    subPanelOffset = l.subPanelOffset;
    ed_output->move(l.ed_output);
    Panel1->move(l.Panel1);
    pl_main->move(l.pl_main);
    for (int i = 0; i < subPanelCount; ++i)
        subPanels(i)->move(l.subPanels);
    QComboBox *quality[4] = {cb_size, cb_videobitrate, cb_audiobitrate, cb_channel};
    for (int i = 0; i < 4; ++i) {
        const int width = l.qualityWidth < 0 ? quality[i]->width() : l.qualityWidth;
        quality[i]->setGeometry(l.qualityLeft, l.qualityTops[i], width, quality[i]->height());
    }
    pl_play->move(l.pl_play);
    ProgressBar1->move(l.ProgressBar1);
    lv->setGeometry(l.lv.left(), l.lv.top(), l.lv.width() < 0 ? lv->width() : l.lv.width(),
                    l.lv.height() < 0 ? lv->height() : l.lv.height());
    if (l.dvdControls) {
        cb_audio->setGeometry(l.cb_audio.left(), l.cb_audio.top(), l.cb_audio.width(),
                              cb_audio->height());
        cb_audio->show();
        cb_subtitle->setGeometry(l.cb_subtitle.left(), l.cb_subtitle.top(),
                                 l.cb_subtitle.width(), cb_subtitle->height());
        cb_subtitle->show();
        lv->headerItem()->setText(0, QStringLiteral("Title"));
        lvCheckBoxes = true;
    }
    // In variant A the preview pane appears when a preview starts.
    pl_play->setVisible(brandVariant == BrandVariant::B);
    Skin1->setEdition(runMode, brandVariant);

    // Centred on the desktop.
    if (QScreen *screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - rect().center());
    }
}

void Tfm_main::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

bool Tfm_main::FormCloseQuery()
{
    if (previewing) {
        desktop().information(this, QStringLiteral("Please first stop play!"));
        return false;
    }
    if (converting) {
        desktop().information(this, QStringLiteral("Please first stop converting!"));
        return false;
    }
    saveSettings();
    return true;
}

void Tfm_main::exitCommand()
{
    close();
}

bool Tfm_main::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == lv->viewport())
            lvMouseDown();
        else if (watched == im_mainico)
            im_mainicoClick();
    }
    return QWidget::eventFilter(watched, event);
}
