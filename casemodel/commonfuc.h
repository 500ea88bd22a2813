#pragma once
// Small numeric checks and helpers shared by the dialogs and the fuzzy comfort evaluation.

// True when 0 <= x <= 1 (relative humidities given as fractions); false for not-a-number.
bool IsFraction(double x);

// True when c occurs more than once in the zero-terminated text (a null text holds nothing).
bool HasRepeatedChar(const char* text, char c);

// b when b > a, else a: equal values give the first argument.
double MaxOf(double a, double b);
// b when b < a, else a.
double MinOf(double a, double b);
double AbsOf(double x);

// Generalised bell membership functions 1 / (1 + (|x - c| / a)^(2b)) of the comfort
// evaluation: low (c 0, a 25), medium (c 60, a 25) and high (c 100, a 30), each with b = 4.
double BellLow(float x);
double BellMedium(float x);
double BellHigh(float x);
