#pragma once
// The keystroke filter of text boxes, called from a box's key-press handler:
//
//   Name->onKeyPress = [this](int& key) {
//     if (key < 33 || key > 64) MaskKeyPress(Name, key, kNameMask);
//   };
#include <string>

class QWidget;

// Names capitalised word by word, at most 22 characters.
inline constexpr const char* kNameMask = "Aa--------------------";

// Filters the key `KeyAscii` (a Windows-1252 code; 0 refuses it) typed into
// `Ctl` by `Mask`. Keys into anything but a one-line text box, backspace (8)
// and enter (13) pass unchanged. The mask's first character sets the keys
// that pass: "0" letters and digits, "A" or "a" letters and the blank, "@"
// codes above 32, anything else every key. A mask beginning with one of the
// prefixes "Aa-", "@@-" (capital at the start of each word), "AA-" (all upper
// case) or "aa-" (all lower case) also refuses a key once the text without
// its trailing blanks is as long as the mask, and sets the letter's case.
// For the word capitals a caret at the very start moves behind the first
// character, and the key becomes a capital when the text is empty or the
// character before the caret is a blank.
void MaskKeyPress(QWidget* Ctl, int& KeyAscii, const std::string& Mask);
