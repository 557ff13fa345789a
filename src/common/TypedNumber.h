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
// empty, a comma), then each number through its field; a box that must not
// read 0 goes through CheckRequiredNumber, which tells a text that is no
// number before the window's own "required" message.
#include <initializer_list>
#include <string>

#include "platform/Refusal.h"
#include "records/Fields.h"

// How a field stores a number: a whole number (a typed fraction is stored as
// the nearest whole number, a half going to the even one), a Single, a
// Currency (four decimals) or a Double.
enum class NumberType { Whole, Single, Currency, Double };

// What a field takes: the name its refusals give it, its least and most
// value, and how it stores a number.
struct NumberField {
  std::string name;
  double least = 0;
  double most = 0;
  NumberType type = NumberType::Double;
};

// The fields by the type they are stored in, from `least` (0 unless the
// field takes less) to the most the type holds as typed: an Integer 32767, a
// Long 2147483647, a Single 9999999 (its seven digits). A Currency (money)
// takes from 0 the most its box of `boxLength` characters holds, all nines
// ("99999999" for eight), at most 922337203685477.
NumberField IntegerField(const std::string& name, double least = 0);
NumberField LongField(const std::string& name, double least = 0);
NumberField SingleField(const std::string& name, double least = 0);
NumberField CurrencyField(const std::string& name, int boxLength);
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

// Whether the field stores the text as 0: a blank text, or a number that
// its type holds as 0 (a count below one half, a weight too small for a
// Single, a price below half of 1/10000). A text that is no number does not
// read as 0: it is no number.
bool ReadsAsZero(const std::string& typed, const NumberField& field);

// The message of a fault: "<name> is not a number!", "<name> can't be less
// than <least>!" or "<name> can't be more than <most>!", then an empty line
// and "It takes a number from <least> to <most>."
std::string NumberFaultText(const NumberField& field, NumberFault fault);

// Nothing when the field takes the typed text; else the refusal of its fault
// with the window's title, icon and number of the box.
Check CheckTypedNumber(const std::string& typed, const NumberField& field, const std::string& title, int box,
                       int icon = platform::vbExclamation);

// The check of a box that must hold a number other than 0: a text that is
// no number is refused as such first; one that reads as 0 (ReadsAsZero:
// nothing typed, or a number stored as 0) gets the window's own refusal
// `missing`; any other goes through its field, refused with the title, icon
// and box of `missing`.
Check CheckRequiredNumber(const std::string& typed, const NumberField& field, const Refusal& missing);

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
// The Currency of a checked money text: the typed figure to four places,
// never through a Single, which keeps only seven digits of it.
records::Currency TypedCurrency(const std::string& typed, const NumberField& field);
