// Writes PNG screenshots of the main window, offscreen, for each edition
// name given (by default the four layouts: file and DVD mode, brands A and B,
// and the picker open in both brands and in one-category editions).
//
//   clipforge-shots OUTDIR [NAME ...]
//
// Runs with a scratch settings folder, so the user's settings stay untouched.
#include "app/forms.h"
#include "app/main.h"
#include "app/skin.h"
#include "dialogs/desktop.h"
#include "profiles/catalogue.h"
#include "profiles/picker.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QMouseEvent>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <functional>

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


// One picture: the edition the window starts under and what is done before
// the picture is taken.
struct Shot {
    QString file;
    QString edition;
    std::function<void(Tfm_main &)> prepare;
    // When set, the pop-up menu it opens is pictured as well ("FILE-menu.png").
    std::function<QMenu *(Tfm_main &)> menu = nullptr;
};

// Shows profile n as a profile load would: category, pointer and name
// (loadProfile shows the name and the header picture).
void chooseProfile(Tfm_main &w, int n)
{
    w.currentCategory = picker::categoryOfProfile(n);
    w.currentProfile = n;
    w.loadProfile(n);
}

// Moves the pointer over a skin object, so that its hover look shows.
void hoverSkin(Tfm_main &w, const QPoint &point)
{
    QMouseEvent move(QEvent::MouseMove, point, w.Skin1->mapToGlobal(point), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.Skin1, &move);
}

QList<Shot> pickerShots()
{
    QList<Shot> shots;
    for (const QString &edition : {QStringLiteral("clipforge"), QStringLiteral("vexmo-converter"),
                                   QStringLiteral("vexmo-dvd-ripper")}) {
        shots << Shot{edition + QStringLiteral("-picker-video"), edition, [](Tfm_main &w) {
                          chooseProfile(w, 1);
                          w.openPicker(1);
                          w.profilePointed(1);
                          w.profilePointed(2);
                          w.profilePointed(103);
                      }};
        shots << Shot{edition + QStringLiteral("-picker-device"), edition, [](Tfm_main &w) {
                          chooseProfile(w, 29);
                          w.openPicker(29);
                          w.profilePointed(30);
                      }};
    }
    for (const QString &edition : {QStringLiteral("clipforge-ipod"), QStringLiteral("vexmo-mp3"),
                                   QStringLiteral("clipforge-mkv")})
        shots << Shot{edition + QStringLiteral("-picker"), edition, [](Tfm_main &w) {
                          w.openPicker(w.loadedProfile);
                          const PickerEdition e = pickerEdition(w.exeName);
                          const int first = picker::panelButtons(e.panel).front();
                          w.profilePointed(first + 1);
                      }};
    shots << Shot{QStringLiteral("clipforge-dvd-hover"), QStringLiteral("clipforge-dvd"),
                  [](Tfm_main &w) {
                      chooseProfile(w, 46);
                      hoverSkin(w, w.Skin1->objectRect(QStringLiteral("converter")).center());
                  }};
    shots << Shot{QStringLiteral("clipforge-file"), QStringLiteral("clipforge"), nullptr,
                  [](Tfm_main &w) {
                      w.Skin1Click(QStringLiteral("file"));
                      return w.pop_file;
                  }};
    shots << Shot{QStringLiteral("vexmo-dvd-help"), QStringLiteral("vexmo-dvd"), nullptr,
                  [](Tfm_main &w) {
                      w.Skin1Click(QStringLiteral("help"));
                      w.pop_help->setActiveAction(w.pop_help->actions().at(2));
                      return w.pop_help;
                  }};
    return shots;
}

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
    QList<Shot> shots;
    for (int i = 2; i < argc; ++i) {
        const QString name = QString::fromLocal8Bit(argv[i]);
        shots << Shot{name, name, nullptr};
    }
    if (shots.isEmpty()) {
        for (const QString &name : {QStringLiteral("clipforge"), QStringLiteral("vexmo-converter"),
                                    QStringLiteral("clipforge-dvd"),
                                    QStringLiteral("vexmo-dvd-ripper")})
            shots << Shot{name, name, [](Tfm_main &w) { chooseProfile(w, w.loadedProfile > 0 ? w.loadedProfile : 1); }};
        shots << pickerShots();
    }

    for (const Shot &shot : shots) {
        AppForms forms = createForms(QStringLiteral(PROGRAM_DIR), shot.edition);
        forms.fm_main->show();
        for (int i = 0; i < 10; ++i)
            QApplication::processEvents();
        if (shot.prepare)
            shot.prepare(*forms.fm_main);
        for (int i = 0; i < 10; ++i)
            QApplication::processEvents();
        const QString file = outDir + QLatin1Char('/') + shot.file + QStringLiteral(".png");
        if (!forms.fm_main->grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
        if (shot.menu) {
            QMenu *menu = shot.menu(*forms.fm_main);
            for (int i = 0; i < 10; ++i)
                QApplication::processEvents();
            const QString menuFile = outDir + QLatin1Char('/') + shot.file + QStringLiteral("-menu.png");
            if (!menu->grab().save(menuFile)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(menuFile));
                return 1;
            }
            std::printf("%s\n", qPrintable(menuFile));
            menu->hide();
        }
        destroyForms(forms);
    }
    return 0;
}
