#pragma once
// The button, icon and answer codes of message boxes, and the close reasons of
// windows, with the values the stored logic was written against.

namespace platform {

// Buttons (low bits of the style).
constexpr int vbOKOnly = 0;
constexpr int vbOKCancel = 1;
constexpr int vbAbortRetryIgnore = 2;
constexpr int vbYesNoCancel = 3;
constexpr int vbYesNo = 4;
constexpr int vbRetryCancel = 5;
// Icons.
constexpr int vbCritical = 16;
constexpr int vbQuestion = 32;
constexpr int vbExclamation = 48;
constexpr int vbInformation = 64;
// Default button.
constexpr int vbDefaultButton1 = 0;
constexpr int vbDefaultButton2 = 256;
constexpr int vbDefaultButton3 = 512;

// Answers.
constexpr int vbOK = 1;
constexpr int vbCancel = 2;
constexpr int vbAbort = 3;
constexpr int vbRetry = 4;
constexpr int vbIgnore = 5;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

constexpr int buttonsOf(int style) { return style & 7; }
constexpr int iconOf(int style) { return style & 0x70; }
constexpr int defaultButtonOf(int style) { return (style & 0x300) >> 8; }  // 0-based

// Close reasons of a window's query-unload.
constexpr int vbFormControlMenu = 0;  // the user closed it from its control box
constexpr int vbFormCode = 1;         // the program unloaded it
constexpr int vbAppWindows = 2;       // the session is ending
constexpr int vbAppTaskManager = 3;   // another program ends this one

// Show styles.
constexpr int vbModeless = 0;
constexpr int vbModal = 1;

}  // namespace platform
