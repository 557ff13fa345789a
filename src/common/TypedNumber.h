#pragma once
// A number typed into a box, read for the field it is stored in. A typed
// number is stored as typed (within what its field's type holds) or refused
// with a message that says what is wrong with it:
//
//   static const NumberField kWeightIn = SingleField("WEIGHT IN");
//   if (Check refusal = CheckTypedNumber(e.weightIn, kWeightIn, t.title, kWeightInField)) return refusal;
//   g.WeightIn = static_cast<float>(ReadTypedNumber(e.weightIn, kWeightIn).value);
//
// A window checks first what its own messages cover (a required box left
// empty, a count that reads 0), then each number through its field.
#include <initializer_list>
#include <string>

#include "platform/Refusal.h"

// What a field takes: the name its refusals give it, its least and most
// value, and whether it holds whole numbers (a typed fraction is stored as
// the nearest whole number, a half going to the even one).
struct NumberField {
  std::string name;
  double least = 0;
  double most = 0;
  bool whole = false;
};

// The fields by the type they are stored in, from `least` (0 unless the
// field takes less) to the most the type holds as typed: an Integer 32767, a
// Long 2147483647, a Single 9999999 (its seven digits), a Currency
// 922337203685477.
NumberField IntegerField(const std::string& name, double least = 0);
NumberField LongField(const std::string& name, double least = 0);
NumberField SingleField(const std::string& name, double least = 0);
NumberField CurrencyField(const std::string& name, double least = 0);
// A Single that may be as negative as it may be positive (a discount).
NumberField SignedSingleField(const std::string& name);

enum class NumberFault { None, NotANumber, BelowLeast, AboveMost };

// Whether the text, blanks around it aside, is one number: a sign, digits
// with at most one decimal point, and an exponent (E or D, a sign, digits).
// "12abc", "1,000", "$5" and "-" are not; an empty text is none.
bool IsNumberText(const std::string& typed);

struct TypedNumber {
  double value = 0;  // as the field stores it: whole where it is whole
  NumberFault fault = NumberFault::None;
};
// The typed text read for the field: an empty (or blank) text reads 0; any
// other must be a number, within the field's least and most once rounded to
// a whole number where the field is whole.
TypedNumber ReadTypedNumber(const std::string& typed, const NumberField& field);

// The message of a fault: "<name> is not a number!", "<name> can't be less
// than <least>!" or "<name> can't be more than <most>!", then an empty line
// and "It takes a number from <least> to <most>."
std::string NumberFaultText(const NumberField& field, NumberFault fault);

// Nothing when the field takes the typed text; else the refusal of its fault
// with the window's title, icon and number of the box.
Check CheckTypedNumber(const std::string& typed, const NumberField& field, const std::string& title, int box,
                       int icon = platform::vbExclamation);

// A box of a window: the text typed, its field and the window's number of it.
struct NumberBox {
  const std::string& typed;
  const NumberField& field;
  int box;
};
// The refusal of the first box, in the order given, whose field does not take
// its text; nothing when every one does.
Check CheckTypedNumbers(std::initializer_list<NumberBox> boxes, const std::string& title,
                        int icon = platform::vbExclamation);

// The value a checked text stores (0 for a text its field refuses); as a
// Single for a field stored as one.
double TypedValue(const std::string& typed, const NumberField& field);
float TypedSingle(const std::string& typed, const NumberField& field);
