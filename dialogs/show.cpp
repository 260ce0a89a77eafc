#include "dialogs/show.h"

Tfm_show::Tfm_show(const QString &skinFile, QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      skinFile(skinFile)
{
    setObjectName(QStringLiteral("fm_show"));
}
