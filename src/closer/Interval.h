#pragma once

// The conversions live in base/ now; this name stays only until the settings include them there.
#include "base/Interval.h"
