// How values of the settings file are read as numbers and flags, and how flags are written.
//
// A number is: optional blanks (spaces, tabs), an optional sign, decimal digits with an
// optional decimal point (at least one digit on either side of it), and an optional
// exponent ("e" or "E", an optional sign, at least one digit). The point is always ".",
// whatever the user's locale. Hexadecimal, blanks inside the number, thousands separators,
// "inf" and "nan" are no numbers. A number beyond the range of a double counts as none.
// Surrounding quotes never reach these functions: the profile functions remove them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qs {

// The one scanner of decimal numbers, for the settings file and the command line alike.
struct ScannedNumber {
    double value = 0;
    std::size_t end = 0; // where the number stops in the text
    bool inRange = true; // false: too large (value an infinity of its sign) or too small (a zero)
};

// The number that starts at text[0], with no blanks in it: an optional sign, decimal
// digits with an optional "." (at least one digit on either side of it), and an optional
// exponent, one of exponentLetters followed by an optional sign and at least one digit.
// Reading stops at the first character that cannot continue the number; nothing when
// no number starts there.
std::optional<ScannedNumber> ScanNumber(std::string_view text, std::string_view exponentLetters);

// The number at the start of the text, whatever follows it ("30 seconds" gives 30).
std::optional<double> LeadingNumber(std::string_view text);

// The text as a number, with nothing but blanks around it ("3 pictures" gives nothing).
std::optional<double> WholeNumber(std::string_view text);

// The nearest whole number, a half going to the even neighbour (2.5 gives 2, 3.5 gives 4);
// nothing when that lies outside the 32-bit signed range.
std::optional<std::int32_t> RoundToInt32(double value);

// "True" or "False" in any letter case, or a number (0 false, any other true), with blanks
// around allowed; nothing for any other text, which counts as not given.
std::optional<bool> BooleanText(std::string_view text);

// The words the settings file holds for flags.
std::string_view FlagText(bool flag);

// Milliseconds as seconds, with no more decimals than they need: 1000 gives "1", 1500
// "1.5", 750 "0.75".
std::string SecondsText(std::int32_t milliseconds);

} // namespace qs
