#pragma once
// Building a window in few lines: each helper creates a control, names it,
// places it in twips and connects its handler in one call.
//
//   Accept = AddButton(this, "Accept", "&ACCEPT", {240, 4560, 1575, 435}, [this] { Accept_Click(); });
//   constexpr RowPitch rows{210, 420};
//   Sow.Add(AddTextBox(this, "Sow", {2160, rows(i), 1500, 315}, 8));
//   SetTabOrder({Sow[0], Sow[1], Accept, Exit});
//
// Literal twips are for windows whose places are fixed; elsewhere RowPitch
// lays fields out in rows.
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Refusal.h"

class QGroupBox;
class QMenuBar;

namespace platform {

// The top of row i (from 0) of rows starting at `top`, `pitch` twips apart.
struct RowPitch {
  int top = 0;
  int pitch = 0;
  constexpr int operator()(int row) const { return top + pitch * row; }
};

// Places `control` and hands it back.
template <class T>
T* Placed(T* control, TwipsRect at) {
  placeTwips(control, at.left, at.top, at.width, at.height);
  return control;
}

CommandButton* AddButton(QWidget* parent, const std::string& name, const std::string& caption, TwipsRect at,
                         std::function<void()> onClick);
Label* AddLabel(QWidget* parent, const std::string& name, const std::string& caption, TwipsRect at);
// A text box taking at most `maxLength` characters (0: no limit).
TextBox* AddTextBox(QWidget* parent, const std::string& name, TwipsRect at, int maxLength = 0);
MaskedDateBox* AddDateBox(QWidget* parent, const std::string& name, TwipsRect at);
OptionButton* AddOption(QWidget* parent, const std::string& name, const std::string& caption, TwipsRect at);
// A frame with a caption, which holds the option buttons of one group.
QGroupBox* AddFrame(QWidget* parent, const std::string& name, const std::string& caption, TwipsRect at);

// The window's menu bar: at the top of the window, spanning it.
QMenuBar* AddMenuBar(QWidget* window);

// The order in which Tab visits the widgets.
void SetTabOrder(std::initializer_list<QWidget*> order);

// Controls sharing one name, reached by index from 0, as the windows' control
// arrays are.
template <class T>
class ControlArray {
 public:
  T* operator[](int index) const { return items_[static_cast<size_t>(index)]; }
  int Count() const { return static_cast<int>(items_.size()); }
  // Appends a control; its index is the count before.
  T* Add(T* control) {
    items_.push_back(control);
    return control;
  }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::vector<T*> items_;
};

// Shows a refusal (beep, box) and gives the focus back to `field`, when
// there is one.
void ShowRefusal(const Refusal& refusal, QWidget* field);
// The same, the field being fields[refusal.field]: a window lists its fields
// in the order of its own field numbers.
void ShowRefusal(const Refusal& refusal, std::initializer_list<QWidget*> fields);

// Shows `window` modally and, once it has hidden itself, unloads it: how
// every window opened from a menu or a button runs. An opener that prepares
// the window loads it and sets it up first.
void ShowModalThenUnload(Form& window);
template <class W>
void ShowModalThenUnload() {
  W window;
  ShowModalThenUnload(window);
}

}  // namespace platform
