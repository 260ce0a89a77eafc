// A borderless, stay-on-top skinned window. It is created at start and never
// shown; nothing depends on it.
#pragma once

#include <QWidget>

class Tfm_show : public QWidget
{
    Q_OBJECT
public:
    // `skinFile` is the program folder's "Vi3riv.skn".
    explicit Tfm_show(const QString &skinFile, QWidget *parent = nullptr);

    QString skinFile;
    // The skinned face, set by the program start once the skin is drawn.
    QWidget *face = nullptr;
};
