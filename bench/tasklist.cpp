// The task list's two costs, printed as figures:
//  - adding a folder of small clips through the real window (the encoder
//    program probes each file), per file, against ffprobe run on the same
//    files one after the other;
//  - refreshEstimates over a list of many rows, in milliseconds.
//
//   build/bench/bench_tasklist [clips] [rows]
#include "app/forms.h"
#include "app/main.h"
#include "bench_support.h"
#include "dialogs/dir.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <vector>

namespace {

double ffprobeSeconds(const QStringList &files)
{
    QElapsedTimer clock;
    clock.start();
    for (const QString &file : files) {
        QProcess ffprobe;
        ffprobe.start(QStringLiteral("ffprobe"),
                      {"-v", "error", "-show_format", "-show_streams", file});
        ffprobe.waitForFinished(60000);
        ffprobe.readAll();
    }
    return clock.nsecsElapsed() / 1e9;
}

double addFolderSeconds(Tfm_main *w, Tfm_dir *dir, const QString &folder)
{
    QTimer::singleShot(0, dir, [dir, folder] {
        dir->selectPath(folder);
        dir->btn_ok->click();
    });
    QElapsedTimer clock;
    clock.start();
    w->addFolder();
    return clock.nsecsElapsed() / 1e9;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    BenchApp application(argc, argv);
    const int clips = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    const int rows = argc > 2 ? std::max(1, atoi(argv[2])) : 10000;

    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("clip_000.mp4"));
    if (!makeBenchClip(first, 2, {"-c:v", "libx264", "-c:a", "aac"})) {
        std::fprintf(stderr, "ffmpeg could not make the clip\n");
        return 1;
    }
    QStringList files{first};
    for (int i = 1; i < clips; ++i) {
        const QString copy = dir.filePath(QStringLiteral("clip_%1.mp4").arg(i, 3, 10, QLatin1Char('0')));
        QFile::copy(first, copy);
        files << copy;
    }

    AppForms forms = createForms(QStringLiteral(PROGRAM_DIR), QStringLiteral("clipforge"));
    Tfm_main *w = forms.fm_main;
    w->show();
    QApplication::processEvents();

    // Warm the file cache and the loaders for both sides first.
    ffprobeSeconds(files.mid(0, 5));
    const double probe = ffprobeSeconds(files);
    const double add = addFolderSeconds(w, forms.fm_dir, dir.path());
    const int added = w->lv->topLevelItemCount();
    std::printf("adding a folder of %d clips: %d rows\n", clips, added);
    std::printf("  ffprobe per file:    %7.2f ms\n", 1000 * probe / clips);
    std::printf("  add folder per file: %7.2f ms  (%.2f x ffprobe, goal at most 1.5)\n",
                1000 * add / clips, add / probe);

    // A long list: copies of the added rows' source records.
    const Toriginalinfo record = w->sourceInfos.isEmpty()
                                     ? Toriginalinfo{first, QStringLiteral("320x240"),
                                                     QStringLiteral("00:00:02"),
                                                     QStringLiteral("300"), QStringLiteral("128")}
                                     : w->sourceInfos.first();
    w->lv->clear();
    w->sourceInfos.clear();
    QList<QTreeWidgetItem *> items;
    for (int i = 0; i < rows; ++i) {
        items << new QTreeWidgetItem({QStringLiteral("clip"), record.frameSize, record.durationText,
                                      QStringLiteral("0.00MB"), QStringLiteral("Status")});
        w->sourceInfos.append(record);
    }
    w->lv->addTopLevelItems(items);
    QApplication::processEvents();
    std::vector<double> times;
    for (int run = 0; run < 9; ++run) {
        // Alternate the video quality so that every run changes every row.
        w->cb_videobitrate->setCurrentIndex(run % 2);
        QElapsedTimer clock;
        clock.start();
        w->refreshEstimates();
        times.push_back(clock.nsecsElapsed() / 1e6);
        QApplication::processEvents();
    }
    std::printf("refreshEstimates over %d rows: median %.1f ms, worst %.1f ms (goal under 50)\n",
                rows, median(times), *std::max_element(times.begin(), times.end()));
    destroyForms(forms);
    return 0;
}
