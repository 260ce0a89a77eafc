// What every benchmark program needs: a headless application with a scratch
// configuration home, and small clips made with ffmpeg's test sources.
#pragma once

#include <QApplication>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <clocale>
#include <memory>

// Headless Qt (unless a platform is asked for), settings in a scratch folder,
// and the numeric locale libmpv needs.
class BenchApp
{
public:
    BenchApp(int &argc, char **argv)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
        application_ = std::make_unique<QApplication>(argc, argv);
        std::setlocale(LC_NUMERIC, "C");
    }

private:
    QTemporaryDir config_;
    std::unique_ptr<QApplication> application_;
};

// A 320x240 clip with a stereo tone, `seconds` long; `codecArgs` pick the
// codecs (ffmpeg's defaults for the extension when empty).
inline bool makeBenchClip(const QString &path, int seconds, const QStringList &codecArgs = {})
{
    const QString duration = QString::number(seconds);
    QStringList args{"-hide_banner", "-nostdin", "-y", "-v", "error", "-f", "lavfi", "-i",
                     "testsrc2=size=320x240:rate=25:duration=" + duration, "-f", "lavfi", "-i",
                     "sine=frequency=440:sample_rate=44100:duration=" + duration};
    args << codecArgs << "-ac" << "2" << path;
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), args);
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0;
}
