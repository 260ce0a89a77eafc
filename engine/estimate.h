// The expected output size of a row, as the task list's "Output Size" shows it.
#pragma once

#include "engine/options.h"
#include "sources/sourceinfo.h"

#include <QString>
#include <QtGlobal>

// The size of a stream of `kbps` kilobits per second lasting `seconds`, in
// units of 2^20 bytes, with two decimals after taking the value to five
// significant digits, followed by "MB": 991 kb/s for 90 s gives "10.63MB",
// 0 gives "0.00MB". The product is taken in 64 bits, so long or high-rate
// sources never wrap; values of 100000 and more are shown in full with two
// decimals. The decimal separator is the user's locale's.
QString formatOutputSize(qint64 kbps, qint64 seconds);

// The "Output Size" text of a row with the source record `record` for
// `choices`: the estimated total bit rate over the row's duration.
QString outputSizeText(const QualityChoices &choices, const Toriginalinfo &record);
