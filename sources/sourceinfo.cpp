#include "sources/sourceinfo.h"
