#pragma once
// Format(value, "0.00") of a Single without the general mask machinery, for
// the sales lines written by the tens of thousands.
#include <string>

std::string TwoDecimals(float value);
