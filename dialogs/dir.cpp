#include "dialogs/dir.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

Tfm_dir::Tfm_dir(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fm_dir"));
    setWindowTitle(QStringLiteral("Output Directory"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setReadOnly(true);
    model_->setRootPath(QStringLiteral("/"));

    ShellTreeView1 = new QTreeView(this);
    ShellTreeView1->setObjectName(QStringLiteral("ShellTreeView1"));
    ShellTreeView1->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        ShellTreeView1->hideColumn(column);
    ShellTreeView1->header()->hide();
    ShellTreeView1->setRootIsDecorated(true);
    ShellTreeView1->setSelectionMode(QAbstractItemView::SingleSelection);

    btn_ok = new QPushButton(QStringLiteral("Ok"), this);
    btn_ok->setObjectName(QStringLiteral("btn_ok"));
    btn_ok->setDefault(true);
    btn_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    btn_cancel->setObjectName(QStringLiteral("btn_cancel"));
    connect(btn_ok, &QPushButton::clicked, this, &Tfm_dir::btn_okClick);
    connect(btn_cancel, &QPushButton::clicked, this, &Tfm_dir::btn_cancelClick);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btn_ok);
    buttons->addWidget(btn_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(ShellTreeView1);
    layout->addLayout(buttons);

    // Slightly larger than the classic 287 x 248 so that long folder names
    // stay readable; the user may enlarge it further.
    resize(320, 300);
    selectPath(QDir::homePath());
}

QString Tfm_dir::chooseFolder(const QString &caption)
{
    setWindowTitle(caption);
    exec();
    return chosenFolder;
}

QString Tfm_dir::selectedPath() const
{
    const QModelIndex index = ShellTreeView1->currentIndex();
    if (!index.isValid() || !ShellTreeView1->selectionModel()->isSelected(index))
        return QString();
    return model_->filePath(index);
}

void Tfm_dir::selectPath(const QString &path)
{
    const QModelIndex index = model_->index(path);
    if (!index.isValid())
        return;
    ShellTreeView1->setCurrentIndex(index);
    ShellTreeView1->scrollTo(index);
    ShellTreeView1->expand(index);
}

void Tfm_dir::btn_okClick()
{
    chosenFolder = selectedPath();
    // Only a folder that really exists can be confirmed; otherwise the
    // dialog stays open until the user picks one or cancels.
    if (chosenFolder.isEmpty() || !QFileInfo(chosenFolder).isDir()) {
        chosenFolder.clear();
        return;
    }
    accept();
}

void Tfm_dir::btn_cancelClick()
{
    reject();
}

void Tfm_dir::reject()
{
    // Every way out other than "Ok" hands back nothing.
    chosenFolder.clear();
    QDialog::reject();
}

void Tfm_dir::showEvent(QShowEvent *event)
{
    if (parentWidget()) {
        const QRect owner = parentWidget()->frameGeometry();
        move(owner.center() - rect().center());
    }
    QDialog::showEvent(event);
}
