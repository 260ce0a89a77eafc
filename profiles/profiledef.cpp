#include "profiles/profiledef.h"

#include <QFile>

QStringList splitProfileList(const QString &line)
{
    QStringList items;
    QString rest = line;
    for (;;) {
        const qsizetype blank = rest.indexOf(QLatin1Char(' '));
        QString item;
        if (blank >= 0) {
            item = rest.left(blank);
            rest = rest.mid(blank + 1);
        } else {
            if (rest.size() >= 2)
                items << rest;
            break;
        }
        if (item.isEmpty())
            break;
        items << item;
    }
    return items;
}

ProfileLines readProfileLines(const QString &path, int n)
{
    ProfileLines result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString());
        return result;
    }
    result.opened = true;
    if (n < 1)
        return result;
    const qint64 last = 4LL * n;
    for (qint64 lineNumber = 1; lineNumber <= last; ++lineNumber) {
        if (file.atEnd())
            break;
        QByteArray bytes = file.readLine();
        if (bytes.isEmpty() && file.error() != QFileDevice::NoError) {
            result.opened = false;
            result.error = QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString());
            return result;
        }
        if (bytes.endsWith('\n'))
            bytes.chop(1);
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        const QString line = QString::fromLatin1(bytes);
        if (lineNumber == last - 2) {
            result.hasSizeLine = true;
            result.sizeLine = line;
        } else if (lineNumber == last - 1) {
            result.hasRateLine = true;
            result.rateLine = line;
        } else if (lineNumber == last) {
            result.hasOptionsLine = true;
            result.optionsLine = line;
        }
    }
    return result;
}
