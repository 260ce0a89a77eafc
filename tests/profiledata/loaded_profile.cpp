#include "profiledata/loaded_profile.h"

#include "config/ini.h"
#include "config/qualitymemory.h"
#include "profiles/catalogue.h"

LoadedProfile loadProfileForTest(const QString &path, int n)
{
    LoadedProfile p;
    p.number = n;
    p.displayName = displayNameOf(n);
    p.lines = readProfileLines(path, n);

    QualityBoxes boxes = QualityBoxes::designed();
    QString profileOpts;
    const ProfileRules rules{n, RunMode::File, profileExtension(p.displayName)};
    applyProfileLines(boxes, p.videoRates, profileOpts, p.lines, rules);
    // A store that names no file reads every default: a first start.
    selectQualityChoices(boxes, readQualityChoices(IniFile(), n, RunMode::File));

    p.size = boxes.cb_size;
    p.video = boxes.cb_videobitrate;
    p.audio = boxes.cb_audiobitrate;
    p.channel = boxes.cb_channel;
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
