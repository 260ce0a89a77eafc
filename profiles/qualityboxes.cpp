#include "profiles/qualityboxes.h"

#include "profiles/catalogue.h"

QStringList designedRateItems()
{
    return {QStringLiteral("Higher quality"), QStringLiteral("High quality"),
            QStringLiteral("Normal"), QStringLiteral("Low Quliay"), QStringLiteral("Lower Quliay")};
}

QStringList designedChannelItems()
{
    return {QStringLiteral("Mono"), QStringLiteral("Stereo")};
}

QString ComboModel::shownText() const
{
    return selected >= 0 && selected < items.size() ? items[selected] : QString();
}

QString ComboModel::lastItem() const
{
    return items.isEmpty() ? QString() : items.last();
}

void ComboModel::removeAt(int i)
{
    if (i < 0 || i >= items.size())
        return;
    items.removeAt(i);
    if (selected == i)
        selected = -1;
    else if (selected > i)
        --selected;
}

void ComboModel::clear()
{
    items.clear();
    selected = -1;
}

void ComboModel::select(int i)
{
    selected = i >= 0 && i < items.size() ? i : -1;
}

QualityBoxes QualityBoxes::designed()
{
    QualityBoxes boxes;
    boxes.cb_videobitrate.items = designedRateItems();
    boxes.cb_audiobitrate.items = designedRateItems();
    boxes.cb_channel.items = designedChannelItems();
    boxes.cb_channel.selected = 1;
    return boxes;
}

ComboModel &QualityBoxes::box(int i)
{
    ComboModel *const boxes[4] = {&cb_size, &cb_videobitrate, &cb_audiobitrate, &cb_channel};
    return *boxes[i];
}

const ComboModel &QualityBoxes::box(int i) const
{
    return const_cast<QualityBoxes *>(this)->box(i);
}

void fillSizeList(QualityBoxes &boxes, const QString &line, const ProfileRules &rules)
{
    ComboModel &size = boxes.cb_size;
    size.clear();
    for (const QString &item : splitProfileList(line))
        size.add(item);
    if (isDiscProfile(rules.currentProfile)) {
        size.clear();
        size.add(QStringLiteral("PAL"));
        size.add(QStringLiteral("NTSC"));
    }
    // The comparison is exact: ".MP4" is not ".mp4".
    if (!isListProfile(rules.currentProfile) && size.items.size() >= 2 &&
        rules.extension != QLatin1String(".mp4") && rules.currentProfile <= 111)
        size.add(originalSizeItem);
    if (size.items.isEmpty()) {
        size.add(noVideoItem);
        size.select(0);
    }
}

void applyVideoLine(QualityBoxes &boxes, VideoRates &rates, const QString &line,
                    const ProfileRules &rules)
{
    ComboModel &video = boxes.cb_videobitrate;
    ComboModel &audio = boxes.cb_audiobitrate;
    const int p = rules.currentProfile;
    if (isDiscProfile(p)) {
        // The disc targets fix every rate themselves.
        video.enabled = false;
        audio.enabled = false;
        boxes.cb_channel.enabled = false;
        return;
    }
    video.enabled = true;
    audio.enabled = true;
    boxes.cb_channel.enabled = true;

    // A "No Video" item left by an earlier audio profile goes before the
    // original-quality items are looked at, so that it neither hides an
    // original item at the end of the box (which would then be added twice,
    // or kept for an ".mp4" profile) nor stays behind as a choice.
    for (int i = static_cast<int>(video.items.size()) - 1; i >= 0; --i)
        if (video.items[i] == noVideoItem)
            video.removeAt(i);

    if (!isListProfile(p)) {
        if (rules.extension != QLatin1String(".mp4")) {
            if (rules.runMode == RunMode::File) {
                if (video.lastItem() != originalVideoItem)
                    video.add(originalVideoItem);
                if (audio.lastItem() != originalAudioItem)
                    audio.add(originalAudioItem);
            }
        } else {
            if (video.lastItem() == originalVideoItem)
                video.removeAt(static_cast<int>(video.items.size()) - 1);
            if (audio.lastItem() == originalAudioItem)
                audio.removeAt(static_cast<int>(audio.items.size()) - 1);
        }
    }

    if (line == QLatin1String("*") && boxes.cb_size.items.size() == 1) {
        // No video: slots 1 to 4 keep their values.
        rates[0] = QStringLiteral("*");
        video.add(noVideoItem);
        video.select(static_cast<int>(video.items.size()) - 1);
        boxes.cb_size.enabled = false;
        video.enabled = false;
    } else {
        boxes.cb_size.enabled = true;
        video.enabled = true;
        storeVideoRates(rates, line);
    }
}

void storeVideoRates(VideoRates &rates, const QString &line)
{
    const QStringList items = splitProfileList(line);
    for (qsizetype k = 0; k < items.size() && k < 5; ++k)
        rates[4 - k] = items[k];
}

void applyProfileLines(QualityBoxes &boxes, VideoRates &rates, QString &profileOpts,
                       const ProfileLines &lines, const ProfileRules &rules)
{
    if (lines.hasSizeLine)
        fillSizeList(boxes, lines.sizeLine, rules);
    if (lines.hasRateLine)
        applyVideoLine(boxes, rates, lines.rateLine, rules);
    if (lines.hasOptionsLine)
        profileOpts = lines.optionsLine;
}

void selectQualityChoices(QualityBoxes &boxes, const std::array<std::optional<int>, 4> &choices)
{
    for (int i = 0; i < 4; ++i)
        if (choices[i])
            boxes.box(i).select(*choices[i]);
}
