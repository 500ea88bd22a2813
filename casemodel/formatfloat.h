#pragma once
// Picture-driven number formatting for axis ticks and labels, locale-independent (the decimal
// point is always '.').
#include <string>
#include <string_view>

// Formats value by a picture made of '0' (a digit always written), '#' (a digit written only
// when it carries information), one '.' and an optional exponent part "E-0"/"E+0" whose zeros
// give the least number of exponent digits ("E-" shows a sign only for negative exponents,
// "E+" always). Examples: ("#0.###", 2) "2", ("#0.000", 0) "0.000", ("0.00E-0", 1234.5)
// "1.23E3", ("00", 7) "07". Rounding is to the nearest, halves away from zero as far as the
// binary value allows; a value that rounds to zero is written without a sign.
std::string FormatFloat(std::string_view pattern, double value);
