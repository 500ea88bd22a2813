#include "casemodel/numformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Length of the longest number at the start of text (sign, digits, one point, exponent);
// 0 when there is none. The exponent counts only when it has digits.
std::size_t NumberPrefix(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') { ++i; ++digits; }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') { ++i; ++digits; }
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        std::size_t expDigits = 0;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') { ++j; ++expDigits; }
        if (expDigits > 0)
            i = j;
    }
    return i;
}

// Rough power of ten of a well-formed number text, to tell overflow from underflow. The exponent
// saturates: any exponent beyond a billion over- or underflows a double whatever the digits in
// front of it are, and an exponent of any length must not overflow the count.
long long DecimalMagnitude(std::string_view number)
{
    constexpr long long ExponentLimit = 1000000000;
    long long magnitude = 0;
    std::size_t i = 0;
    bool seenDigit = false;
    bool afterPoint = false;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        const char c = number[i];
        if (c == '.') { afterPoint = true; continue; }
        if (c < '0' || c > '9') continue;
        if (!afterPoint && (seenDigit || c != '0')) { ++magnitude; seenDigit = true; }
        if (afterPoint && !seenDigit) { if (c == '0') --magnitude; else seenDigit = true; }
    }
    if (i < number.size()) {
        bool negative = false;
        long long exponent = 0;
        for (++i; i < number.size(); ++i) {
            const char c = number[i];
            if (c == '-' || c == '+')
                negative = c == '-';
            else
                exponent = std::min(exponent * 10 + (c - '0'), ExponentLimit);
        }
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude;
}

bool Convert(std::string_view number, double& value)
{
    if (!number.empty() && number.front() == '+')
        number.remove_prefix(1);
    double v = 0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), v);
    if (end != number.data() + number.size())
        return false;
    if (ec == std::errc::result_out_of_range) {
        // Underflow to zero is a number; overflow is not.
        if (DecimalMagnitude(number) > 0)
            return false;
        v = 0;
    } else if (ec != std::errc()) {
        return false;
    }
    if (!std::isfinite(v))
        return false;
    value = v;
    return true;
}

} // namespace

std::string FloatToStr(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (value == 0)
        return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", value);  // d.dddddddddddddde+XX: 15 significant digits
    std::string s(buf);
    const std::size_t ePos = s.find('e');
    int exponent = std::atoi(s.c_str() + ePos + 1);
    std::string mantissa = s.substr(0, ePos);
    bool negative = false;
    if (mantissa[0] == '-') { negative = true; mantissa.erase(0, 1); }
    std::string digits;
    for (char c : mantissa)
        if (c != '.') digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    if (exponent < -4 || exponent >= 15) {
        out = digits.substr(0, 1);
        if (digits.size() > 1)
            out += "." + digits.substr(1);
        out += "E" + std::to_string(exponent);
    } else if (exponent < 0) {
        out = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intDigits) {
            out = digits + std::string(intDigits - digits.size(), '0');
        } else {
            out = digits.substr(0, intDigits) + "." + digits.substr(intDigits);
        }
    }
    return negative ? "-" + out : out;
}

std::string FormatG6(double value)
{
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 6);
    if (ec != std::errc())
        return "0";
    std::string s(buf, end);
    // to_chars writes "1e+08"; the file wants "%G": "1E+08", "NAN", "INF".
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

bool TryStrToFloat(std::string_view text, double& value)
{
    const std::size_t n = NumberPrefix(text);
    if (n == 0 || n != text.size())
        return false;
    return Convert(text, value);
}

bool ParseLeadingNumber(std::string_view text, double& value)
{
    value = 0;
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    text.remove_prefix(start);
    const std::size_t n = NumberPrefix(text);
    if (n == 0)
        return false;
    double v = 0;
    if (!Convert(text.substr(0, n), v))
        return false;
    value = v;
    return true;
}

std::string Trim(std::string_view text)
{
    std::size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
    return std::string(text.substr(b, e - b));
}

std::string SingleToStr(float value)
{
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    double shortest = value;
    if (ec == std::errc())
        std::from_chars(buffer, end, shortest);
    return FloatToStr(shortest);
}
