// The folder chooser: a tree of the file system's folders, "Ok" and "Cancel".
#pragma once

#include <QDialog>
#include <QString>

class QFileSystemModel;
class QPushButton;
class QTreeView;

class Tfm_dir : public QDialog
{
    Q_OBJECT
public:
    explicit Tfm_dir(QWidget *parent = nullptr);

    // The folder last handed back; empty when the dialog was left without one.
    QString chosenFolder;

    // Sets the caption, shows the dialog modally and returns `chosenFolder`.
    QString chooseFolder(const QString &caption);

    // The file-system path of the selected node; empty when none is selected.
    QString selectedPath() const;
    // Selects and shows the node of `path` (used for the home folder at start).
    void selectPath(const QString &path);

    QTreeView *ShellTreeView1 = nullptr;
    QPushButton *btn_ok = nullptr;
    QPushButton *btn_cancel = nullptr;

    void btn_okClick();
    void btn_cancelClick();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    QFileSystemModel *model_ = nullptr;
};
