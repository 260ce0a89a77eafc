// The brand's web pages behind the help menu and the about box.
#pragma once

#include "config/edition.h"

#include <QString>

// Scheme and host of the brand variant's site, without a trailing slash.
// Both live under the reserved ".example" domain, so they never reach a
// stranger's site.
QString brandSiteAddress(BrandVariant variant);

// The contact page: the site (chosen by the lower-cased name, as everywhere)
// followed by "/Contact.html" when the name itself holds "vexmo" in lower
// case letters, else "/contact.php". The only brand test that heeds case.
QString contactPageAddress(const QString &exeName);

// The fixed line of the about box, one per brand variant.
QString brandAboutLine(BrandVariant variant);
