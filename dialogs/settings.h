// The settings dialog: what to do after the last job of a batch.
#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

class Tfm_set : public QDialog
{
    Q_OBJECT
public:
    explicit Tfm_set(QWidget *parent = nullptr);

    // Shows the dialog modally with `finishAction` selected; returns the new
    // finish action on "OK" and `finishAction` unchanged on "Cancel".
    int chooseFinishAction(int finishAction);

    // The radio group's selected index (0 to 2), or -1.
    int itemIndex() const;
    void setItemIndex(int index);

    QGroupBox *rg_finish = nullptr;
    QRadioButton *items[3] = {};
    QPushButton *Button1 = nullptr; // OK
    QPushButton *Button2 = nullptr; // Cancel

private:
    QButtonGroup *group_ = nullptr;
    int result_ = 0;
};
