// The profile picker: the category column, the panels of picture buttons
// with their fly-outs and page turns, the single-category editions, and the
// pictures the buttons show.
#include "app/main.h"

#include "dialogs/desktop.h"
#include "profiles/artwork.h"
#include "profiles/catalogue.h"
#include "profiles/images.h"
#include "profiles/picker.h"

#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QMouseEvent>
#include <functional>

namespace {

// Turns the mouse events of the picker's images into their handlers:
// pointing (any move over the image) and clicking (press and release on it).
class ImageEvents : public QObject
{
public:
    using QObject::QObject;

    void watch(QLabel *image, std::function<void()> onMove, std::function<void()> onClick)
    {
        image->setMouseTracking(true);
        image->installEventFilter(this);
        handlers_.insert(image, {std::move(onMove), std::move(onClick)});
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto found = handlers_.constFind(watched);
        if (found == handlers_.constEnd())
            return false;
        const Handlers handlers = found.value(); // a handler may change the map's owner
        switch (event->type()) {
        case QEvent::MouseMove:
            if (handlers.onMove)
                handlers.onMove();
            break;
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                pressed_ = watched;
            break;
        case QEvent::MouseButtonRelease: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            const bool click = mouse->button() == Qt::LeftButton && pressed_ == watched &&
                               static_cast<QWidget *>(watched)->rect().contains(
                                   mouse->position().toPoint());
            pressed_ = nullptr;
            if (click && handlers.onClick)
                handlers.onClick();
            break;
        }
        default:
            break;
        }
        return false;
    }

private:
    struct Handlers {
        std::function<void()> onMove;
        std::function<void()> onClick;
    };
    QHash<QObject *, Handlers> handlers_;
    QObject *pressed_ = nullptr;
};

QLabel *makeImage(QWidget *parent, const QString &name, const QRect &geometry,
                  const QImage &picture = QImage())
{
    auto *image = new QLabel(parent);
    image->setObjectName(name);
    image->setGeometry(geometry);
    // A picture is drawn at its own size from the image's top-left corner.
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (!picture.isNull())
        image->setPixmap(QPixmap::fromImage(picture));
    return image;
}

} // namespace

void Tfm_main::createPickerControls()
{
    auto *events = new ImageEvents(this);

    for (int c = 1; c <= picker::categoryCount; ++c) {
        QLabel *image = makeImage(pl_main, picker::categoryImageName(c), picker::categoryRect(c),
                                  artwork::categoryPicture(c, false));
        image->setCursor(Qt::PointingHandCursor);
        categoryImage[c] = image;
        events->watch(image, [this, c] { categoryPointed(c); }, nullptr);
    }
    makeImage(pl_main, QStringLiteral("Image3"), picker::blankCategoryRect(),
              artwork::blankCategoryPicture());

    for (int i = 0; i < subPanelCount; ++i) {
        const Panel panel = static_cast<Panel>(i);
        QFrame *frame = subPanels(i);
        for (int n : picker::panelButtons(panel)) {
            QLabel *image = makeImage(frame, QStringLiteral("btim_%1").arg(n), picker::buttonRect(n));
            btim[n] = image;
            if (picker::pointingOf(n) == picker::Pointing::None)
                continue;
            if (picker::isClickable(n))
                image->setCursor(Qt::PointingHandCursor);
            events->watch(
                image, [this, n] { profilePointed(n); },
                picker::isClickable(n) ? std::function<void()>([this, n] { profileClicked(n); })
                                       : std::function<void()>());
        }
        if (!picker::hasPageStrip(panel))
            continue;
        makeImage(frame, picker::stripName(panel, picker::StripPart::Blank),
                  picker::stripRect(panel, picker::StripPart::Blank),
                  artwork::stripPicture(panel, picker::StripPart::Blank));
        QLabel *turn = makeImage(frame, picker::stripName(panel, picker::StripPart::Turn),
                                 picker::stripRect(panel, picker::StripPart::Turn),
                                 artwork::stripPicture(panel, picker::StripPart::Turn));
        turn->setCursor(Qt::PointingHandCursor);
        std::function<void()> click;
        switch (panel) {
        case Panel::pl_video1:
            click = [this] { Image94Click(); };
            break;
        case Panel::pl_video2:
            click = [this] { Image93Click(); };
            break;
        case Panel::pl_audio1:
            click = [this] { Image2Click(); };
            break;
        default:
            click = [this] { Image5Click(); };
            break;
        }
        events->watch(turn, nullptr, click);
    }

    // A thin edge around the column and every panel, drawn over the images,
    // and a soft shadow below, so that the picker stands above the window.
    QList<QFrame *> frames{pl_main};
    for (int i = 0; i < subPanelCount; ++i)
        frames << subPanels(i);
    for (QFrame *frame : frames) {
        auto *edge = new QFrame(frame);
        edge->setObjectName(QStringLiteral("edge"));
        edge->setGeometry(frame->rect());
        edge->setFrameShape(QFrame::Box);
        edge->setFrameShadow(QFrame::Plain);
        edge->setLineWidth(1);
        QPalette palette = edge->palette();
        palette.setColor(QPalette::WindowText, QColor(0xa9, 0xb2, 0xbf));
        edge->setPalette(palette);
        edge->setAttribute(Qt::WA_TransparentForMouseEvents);
        edge->raise();
        auto *shadow = new QGraphicsDropShadowEffect(frame);
        shadow->setBlurRadius(18);
        shadow->setOffset(0, 4);
        shadow->setColor(QColor(15, 23, 42, 70));
        frame->setGraphicsEffect(shadow);
    }

    im_mainico->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    im_mainico->setPixmap(QPixmap::fromImage(artwork::designedHeaderPicture()));
    im_mainico->setToolTip(QStringLiteral("Choose the output profile"));
}

void Tfm_main::showProfileName(int n)
{
    // A header picture that cannot be loaded has been reported; the name is
    // shown all the same.
    refreshHeaderImage();
    if (hasDisplayName(n))
        profileDisplayName = displayNameOf(n);
    setSkinText(QStringLiteral("profilestext"), profileDisplayName);
}

namespace {

// The left edge of a one-category edition's panel.
int editionLeft(BrandVariant variant)
{
    return variant == BrandVariant::A ? 88 : 53;
}

// Shows fly-out panel `flyOut` beside General Video's first page, in front.
void showFlyOut(Tfm_main &w, Panel flyOut)
{
    QFrame *frame = w.subPanels(static_cast<int>(flyOut));
    frame->move(w.pl_video1->x() + w.subPanelOffset, w.pl_video1->y());
    frame->show();
    frame->raise();
}

// The look of a one-category edition's panel: moved to the edition's left
// edge, flat with a single-line border, its buttons one pixel higher.
void singlePanelLayout(QFrame *frame, Panel panel, QLabel *const *btim, BrandVariant variant)
{
    frame->move(editionLeft(variant), frame->y());
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Plain);
    frame->setLineWidth(1);
    for (int n : picker::panelButtons(panel))
        btim[n]->move(0, picker::singlePanelTop(n));
}

} // namespace

void Tfm_main::openPicker(int n)
{
    if (converting) {
        desktop().warning(this, QStringLiteral("Please first stop convert!"));
        return;
    }
    if (!previewing && brandVariant == BrandVariant::A)
        pl_play->hide();

    const PickerEdition edition = pickerEdition(exeName);
    if (edition.order != 0) {
        hidePicker();
        if (edition.hidesOnly)
            return;
        QFrame *panel = subPanels(static_cast<int>(edition.panel));
        if (edition.singlePanelLayout)
            singlePanelLayout(panel, edition.panel, btim, brandVariant);
        else
            panel->move(editionLeft(brandVariant), panel->y());
        panel->show();
        if (edition.panel == Panel::pl_audio1)
            pl_audio2->hide();
        return;
    }

    if (!leaveCategory(currentCategory))
        return;
    pl_main->show();
    const picker::PickerTarget target = picker::pickerTarget(n);
    if (!target.shows)
        return;
    if (!highlightCategory(target.category))
        return;
    subPanels(static_cast<int>(target.panel))->show();
    if (target.hasFlyOut)
        showFlyOut(*this, target.flyOut);
    currentCategory = target.category;
}

void Tfm_main::hidePicker()
{
    pl_main->hide();
    for (int i = 0; i < subPanelCount; ++i)
        subPanels(i)->hide();
}

bool Tfm_main::leaveCategory(int c)
{
    if (c >= 1 && c <= picker::categoryCount) {
        if (!resetCategoryPicture(c))
            return false;
        // Both pages of General Video and Audio; the one panel of the others.
        subPanels(static_cast<int>(picker::categoryPanel(c, true, true)))->hide();
        subPanels(static_cast<int>(picker::categoryPanel(c, false, false)))->hide();
    }
    for (QFrame *flyOut : {pl_avi, pl_mpeg, pl_mkv, pl_mp4})
        if (flyOut->isVisible())
            flyOut->hide();
    return true;
}

void Tfm_main::categoryPointed(int c)
{
    if (currentCategory == c)
        return;
    if (!leaveCategory(currentCategory))
        return;
    if (!highlightCategory(c))
        return;
    currentCategory = c;
    subPanels(static_cast<int>(picker::categoryPanel(c, videoFirstPage, audioFirstPage)))->show();
}

void Tfm_main::profilePointed(int n)
{
    if (currentProfile == n)
        return;
    const CatalogueEntry *entry = catalogueEntry(n);
    switch (picker::pointingOf(n)) {
    case picker::Pointing::None:
        return;
    case picker::Pointing::Video1:
        foldToFamily();
        break;
    case picker::Pointing::FamilyEntry: {
        const picker::Family *family = picker::familyOfEntry(n);
        foldToFamily();
        // The preview pane steps aside while the fly-out comes to the front,
        // and then takes the state it had.
        const bool playShown = !pl_play->isHidden();
        pl_play->hide();
        showFlyOut(*this, family->flyOut);
        const bool done = restoreProfileButton(currentProfile) && highlightButton(n);
        pl_play->setVisible(playShown);
        if (done)
            currentProfile = n;
        return;
    }
    case picker::Pointing::FlyOut: {
        // Coming from the family entry, the entry keeps its highlight: the
        // reset falls on the fly-out's top button instead.
        const picker::Family *family = picker::familyOfFlyOut(entry->panel);
        if (currentProfile == family->entry)
            currentProfile = family->top;
        break;
    }
    case picker::Pointing::Other:
        break;
    }
    if (!restoreProfileButton(currentProfile))
        return;
    if (!highlightButton(n))
        return;
    currentProfile = n;
}

void Tfm_main::profileClicked(int n)
{
    if (!picker::isClickable(n))
        return;
    hidePicker();
    loadProfile(n);
}

void Tfm_main::foldToFamily()
{
    currentProfile = picker::foldToFamily(currentProfile);
}

bool Tfm_main::restoreProfileButton(int n)
{
    if (const picker::Family *family = picker::familyOfEntry(n))
        subPanels(static_cast<int>(family->flyOut))->hide();
    if (n < 1 || n > profileCount)
        return true;
    return resetButtonPicture(n);
}

void Tfm_main::Image94Click()
{
    videoFirstPage = false;
    pl_video2->show();
    pl_video1->hide();
}

void Tfm_main::Image93Click()
{
    pl_video2->hide();
    pl_video1->show();
    videoFirstPage = true;
}

namespace {

// Turns the Audio category from page `from` to page `to`. In an audio
// edition the new page takes the single-panel layout and the remembered
// page stays as it was.
void turnAudioPage(Tfm_main &w, QFrame *from, QFrame *to, Panel toPanel, bool toFirstPage)
{
    if (pickerEdition(w.exeName).panel != Panel::pl_audio1) {
        from->hide();
        to->show();
        w.audioFirstPage = toFirstPage;
        return;
    }
    singlePanelLayout(to, toPanel, w.btim, w.brandVariant);
    w.hidePicker();
    to->show();
    from->hide();
}

} // namespace

void Tfm_main::Image2Click()
{
    turnAudioPage(*this, pl_audio1, pl_audio2, Panel::pl_audio2, false);
}

void Tfm_main::Image5Click()
{
    turnAudioPage(*this, pl_audio2, pl_audio1, Panel::pl_audio1, true);
}

void Tfm_main::im_mainicoClick()
{
    openPicker(loadedProfile);
}

// ---- Pictures -----------------------------------------------------------------

namespace {

// Loads the picture at `relativePath` into `image`. With no path or no image
// there is nothing to load, which counts as done; a picture that cannot be
// read is reported in the error box and leaves the image as it was.
bool loadInto(Tfm_main &w, QLabel *image, const QString &relativePath)
{
    if (relativePath.isEmpty() || !image)
        return true;
    QString error;
    const QImage picture = pictures::loadPicture(w.programFolder + relativePath, &error);
    if (picture.isNull()) {
        desktop().error(&w, error);
        return false;
    }
    image->setPixmap(QPixmap::fromImage(picture));
    return true;
}

// images[i], or null when i is outside the array.
template <size_t N> QLabel *imageAt(QLabel *const (&images)[N], int i)
{
    return i >= 0 && static_cast<size_t>(i) < N ? images[i] : nullptr;
}

} // namespace

bool Tfm_main::highlightButton(int n)
{
    return loadInto(*this, imageAt(btim, n), pictures::buttonPicturePath(n, true));
}

bool Tfm_main::resetButtonPicture(int n)
{
    return loadInto(*this, imageAt(btim, n), pictures::buttonPicturePath(n, false));
}

bool Tfm_main::highlightCategory(int c)
{
    return loadInto(*this, imageAt(categoryImage, c), pictures::categoryPicturePath(c, true));
}

bool Tfm_main::resetCategoryPicture(int c)
{
    return loadInto(*this, imageAt(categoryImage, c), pictures::categoryPicturePath(c, false));
}

bool Tfm_main::refreshHeaderImage()
{
    return loadInto(*this, im_mainico, pictures::headerPicturePath(currentCategory));
}
