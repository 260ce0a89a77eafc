// Resident memory over a hundred previews started and stopped in a row in
// the main window, headless and silent. Prints the figures; a flat line
// means nothing is kept from one preview to the next. (MALLOC_ARENA_MAX=1
// in the environment shows the same without the allocator's per-thread
// arenas filling up during the first previews.)
//
//   build/bench/bench_preview_memory [count]
#include "app/forms.h"
#include "app/main.h"
#include "bench_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <clocale>
#include <cstdio>

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    BenchApp application(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 100;

    QTemporaryDir dir;
    const QString clip = dir.filePath(QStringLiteral("clip.mp4"));
    if (!makeBenchClip(clip, 4)) {
        std::fprintf(stderr, "ffmpeg could not make the clip\n");
        return 1;
    }

    AppForms forms = createForms(QStringLiteral(PROGRAM_DIR), QStringLiteral("clipforge"));
    Tfm_main *w = forms.fm_main;
    w->show();
    QApplication::processEvents();
    auto *row = new QTreeWidgetItem(w->lv, {QStringLiteral("clip"), QStringLiteral("320x240"),
                                            QStringLiteral("00:00:04"), QStringLiteral("0.50MB"),
                                            QStringLiteral("Status")});
    w->sourceInfos.append({clip, QStringLiteral("320x240"), QStringLiteral("00:00:04"),
                           QStringLiteral("200"), QStringLiteral("128")});
    row->setSelected(true);

    std::printf("previews  resident KiB  seconds\n");
    QElapsedTimer clock;
    clock.start();
    long first = -1;
    long at25 = -1;
    long last = -1;
    for (int i = 1; i <= count; ++i) {
        // Stop each preview once it has shown a few frames.
        QTimer::singleShot(300, w, [w] { w->Skin1Click(QStringLiteral("stopplay")); });
        w->Skin1Click(QStringLiteral("play"));
        QApplication::processEvents();
        last = residentKiB();
        if (i == 1)
            first = last;
        if (i == 25)
            at25 = last;
        if (i == 1 || i == 10 || i % 25 == 0 || i == count)
            std::printf("%8d  %12ld  %7.1f\n", i, last, clock.elapsed() / 1000.0);
    }
    std::printf("growth from preview 1 to %d: %ld KiB\n", count, last - first);
    // The first previews fill glibc's per-thread allocation arenas of the
    // player's threads, which keep their freed memory; after that the line
    // must stay flat.
    if (count > 25)
        std::printf("growth from preview 25 to %d: %ld KiB\n", count, last - at25);
    destroyForms(forms);
    return 0;
}
