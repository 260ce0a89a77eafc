// Editions: the executable's own file name decides the run mode, the brand
// variant and (in the picker) the single-category edition.
#pragma once

#include <QString>

enum class RunMode { File, Dvd };
enum class BrandVariant { A, B };

// DVD mode when the lower-cased name holds "dvd" anywhere, else file mode.
RunMode runModeOf(const QString &exeName);
// Variant A when the lower-cased name holds "vexmo" anywhere, else B.
BrandVariant brandVariantOf(const QString &exeName);

// The name without its ".exe". Linux executables have none, so only a
// trailing ".exe" (any letter case) is dropped; other names stay whole.
QString dropExe(const QString &exeName);

// The last part of a path as given in argv[0]: the name the program was
// started under, which may be a link named after an edition.
QString exeNameFromArgv0(const QString &argv0);
