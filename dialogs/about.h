// The about box: program name, the brand's line, its web site and contact page.
#pragma once

#include <QDialog>
#include <QLabel>

class QPushButton;
class QFrame;

// The "Visit our web" label: red while the mouse is over it, blue otherwise.
class WebLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

class Tfm_about : public QDialog
{
    Q_OBJECT
public:
    explicit Tfm_about(QWidget *parent = nullptr);

    // Fills the box for the program started as `exeName` and shows it
    // modally at the main window's left + 160, top + 100.
    void showFor(const QString &exeName, const QPoint &mainTopLeft);
    // Fills the labels without showing the box.
    void prepare(const QString &exeName);

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label4 = nullptr;
    QFrame *divider = nullptr;
    WebLabel *lbl_web = nullptr;
    QPushButton *btn_contact = nullptr;
    QPushButton *btn_close = nullptr;

private:
    QString exeName_;
};
