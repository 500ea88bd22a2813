#pragma once
// The one conversion of a used field of a result file (the frame files, "Environment.dat", the
// plot files, "Comfort.dat" and the comfort input). The solver writes these files, so a used
// field that is not a plain number text is damage, never a silent 0: blanks, an optional sign,
// digits with an optional point, an optional exponent, then nothing but blanks. Not "nan",
// "inf", hex, "1,5", "5abc" or an empty field.
#include <string_view>

// Temperatures, humidities, rates and times in minutes stay far below this; a value beyond it
// marks a damaged file.
inline constexpr double ResultValueLimit = 1e6;

// True with the value for a number text within +-ResultValueLimit; false (value untouched)
// for damage.
bool ResultField(std::string_view field, double& value);
bool ResultField(std::string_view field, float& value);
