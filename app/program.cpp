// The program entry: one executable serves every edition; the name it was
// started under (a link named after the edition) picks run mode and brand.
#include "app/forms.h"
#include "app/main.h"

#include <QApplication>
#include <clocale>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Numbers in the media libraries' option texts need the "C" decimal point.
    std::setlocale(LC_NUMERIC, "C");

    QString programFolder = QCoreApplication::applicationDirPath();
    if (!programFolder.endsWith(QLatin1Char('/')))
        programFolder += QLatin1Char('/');
    const QString startName = argc > 0 ? QString::fromLocal8Bit(argv[0]) : QStringLiteral("clipforge");

    AppForms forms = createForms(programFolder, startName);
    forms.fm_main->show();
    const int result = application.exec();
    destroyForms(forms);
    return result;
}
