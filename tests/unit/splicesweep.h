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
// Files of time blocks (rows of one time, as many in each block: "Fabrics.dat", the fibre files)
// show more by their structure: every line sound, but
//   - two rows of a block exchanged, or
//   - one row lost or written twice, with a whole block after it,
// must be refused with the line of the first row out of place (the message's "Line N."), or read
// as exactly the whole file's values.
//
// Generic over the reader: a kind gives its valid file and a function from bytes to a
// CutFileRead (its message, or the values it read in file order). The unit lane sweeps every
// splice and every block damage of a small file (SweepSplices, SweepBlockRows); a fuzz target
// picks single ones of a generated set by a number (CheckSpliceNumber).
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
        for (std::size_t i = 0; i < Lines.size(); ++i)
            if (i == 0 || TimeText(Lines[i]) != TimeText(Lines[i - 1]))
                BlockStarts.push_back(i);
        BlockStarts.push_back(Lines.size());
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

    // The block damages of the file: the exchanges of two rows of a block, then each row of a
    // block before the last lost, then each written twice. The blocks are the runs of rows with
    // the same time text.
    std::size_t BlockDamages() const
    {
        std::size_t exchanges = 0;
        for (std::size_t b = 0; b + 1 < BlockStarts.size(); ++b) {
            const std::size_t rows = BlockStarts[b + 1] - BlockStarts[b];
            exchanges += rows * (rows - 1) / 2;
        }
        return exchanges + 2 * BeforeLastBlock();
    }

    // Block damage k of BlockDamages(), and what it is in what.
    std::string BlockDamaged(std::size_t k, std::string& what) const
    {
        std::vector<std::string_view> lines = Lines;
        for (std::size_t b = 0; b + 1 < BlockStarts.size(); ++b)
            for (std::size_t i = BlockStarts[b]; i < BlockStarts[b + 1]; ++i)
                for (std::size_t j = i + 1; j < BlockStarts[b + 1]; ++j)
                    if (k-- == 0) {
                        std::swap(lines[i], lines[j]);
                        what = "lines " + std::to_string(i + 1) + " and " + std::to_string(j + 1) + " exchanged";
                        return Joined(lines);
                    }
        // Past the exchanges: there are rows before the last block.
        const std::size_t row = k % BeforeLastBlock();
        if (k < BeforeLastBlock()) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(row));
            what = "line " + std::to_string(row + 1) + " lost";
        } else {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(row), lines[row]);
            what = "line " + std::to_string(row + 1) + " written twice";
        }
        return Joined(lines);
    }

private:
    static int Tabs(std::string_view line) { return static_cast<int>(std::count(line.begin(), line.end(), '\t')); }

    static std::string_view TimeText(std::string_view line) { return line.substr(0, line.find('\t')); }
    // The rows before the last block.
    std::size_t BeforeLastBlock() const { return BlockStarts.size() > 1 ? BlockStarts[BlockStarts.size() - 2] : 0; }
    std::string Joined(const std::vector<std::string_view>& lines) const
    {
        std::string text;
        for (std::string_view line : lines)
            text.append(line).append(LineEnd);
        return text;
    }

    std::string_view Text;
    std::string LineEnd;
    std::vector<std::size_t> BlockStarts;  // the first line of each block, then the line count
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

// Empty when damaged was refused with a line or read exactly as whole; otherwise what went
// wrong.
inline std::string CheckBlockDamageRead(const CutFileRead& whole, const CutFileRead& damaged, const std::string& what)
{
    if (damaged.Error.empty() ? damaged.Rows == whole.Rows : damaged.Error.find("\nLine ") != std::string::npos)
        return "";
    return "with " + what + (damaged.Error.empty() ? ", the file reads as other values than the whole file's"
                                                   : ", the file is refused without its line: " + damaged.Error);
}

// What read makes of the whole file, which the damaged ones are held to: empty when it reads
// rows, otherwise what is wrong.
template <typename Read>
std::string ReadWhole(std::string_view valid, Read& read, CutFileRead& whole)
{
    whole = read(valid);
    return whole.Error.empty() && !whole.Rows.empty() ? "" : "the whole file does not read: " + whole.Error;
}

// Every block damage of valid. Empty when read kept its promise for all of them; otherwise the
// first it broke (also when the whole file does not read).
template <typename Read>
std::string SweepBlockRows(std::string_view valid, Read&& read)
{
    CutFileRead whole;
    if (std::string wrong = ReadWhole(valid, read, whole); !wrong.empty())
        return wrong;
    const SpliceSource source(valid);
    if (source.BlockDamages() == 0)
        return "the file has no blocks to damage";
    for (std::size_t k = 0; k < source.BlockDamages(); ++k) {
        std::string what;
        const std::string damaged = source.BlockDamaged(k, what);
        const std::string broken = CheckBlockDamageRead(whole, read(damaged), what);
        if (!broken.empty())
            return broken;
    }
    return "";
}

// Every splice of valid, each damaged line at every place. Empty when read kept its promise for
// all of them; otherwise the first it broke (also when the whole file does not read).
template <typename Read>
std::string SweepSplices(std::string_view valid, Read&& read)
{
    CutFileRead whole;
    if (std::string wrong = ReadWhole(valid, read, whole); !wrong.empty())
        return wrong;
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
// damaged line, made from which line, put in where, or in a file of time blocks one in eight a
// block damage. Empty when read kept its promise, or when valid does not read whole (nothing to
// compare with).
template <typename Read>
std::string CheckSpliceNumber(std::string_view valid, Read&& read, std::uint64_t number, bool timeBlocks)
{
    CutFileRead whole;
    if (!ReadWhole(valid, read, whole).empty())
        return "";
    const SpliceSource source(valid);
    if (timeBlocks && number % 8 == 1 && source.BlockDamages() > 0) {
        std::string what;
        const std::size_t k = static_cast<std::size_t>((number / 8) % source.BlockDamages());
        const std::string damaged = source.BlockDamaged(k, what);
        return CheckBlockDamageRead(whole, read(damaged), what);
    }
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
