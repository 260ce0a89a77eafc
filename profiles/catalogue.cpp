#include "profiles/catalogue.h"

#include <array>

namespace {

const std::array<CatalogueEntry, profileCount> entries{{
    {1, Panel::pl_video1, ButtonKind::Profile, u"ASF-Advanced Streaming Format(*.asf)"},
    {2, Panel::pl_video1, ButtonKind::Family, u"AVI-DivX Movie(*.avi)"},
    {3, Panel::pl_video1, ButtonKind::Family, u"AVI-XviD Movie(*.avi)"},
    {4, Panel::pl_video1, ButtonKind::Family, u"MP4-MPEG-4 Video(*.mp4)"},
    {5, Panel::pl_video1, ButtonKind::Family, u"MP4-MPEG-4 AVC Video(*.mp4)"},
    {6, Panel::pl_video1, ButtonKind::Profile, u"RM-Real Video(*.rm)"},
    {7, Panel::pl_video1, ButtonKind::Profile, u"WMV-Windows Media Video(*.wmv)"},
    {8, Panel::pl_video2, ButtonKind::Profile, u"3GPP-3rd Generation Partnership Project(*.3gp)"},
    {9, Panel::pl_video2, ButtonKind::Profile, u"3GPP2-3rd Generation Partnership Project2(*.3g2)"},
    {10, Panel::pl_video2, ButtonKind::Profile, u"MOV-Quick Time(*.mov)"},
    {11, Panel::pl_video2, ButtonKind::Profile, u"FLV - Flash Video Format(*.flv)"},
    {12, Panel::pl_video2, ButtonKind::Profile, u"SWF - SWF Format(*.swf)"},
    {13, Panel::pl_video2, ButtonKind::Inert, u"RM-Real Video(*.rm)"},
    {14, Panel::pl_video2, ButtonKind::Inert, u"WMV-Windows Media Video(*.wmv)"},
    {15, Panel::pl_audio1, ButtonKind::Profile, u"AAC-Advanced Audio Coding(*.aac)"},
    {16, Panel::pl_audio1, ButtonKind::Profile, u"AC3-Dolby Dingtal AC-3(*.ac3)"},
    {17, Panel::pl_audio1, ButtonKind::Profile, u"MP3-MPEG Layer-3Audio(*.mp3)"},
    {18, Panel::pl_audio1, ButtonKind::Profile, u"OGG-Ogg Vorbis Audio(*.ogg)"},
    {19, Panel::pl_audio1, ButtonKind::Profile, u"RA-Real Auido(*.ra)"},
    {20, Panel::pl_audio1, ButtonKind::Profile, u"WAV-Waveform Auido(*.wav)"},
    {21, Panel::pl_audio1, ButtonKind::Profile, u"WMA-Windows Media Audio(*.wma)"},
    {22, Panel::pl_audio2, ButtonKind::Profile, u"AIFF-Audio Interchange File Format(*.aiff)"},
    {23, Panel::pl_audio2, ButtonKind::Profile, u"M4A-MPEG-4 Auido(*.m4a)"},
    {24, Panel::pl_audio2, ButtonKind::Profile, u"MP2-MPEG Layer-2 Audio(*.mp2)"},
    {25, Panel::pl_audio2, ButtonKind::Profile, u"SUN AU Format(*.au)"},
    {26, Panel::pl_audio2, ButtonKind::BottomClickable, nullptr},
    {27, Panel::pl_ipod, ButtonKind::Profile, u"iPod(320×240)MPEG-4 Codec(*.mp4)"},
    {28, Panel::pl_ipod, ButtonKind::Profile, u"iPod(320×240)MPEG-4 AVC Codec(*.mp4)"},
    {29, Panel::pl_ipod, ButtonKind::Profile, u"iPod(480×320)MPEG-4 Codec(*.mp4)"},
    {30, Panel::pl_ipod, ButtonKind::Profile, u"iPod(480×320)MPEG-4 AVC Codec(*.mp4)"},
    {31, Panel::pl_ipod, ButtonKind::Profile, u"iPod(640×480)MPEG-4 Codec(*.mp4)"},
    {32, Panel::pl_ipod, ButtonKind::Profile, u"iPod(640×480)MPEG-4 AVC Codec(*.mp4)"},
    {33, Panel::pl_ipod, ButtonKind::BottomClickable, nullptr},
    {34, Panel::pl_iphone, ButtonKind::Profile, u"iPhone(320×240)MPEG-4 Codec(*.mp4)"},
    {35, Panel::pl_iphone, ButtonKind::Profile, u"iPhone(320×240)MPEG-4 AVC Codec(*.mp4)"},
    {36, Panel::pl_iphone, ButtonKind::Profile, u"iPhone(480×320)MPEG-4 Codec(*.mp4)"},
    {37, Panel::pl_iphone, ButtonKind::Profile, u"iPhone(480×320)MPEG-4 AVC Codec(*.mp4)"},
    {38, Panel::pl_iphone, ButtonKind::Profile, u"iPhone(640×480)MPEG-4 Codec(*.mp4)"},
    {39, Panel::pl_iphone, ButtonKind::Profile, u"iPhone(640×480)MPEG-4 AVC Codec(*.mp4)"},
    {40, Panel::pl_iphone, ButtonKind::BottomClickable, nullptr},
    {41, Panel::pl_gphone, ButtonKind::Profile, u"GPhone(320×240)MPEG-4 Codec(*.mp4)"},
    {42, Panel::pl_gphone, ButtonKind::Profile, u"GPhone(320×240)H.264 Codec(*.mp4)"},
    {43, Panel::pl_gphone, ButtonKind::Profile, u"GPhone(640×480)MPEG-4 Codec(*.mp4)"},
    {44, Panel::pl_gphone, ButtonKind::Profile, u"GPhone(640×480)H.264 Codec(*.mp4)"},
    {45, Panel::pl_gphone, ButtonKind::BottomClickable, nullptr},
    {46, Panel::pl_appletv, ButtonKind::Profile, u"Apple TV MPEG-4 480P(640×480)(*.mp4)"},
    {47, Panel::pl_appletv, ButtonKind::Profile, u"Apple TV MPEG-4 720P(1280×720)(*.mp4)"},
    {48, Panel::pl_appletv, ButtonKind::Profile, u"Apple TV MPEG-4 (320×240)(*.mp4)"},
    {49, Panel::pl_appletv, ButtonKind::Profile, u"Apple TV h264 480P(640×480)(*.mp4)"},
    {50, Panel::pl_appletv, ButtonKind::Profile, u"Apple TV h264 720P(1280×720)(*.mp4)"},
    {51, Panel::pl_appletv, ButtonKind::Profile, u"Apple TV h264(320×240)(*.mp4)"},
    {52, Panel::pl_appletv, ButtonKind::BottomClickable, nullptr},
    {53, Panel::pl_psp, ButtonKind::Profile, u"PS3 Video(1080P)MPEG-4(*.MP4)"},
    {54, Panel::pl_psp, ButtonKind::Profile, u"PS3 Video(720P)MPEG-4(*.MP4)"},
    {55, Panel::pl_psp, ButtonKind::Profile, u"PS3 Video(480P)MPEG-4(*.MP4)"},
    {56, Panel::pl_psp, ButtonKind::Profile, u"PSP-PSP MPEG-4 Video(*.mp4)"},
    {57, Panel::pl_psp, ButtonKind::Profile, u"PSP AVC Video Format(*.mp4)"},
    {58, Panel::pl_psp, ButtonKind::Profile, u"PSP Video(480P)MPEG-4(*.mp4)"},
    {59, Panel::pl_psp, ButtonKind::BottomClickable, nullptr},
    {60, Panel::pl_xbox, ButtonKind::Profile, u"Xbox360 WMV Movie(*.wmv)"},
    {61, Panel::pl_xbox, ButtonKind::Profile, u"Xbox360 WMV HDTV Video(*.wmv)"},
    {62, Panel::pl_xbox, ButtonKind::Profile, u"Xbox360 MPEG-4 AVC Video(*.mp4)"},
    {63, Panel::pl_xbox, ButtonKind::Profile, u"Xbox360 HD MPEG-4 AVC Video(*.mp4)"},
    {64, Panel::pl_xbox, ButtonKind::Profile, u"Xbox360 MPEG4 Video(*.mp4)"},
    {65, Panel::pl_xbox, ButtonKind::Profile, u"Xbox360 HD MPEG-4 Video(*.mp4)"},
    {66, Panel::pl_xbox, ButtonKind::Profile, u"Xbox360 MCE HD MPEG2 Video(*.mpeg)"},
    {67, Panel::pl_xbox, ButtonKind::BottomClickable, nullptr},
    {68, Panel::pl_phone, ButtonKind::Profile, u"3GPP-3rd Generation Partnership Project(*.3gp)"},
    {69, Panel::pl_phone, ButtonKind::Profile, u"3GPP2-3rd Generation Partnership Project2(*.3g2)"},
    {70, Panel::pl_phone, ButtonKind::Profile, u"BlackBerry 3GP Video(*.3gp)"},
    {71, Panel::pl_phone, ButtonKind::Profile, u"BlackBerry AMR Audio(*.amr)"},
    {72, Panel::pl_phone, ButtonKind::Profile, u"BlackBerry AVI Audio(*.avi)"},
    {73, Panel::pl_phone, ButtonKind::Profile, u"BlackBerry MPEG-4 Video(*.mp4)"},
    {74, Panel::pl_phone, ButtonKind::BottomClickable, nullptr},
    {75, Panel::pl_win, ButtonKind::Profile, u"Dell Axim X51 Video(*.wmv)"},
    {76, Panel::pl_win, ButtonKind::Profile, u"General Pocket PC Video(*.wmv)"},
    {77, Panel::pl_win, ButtonKind::Profile, u"HP iPAQ hw6500 series Video(*.wmv)"},
    {78, Panel::pl_win, ButtonKind::Profile, u"HP iPAQ hx2000/rx3000/rx1900 series Video(*.wmv)"},
    {79, Panel::pl_win, ButtonKind::Profile, u"HP iPAQ hx4700 series Video(*.wmv)"},
    {80, Panel::pl_win, ButtonKind::Profile, u"WMA-Windows Media Audio(*.wma)"},
    {81, Panel::pl_win, ButtonKind::Profile, u"WMV-Windows Media Video(*.wmv)"},
    {82, Panel::pl_win, ButtonKind::BottomClickable, nullptr},
    {83, Panel::pl_pmp, ButtonKind::Profile, u"Archos AV500/GMini402 Video(*.avi)"},
    {84, Panel::pl_pmp, ButtonKind::Profile, u"Archos AV700 Video(*.avi)"},
    {85, Panel::pl_pmp, ButtonKind::Profile, u"Creative Zen Vision Video(*.avi)"},
    {86, Panel::pl_pmp, ButtonKind::Profile, u"Zune MPEG-4 AVC Video Format(*.mp4)"},
    {87, Panel::pl_pmp, ButtonKind::Profile, u"Zune MPEG-4 Video(*.mp4)"},
    {88, Panel::pl_pmp, ButtonKind::Profile, u"Zune WMV-Windows Media Video(*.wmv)"},
    {89, Panel::pl_pmp, ButtonKind::Profile, u"iRiver PMP-100 Video(*.avi)"},
    {90, Panel::pl_pmp, ButtonKind::BottomClickable, nullptr},
    {91, Panel::pl_hd, ButtonKind::Profile, u"HD AVI Video(*.avi)"},
    {92, Panel::pl_hd, ButtonKind::Profile, u"HD MPEG-4 Video(*.mp4)"},
    {93, Panel::pl_hd, ButtonKind::Profile, u"HD MPEG-4 AVC Video(*.mp4)"},
    {94, Panel::pl_hd, ButtonKind::Profile, u"HD MOV Video(*.mov)"},
    {95, Panel::pl_hd, ButtonKind::Profile, u"HD MPEG-2 TS Video(*.ts)"},
    {96, Panel::pl_hd, ButtonKind::Profile, u"HD MPEG2 Video(*.mpg)"},
    {97, Panel::pl_hd, ButtonKind::Profile, u"HD WMV Video(*.wmv)"},
    {98, Panel::pl_hd, ButtonKind::Inert, nullptr},
    {99, Panel::pl_animation, ButtonKind::Profile, u"FLV - Flash Video Format(*.flv)"},
    {100, Panel::pl_animation, ButtonKind::Profile, u"SWF - SWF Format(*.swf)"},
    {101, Panel::pl_animation, ButtonKind::Inert, nullptr},
    {102, Panel::pl_avi, ButtonKind::Profile, u"AVI - H264 Movie(*.avi)"},
    {103, Panel::pl_avi, ButtonKind::Profile, u"AVI - DivX Movie(*.avi)"},
    {104, Panel::pl_avi, ButtonKind::Profile, u"AVI - XviD Movie(*.avi)"},
    {105, Panel::pl_avi, ButtonKind::Profile, u"AVI - MPEG-4 Movie(*.avi)"},
    {106, Panel::pl_avi, ButtonKind::Profile, u"AVI - MSMPEG4 Movie(*.avi)"},
    {107, Panel::pl_avi, ButtonKind::Profile, u"AVI - MPEG Movie(*.avi)"},
    {108, Panel::pl_avi, ButtonKind::Profile, u"AVI - WMV Movie(*.avi)"},
    {109, Panel::pl_avi, ButtonKind::BottomPointing, nullptr},
    {110, Panel::pl_mpeg, ButtonKind::Profile, u"MPEG-1 Movie(*.mpg)"},
    {111, Panel::pl_mpeg, ButtonKind::Profile, u"MPEG-2 Movie(*.mpg)"},
    {112, Panel::pl_mpeg, ButtonKind::Profile, u"Video CD - MPEG PS Format(*.mpg)"},
    {113, Panel::pl_mpeg, ButtonKind::Profile, u"Super Video CD - MPEG2 PS Format(*.mpg)"},
    {114, Panel::pl_mpeg, ButtonKind::Profile, u"DVD - MPEG2 PS Format(*.vob)"},
    {115, Panel::pl_mpeg, ButtonKind::Profile, u"HD MPEG-2 Video(*.mpeg)"},
    {116, Panel::pl_mpeg, ButtonKind::Profile, u"HD MPEG-2 TS Video(*.ts)"},
    {117, Panel::pl_mpeg, ButtonKind::Inert, nullptr},
    {118, Panel::pl_mp4, ButtonKind::Profile, u"MP4 - MPEG4 Video Mini(*.mp4)"},
    {119, Panel::pl_mp4, ButtonKind::Profile, u"MP4 - MPEG4 Video Normal(*.mp4)"},
    {120, Panel::pl_mp4, ButtonKind::Profile, u"MP4 - MPEG4 Video Excellent(*.mp4)"},
    {121, Panel::pl_mp4, ButtonKind::Profile, u"MP4 - H.264 Video Mini(*.mp4)"},
    {122, Panel::pl_mp4, ButtonKind::Profile, u"MP4 - H.264 Video Normal(*.mp4)"},
    {123, Panel::pl_mp4, ButtonKind::Profile, u"MP4 - H.264 Video Excellent(*.MP4)"},
    {124, Panel::pl_mp4, ButtonKind::BottomPointing, nullptr},
    {125, Panel::pl_mkv, ButtonKind::Profile, u"MKV - H264 Movie(*.mkv)"},
    {126, Panel::pl_mkv, ButtonKind::Profile, u"MKV - DivX Movie(*.mkv)"},
    {127, Panel::pl_mkv, ButtonKind::Profile, u"MKV - XviD Movie(*.mkv)"},
    {128, Panel::pl_mkv, ButtonKind::Profile, u"MKV - MPEG-4 Movie(*.mkv)"},
    {129, Panel::pl_mkv, ButtonKind::Profile, u"MKV - MSMPEG4 Movie(*.mkv)"},
    {130, Panel::pl_mkv, ButtonKind::Profile, u"MKV - MPEG Movie(*.mkv)"},
    {131, Panel::pl_mkv, ButtonKind::Profile, u"MKV - WMV Movie(*.mkv)"},
    {132, Panel::pl_mkv, ButtonKind::Inert, nullptr},
}};

} // namespace

bool isDiscProfile(int profile)
{
    return profile >= 112 && profile <= 114;
}

bool isListProfile(int profile)
{
    return profile >= 15 && profile <= 101;
}

const CatalogueEntry *catalogueEntry(int n)
{
    if (n < 1 || n > profileCount)
        return nullptr;
    return &entries[static_cast<size_t>(n - 1)];
}

bool hasDisplayName(int n)
{
    const CatalogueEntry *e = catalogueEntry(n);
    return e && e->displayName;
}

QString displayNameOf(int n)
{
    const CatalogueEntry *e = catalogueEntry(n);
    return e && e->displayName ? QString::fromUtf16(e->displayName) : QString();
}

QString profileExtension(const QString &displayName)
{
    const qsizetype star = displayName.indexOf(QLatin1Char('*'));
    if (star < 0)
        return QString();
    const qsizetype length = displayName.size() - 1 - (star + 1);
    return length > 0 ? displayName.mid(star + 1, length) : QString();
}

int editionDefaultProfile(const QString &exeName)
{
    static const struct {
        const char *word;
        int profile;
    } defaults[] = {{"avi", 102}, {"mp3", 17},  {"audio", 17}, {"3gp", 69},  {"psp", 53},
                    {"mpeg", 110}, {"mp4", 118}, {"mkv", 125},  {"ipod", 27}, {"iphone", 36},
                    {"gphone", 41}, {"wmv", 7},  {"rm", 6},     {"flv", 11}};
    const QString name = exeName.toLower();
    for (const auto &d : defaults)
        if (name.contains(QLatin1String(d.word)))
            return d.profile;
    return 1;
}

PickerEdition pickerEdition(const QString &exeName)
{
    static const struct {
        const char *word;
        int order;
        Panel panel;
    } words[] = {{"ipod", 1, Panel::pl_ipod},     {"psp", 2, Panel::pl_psp},
                 {"iphone", 3, Panel::pl_iphone}, {"3gp", 4, Panel::pl_phone},
                 {"gphone", 5, Panel::pl_gphone}, {"mp3", 6, Panel::pl_audio1},
                 {"audio", 6, Panel::pl_audio1},  {"avi", 7, Panel::pl_avi},
                 {"mpeg", 8, Panel::pl_mpeg},     {"mp4", 9, Panel::pl_mp4},
                 {"mkv", 10, Panel::pl_mkv},      {"wmv", 11, Panel::pl_video1},
                 {"rm", 12, Panel::pl_video1},    {"flv", 13, Panel::pl_video1}};
    const QString name = exeName.toLower();
    for (const auto &w : words)
        if (name.contains(QLatin1String(w.word)))
            return {w.order, w.panel, w.order <= 6, w.order >= 11};
    return {0, Panel::pl_video1, false, false};
}
