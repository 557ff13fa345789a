#pragma once
// Where the program keeps its files on this machine. Each folder is returned
// with a trailing "/".
//  - The program folder (TARLOWE.INI, TARLOWE.PWF, TARLOWE5.HLP, HOGDATA/):
//    $TARLOWE_HOME, else $XDG_DATA_HOME/tarlowe, else ~/.local/share/tarlowe.
//  - The machine-wide settings folder (VMQ2007.INI): $TARLOWE_SETTINGS, else
//    $XDG_CONFIG_HOME/VQ2007, else ~/.config/VQ2007.
//  - The print folder, where printouts become PDF files when the machine has
//    no printer: $TARLOWE_PRINT_DIR, else the program folder's PRINTOUTS/.
#include <string>

namespace platform {

std::string programFolder();
std::string machineSettingsFolder();
std::string printFolder();

// A folder path with exactly one trailing "/".
std::string withSlash(const std::string& folder);

}  // namespace platform
