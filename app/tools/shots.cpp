// Writes PNG screenshots of the main window, offscreen, for each edition
// name given (by default the four layouts: file and DVD mode, brands A and B).
//
//   clipforge-shots OUTDIR [NAME ...]
//
// Runs with a scratch settings folder, so the user's settings stay untouched.
#include "app/forms.h"
#include "app/main.h"
#include "dialogs/desktop.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <clocale>
#include <cstdio>

namespace {
// Boxes are not shown while taking pictures.
class QuietDesktop : public Desktop
{
public:
    void warning(QWidget *, const QString &) override {}
    void information(QWidget *, const QString &) override {}
    void error(QWidget *, const QString &) override {}
    bool confirm(QWidget *, const QString &) override { return true; }
    void openFolder(const QString &) override {}
    void openUrl(const QString &) override {}
    void shutdown(QWidget *) override {}
};
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QuietDesktop quiet;
    setDesktop(&quiet);

    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTDIR [EDITION-NAME ...]\n", argv[0]);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);
    QStringList names;
    for (int i = 2; i < argc; ++i)
        names << QString::fromLocal8Bit(argv[i]);
    if (names.isEmpty())
        names = {QStringLiteral("clipforge"), QStringLiteral("vexmo-converter"),
                 QStringLiteral("clipforge-dvd"), QStringLiteral("vexmo-dvd-ripper")};

    for (const QString &name : names) {
        AppForms forms = createForms(QStringLiteral(PROGRAM_DIR), name);
        forms.fm_main->show();
        for (int i = 0; i < 10; ++i)
            QApplication::processEvents();
        const QString file = outDir + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!forms.fm_main->grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
        destroyForms(forms);
    }
    return 0;
}
