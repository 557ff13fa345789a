#pragma once
// A figure box of a window that edits a stored record, through the sessions
// a farmer gives it: the figure typed and accepted (or left as the record
// holds it), the window opened again, ACCEPT without typing, then ACCEPT
// with another field changed.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "common/HogGlobals.h"
#include "platform/Controls.h"
#include "support/ScriptedWindows.h"
#include "support/TestPlatform.h"

struct FigureSessions {
  std::string shown;   // the box's text when the window opened again
  bool kept = false;   // an ACCEPT without typing left every byte of the file
  bool taken = false;  // the ACCEPT that changed the other field wrote it
  std::string figure;  // the figure's bytes after that ACCEPT
};

// `session(act)` opens the window on the record, runs `act` in it and
// presses ACCEPT; `box` is the figure's box and `other` changes a field that
// is no figure; the figure lies in `file` at `at`, `size` bytes.
template <class W>
FigureSessions RunFigureSessions(const std::function<void(const std::function<void(W&)>&)>& session,
                                 const std::function<platform::TextBox*(W&)>& box, const char* typed,
                                 const std::function<void(W&)>& other, const std::string& file, std::size_t at,
                                 std::size_t size) {
  FigureSessions r;
  session([&](W& w) {
    if (typed) box(w)->SetText(typed);
  });
  const std::string before = readFile(file);
  session([&](W& w) { r.shown = box(w)->Text(); });
  r.kept = readFile(file) == before;
  session(other);
  r.taken = readFile(file) != before;
  r.figure = readFile(file).substr(at, size);
  return r;
}

// The session of a window opened with Load() on record 1 of its list's
// selection `selected`, ACCEPT being its button `accept`.
template <class W>
std::function<void(const std::function<void(W&)>&)> LoadedSession(std::vector<long>& selected,
                                                                  platform::CommandButton* W::*accept) {
  return [&selected, accept](const std::function<void(W&)>& act) {
    selected = {0, 1};
    SelectedCount = 1;
    W w;
    w.Load();
    act(w);
    (w.*accept)->Press();
  };
}

// The session of a window the program shows modally through `open`, on
// record 1 of `selected`: `windows` acts in it, ACCEPT being its button
// `accept`, then presses `exit`.
template <class W>
std::function<void(const std::function<void(W&)>&)> ScriptedSession(ScriptedWindows& windows, const std::string& name,
                                                                    std::vector<long>& selected,
                                                                    std::function<void()> open,
                                                                    platform::CommandButton* W::*accept,
                                                                    platform::CommandButton* W::*exit) {
  return [&windows, name, &selected, open, accept, exit](const std::function<void(W&)>& act) {
    selected = {0, 1};
    SelectedCount = 1;
    windows.on(name, as<W>([&act, accept, exit](W& w) {
      act(w);
      (w.*accept)->Press();
      (w.*exit)->Press();
    }));
    open();
  };
}
