// The skinned face of the main window: draws the window from a skin file
// and raises click, press and release events with the named object.
#pragma once

#include "config/edition.h"

#include <QWidget>

class TSkin : public QWidget
{
    Q_OBJECT
public:
    explicit TSkin(QWidget *parent = nullptr);

    // Loads a skin file; false when it is missing or cannot be read.
    bool loadSkinFile(const QString &path);
    // Objects may belong to one run mode or brand variant only.
    void setEdition(RunMode mode, BrandVariant variant);

signals:
    void objectClicked(const QString &name);
    void objectPressed(const QString &name);
    void objectReleased(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool loaded_ = false;
};
