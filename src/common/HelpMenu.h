#pragma once
// The HELP menu, alike on the main window and on the area windows that have
// one: 0 "Contents" opens the help file at its contents, 2 "About Tarlowe"
// shows the about box; the separator (1) does nothing.
void ShowHelpItem(int Index);
