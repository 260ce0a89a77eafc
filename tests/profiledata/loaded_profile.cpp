#include "profiledata/loaded_profile.h"

#include "profiles/catalogue.h"

// TEMPORARY stand-in for the loader's quality-box rules and the table of
// remembered-choice defaults, until the profile loading work provides them;
// replaced by calls to those functions when it lands.
namespace {

const QString originalSize = QStringLiteral("The original width and height");
const QString originalVideo = QStringLiteral("The Original Video Quliay");
const QString originalAudio = QStringLiteral("The Original Audio Quliay");
const QString noVideoItem = QStringLiteral("No Video");

const QStringList designedQuality{"Higher quality", "High quality", "Normal", "Low Quliay",
                                  "Lower Quliay"};

struct DefaultsRow {
    int first, last;
    QualityDefaults defaults;
};

const DefaultsRow defaultsTable[] = {
    {1, 1, {0, 5, 5, 1}},       {2, 3, {4, 5, 5, 1}},       {4, 4, {5, 5, 5, 1}},
    {5, 6, {4, 5, 5, 1}},       {7, 7, {1, 5, 5, 1}},       {8, 9, {2, 5, 5, 1}},
    {10, 13, {4, 5, 5, 1}},     {14, 14, {1, 5, 5, 1}},     {15, 25, {-1, -1, 2, 1}},
    {27, 32, {0, 2, 2, 1}},     {33, 33, {-1, -1, 2, 1}},   {34, 39, {0, 2, 2, 1}},
    {40, 40, {-1, -1, 2, 1}},   {41, 44, {0, 2, 2, 1}},     {45, 45, {-1, -1, 2, 1}},
    {46, 51, {0, 2, 2, 1}},     {53, 54, {0, 2, 2, 1}},     {55, 55, {2, 2, 2, 1}},
    {56, 57, {0, 2, 2, 1}},     {58, 58, {2, 2, 2, 1}},     {59, 59, {-1, -1, 2, 1}},
    {60, 60, {0, 2, 2, 1}},     {61, 66, {2, 2, 2, 1}},     {68, 68, {2, 2, 2, 1}},
    {69, 69, {1, 2, 2, 1}},     {70, 70, {0, 2, 2, 1}},     {71, 71, {-1, -1, 2, 1}},
    {72, 73, {0, 2, 2, 1}},     {75, 76, {0, 2, 2, 1}},     {77, 77, {1, 2, 2, 1}},
    {78, 79, {0, 2, 2, 1}},     {80, 80, {-1, -1, 2, 1}},   {81, 81, {0, 2, 2, 1}},
    {83, 85, {1, 2, 2, 1}},     {86, 88, {0, 2, 2, 1}},     {89, 89, {1, 2, 2, 1}},
    {91, 97, {2, 2, 2, 1}},     {99, 100, {4, 2, 2, 1}},    {102, 108, {4, 5, 5, 1}},
    {110, 110, {5, 5, 5, 1}},   {111, 111, {2, 5, 5, 1}},   {112, 114, {0, 5, 5, 1}},
    {115, 116, {0, 2, 2, 1}},   {118, 123, {5, 2, 2, 1}},   {125, 131, {4, 5, 5, 1}},
};

void select(BoxState &box, int index) { box.selected = index < box.items.size() ? index : -1; }

} // namespace

std::optional<QualityDefaults> fileModeDefaults(int profile)
{
    for (const DefaultsRow &row : defaultsTable)
        if (profile >= row.first && profile <= row.last)
            return row.defaults;
    return std::nullopt;
}

LoadedProfile loadProfileForTest(const QString &path, int n)
{
    LoadedProfile p;
    p.number = n;
    p.displayName = displayNameOf(n);
    p.lines = readProfileLines(path, n);
    p.video.items = designedQuality;
    p.audio.items = designedQuality;
    p.channel.items = QStringList{"Mono", "Stereo"};
    p.channel.selected = 1;
    const QString extension = profileExtension(p.displayName);
    const bool sizeBased = n < 15 || n > 101;

    // The size line.
    p.size.items = splitProfileList(p.lines.sizeLine);
    if (n >= 112 && n <= 114)
        p.size.items = QStringList{"PAL", "NTSC"};
    if (sizeBased && p.size.items.size() >= 2 && extension != QLatin1String(".mp4") && n <= 111)
        p.size.items << originalSize;
    if (p.size.items.isEmpty()) {
        p.size.items << noVideoItem;
        p.size.selected = 0;
    }

    // The video line.
    if (n >= 112 && n <= 114) {
        p.video.enabled = p.audio.enabled = p.channel.enabled = false;
    } else {
        if (sizeBased && extension != QLatin1String(".mp4")) {
            p.video.items << originalVideo;
            p.audio.items << originalAudio;
        }
        if (p.lines.rateLine == QLatin1String("*") && p.size.items.size() == 1) {
            p.videoRates[0] = QStringLiteral("*");
            p.video.items << noVideoItem;
            p.video.selected = p.video.items.size() - 1;
            p.size.enabled = p.video.enabled = false;
        } else {
            const QStringList rates = splitProfileList(p.lines.rateLine);
            for (int k = 0; k < rates.size() && k < 5; ++k)
                p.videoRates[4 - k] = rates[k];
        }
    }

    // The remembered choices: the defaults of a first start.
    if (const std::optional<QualityDefaults> d = fileModeDefaults(n)) {
        if (d->size >= 0)
            select(p.size, d->size);
        if (d->video >= 0)
            select(p.video, d->video);
        select(p.audio, d->audio);
        select(p.channel, d->channel);
    }
    return p;
}

QualityChoices choicesOf(const LoadedProfile &p)
{
    QualityChoices c;
    c.profile = p.number;
    c.displayName = p.displayName;
    c.videoRates = p.videoRates;
    c.size = makeQualityBox(p.size.items, p.size.selected, p.size.enabled);
    c.video = makeQualityBox(p.video.items, p.video.selected, p.video.enabled);
    c.audio = makeQualityBox(p.audio.items, p.audio.selected, p.audio.enabled);
    c.channel = makeQualityBox(p.channel.items, p.channel.selected, p.channel.enabled);
    return c;
}
