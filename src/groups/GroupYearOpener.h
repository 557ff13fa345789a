#pragma once
// What the PIGLET and SALES items of the main window do before and after
// their window: ask for the group year, set GroupYear to its last two
// digits, and keep the hourglass over the main window while the window is up.
#include <functional>
#include <string>

// Runs `show` with the accepted four-digit year; nothing when the prompt is
// given up.
void OpenForGroupYear(const std::function<void(const std::string& year)>& show);
