#include "profiledata/profile_facts.h"

#include "engine/jobrecord.h"
#include "engine/options.h"
#include "profiledata/loaded_profile.h"
#include "profiles/catalogue.h"
#include "profiles/profiledef.h"
#include "profiles/qualityboxes.h"

#include <QMap>

QList<int> selectableProfiles()
{
    QList<int> numbers;
    for (int n = 1; n <= profileCount; ++n) {
        const CatalogueEntry *entry = catalogueEntry(n);
        const bool clickable =
            entry->kind == ButtonKind::Profile || entry->kind == ButtonKind::BottomClickable;
        if ((clickable && hasDisplayName(n)) || entry->kind == ButtonKind::Family)
            numbers << n;
    }
    return numbers;
}

QString lastValue(const QStringList &words, const QStringList &names)
{
    QString value;
    for (qsizetype i = 0; i + 1 < words.size(); ++i)
        if (names.contains(words[i]))
            value = words[i + 1];
    return value;
}

bool discTarget(const QString &target, DiscTarget *facts)
{
    const bool pal = target.startsWith(QLatin1String("pal-"));
    const bool ntsc = target.startsWith(QLatin1String("ntsc-"));
    if (!pal && !ntsc)
        return false;
    const QString disc = target.mid(target.indexOf(QLatin1Char('-')) + 1);
    DiscTarget f;
    if (disc == QLatin1String("vcd")) {
        f = {QStringLiteral("mpeg1video"), QStringLiteral("mp2"), 352, pal ? 288 : 240, 44100, true};
    } else if (disc == QLatin1String("svcd")) {
        f = {QStringLiteral("mpeg2video"), QStringLiteral("mp2"), 480, pal ? 576 : 480, 44100};
    } else if (disc == QLatin1String("dvd")) {
        f = {QStringLiteral("mpeg2video"), QStringLiteral("ac3"), 720, pal ? 576 : 480, 48000};
    } else {
        return false;
    }
    if (facts)
        *facts = f;
    return true;
}

QString expectedFormatName(const QString &extension, const QString &format)
{
    static const QString mp4Family = QStringLiteral("mov,mp4,m4a,3gp,3g2,mj2");
    if (format == QLatin1String("ipod") || format == QLatin1String("psp"))
        return mp4Family;
    if (format == QLatin1String("vob") || format == QLatin1String("mpeg"))
        return QStringLiteral("mpeg");
    if (format == QLatin1String("mpegts"))
        return QStringLiteral("mpegts");
    if (format == QLatin1String("adts"))
        return QStringLiteral("aac");
    static const QMap<QString, QString> byExtension{
        {".asf", "asf"},      {".wmv", "asf"},   {".wma", "asf"},    {".avi", "avi"},
        {".mp4", mp4Family},  {".mov", mp4Family}, {".3gp", mp4Family}, {".3g2", mp4Family},
        {".m4a", mp4Family},  {".rm", "rm"},     {".ra", "rm"},      {".flv", "flv"},
        {".swf", "swf"},      {".aac", "aac"},   {".ac3", "ac3"},    {".mp3", "mp3"},
        {".mp2", "mp3"},      {".ogg", "ogg"},   {".wav", "wav"},    {".aiff", "aiff"},
        {".au", "au"},        {".amr", "amr"},   {".mpg", "mpeg"},   {".mpeg", "mpeg"},
        {".vob", "mpeg"},     {".ts", "mpegts"}, {".mkv", "matroska,webm"}};
    return byExtension.value(extension.toLower());
}

QString decoderName(const QString &encoder)
{
    static const QMap<QString, QString> names{
        {"libx264", "h264"},  {"libxvid", "mpeg4"},     {"msmpeg4", "msmpeg4v3"},
        {"flv", "flv1"},      {"libmp3lame", "mp3"},    {"libvorbis", "vorbis"},
        {"libopencore_amrnb", "amr_nb"}};
    return names.value(encoder, encoder);
}

std::set<int> acceptedSampleRates(const QString &audioCodec, const QString &formatName,
                                  const QString &format)
{
    if (audioCodec == QLatin1String("ac3"))
        return {32000, 44100, 48000};
    if (audioCodec == QLatin1String("mp2"))
        return {16000, 22050, 24000, 32000, 44100, 48000};
    if (audioCodec == QLatin1String("amr_nb"))
        return {8000};
    if (audioCodec == QLatin1String("mp3") &&
        (formatName == QLatin1String("flv") || formatName == QLatin1String("swf")))
        return {11025, 22050, 44100};
    if (format == QLatin1String("psp"))
        return {24000, 48000};
    return {8000, 11025, 16000, 22050, 24000, 32000, 44100, 48000};
}

namespace {

QString videoDescription(const QStringList &words)
{
    static const QMap<QString, QString> names{
        {"mpeg4", "MPEG-4 Visual"}, {"libxvid", "MPEG-4 Visual (Xvid)"},
        {"libx264", "H.264"},       {"msmpeg4", "MS-MPEG4 v3"},
        {"wmv2", "WMV 8"},          {"rv20", "RealVideo 2"},
        {"h263", "H.263"},          {"flv", "Sorenson Spark (FLV1)"},
        {"mpeg1video", "MPEG-1"},   {"mpeg2video", "MPEG-2"}};
    if (words.contains(QStringLiteral("-vn")))
        return QStringLiteral("none");
    const QString codec = lastValue(words, {"-c:v", "-vcodec"});
    QString text = names.value(codec, codec);
    const QString profile = lastValue(words, {"-profile:v"});
    const QString level = lastValue(words, {"-level"});
    if (!profile.isEmpty())
        text += QLatin1Char(' ') + profile.at(0).toUpper() + profile.mid(1);
    if (!level.isEmpty())
        text += QStringLiteral(" level ") + level;
    const QString tag = lastValue(words, {"-vtag", "-tag:v"});
    if (!tag.isEmpty())
        text += QStringLiteral(", tag ") + tag;
    return text;
}

QString audioDescription(const QStringList &words)
{
    static const QMap<QString, QString> names{
        {"aac", "AAC"},           {"ac3", "AC-3"},          {"libmp3lame", "MP3"},
        {"libvorbis", "Vorbis"},  {"pcm_s16le", "PCM 16-bit LE"},
        {"pcm_s16be", "PCM 16-bit BE"}, {"wmav2", "WMA v2"}, {"mp2", "MP2"},
        {"libopencore_amrnb", "AMR-NB, 8000 Hz mono"}};
    const QString codec = lastValue(words, {"-c:a", "-acodec"});
    QString text = names.value(codec, codec);
    const QString rate = lastValue(words, {"-ar"});
    if (!rate.isEmpty())
        text += QStringLiteral(", always ") + rate + QStringLiteral(" Hz");
    return text;
}

QString videoRates(int n, const LoadedProfile &p)
{
    if (isDiscProfile(n))
        return QStringLiteral("fixed by the target");
    if (p.noVideo())
        return QStringLiteral("no video");
    if (isListProfile(n)) {
        QStringList rates;
        for (int i = 4; i >= 0; --i)
            rates << p.videoRates[i];
        return rates.join(QLatin1Char(' '));
    }
    const char *row = "1.51 to 6.25";
    if (n == 118 || n == 121)
        row = "0.8 to 3.33";
    else if (n == 120 || n == 123)
        row = "3.33 to 10.41";
    return QStringLiteral("height × ") + QLatin1String(row);
}

QString sizes(int n, const LoadedProfile &p)
{
    if (p.noVideo())
        return QStringLiteral("–");
    if (isDiscProfile(n))
        return QStringLiteral("**PAL**, NTSC");
    QStringList items;
    for (int i = 0; i < p.size.items.size(); ++i) {
        QString item = p.size.items[i];
        if (item == originalSizeItem)
            item = QStringLiteral("original");
        items << (i == p.size.selected ? QStringLiteral("**") + item + QStringLiteral("**") : item);
    }
    return items.join(QStringLiteral(", "));
}

} // namespace

QString profilesTable(const QString &path)
{
    QString text = QStringLiteral(
        "# Output profiles\n"
        "\n"
        "What each selectable profile makes, read from `profiles.pop` by the test program\n"
        "`test_profiledata`, which fails when this table and the file disagree. Run it with\n"
        "`CLIPFORGE_UPDATE_PROFILES_MD=1` to write the table afresh.\n"
        "\n"
        "- Frame sizes: the items of the size box in their order; the one a first start selects\n"
        "  in file mode is in bold. \"original\" is the source's own size.\n"
        "- Video rates: the five rates of the video quality box, from \"Lower Quliay\" to\n"
        "  \"Higher quality\". Profiles below 15 and above 101 compute the rate from the frame\n"
        "  height (kb/s per line, by quality) and, in file mode, also offer the source's own rate.\n"
        "- Audio: 320, 192, 128, 64 and 32 kb/s from \"Higher quality\" to \"Lower Quliay\", at\n"
        "  48000, 44100, 44100, 22050 and 22050 Hz unless the profile fixes the rate; \".3gp\" and\n"
        "  \".amr\" files use AMR-NB at 12.2, 10.2, 7.4, 5.9 and 4.75 kb/s, 8000 Hz, one channel.\n"
        "  PCM formats ignore the bit rate.\n"
        "- The numbers without a profile of their own (26, 33, 40, 45, 52, 59, 67, 74, 82, 90,\n"
        "  98, 101, 109, 117, 124, 132) have no sizes, no video rates and no options: a job after\n"
        "  such a click keeps the shown name's extension and the encoder's defaults.\n"
        "\n"
        "| No. | Profile | File | Video | Audio | Frame sizes | Video rates, kb/s |\n"
        "|---:|---|---|---|---|---|---|\n");
    for (const int n : selectableProfiles()) {
        const LoadedProfile p = loadProfileForTest(path, n);
        const QStringList words = splitOptionWords(p.lines.optionsLine);
        const QString extension = profileExtension(p.displayName);
        QString file = QStringLiteral("`") + extension + QStringLiteral("`");
        QString video, audio;
        DiscTarget target;
        if (isDiscProfile(n) && discTarget(lastValue(words, {"-target"}), &target)) {
            video = (target.videoCodec == QLatin1String("mpeg1video") ? QStringLiteral("MPEG-1")
                                                                       : QStringLiteral("MPEG-2")) +
                    QStringLiteral(", -target ") + lastValue(words, {"-target"}).mid(4) +
                    QStringLiteral(" (PAL or NTSC)");
            audio = (target.audioCodec == QLatin1String("ac3") ? QStringLiteral("AC-3")
                                                                : QStringLiteral("MP2")) +
                    QStringLiteral(", ") + QString::number(target.sampleRate) +
                    QStringLiteral(" Hz");
        } else {
            const QString format = lastValue(words, {"-f"});
            if (!format.isEmpty())
                file += QStringLiteral(", ") + format;
            video = videoDescription(words);
            audio = audioDescription(words);
        }
        text += QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 | %7 |\n")
                    .arg(n)
                    .arg(p.displayName, file, video, audio, sizes(n, p), videoRates(n, p));
    }
    return text;
}
