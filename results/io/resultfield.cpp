#include "results/io/resultfield.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
    const char* p = field.data();
    const char* end = p + field.size();
    while (p != end && *p == ' ')
        ++p;
    while (end != p && end[-1] == ' ')
        --end;
    const char* const begin = p;
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '+' || *p == '-'))
        ++p;
    // The grammar, reading the digits as it goes: digits with an optional point (at least one
    // digit), an optional exponent with at least one digit. Result files hold tens of millions
    // of such fields, so the common ones are converted here in the same pass.
    std::uint64_t mantissa = 0;
    int kept = 0;           // significant digits in mantissa
    bool dropped = false;   // significant digits beyond what mantissa holds
    long long scale = 0;    // power of ten that mantissa is to be multiplied by
    std::size_t digits = 0;
    auto digit = [&](char c, bool fraction) {
        ++digits;
        if (kept < 19) {
            if (mantissa != 0 || c != '0') {
                mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
                ++kept;
            }
            if (fraction)
                --scale;
        } else {
            dropped = dropped || c != '0';
            if (!fraction)
                ++scale;
        }
    };
    for (; p != end && IsDigit(*p); ++p)
        digit(*p, false);
    if (p != end && *p == '.')
        for (++p; p != end && IsDigit(*p); ++p)
            digit(*p, true);
    if (digits == 0)
        return false;
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        const bool down = p != end && *p == '-';
        if (p != end && (*p == '+' || *p == '-'))
            ++p;
        if (p == end || !IsDigit(*p))
            return false;
        long long exponent = 0;
        for (; p != end && IsDigit(*p); ++p)
            exponent = std::min(exponent * 10 + (*p - '0'), 1000000000LL);  // saturated
        scale += down ? -exponent : exponent;
    }
    if (p != end)
        return false;

    double v = 0;
    // Up to 2^53 and 10^22 both factors are exact doubles, so one multiplication or division
    // rounds correctly, as from_chars would.
    constexpr double Powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                  1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (!dropped && mantissa <= (std::uint64_t{1} << 53) && scale >= -22 && scale <= 22) {
        v = static_cast<double>(mantissa);
        v = scale < 0 ? v / Powers[-scale] : v * Powers[scale];
        if (negative)
            v = -v;
    } else {
        // from_chars takes no plus sign.
        const char* const from = *begin == '+' ? begin + 1 : begin;
        const auto [stop, ec] = std::from_chars(from, end, v);
        if (ec == std::errc::result_out_of_range) {
            if (Overflowed(std::string_view(from, static_cast<std::size_t>(end - from))))
                return false;
            v = 0;  // too small to tell from 0
        } else if (ec != std::errc() || stop != end) {
            return false;
        }
    }
    if (!std::isfinite(v) || std::fabs(v) > ResultValueLimit)
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

namespace {

constexpr unsigned char Tab = '\t';

// The TABs among the bytes [from, to) of p, one at a time.
void ScanBytes(const char* p, std::size_t from, std::size_t to, std::size_t* at, int wanted, int& tabs)
{
    for (std::size_t i = from; i < to; ++i)
        if (static_cast<unsigned char>(p[i]) == Tab) {
            if (tabs < wanted)
                at[tabs] = i;
            ++tabs;
        }
}

#if defined(__SSE2__)
// A bit per byte of the 16 at p, set where a TAB is.
unsigned TabMask(const char* p)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(static_cast<char>(Tab)))));
}

// The bits set in a 16-bit mask, in a few operations (without the processor's own count, which
// the baseline x86-64 lacks, the compiler would call a library routine).
int Bits16(unsigned x)
{
    x = x - ((x >> 1) & 0x5555u);
    x = (x & 0x3333u) + ((x >> 2) & 0x3333u);
    x = (x + (x >> 4)) & 0x0F0Fu;
    return static_cast<int>((x + (x >> 8)) & 0x1Fu);
}

#endif

} // namespace

// Every line of a result file is scanned, tens of millions in a large set, and of the rows the
// plot passes over it reads little else: a byte loop would cost more than the reading of the
// fields. So the bytes are compared sixteen at a time where the processor can, eight at a time
// where it cannot.
int ScanTabs(std::string_view line, std::size_t* at, int wanted)
{
    const char* const p = line.data();
    const std::size_t n = line.size();
    int tabs = 0;
    std::size_t i = 0;
#if defined(__SSE2__)
    constexpr std::size_t Word = 16;
    // The TABs a mask marks, its bit k standing for the byte at offset + k.
    auto take = [&](unsigned mask, std::size_t offset) {
        for (; mask != 0 && tabs < wanted; mask &= mask - 1)
            at[tabs++] = offset + static_cast<std::size_t>(__builtin_ctz(mask));
        tabs += Bits16(mask);
    };
    if (n >= Word) {
        for (; i + Word <= n; i += Word)
            take(TabMask(p + i), i);
        // The rest: the line's last 16 bytes, less those already seen.
        if (i < n)
            take(TabMask(p + n - Word) >> (Word - (n - i)), i);
        return tabs;
    }
#else
    if (wanted == 0) {
        // A zero byte where a TAB is, then the high bit of each byte that is not zero, without
        // carries between the bytes.
        constexpr std::uint64_t Ones = 0x0101010101010101ull, Lows = 0x7F7F7F7F7F7F7F7Full;
        for (; i + 8 <= n; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, p + i, 8);
            const std::uint64_t x = word ^ (Ones * Tab);
            const std::uint64_t nonzero = (((x & Lows) + Lows) | x) & ~Lows;
            tabs += 8 - static_cast<int>(((nonzero >> 7) * Ones) >> 56);
        }
    }
#endif
    ScanBytes(p, i, n, at, wanted, tabs);
    return tabs;
}

std::string MessageAtLine(std::string_view message, long long lineNumber)
{
    return std::string(message) + "\nLine " + std::to_string(lineNumber) + ".";
}
