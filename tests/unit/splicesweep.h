#pragma once
// Damage a result file shows by itself: one line spliced in among the rows of a valid file. The
// solver writes every data line of a file with the same fields, so a reader must refuse a file
// that holds, anywhere,
//   - a line of letters (also one with the file's TAB count),
//   - a line of nothing but TABs (any count, the file's own included),
//   - a prefix of one of its lines cut before a TAB (the line lost its last fields), or
//   - a copy of one of its lines with one inner field removed (the later fields slid left),
// or read it as exactly the whole file's values. Damage the file alone cannot show (a whole line
// copied, a last field shortened) is not spliced.
//
// Generic over the reader: a kind gives its valid file and a function from bytes to a
// CutFileRead (its message, or the values it read in file order). The unit lane sweeps every
// splice of a small file (SweepSplices); a fuzz target picks single splices of a generated set
// by a number (CheckSpliceNumber).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tests/fuzz/readers.h"

class SpliceSource {
public:
    // valid ends with a line end, LF or CR LF (the splices take the file's own).
    explicit SpliceSource(std::string_view valid) : Text(valid)
    {
        LineEnd = valid.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
        for (std::size_t start = 0; start < valid.size();) {
            const std::size_t lf = valid.find('\n', start);
            const std::size_t end = lf == std::string_view::npos ? valid.size() : lf;
            std::size_t stop = end;
            if (stop > start && valid[stop - 1] == '\r')
                --stop;
            Lines.push_back(valid.substr(start, stop - start));
            Starts.push_back(start);
            start = end + 1;
        }
        Starts.push_back(valid.size());
        for (std::string_view line : Lines)
            MostTabs = std::max(MostTabs, Tabs(line));
    }

    std::size_t LineCount() const { return Lines.size(); }
    // Places a line can go: before each line, and after the last.
    std::size_t Places() const { return Lines.size() + 1; }

    // The damaged lines made from line `source` of the file: its prefixes cut before each TAB and
    // its copies with one inner field removed.
    std::vector<std::string> FromLine(std::size_t source) const
    {
        std::vector<std::string> made;
        const std::string_view line = Lines[source];
        std::vector<std::size_t> tabs;
        for (std::size_t i = 0; i < line.size(); ++i)
            if (line[i] == '\t')
                tabs.push_back(i);
        for (std::size_t tab : tabs)
            made.emplace_back(line.substr(0, tab));
        // Field k (1 .. fields - 2) lies between TAB k - 1 and TAB k; removing it with the TAB
        // before it leaves the fields around it.
        for (std::size_t k = 1; k < tabs.size(); ++k)
            made.push_back(std::string(line.substr(0, tabs[k - 1])) + std::string(line.substr(tabs[k])));
        return made;
    }

    // The damaged lines made from no line of the file: letters, and TABs alone.
    std::vector<std::string> Free() const
    {
        std::vector<std::string> made = {"garbage"};
        std::string shaped = "a";
        for (int t = 0; t < MostTabs; ++t)
            shaped += std::string("\t") + static_cast<char>('b' + t % 24);
        made.push_back(shaped);
        for (int t = 1; t <= MostTabs + 1; ++t)
            made.emplace_back(static_cast<std::size_t>(t), '\t');
        return made;
    }

    // The valid file with line put in before its line `place`, with the file's line end.
    std::string Spliced(std::size_t place, std::string_view line) const
    {
        std::string text(Text.substr(0, Starts[place]));
        text.append(line).append(LineEnd);
        text.append(Text.substr(Starts[place]));
        return text;
    }

private:
    static int Tabs(std::string_view line) { return static_cast<int>(std::count(line.begin(), line.end(), '\t')); }

    std::string_view Text;
    std::string LineEnd;
    std::vector<std::string_view> Lines;
    std::vector<std::size_t> Starts;  // of each line, then the end of the text
    int MostTabs = 0;
};

// Empty when spliced was refused or read exactly as whole; otherwise what went wrong.
inline std::string CheckSplicedRead(const CutFileRead& whole, const CutFileRead& spliced, std::size_t place,
                                    std::string_view line)
{
    if (!spliced.Error.empty() || spliced.Rows == whole.Rows)
        return "";
    std::string shown(line);
    for (char& c : shown)
        if (c == '\t')
            c = '|';
    return "the line \"" + shown + "\" put in before line " + std::to_string(place + 1) +
           " (1 = first) reads as other values than the whole file's";
}

// Every splice of valid, each damaged line at every place. Empty when read kept its promise for
// all of them; otherwise the first it broke (also when the whole file does not read).
template <typename Read>
std::string SweepSplices(std::string_view valid, Read&& read)
{
    const CutFileRead whole = read(valid);
    if (!whole.Error.empty() || whole.Rows.empty())
        return "the whole file does not read: " + whole.Error;
    const SpliceSource source(valid);
    auto sweep = [&](const std::vector<std::string>& lines) -> std::string {
        for (const std::string& line : lines)
            for (std::size_t place = 0; place < source.Places(); ++place) {
                const std::string broken = CheckSplicedRead(whole, read(source.Spliced(place, line)), place, line);
                if (!broken.empty())
                    return broken;
            }
        return "";
    };
    std::string broken = sweep(source.Free());
    for (std::size_t l = 0; broken.empty() && l < source.LineCount(); ++l)
        broken = sweep(source.FromLine(l));
    return broken;
}

// One splice of valid chosen by number (any value; the fuzz target's input makes it): which
// damaged line, made from which line, put in where. Empty when read kept its promise, or when
// valid does not read whole (nothing to compare with).
template <typename Read>
std::string CheckSpliceNumber(std::string_view valid, Read&& read, std::uint64_t number)
{
    const CutFileRead whole = read(valid);
    if (!whole.Error.empty() || whole.Rows.empty())
        return "";
    const SpliceSource source(valid);
    // One in eight picks a line made from none of the file's; the rest a line of the file.
    std::vector<std::string> lines;
    if (number % 8 == 0)
        lines = source.Free();
    else
        lines = source.FromLine(static_cast<std::size_t>((number / 8) % source.LineCount()));
    if (lines.empty())
        return "";
    number /= 8 * static_cast<std::uint64_t>(source.LineCount());
    const std::string& line = lines[static_cast<std::size_t>(number % lines.size())];
    const std::size_t place = static_cast<std::size_t>((number / lines.size()) % source.Places());
    return CheckSplicedRead(whole, read(source.Spliced(place, line)), place, line);
}
