#pragma once
// The figures of the sales lines: Format(value, "0.00") of a Single.
#include <string>

std::string TwoDecimals(float value);
