#include "dialogs/about.h"

#include "config/edition.h"
#include "dialogs/desktop.h"
#include "dialogs/help.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

void WebLabel::enterEvent(QEnterEvent *event)
{
    setStyleSheet(QStringLiteral("color: red;"));
    QLabel::enterEvent(event);
}

void WebLabel::leaveEvent(QEvent *event)
{
    setStyleSheet(QStringLiteral("color: blue;"));
    QLabel::leaveEvent(event);
}

void WebLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

Tfm_about::Tfm_about(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fm_about"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MediaPlay).pixmap(48, 48));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    Label1->setFont(bold);
    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setWordWrap(true);
    divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    lbl_web = new WebLabel(QStringLiteral("Visit our web"), this);
    lbl_web->setObjectName(QStringLiteral("lbl_web"));
    lbl_web->setStyleSheet(QStringLiteral("color: blue;"));
    lbl_web->setCursor(Qt::PointingHandCursor);
    btn_contact = new QPushButton(QStringLiteral("Contact us "), this);
    btn_contact->setObjectName(QStringLiteral("btn_contact"));
    btn_close = new QPushButton(QStringLiteral("Close"), this);
    btn_close->setObjectName(QStringLiteral("btn_close"));
    btn_close->setDefault(true);

    connect(lbl_web, &WebLabel::clicked, this,
            [this] { desktop().openUrl(brandSiteAddress(brandVariantOf(exeName_))); });
    connect(btn_contact, &QPushButton::clicked, this,
            [this] { desktop().openUrl(contactPageAddress(exeName_)); });
    connect(btn_close, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(Label1, 0, 1);
    layout->addWidget(Label4, 1, 1);
    layout->addWidget(divider, 2, 0, 1, 2);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lbl_web);
    bottom->addStretch();
    bottom->addWidget(btn_contact);
    bottom->addWidget(btn_close);
    layout->addLayout(bottom, 3, 0, 1, 2);
    setMinimumWidth(380);
}

void Tfm_about::prepare(const QString &exeName)
{
    exeName_ = exeName;
    Label1->setText(dropExe(exeName));
    Label4->setText(brandAboutLine(brandVariantOf(exeName)));
}

void Tfm_about::showFor(const QString &exeName, const QPoint &mainTopLeft)
{
    prepare(exeName);
    move(mainTopLeft + QPoint(160, 100));
    exec();
}
