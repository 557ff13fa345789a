#pragma once
// The program as it starts, run in the bench's own process: its start-up
// window, then its main window (Main()), in folders of its own. What the
// process holds once the main window waits for its first click is where
// every click's peak memory is counted from: the program holds it on the
// desktop before any click. See bench/README.md and bench/PeakMemory.h.
#include <string>

// The bench runs on the display where there is one (DISPLAY) and
// QT_QPA_PLATFORM names no platform, or where it names one other than
// offscreen; else headless (Qt's offscreen platform), its screen given the
// size of the desktop the budget stands for, 1280 x 1024 pixels at 96 dpi,
// so that the windows that fill it (the main window) hold what they hold
// there. Writes the screen's description into `folder`; called before the
// application is made. False when it cannot be written.
bool UseDesktopScreen(const std::string& folder);
// Whether the bench runs headless, where the display's own libraries are
// not loaded and so not counted in the peaks.
bool Headless();

// The event loop runs a moment, as the program's does when it waits for the
// user's next click: the windows shown paint, and the program's process
// settings give back the memory freed as they do on the desktop.
void WaitForTheNextClick();

// Points the program's folders (TARLOWE_HOME, TARLOWE_SETTINGS) into
// `folder`, starts the program there up to its main window, lets it wait
// for its first click (WaitForTheNextClick) and notes what the process
// holds then (NoteStartMemory). False when the main window is not up.
bool StartProgramAtMainWindow(const std::string& folder);
// Closes the main window and puts every module-level value back, so that
// the bench's clicks begin as before.
void CloseProgram();
