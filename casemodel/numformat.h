#pragma once
// Locale-independent number texts.
#include <string>
#include <string_view>

// Number to edit text: up to 15 significant digits, exponent form below 1E-4 and from 1E15 on
// ("1E-5", "4.72222222222222E-6", "0.0001", "123.5").
std::string FloatToStr(double value);
// A 32-bit value (as the result files store them) written as FloatToStr writes the shortest
// decimal that reads back to it: 0.001f gives "0.001", not "0.00100000004749745".
std::string SingleToStr(float value);

// Number to data file: printf "%G" with precision 6 ("1E+08", "0.0002", "1.23457E+06").
std::string FormatG6(double value);

// Strict text to number: optional sign, digits with at most one point, optional exponent;
// nothing else, and only finite results. Surrounding blanks are not accepted either.
bool TryStrToFloat(std::string_view text, double& value);

// Lenient: skips leading blanks and converts the longest number at the start of the text
// ("12.5abc" gives 12.5). False (and 0) when no number starts the text.
bool ParseLeadingNumber(std::string_view text, double& value);

// Blanks and control characters removed at both ends.
std::string Trim(std::string_view text);
