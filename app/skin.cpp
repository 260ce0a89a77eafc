#include "app/skin.h"

#include <QFile>
#include <QPainter>

TSkin::TSkin(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Skin1"));
}

bool TSkin::loadSkinFile(const QString &path)
{
    loaded_ = QFile::exists(path);
    update();
    return loaded_;
}

void TSkin::setEdition(RunMode, BrandVariant)
{
    update();
}

void TSkin::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0x2b, 0x30, 0x3b));
    g.setColorAt(1, QColor(0x1c, 0x1f, 0x26));
    p.fillRect(rect(), loaded_ ? QBrush(g) : palette().window());
}
