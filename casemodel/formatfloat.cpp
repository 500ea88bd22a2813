#include "casemodel/formatfloat.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

struct Picture {
    int IntegerZeros = 0;    // '0' before the point: least number of integer digits
    int RequiredDecimals = 0;
    int OptionalDecimals = 0;
    bool Scientific = false;
    bool ExponentPlus = false;  // "E+": the sign of the exponent is always written
    int ExponentDigits = 1;
};

Picture Parse(std::string_view pattern)
{
    Picture p;
    bool afterPoint = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == 'E' || c == 'e') {
            p.Scientific = true;
            std::size_t j = i + 1;
            if (j < pattern.size() && (pattern[j] == '+' || pattern[j] == '-'))
                p.ExponentPlus = pattern[j++] == '+';
            int zeros = 0;
            while (j < pattern.size() && pattern[j] == '0') {
                ++zeros;
                ++j;
            }
            p.ExponentDigits = zeros > 0 ? zeros : 1;
            break;
        }
        if (c == '.') {
            afterPoint = true;
        } else if (c == '0') {
            if (afterPoint) {
                // A required digit after optional ones makes those required too.
                p.RequiredDecimals += 1 + p.OptionalDecimals;
                p.OptionalDecimals = 0;
            } else {
                ++p.IntegerZeros;
            }
        } else if (c == '#' && afterPoint) {
            ++p.OptionalDecimals;
        }
    }
    return p;
}

// printf rounds exact halves to even; the labels round them away from zero. The expansion is
// taken with plenty of extra digits (glibc writes the exact binary value), then cut by hand.
constexpr int ExtraDigits = 30;

// Rounds a string of decimal digits to its first `keep` digits; true when the carry ran out of
// the front (the result then has keep + 1 digits, "999" -> "1000").
bool RoundDigits(std::string& digits, std::size_t keep)
{
    const bool up = keep < digits.size() && digits[keep] >= '5';
    digits.resize(keep);
    if (!up)
        return false;
    for (std::size_t i = keep; i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.insert(0, "1");
    return true;
}

// |value| rounded to `decimals` places, as "123.456" (no sign).
std::string Fixed(double magnitude, int decimals)
{
    std::string buffer(400 + ExtraDigits + decimals, '\0');
    const int n = std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals + ExtraDigits, magnitude);
    buffer.resize(static_cast<std::size_t>(n));
    const std::size_t point = buffer.find('.');
    std::string digits = buffer.substr(0, point) + buffer.substr(point + 1);
    std::size_t integerDigits = point;
    if (RoundDigits(digits, integerDigits + static_cast<std::size_t>(decimals)))
        ++integerDigits;
    if (decimals == 0)
        return digits;
    return digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

bool AllZero(const std::string& digits)
{
    for (char c : digits)
        if (c >= '1' && c <= '9')
            return false;
    return true;
}

// Pads the integer part to `zeros` digits and drops optional trailing decimals.
std::string Shape(std::string digits, const Picture& p)
{
    std::size_t point = digits.find('.');
    std::string integer = digits.substr(0, point);
    std::string decimals = point == std::string::npos ? std::string() : digits.substr(point + 1);
    if (integer == "0" && p.IntegerZeros == 0)
        integer.clear();
    while (static_cast<int>(integer.size()) < p.IntegerZeros)
        integer.insert(0, "0");
    while (static_cast<int>(decimals.size()) > p.RequiredDecimals && decimals.back() == '0')
        decimals.pop_back();
    return decimals.empty() ? integer : integer + "." + decimals;
}

} // namespace

std::string FormatFloat(std::string_view pattern, double value)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    const Picture p = Parse(pattern);
    const int decimals = p.RequiredDecimals + p.OptionalDecimals;
    const double magnitude = std::fabs(value);
    std::string text;
    if (p.Scientific) {
        // As many integer digits as the picture has zeros before the point (at least one).
        const int integerDigits = p.IntegerZeros > 0 ? p.IntegerZeros : 1;
        int exponent = 0;
        std::string mantissa;
        if (magnitude != 0) {
            char buffer[128];
            std::snprintf(buffer, sizeof buffer, "%.*e", integerDigits - 1 + decimals + ExtraDigits, magnitude);
            const std::string s = buffer;  // "d.ddd...e+XX"
            const std::size_t e = s.find('e');
            exponent = std::stoi(s.substr(e + 1)) - (integerDigits - 1);
            std::string digits;
            for (std::size_t i = 0; i < e; ++i)
                if (s[i] != '.')
                    digits += s[i];
            // 9.996 with two decimals becomes 10.00: one digit more, so the exponent grows.
            if (RoundDigits(digits, static_cast<std::size_t>(integerDigits + decimals))) {
                digits.pop_back();
                ++exponent;
            }
            mantissa = digits.substr(0, static_cast<std::size_t>(integerDigits));
            if (decimals > 0)
                mantissa += "." + digits.substr(static_cast<std::size_t>(integerDigits));
        } else {
            mantissa = std::string(static_cast<std::size_t>(integerDigits), '0');
            if (decimals > 0)
                mantissa += "." + std::string(static_cast<std::size_t>(decimals), '0');
        }
        Picture shape = p;
        shape.IntegerZeros = integerDigits;
        text = Shape(mantissa, shape);
        std::string exponentDigits = std::to_string(std::abs(exponent));
        while (static_cast<int>(exponentDigits.size()) < p.ExponentDigits)
            exponentDigits.insert(0, "0");
        text += "E";
        if (exponent < 0)
            text += "-";
        else if (p.ExponentPlus)
            text += "+";
        text += exponentDigits;
        if (AllZero(mantissa))
            return text;
    } else {
        const std::string digits = Fixed(magnitude, decimals);
        text = Shape(digits, p);
        if (text.empty())
            text = "0";
        if (AllZero(digits))
            return text;
    }
    return value < 0 ? "-" + text : text;
}
