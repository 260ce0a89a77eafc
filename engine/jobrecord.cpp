#include "engine/jobrecord.h"
