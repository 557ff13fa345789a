#include "common/FigureBox.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "common/NumberText.h"

namespace {

// The decimals of a decimal text ("99.75" has 2, "12" none).
std::size_t placesOf(const std::string& text) {
  const std::size_t point = text.find('.');
  return point == std::string::npos ? 0 : text.size() - point - 1;
}

// The places a figure holds within what its type shows, as far as a box of
// `maskPlaces` decimals shows them. A Single that its seven digits do not
// read back as (a float's tail: 1360/3 is written 453.3333) holds no place
// past the mask.
std::size_t heldPlaces(float value, std::size_t maskPlaces) {
  const std::size_t places = placesOf(WithoutExponent(SingleText(value)));
  return SingleTextValue(value) == value ? places : std::min(places, maskPlaces);
}
std::size_t heldPlaces(records::Currency value, std::size_t) {
  int64_t fraction = std::llabs(value.raw % records::Currency::kScale);
  if (fraction == 0) return 0;
  std::size_t places = records::Currency::kPlaces;
  for (; fraction % 10 == 0; fraction /= 10) --places;
  return places;
}

// `m` with `places` decimals; its whole placeholders all "#" where the 0
// before the point is dropped.
std::string maskWith(const FormatMask& m, std::size_t places, bool leadingZero) {
  std::string out(m.prefix());
  const std::string_view body = m.text.substr(m.first, m.last + 1 - m.first);
  for (char c : body.substr(0, body.find('.'))) out += c == '0' && !leadingZero ? '#' : c;
  if (places > 0) out += "." + std::string(places, '0');
  out += m.suffix();
  return out;
}

template <class T>
std::string figureText(T value, const FigureBox& box) {
  const FormatMask& m = box.mask;
  if (!m.hasBody()) return std::string(m.text);
  const auto fits = [&box](const std::string& text) {
    return box.maxLength <= 0 || static_cast<int>(text.size()) <= box.maxLength;
  };
  // Up to two places past the mask, as a typed figure holds: every place
  // shown. Where the box is too narrow, the mask's padding zeros go first,
  // then the 0 before the point.
  const std::size_t held = heldPlaces(value, m.decimals);
  if (held <= m.decimals + 2) {
    for (std::size_t places = std::max(held, m.decimals);; --places) {
      const std::string text = Format(value, maskWith(m, places, true));
      if (fits(text)) return text;
      if (places == held) {
        const std::string withoutZero = Format(value, maskWith(m, places, false));
        if (fits(withoutZero)) return withoutZero;
        break;
      }
    }
  }
  // Any other figure (a float's tail, a figure its box cannot show) through
  // the mask, whole even where it runs past the box.
  return Format(value, m);
}

}  // namespace

std::string FigureText(float stored, const FigureBox& box) { return figureText(stored, box); }
std::string FigureText(records::Currency stored, const FigureBox& box) { return figureText(stored, box); }

std::string JudgedText(const std::string& typed, float stored, const FigureBox& box) {
  return typed == FigureText(stored, box) ? SingleText(stored) : typed;
}

float KeptSingle(const std::string& typed, float stored, const FigureBox& box, const NumberField& field) {
  return typed == FigureText(stored, box) ? stored : TypedSingle(typed, field);
}

records::Currency KeptCurrency(const std::string& typed, records::Currency stored, const FigureBox& box,
                               const NumberField& field) {
  return typed == FigureText(stored, box) ? stored : TypedCurrency(typed, field);
}
