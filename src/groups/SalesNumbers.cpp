#include "groups/SalesNumbers.h"

#include "common/Format.h"

std::string TwoDecimals(float value) { return Format(value, "0.00"); }
