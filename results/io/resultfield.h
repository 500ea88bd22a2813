#pragma once
// The one conversion of a used field of a result file (the frame files, "Environment.dat", the
// plot files, "Comfort.dat" and the comfort input). The solver writes these files, so a used
// field that is not a plain number text is damage, never a silent 0: blanks, an optional sign,
// digits with an optional point, an optional exponent, then nothing but blanks. Not "nan",
// "inf", hex, "1,5", "5abc" or an empty field.
#include <cstddef>
#include <string>
#include <string_view>

// Temperatures, humidities, rates and times in minutes stay far below this; a value beyond it
// marks a damaged file.
inline constexpr double ResultValueLimit = 1e6;

// True with the value for a number text within +-ResultValueLimit; false (value untouched)
// for damage.
bool ResultField(std::string_view field, double& value);
bool ResultField(std::string_view field, float& value);

// The TABs of a line in one pass: returns how many it holds and puts the offsets of the first
// `wanted` of them into at (in order; fewer when the line holds fewer). The readers find the
// fields they use and the line's shape in the same walk over its bytes.
int ScanTabs(std::string_view line, std::size_t* at, int wanted);

// The shape of a result file's data lines. The solver writes every data line of a file with the
// same number of fields, so a line with another TAB count than the file's first data line has
// lost or gained a field: its later fields would slide into the wrong columns. The first line
// (or TAB count) handed to Fits sets the count.
class ResultLineShape
{
public:
    bool Fits(std::string_view line) { return FitsTabs(ScanTabs(line, nullptr, 0)); }
    bool FitsTabs(int tabs)
    {
        if (tabs_ < 0)
            tabs_ = tabs;
        return tabs == tabs_;
    }
    int Tabs() const { return tabs_; }  // -1 before the first data line

private:
    int tabs_ = -1;
};

// A file's message with the number of the line (from 1, blank lines counted) that made the
// reader refuse it, on a second line: "<message>\nLine N."
std::string MessageAtLine(std::string_view message, long long lineNumber);
