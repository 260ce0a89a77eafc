#include "engine/estimate.h"

#include "engine/jobrecord.h"

#include <QLocale>

QString formatOutputSize(qint64 kbps, qint64 seconds)
{
    const double kilobits = static_cast<double>(kbps * seconds);
    const double megabytes = kilobits / 8.0 / 1024.0 * 1000.0 / 1024.0;
    double shown = megabytes;
    // Five significant digits first, then two decimals; five digits no longer
    // hold the integer part from 100000 on, so those are shown in full.
    if (megabytes > -100000.0 && megabytes < 100000.0)
        shown = QString::number(megabytes, 'g', 5).toDouble();
    QString text = QString::number(shown, 'f', 2);
    const QString point = QLocale().decimalPoint();
    if (point != QLatin1String("."))
        text.replace(QLatin1Char('.'), point);
    return text + QStringLiteral("MB");
}

QString outputSizeText(const QualityChoices &choices, const Toriginalinfo &record)
{
    return formatOutputSize(estimateBitRate(choices, record).total,
                            durationToSeconds(record.durationText));
}
