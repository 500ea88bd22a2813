#include "results/io/comforteval.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <system_error>

#include "casemodel/commonfuc.h"
#include "casemodel/numformat.h"
#include "casemodel/psychro.h"
#include "casemodel/textfile.h"
#include "results/io/resultfield.h"
#include "results/io/resultfiles.h"

namespace fs = std::filesystem;

namespace {

// bell(x; c, w, p) = 1 / (1 + |(x - c) / w|^p). The absolute value comes first: one of the
// exponents (7.3) is not an integer, and a negative base would give not-a-number.
double Bell(double x, double c, double w, double p)
{
    return 1.0 / (1.0 + std::pow(AbsOf((x - c) / w), p));
}

// Distance from an output bell's centre (per unit of its width) at which the bell of exponent 8
// falls to the strength r: (1/r - 1)^(1/8).
double CutDistance(double r)
{
    return std::pow(10.0, std::log10(1.0 / r - 1.0) / 8.0);
}

// One output set clipped at its rule strength: the running sums of x times membership and of
// membership over its samples.
struct ClippedSet {
    double Numerator = 0;
    double Denominator = 0;
    void Add(double x, double membership)
    {
        Numerator += x * membership;
        Denominator += membership;
    }
    // A set that received nothing (rule strength 0) has no centroid and contributes nothing.
    double Weighted() const { return Denominator > 0 ? Denominator * (Numerator / Denominator) : 0.0; }
};

// "Uncomfortable": low bell, sampled at 0, 0.5, .., 50.
ClippedSet Uncomfortable(double strength)
{
    ClippedSet set;
    if (!(strength > 0))
        return set;
    const double cut = strength == 1 ? 0.0 : 25.0 * CutDistance(strength);
    for (int i = 0; i <= 100; ++i) {
        const double x = 0.5 * i;
        set.Add(x, x <= cut ? strength : BellLow(static_cast<float>(x)));
    }
    return set;
}

// "Comfortable": high bell, sampled at 100, 99.5, .., 40.
ClippedSet Comfortable(double strength)
{
    ClippedSet set;
    if (!(strength > 0))
        return set;
    const double cut = strength == 1 ? 100.0 : 100.0 - 30.0 * CutDistance(strength);
    for (int i = 0; i <= 120; ++i) {
        const double x = 100.0 - 0.5 * i;
        set.Add(x, x >= cut ? strength : BellHigh(static_cast<float>(x)));
    }
    return set;
}

// "Acceptable": medium bell, sampled at 10, 10.5, .., 100.
ClippedSet Acceptable(double strength)
{
    ClippedSet set;
    if (!(strength > 0))
        return set;
    const double half = strength == 1 ? 0.0 : 25.0 * CutDistance(strength);
    for (int i = 0; i <= 180; ++i) {
        const double x = 10.0 + 0.5 * i;
        set.Add(x, 60.0 - half < x && x < 60.0 + half ? strength : BellMedium(static_cast<float>(x)));
    }
    return set;
}

double Largest(std::initializer_list<double> values)
{
    double largest = *values.begin();
    for (double v : values)
        largest = MaxOf(largest, v);
    return largest;
}

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t\r") == std::string_view::npos; }

} // namespace

ComfortColumns FuzzyComfortEvaluation(const FiringRateCoefficients& k, const ComfortRecord& record)
{
    // Slopes of the skin temperature per entry: the dynamic receptor response.
    double slope[SmoothSlopeCount] = {};
    BSplineSmooth(record.SkinTemperature.data(), ComfortRecordEntries, slope);

    double skinWarm = 0, skinCold = 0, coreWarm = 0, coreCold = 0;
    for (int i = 0; i < ComfortRecordEntries; ++i) {
        const double x = record.SkinTemperature[static_cast<std::size_t>(i)];
        const double d = slope[i];
        if (x >= 13 && x < 24) {
            skinCold += k[2] * x + k[6] * d + k[10];
        } else if (x >= 24 && x < 30) {
            skinCold += k[3] * x + k[7] * d + k[11];
        } else if (x >= 30 && x <= 40) {
            skinCold += k[3] * x + k[7] * d + k[11];
            skinWarm += k[0] * x + k[4] * d + k[8];
        } else if (x > 40 && x <= 44) {
            skinWarm += k[1] * x + k[5] * d + k[9];
        }
    }
    // The core responds to its temperature only. The range borders 28, 34.5 and 40.5 themselves
    // add nothing.
    for (double y : record.CoreTemperature) {
        if (y >= 22 && y < 28) {
            coreWarm += k[12] * y + k[16];
        } else if (y > 28 && y < 34.5) {
            coreCold += k[14] * y + k[18];
            coreWarm += k[12] * y + k[16];
        } else if (y > 34.5 && y < 40.5) {
            coreCold += k[14] * y + k[18];
            coreWarm += k[13] * y + k[17];
        } else if (y > 40.5 && y < 43) {
            coreCold += k[15] * y + k[19];
            coreWarm += k[13] * y + k[17];
        }
    }
    const double totalWarm = 0.9 * coreWarm + 0.1 * skinWarm;
    const double totalCold = 0.9 * coreCold + 0.1 * skinCold;

    // Positions on the sensation and dampness scales.
    const double v = totalWarm > totalCold ? 7.2054 * std::exp(0.0096 * totalWarm)
                                           : 519.87 * std::exp(-0.018 * totalCold);
    const double w = 44.268 * record.Moisture[ComfortRecordEntries - 1] + 22.188;

    const double s1 = Bell(v, 0, 19, 10), s2 = Bell(v, 35, 10, 10), s3 = Bell(v, 50, 5, 2);
    const double s4 = Bell(v, 63, 8, 4), s5 = Bell(v, 100, 22.9, 8);
    const double m1 = Bell(w, 0, 21.3, 12), m2 = Bell(w, 36, 14, 8), m3 = Bell(w, 60, 14, 8);
    const double m4 = Bell(w, 100, 35.5, 7.3);

    const double uncomfortable =
        Largest({s5, s1, m4, MinOf(s2, m3), MinOf(s3, m3), MinOf(s4, m3)});
    const double comfortable = Largest({MinOf(s2, m1), MinOf(s3, m1), MinOf(s4, m1)});
    const double acceptable = Largest({MinOf(s2, m2), MinOf(s3, m2), MinOf(s4, m2)});

    const ClippedSet u = Uncomfortable(uncomfortable);
    const ClippedSet m = Acceptable(acceptable);
    const ClippedSet g = Comfortable(comfortable);
    const double weight = u.Denominator + m.Denominator + g.Denominator;
    const double index = weight > 0 ? (u.Weighted() + m.Weighted() + g.Weighted()) / weight : 0.0;

    return {skinWarm, coreWarm, skinCold, coreCold, totalWarm, totalCold,
            100.0 * Largest({s1, s2, s3, s4, s5}), 100.0 * Largest({m1, m2, m3, m4}), index};
}

ParsedComfortInput ParseComfortInput(std::string_view text)
{
    ParsedComfortInput input;
    std::vector<std::string_view> lines = SplitLines(WrittenLines(text));
    while (!lines.empty() && IsBlank(lines.back()))
        lines.pop_back();
    if (lines.empty())
        return input;
    const std::size_t records = (lines.size() - 1) / ComfortRecordEntries;
    input.Records.resize(records);
    // Every line after the header is checked, those of a record still incomplete as well. The
    // solver writes each line with the same fields (four, each followed by a TAB): a line with
    // another TAB count lost or gained a field, and read as it stands it would give a shortened
    // number or shift every later record's boundary.
    ResultLineShape shape;
    for (std::size_t n = 1; n < lines.size(); ++n) {
        const std::size_t r = (n - 1) / ComfortRecordEntries, i = (n - 1) % ComfortRecordEntries;
        ComfortRecord scratch;
        ComfortRecord& record = r < records ? input.Records[r] : scratch;
        const std::array<double*, 4> targets = {&record.Time[i], &record.SkinTemperature[i],
                                                &record.CoreTemperature[i], &record.Moisture[i]};
        std::string_view rest = lines[n];
        bool sound = shape.Fits(rest) && shape.Tabs() + 1 >= static_cast<int>(targets.size());
        for (std::size_t f = 0; sound && f < targets.size(); ++f) {
            const std::size_t tab = std::min(rest.find('\t'), rest.size());
            sound = ResultField(rest.substr(0, tab), *targets[f]);
            rest.remove_prefix(std::min(tab + 1, rest.size()));
        }
        if (!sound) {
            ParsedComfortInput damaged;
            damaged.DamagedLine = static_cast<int>(n + 1);
            return damaged;
        }
    }
    return input;
}

std::string ComfortLine(double time, const ComfortColumns& columns)
{
    std::string line;
    char number[64];
    std::snprintf(number, sizeof number, "%.6E", time);
    line += number;
    for (double value : columns) {
        std::snprintf(number, sizeof number, "%.6E", value);
        line += '\t';
        line += number;
    }
    line += '\n';
    return line;
}

ComfortEvaluation EvaluateComfortFolder(const fs::path& folder, const FiringRateCoefficients& rates)
{
    ComfortEvaluation result;
    std::string text;
    const fs::path input = FindFileNoCase(folder, ComfortInputName);
    if (input.empty() || !ReadWholeFile(input.string(), text)) {
        result.Message = ComfortInputMissing;
        result.Caption = "Information";
        return result;
    }
    const ParsedComfortInput parsed = ParseComfortInput(text);
    if (!parsed.Ok()) {
        result.Message = MessageAtLine(ComfortInputDamaged, parsed.DamagedLine);
        result.Caption = "Error";
        return result;
    }
    std::string output;
    for (const ComfortRecord& record : parsed.Records)
        output += ComfortLine(record.Time[ComfortRecordEntries - 1], FuzzyComfortEvaluation(rates, record));

    result.Output = FindFileNoCase(folder, ComfortOutputName);
    if (result.Output.empty())
        result.Output = folder / ComfortOutputName;
    if (!ReplaceWholeFile(result.Output.string(), output)) {
        result.Message = ComfortOutputFailed;
        result.Caption = "Error";
    }
    return result;
}
