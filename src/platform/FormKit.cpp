#include "platform/FormKit.h"

#include <QGroupBox>
#include <QMenuBar>
#include <QVBoxLayout>

namespace platform {

QMenuBar* AddMenuBar(QWidget* window) {
  auto* bar = new QMenuBar(window);
  auto* layout = new QVBoxLayout(window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setMenuBar(bar);
  layout->addStretch(1);
  return bar;
}

CommandButton* AddButton(QWidget* parent, const std::string& name, const std::string& caption, TwipsRect at,
                         std::function<void()> onClick) {
  auto* button = Placed(new CommandButton(parent, name, caption), at);
  if (onClick) QObject::connect(button, &QPushButton::clicked, button, std::move(onClick));
  return button;
}

Label* AddLabel(QWidget* parent, const std::string& name, const std::string& caption, TwipsRect at) {
  return Placed(new Label(parent, name, caption), at);
}

TextBox* AddTextBox(QWidget* parent, const std::string& name, TwipsRect at, int maxLength) {
  auto* box = Placed(new TextBox(parent, name), at);
  if (maxLength > 0) box->SetMaxLength(maxLength);
  return box;
}

MaskedDateBox* AddDateBox(QWidget* parent, const std::string& name, TwipsRect at) {
  return Placed(new MaskedDateBox(parent, name), at);
}

OptionButton* AddOption(QWidget* parent, const std::string& name, const std::string& caption, TwipsRect at) {
  return Placed(new OptionButton(parent, name, caption), at);
}

QGroupBox* AddFrame(QWidget* parent, const std::string& name, const std::string& caption, TwipsRect at) {
  auto* frame = new QGroupBox(fromAnsi(caption), parent);
  frame->setObjectName(QString::fromStdString(name));
  return Placed(frame, at);
}

void SetTabOrder(std::initializer_list<QWidget*> order) {
  const QWidget* previous = nullptr;
  for (QWidget* w : order) {
    if (previous) QWidget::setTabOrder(const_cast<QWidget*>(previous), w);
    previous = w;
  }
}

void ShowRefusal(const Refusal& refusal, QWidget* field) {
  Alert(refusal.text, refusal.icon | vbOKOnly, refusal.title);
  SetFocusOn(field);
}

void ShowRefusal(const Refusal& refusal, std::initializer_list<QWidget*> fields) {
  const bool known = refusal.field >= 0 && refusal.field < static_cast<int>(fields.size());
  ShowRefusal(refusal, known ? fields.begin()[refusal.field] : nullptr);
}

void ShowModalThenUnload(Form& window) {
  window.Show(vbModal);
  window.Unload();
}

}  // namespace platform
