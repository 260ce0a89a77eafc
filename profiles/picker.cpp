#include "profiles/picker.h"

#include <array>

namespace picker {

namespace {

const char *const panelNames[] = {
    "pl_video1", "pl_video2", "pl_audio1",    "pl_audio2", "pl_ipod", "pl_iphone", "pl_psp",
    "pl_phone",  "pl_pmp",    "pl_appletv",   "pl_animation", "pl_gphone", "pl_win", "pl_xbox",
    "pl_hd",     "pl_avi",    "pl_mpeg",      "pl_mp4",    "pl_mkv"};

std::vector<int> range(int first, int last)
{
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers.push_back(n);
    return numbers;
}

// Buttons of every panel, top to bottom, in the order of the Panel enum.
const std::array<std::vector<int>, 19> &allButtons()
{
    static const std::array<std::vector<int>, 19> buttons{{
        range(1, 7),    // pl_video1
        range(8, 14),   // pl_video2
        range(15, 21),  // pl_audio1
        range(22, 26),  // pl_audio2
        range(27, 33),  // pl_ipod
        range(34, 40),  // pl_iphone
        range(53, 59),  // pl_psp
        range(68, 74),  // pl_phone
        range(83, 90),  // pl_pmp
        range(46, 52),  // pl_appletv
        range(99, 101), // pl_animation
        range(41, 45),  // pl_gphone
        range(75, 82),  // pl_win
        range(60, 67),  // pl_xbox
        range(91, 98),  // pl_hd
        range(102, 109), // pl_avi
        range(110, 117), // pl_mpeg
        range(118, 124), // pl_mp4
        {125, 126, 128, 127, 129, 130, 131, 132}, // pl_mkv
    }};
    return buttons;
}

int panelIndex(Panel panel)
{
    return static_cast<int>(panel);
}

// The strip of a two-page panel: the blank part is 240 wide and 17 high; the
// page-turn image 71 wide, 17 high on General Video and 18 on Audio. Both
// end at the panel's bottom edge.
int stripTop(Panel panel)
{
    if (panel == Panel::pl_audio1 || panel == Panel::pl_audio2)
        return panelHeight - 18;
    return panelHeight - 17;
}

const Panel categoryPanels[categoryCount] = {
    Panel::pl_video1,  Panel::pl_audio1, Panel::pl_ipod, Panel::pl_iphone, Panel::pl_gphone,
    Panel::pl_appletv, Panel::pl_psp,    Panel::pl_xbox, Panel::pl_phone,  Panel::pl_win,
    Panel::pl_pmp,     Panel::pl_hd,     Panel::pl_animation};

} // namespace

QString panelName(Panel panel)
{
    return QString::fromLatin1(panelNames[panelIndex(panel)]);
}

bool isFlyOut(Panel panel)
{
    return panel == Panel::pl_avi || panel == Panel::pl_mpeg || panel == Panel::pl_mp4 ||
           panel == Panel::pl_mkv;
}

int panelWidthOf(Panel panel)
{
    return isFlyOut(panel) ? flyOutWidth : panelWidth;
}

const std::vector<int> &panelButtons(Panel panel)
{
    return allButtons()[static_cast<size_t>(panelIndex(panel))];
}

int buttonIndex(int n)
{
    const CatalogueEntry *entry = catalogueEntry(n);
    if (!entry)
        return -1;
    const std::vector<int> &buttons = panelButtons(entry->panel);
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i] == n)
            return static_cast<int>(i);
    return -1;
}

QRect buttonRect(int n)
{
    const int index = buttonIndex(n);
    if (index < 0)
        return QRect();
    const Panel panel = catalogueEntry(n)->panel;
    const int count = static_cast<int>(panelButtons(panel).size());
    const int top = index == 0 ? 0 : firstButtonHeight + (index - 1) * buttonHeight;
    int height = index == 0 ? firstButtonHeight : buttonHeight;
    if (index == count - 1) {
        const int bottom = hasPageStrip(panel) ? stripTop(panel) : panelHeight;
        height = bottom - top;
    }
    return QRect(0, top, panelWidthOf(panel), height);
}

int singlePanelTop(int n)
{
    const QRect r = buttonRect(n);
    return r.isNull() ? 0 : r.top() - 1;
}

bool hasPageStrip(Panel panel)
{
    return panel == Panel::pl_video1 || panel == Panel::pl_video2 || panel == Panel::pl_audio1 ||
           panel == Panel::pl_audio2;
}

QString stripName(Panel panel, StripPart part)
{
    const bool blank = part == StripPart::Blank;
    switch (panel) {
    case Panel::pl_video1:
        return blank ? QStringLiteral("btim_next") : QStringLiteral("Image94");
    case Panel::pl_video2:
        return blank ? QStringLiteral("btim_pre") : QStringLiteral("Image93");
    case Panel::pl_audio1:
        return blank ? QStringLiteral("Image1") : QStringLiteral("Image2");
    case Panel::pl_audio2:
        return blank ? QStringLiteral("Image4") : QStringLiteral("Image5");
    default:
        return QString();
    }
}

QRect stripRect(Panel panel, StripPart part)
{
    if (!hasPageStrip(panel))
        return QRect();
    const int top = stripTop(panel);
    if (part == StripPart::Blank)
        return QRect(0, panelHeight - 17, 240, 17);
    // 240 + 71 is one pixel more than the panel: the turn image ends at its
    // right edge and covers the blank part's last column.
    return QRect(panelWidth - 71, top, 71, panelHeight - top);
}

QString categoryImageName(int c)
{
    static const char *const names[categoryCount] = {
        "img_gvideo1", "img_audio1", "img_ipod", "img_iphone", "img_gphone",
        "img_appletv", "img_psp",    "img_xbox", "img_phone",  "img_win",
        "img_pmp",     "img_hd",     "img_animation"};
    return c >= 1 && c <= categoryCount ? QString::fromLatin1(names[c - 1]) : QString();
}

QRect categoryRect(int c)
{
    if (c < 1 || c > categoryCount)
        return QRect();
    if (c == 1)
        return QRect(0, 0, categoryWidth, firstCategoryHeight);
    return QRect(0, firstCategoryHeight + (c - 2) * categoryHeight, categoryWidth, categoryHeight);
}

QRect blankCategoryRect()
{
    const int top = firstCategoryHeight + (categoryCount - 1) * categoryHeight;
    return QRect(0, top, categoryWidth, panelHeight - top);
}

Panel categoryPanel(int c, bool videoFirstPage, bool audioFirstPage)
{
    if (c == 1)
        return videoFirstPage ? Panel::pl_video1 : Panel::pl_video2;
    if (c == 2)
        return audioFirstPage ? Panel::pl_audio1 : Panel::pl_audio2;
    return categoryPanels[c - 1];
}

int categoryOfProfile(int n)
{
    const CatalogueEntry *entry = catalogueEntry(n);
    if (!entry)
        return -1;
    switch (entry->panel) {
    case Panel::pl_video1:
    case Panel::pl_video2:
    case Panel::pl_avi:
    case Panel::pl_mpeg:
    case Panel::pl_mp4:
    case Panel::pl_mkv:
        return 1;
    case Panel::pl_audio1:
    case Panel::pl_audio2:
        return 2;
    default:
        for (int c = 3; c <= categoryCount; ++c)
            if (categoryPanels[c - 1] == entry->panel)
                return c;
        return -1;
    }
}

const std::vector<Family> &families()
{
    static const std::vector<Family> list{{2, Panel::pl_avi, 102},
                                          {3, Panel::pl_mpeg, 110},
                                          {4, Panel::pl_mp4, 118},
                                          {5, Panel::pl_mkv, 125}};
    return list;
}

const Family *familyOfEntry(int n)
{
    for (const Family &f : families())
        if (f.entry == n)
            return &f;
    return nullptr;
}

const Family *familyOfFlyOut(Panel panel)
{
    for (const Family &f : families())
        if (f.flyOut == panel)
            return &f;
    return nullptr;
}

int foldToFamily(int current)
{
    // The profiles the picker opens on a fly-out for are those to fold.
    const PickerTarget target = pickerTarget(current);
    return target.hasFlyOut ? familyOfFlyOut(target.flyOut)->entry : current;
}

Pointing pointingOf(int n)
{
    const CatalogueEntry *entry = catalogueEntry(n);
    if (!entry || entry->kind == ButtonKind::Inert)
        return Pointing::None;
    if (entry->kind == ButtonKind::Family)
        return Pointing::FamilyEntry;
    if (entry->panel == Panel::pl_video1)
        return Pointing::Video1;
    if (isFlyOut(entry->panel))
        return Pointing::FlyOut;
    return Pointing::Other;
}

bool isClickable(int n)
{
    const CatalogueEntry *entry = catalogueEntry(n);
    return entry &&
           (entry->kind == ButtonKind::Profile || entry->kind == ButtonKind::BottomClickable);
}

PickerTarget pickerTarget(int n)
{
    struct Row {
        int first, last;
        Panel panel;
        bool hasFlyOut;
        Panel flyOut;
        int category;
    };
    static const Row rows[] = {
        {1, 7, Panel::pl_video1, false, {}, 1},
        {8, 14, Panel::pl_video2, false, {}, 1},
        {15, 21, Panel::pl_audio1, false, {}, 2},
        {22, 26, Panel::pl_audio2, false, {}, 2},
        {27, 32, Panel::pl_ipod, false, {}, 3},
        {34, 39, Panel::pl_iphone, false, {}, 4},
        {41, 44, Panel::pl_gphone, false, {}, 5},
        {46, 51, Panel::pl_appletv, false, {}, 6},
        {53, 58, Panel::pl_psp, false, {}, 7},
        {60, 66, Panel::pl_xbox, false, {}, 8},
        {68, 73, Panel::pl_phone, false, {}, 9},
        {75, 81, Panel::pl_win, false, {}, 10},
        {83, 89, Panel::pl_pmp, false, {}, 11},
        {91, 97, Panel::pl_hd, false, {}, 12},
        {99, 100, Panel::pl_animation, false, {}, 13},
        {102, 109, Panel::pl_video1, true, Panel::pl_avi, 1},
        {110, 117, Panel::pl_video1, true, Panel::pl_mpeg, 1},
        {118, 124, Panel::pl_video1, true, Panel::pl_mp4, 1},
        {125, 131, Panel::pl_video1, true, Panel::pl_mkv, 1},
    };
    for (const Row &r : rows)
        if (n >= r.first && n <= r.last)
            return {true, r.panel, r.hasFlyOut, r.flyOut, r.category};
    return {};
}

} // namespace picker
