#include "results/io/resultfield.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether a number text that a double cannot hold overflowed rather than underflowed: its
// decimal order of magnitude (significant digits before the point, or minus the zeros after it,
// plus the exponent) is positive. Only called for texts of the grammar below.
bool Overflowed(std::string_view text)
{
    long long order = 0;
    bool point = false, significant = false;
    std::size_t i = 0;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        const char c = text[i];
        if (c == '.')
            point = true;
        else if (IsDigit(c) && c != '0')
            significant = true;
        if (!IsDigit(c))
            continue;
        if (!point && significant)
            ++order;
        else if (point && !significant)
            --order;
    }
    if (i < text.size()) {
        ++i;
        const bool negative = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        long long exponent = 0;
        for (; i < text.size(); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1000000000LL);  // saturated
        order += negative ? -exponent : exponent;
    }
    return order > 0;
}

} // namespace

bool ResultField(std::string_view field, double& value)
{
    std::size_t begin = 0, end = field.size();
    while (begin < end && field[begin] == ' ')
        ++begin;
    while (end > begin && field[end - 1] == ' ')
        --end;
    std::size_t i = begin;
    if (i < end && (field[i] == '+' || field[i] == '-'))
        ++i;
    // The grammar, before from_chars reads the value: digits with an optional point (at least
    // one digit), an optional exponent with at least one digit. from_chars alone would take
    // "inf", "nan" and stop early on "5abc".
    std::size_t digits = 0;
    while (i < end && IsDigit(field[i]))
        ++i, ++digits;
    if (i < end && field[i] == '.') {
        ++i;
        while (i < end && IsDigit(field[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < end && (field[i] == 'e' || field[i] == 'E')) {
        ++i;
        if (i < end && (field[i] == '+' || field[i] == '-'))
            ++i;
        if (i == end || !IsDigit(field[i]))
            return false;
        while (i < end && IsDigit(field[i]))
            ++i;
    }
    if (i != end)
        return false;
    // from_chars takes no plus sign.
    const std::size_t from = field[begin] == '+' ? begin + 1 : begin;
    double v = 0;
    const auto [stop, ec] = std::from_chars(field.data() + from, field.data() + end, v);
    if (ec == std::errc::result_out_of_range) {
        if (Overflowed(field.substr(from, end - from)))
            return false;
        v = 0;  // too small to tell from 0
    } else if (ec != std::errc() || stop != field.data() + end) {
        return false;
    }
    if (!std::isfinite(v) || std::fabs(v) > kResultValueLimit)
        return false;
    value = v;
    return true;
}

bool ResultField(std::string_view field, float& value)
{
    double v = 0;
    if (!ResultField(field, v))
        return false;
    value = static_cast<float>(v);
    return true;
}
