// The main of every test program: a headless QApplication, the "C" numeric
// locale that libmpv needs, a scratch settings folder, and a desktop layer
// that records instead of opening boxes, browsers or file managers.
#include "common/recording_desktop.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <clocale>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test reads or writes the user's own settings.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    // CI shells often have no session; Qt wants a private runtime folder.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    // Tests may install their own recorder; this one catches everything else.
    RecordingDesktop recorder;
    setDesktop(&recorder);
    const int result = RUN_ALL_TESTS();
    setDesktop(nullptr);
    return result;
}
