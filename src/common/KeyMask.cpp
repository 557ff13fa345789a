#include "common/KeyMask.h"

#include "common/NumberText.h"
#include "platform/Controls.h"

namespace {

enum class CaseRule { None, WordCapitals, Upper, Lower };

CaseRule caseRuleOf(const std::string& mask) {
  if (mask.size() < 3 || mask[2] != '-') return CaseRule::None;
  const std::string prefix = mask.substr(0, 2);
  if (prefix == "Aa" || prefix == "@@") return CaseRule::WordCapitals;
  if (prefix == "AA") return CaseRule::Upper;
  if (prefix == "aa") return CaseRule::Lower;
  return CaseRule::None;
}

bool inClass(int key, char maskClass) {
  const char c = static_cast<char>(key);
  switch (maskClass) {
    case '0': return IsLetterOrDigit1252(c);
    case 'A':
    case 'a': return IsLetter1252(c) || key == ' ';
    case '@': return key > 32;
    default: return true;
  }
}

int upper(int key) { return static_cast<unsigned char>(UCaseChar(static_cast<char>(key))); }
int lower(int key) { return static_cast<unsigned char>(LCaseChar(static_cast<char>(key))); }

}  // namespace

void MaskKeyPress(QWidget* Ctl, int& KeyAscii, const std::string& Mask) {
  auto* box = dynamic_cast<platform::TextBox*>(Ctl);
  if (!box || KeyAscii == 8 || KeyAscii == 13) return;
  if (!Mask.empty() && !inClass(KeyAscii, Mask[0])) {
    KeyAscii = 0;
    return;
  }
  const CaseRule rule = caseRuleOf(Mask);
  if (rule == CaseRule::None) return;

  const std::string text = box->Text();
  if (RTrim(text).size() + 1 > Mask.size()) {
    KeyAscii = 0;
    return;
  }
  switch (rule) {
    case CaseRule::Upper: KeyAscii = upper(KeyAscii); return;
    case CaseRule::Lower: KeyAscii = lower(KeyAscii); return;
    default: break;
  }
  if (box->SelStart() == 0) box->SetSelStart(1);
  const int caret = box->SelStart();
  if (text.empty() || (caret > 0 && text[caret - 1] == ' ')) KeyAscii = upper(KeyAscii);
}
