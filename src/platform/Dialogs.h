#pragma once
// Message boxes, input boxes and the beep. Every window and procedure reaches
// them through the free functions at the bottom, which call the installed
// Dialogs service; tests install a scripted one (tests/support).
#include <optional>
#include <string>

#include "platform/VbConstants.h"

namespace platform {

// The title a box gets when its caller gives none.
inline constexpr const char* kAppTitle = "TARLOWE";

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows a modal message box. `text` lines are joined by carriage returns
  // (line feeds are accepted too); `style` combines buttons, icon and default
  // button (VbConstants.h). Returns the answer code (vbOK, vbYes, ...).
  virtual int msgBox(const std::string& text, int style, const std::string& title) = 0;
  // Shows an input box. The position is in twips from the screen's top left,
  // negative for "centred". Returns nothing when the user cancels, else the
  // text typed (possibly empty).
  virtual std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                              const std::string& defaultText, int xTwips,
                                              int yTwips) = 0;
  virtual void beep() = 0;
};

// Real boxes on screen, each over the program's top window (Form::TopForm),
// not over whatever window the toolkit holds active at that moment.
class QtDialogs : public Dialogs {
 public:
  int msgBox(const std::string& text, int style, const std::string& title) override;
  std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText, int xTwips,
                                      int yTwips) override;
  void beep() override;
};

// A message's carriage-return line breaks as the screen shows them.
std::string displayLines(const std::string& text);

}  // namespace platform

// The calls the program's code makes. An empty title gives kAppTitle.
int MsgBox(const std::string& text, int style = platform::vbOKOnly, const std::string& title = "");
// Cancel gives nothing; OK gives the text, possibly empty.
std::optional<std::string> InputBox(const std::string& prompt, const std::string& title = "",
                                    const std::string& defaultText = "", int xTwips = -1,
                                    int yTwips = -1);
void Beep();
