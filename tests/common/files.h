// Files and folders of a test: reading a file whole, and a configuration
// home of the test's own.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// The bytes of the file at `path`; empty when it cannot be read.
QByteArray contents(const QString &path);

// Points the user's configuration home at a fresh folder for one test, so
// that the settings of other tests do not count.
class ScopedConfigHome
{
public:
    ScopedConfigHome();
    ~ScopedConfigHome();
    QString path() const { return home_.path(); }
    // Where the two INI files of this program lie.
    QString folder() const { return home_.path() + QStringLiteral("/clipforge/"); }

private:
    QTemporaryDir home_;
    QByteArray previous_;
};
