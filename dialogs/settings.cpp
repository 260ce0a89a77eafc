#include "dialogs/settings.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

Tfm_set::Tfm_set(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fm_set"));
    setWindowTitle(QStringLiteral("Settings"));
    // No border icons: the dialog is left through its two buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    rg_finish = new QGroupBox(QStringLiteral("Settings"), this);
    rg_finish->setObjectName(QStringLiteral("rg_finish"));
    group_ = new QButtonGroup(this);
    static const char *const texts[3] = {
        "Do nothing after converting finished",
        "Open the target folder after converting finished",
        "Automatically shutdown after converting finished",
    };
    auto *groupLayout = new QVBoxLayout(rg_finish);
    for (int i = 0; i < 3; ++i) {
        items[i] = new QRadioButton(QString::fromLatin1(texts[i]), rg_finish);
        group_->addButton(items[i], i);
        groupLayout->addWidget(items[i]);
    }

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, [this] {
        result_ = itemIndex();
        accept();
    });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(rg_finish);
    layout->addLayout(buttons);
}

int Tfm_set::chooseFinishAction(int finishAction)
{
    result_ = finishAction;
    setItemIndex(finishAction);
    if (parentWidget()) {
        adjustSize();
        move(parentWidget()->frameGeometry().center() - rect().center());
    }
    return exec() == QDialog::Accepted ? result_ : finishAction;
}

int Tfm_set::itemIndex() const
{
    return group_->checkedId();
}

void Tfm_set::setItemIndex(int index)
{
    if (index >= 0 && index < 3) {
        items[index]->setChecked(true);
        return;
    }
    // An index outside the group (an edited settings file) shows no choice.
    group_->setExclusive(false);
    for (QRadioButton *item : items)
        item->setChecked(false);
    group_->setExclusive(true);
}
