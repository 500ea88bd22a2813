#include "results/io/resultsetgen.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>
#include <system_error>

#include "casemodel/firingrate.h"
#include "casemodel/bodycalc.h"
#include "casemodel/casefile.h"
#include "casemodel/numformat.h"
#include "casemodel/psychro.h"

namespace fs = std::filesystem;

namespace {

// Thickness (cm) of the fabric layers, cycled from the skin outwards.
constexpr double LayerThickness[] = {0.06, 0.12, 0.25, 0.08, 0.35, 0.15};
// Still air between skin and clothing and at the outer surface, as equivalent thickness (cm):
// they carry part of the temperature and vapour drop, so the outer fabric stays above ambient.
constexpr double InnerAirGap = 0.15;
constexpr double OuterBoundary = 0.40;
// Neutral values of the wearer.
constexpr double NeutralSkin = 33.9;
constexpr double NeutralCore = 36.95;
constexpr double NeutralBloodFlow = 6.3;  // l/hr/m^2
constexpr double RestingMetabolism = 58.2;  // W/m^2

const char* const LineEnd = "\r\n";  // the solver writes text-mode files

double Clamp(double v, double lo, double hi)
{
    return std::min(std::max(v, lo), hi);
}

double Thickness(int layer)
{
    return LayerThickness[static_cast<std::size_t>(layer) % std::size(LayerThickness)];
}

// The wearer at one frame, from which every file of the set is computed.
struct WearerState {
    double Time = 0;
    double AmbientT = 25;
    double AmbientRH = 50;
    double SkinT = NeutralSkin;
    double CoreT = NeutralCore;
    double Sweating = 0;  // g/m^2/hr
    double Wetness = 0.06;
    double Metabolism = RestingMetabolism;
    double SkinRH = 40;
    double BloodFlow = NeutralBloodFlow;
};

const EnvStage& StageAt(const std::vector<EnvStage>& stages, double time)
{
    std::size_t s = 0;
    while (s + 1 < stages.size() && stages[s + 1].Time <= time)
        ++s;
    return stages[s];
}

double SkinTarget(double ambient)
{
    return Clamp(NeutralSkin + 0.11 * (ambient - 25.0), 31.5, 35.8);
}

void Regulate(WearerState& w)
{
    w.Sweating = 60.0 * std::max(0.0, w.SkinT - 34.2) + 250.0 * std::max(0.0, w.CoreT - 37.0);
    w.Wetness = 0.06 + 0.94 * std::min(1.0, w.Sweating / 400.0);
    w.Metabolism = RestingMetabolism + 20.0 * std::max(0.0, 32.8 - w.SkinT);  // shivering
    w.SkinRH = std::min(100.0, 35.0 + 60.0 * w.Wetness);
    w.BloodFlow = NeutralBloodFlow * (1.0 + 0.9 * std::max(0.0, w.SkinT - NeutralSkin)
                                       + 3.0 * std::max(0.0, w.CoreT - NeutralCore))
                  / (1.0 + 0.4 * std::max(0.0, NeutralSkin - w.SkinT));
}

// Skin and core follow the stage's air temperature with lags of minutes and tens of minutes.
std::vector<WearerState> SimulateWearer(const ResultSetShape& shape)
{
    std::vector<WearerState> frames;
    frames.reserve(static_cast<std::size_t>(shape.Frames));
    WearerState w;
    // The wearer comes in from somewhat cooler air, so the first stage already shows a response.
    w.SkinT = SkinTarget(shape.Stages.front().Temperature) - 0.8;
    for (int f = 0; f < shape.Frames; ++f) {
        const double time = f * shape.FrameStep;
        const EnvStage& stage = StageAt(shape.Stages, time);
        if (f > 0) {
            const double dt = shape.FrameStep;
            w.SkinT += (SkinTarget(stage.Temperature) - w.SkinT) * (1.0 - std::exp(-dt / 6.0));
            const double coreTarget = Clamp(NeutralCore + 0.12 * (w.SkinT - NeutralSkin), 36.6, 37.6);
            w.CoreT += (coreTarget - w.CoreT) * (1.0 - std::exp(-dt / 25.0));
        }
        w.Time = time;
        w.AmbientT = stage.Temperature;
        w.AmbientRH = stage.Humidity;
        Regulate(w);
        frames.push_back(w);
    }
    return frames;
}

// Temperature, vapour and humidity at a distance x (cm) from the inner face of the clothing.
struct PointState {
    double T;      // deg C
    double RH;     // %
    double Vapor;  // kg/m^3
};

PointState ProfileAt(const WearerState& w, double x, double totalThickness)
{
    const double fraction = (InnerAirGap + x) / (InnerAirGap + totalThickness + OuterBoundary);
    const double t = w.SkinT - (w.SkinT - w.AmbientT) * fraction;
    const double skinVapor = w.SkinRH / 100.0 * SaturationVaporPressure(w.SkinT + 273.15);
    const double airVapor = w.AmbientRH / 100.0 * SaturationVaporPressure(w.AmbientT + 273.15);
    const double p = skinVapor - (skinVapor - airVapor) * fraction;  // hPa
    const double rh = std::min(100.0, 100.0 * p / SaturationVaporPressure(t + 273.15));
    const double vapor = p * 100.0 / (461.5 * (t + 273.15));
    return {t, rh, vapor};
}

class TextOut {
public:
    void Number(double v) { text_ += FormatG6(v); }
    // Scientific with six decimals and an upper-case exponent of at least two digits.
    void Scientific(double v)
    {
        char buf[48];
        auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 6);
        for (char* c = buf; c != end; ++c)
            if (*c == 'e') *c = 'E';
        text_.append(buf, ec == std::errc() ? end : buf);
    }
    void Tab() { text_ += '\t'; }
    void Text(std::string_view s) { text_ += s; }
    void EndLine() { text_ += LineEnd; }
    template <typename... Values>
    void Row(Values... values)
    {
        bool first = true;
        ((first ? void() : Tab(), Number(values), first = false), ...);
        EndLine();
    }
    const std::string& Str() const { return text_; }
    void Reserve(std::size_t n) { text_.reserve(n); }

private:
    std::string text_;
};

std::string WriteText(const fs::path& file, const TextOut& out)
{
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    if (stream)
        stream.write(out.Str().data(), static_cast<std::streamsize>(out.Str().size()));
    if (!stream)
        return "Cannot write " + file.string();
    return std::string();
}

TextOut EnvironmentText(const ResultSetShape& shape)
{
    TextOut out;
    out.Text("Environment and clothing of the simulation");
    out.EndLine();
    out.Text(std::to_string(shape.BodyModel) + "\tbody model (0 man, 1 woman)");
    out.EndLine();
    out.Text("Garments");
    out.EndLine();
    out.Text(std::to_string(shape.Garments.size()) + "\tgarments");
    out.EndLine();
    out.Text("Garment\tLayers\tStyle");
    out.EndLine();
    for (std::size_t g = 0; g < shape.Garments.size(); ++g)
        out.Row(static_cast<double>(g + 1), shape.Garments[g].LayerCount, shape.Garments[g].Style);
    out.Text("Stage\tTemperature(C)\tRH(%)\tTime(min)");
    out.EndLine();
    for (std::size_t s = 0; s < shape.Stages.size(); ++s) {
        const EnvStage& stage = shape.Stages[s];
        out.Row(static_cast<double>(s + 1), stage.Temperature, stage.Humidity, stage.Duration);
    }
    return out;
}

TextOut BodyText(const std::vector<WearerState>& frames, double clothingThickness)
{
    TextOut out;
    out.Reserve(frames.size() * 180);
    const double dryResistance = 0.1 + 0.15 * clothingThickness;  // m^2 K / W
    for (const WearerState& w : frames) {
        const double dry = (w.SkinT - w.AmbientT) / dryResistance;
        const double sweatHeat = 0.68 * w.Sweating;       // latent heat of the sweat evaporated
        const double diffusion = 6.0 * (1.0 - w.Wetness);  // vapour diffusing through dry skin
        const double evaporative = sweatHeat + diffusion;
        const double bodyT = 0.2 * w.SkinT + 0.8 * w.CoreT;
        const double massChange = 2.0 * (w.BloodFlow - NeutralBloodFlow) / NeutralBloodFlow;
        out.Row(w.Time, w.SkinT, w.CoreT, w.Wetness, w.Metabolism, w.SkinRH, w.BloodFlow, w.Sweating,
                evaporative, 0.8 * evaporative, 0.2 * evaporative, dry, 0.55 * dry, 0.45 * dry, sweatHeat,
                diffusion, bodyT, massChange);
    }
    return out;
}

TextOut FabricText(const ResultSetShape& shape, const std::vector<WearerState>& frames)
{
    const int layers = shape.LayerCount();
    const int nodes = shape.NodesPerLayer;
    double total = 0;
    std::vector<double> start(static_cast<std::size_t>(layers));
    for (int l = 0; l < layers; ++l) {
        start[static_cast<std::size_t>(l)] = total;
        total += Thickness(l);
    }
    auto position = [&](int l, int n) {
        const double step = nodes > 1 ? Thickness(l) / (nodes - 1) : 0.0;
        return start[static_cast<std::size_t>(l)] + n * step;
    };

    TextOut out;
    out.Reserve(frames.size() * static_cast<std::size_t>(layers * nodes) * 90);
    std::vector<PointState> points(static_cast<std::size_t>(nodes));
    for (std::size_t f = 0; f < frames.size(); ++f) {
        const WearerState& w = frames[f];
        const WearerState& before = frames[f > 0 ? f - 1 : 0];
        for (int l = 0; l < layers; ++l) {
            double meanVapor = 0;
            for (int n = 0; n < nodes; ++n) {
                points[static_cast<std::size_t>(n)] = ProfileAt(w, position(l, n), total);
                meanVapor += points[static_cast<std::size_t>(n)].Vapor / nodes;
            }
            for (int n = 0; n < nodes; ++n) {
                const PointState& p = points[static_cast<std::size_t>(n)];
                const double previousRH = ProfileAt(before, position(l, n), total).RH;
                const double condensation = p.RH > 90.0 ? 2e-4 * (p.RH - 90.0) / 10.0 : 0.0;
                const double sorption = 0.0015 * (p.RH - previousRH) / (shape.FrameStep * 60.0);
                const double liquid = std::max(0.0, p.RH - 97.0) * 0.5;
                out.Row(w.Time, position(l, n), l, p.Vapor, meanVapor, condensation, p.RH, sorption, p.T, liquid);
            }
        }
    }
    return out;
}

// Fibre j of fabric layer l: its moisture uptake scales with how hygroscopic the fibre is.
TextOut FiberText(const ResultSetShape& shape, const std::vector<WearerState>& frames, int layer, int fiber)
{
    double start = 0, total = 0;
    for (int l = 0; l < shape.LayerCount(); ++l) {
        if (l == layer)
            start = total;
        total += Thickness(l);
    }
    const double hygroscopic = fiber == 1 ? 1.0 : 0.08;
    const int nodes = shape.FiberNodes;
    const double step = nodes > 1 ? Thickness(layer) / (nodes - 1) : 0.0;
    TextOut out;
    out.Reserve(frames.size() * static_cast<std::size_t>(nodes) * 60);
    for (std::size_t f = 0; f < frames.size(); ++f) {
        const WearerState& w = frames[f];
        const WearerState& before = frames[f > 0 ? f - 1 : 0];
        for (int n = 0; n < nodes; ++n) {
            const double local = n * step;
            const PointState p = ProfileAt(w, start + local, total);
            const double previousRH = ProfileAt(before, start + local, total).RH;
            const double sorption = hygroscopic * 0.0015 * (p.RH - previousRH) / (shape.FrameStep * 60.0);
            const double content = hygroscopic * 0.015 * std::pow(p.RH / 100.0, 1.4);
            out.Row(w.Time, local, p.Vapor, sorption, content);
        }
    }
    return out;
}

// Ten columns as the fuzzy comfort evaluation writes them: time, the four receptor signals,
// total warm and cold signals, then thermal sensation, dampness and comfort on 0 .. 100.
TextOut ComfortText(const std::vector<WearerState>& frames)
{
    TextOut out;
    out.Reserve(frames.size() * 140);
    for (const WearerState& w : frames) {
        const double skinWarm = 12.0 * std::max(0.0, w.SkinT - 33.5);
        const double coreWarm = 80.0 * std::max(0.0, w.CoreT - 36.8);
        const double skinCold = 10.0 * std::max(0.0, 33.5 - w.SkinT);
        const double coreCold = 60.0 * std::max(0.0, 36.8 - w.CoreT);
        const double thermal = Clamp(50.0 + 14.0 * (w.SkinT - NeutralSkin) + 40.0 * (w.CoreT - NeutralCore), 0, 100);
        const double dampness = Clamp(8.0 + 85.0 * (w.Wetness - 0.06) / 0.94 + 0.1 * (w.SkinRH - 40.0), 0, 100);
        const double comfort = Clamp(95.0 - 1.1 * std::fabs(thermal - 50.0) - 0.7 * std::max(0.0, dampness - 25.0), 0, 100);
        const double columns[] = {w.Time, skinWarm, coreWarm, skinCold, coreCold, skinWarm + coreWarm,
                                  skinCold + coreCold, thermal, dampness, comfort};
        for (std::size_t c = 0; c < std::size(columns); ++c) {
            if (c > 0)
                out.Tab();
            out.Scientific(columns[c]);
        }
        out.Text("\n");  // the comfort evaluation ends its lines with a bare line feed
    }
    return out;
}

// The body section of the wearer, written by the case-file writer itself so it holds what the
// application's Save writes: an adult of 70 kg and 175 cm (weight in g, area in cm2), the
// thermoregulation constants a new wearer starts with, and the skin and core temperatures the
// results start from, in kelvin.
std::string BodyText(const ResultSetShape& shape)
{
    CaseModel wearer;
    wearer.BodyDefined = true;
    BodyParameters& b = wearer.Body;
    b = DefaultPhysiology();
    b.T_skneu = NeutralSkin + KelvinOffset;
    b.T_crneu = NeutralCore + KelvinOffset;
    b.T_bmneu = 0.2 * b.T_skneu + 0.8 * b.T_crneu;
    b.T_sk = b.T_skneu;
    b.T_cr = b.T_crneu;
    WearerMeasures measures;
    measures.WeightKg = 70;
    measures.HeightCm = 175;
    measures.IsMale = shape.BodyModel == 0;
    measures.IsFemale = !measures.IsMale;
    measures.Age = 1;
    ApplyWearer(measures, b);
    wearer.FiringRate = DefaultFiringRates();
    std::ostringstream text;
    WriteBodySection(text, wearer);
    return text.str();
}

// A small case file of the same wearer, garments and stages, as the case that produced the
// results would have been saved.
TextOut CaseText(const ResultSetShape& shape)
{
    TextOut out;
    auto line = [&out](const std::string& s) { out.Text(s); out.EndLine(); };
    auto v = [](double x) { return "$" + FormatG6(x) + "$"; };
    out.Text(BodyText(shape));
    line("fluid types: $0$");
    line("fiber types: $0$");
    line("Membrane types: $0$");
    line("fabric types: $0$");
    line("Garment Number: " + v(static_cast<double>(shape.Garments.size())));
    for (const GarmentEntry& g : shape.Garments) {
        line("Clothing Style: " + v(g.Style) + "Clothing Fitting: $1$");
        for (int j = 0; j < 6; ++j)
            line(std::to_string(j) + "layer Has Defined: $0$");
    }
    line("Stage count: " + v(static_cast<double>(shape.Stages.size())));
    for (std::size_t s = 0; s < shape.Stages.size(); ++s) {
        const EnvStage& st = shape.Stages[s];
        line("Stage Name: $Stage" + std::to_string(s + 1) + "$");
        line("InnerT_a: " + v(st.Temperature) + " OuterT_a: " + v(st.Temperature) + "ActivityIndex: $0$Wind: $0.1$Door: $1$");
        line("InnerG_rad: $0$ OuterG_rad: $0$ InnerRH: " + v(st.Humidity / 100.0) + " OuterRH: " + v(st.Humidity / 100.0));
        line("InnerVFL: $0.1$ OuterVFL: $0.1$MR: $58.2$StageTime: " + v(st.Duration));
        line("h_cC: $3.1$ h_cU: $3.1$ h_rC: $4.7$ h_rU: $4.7$");
        line("Cool Down: $0$");
        line("Microclimate count: $0$");
    }
    line("TimeStep: $0.0002$ Savefrequence: $60$ SweatAccumu: $2$");
    for (std::size_t s = 0; s < shape.Stages.size(); ++s)
        line("ClothingCoverRatio: $0.8$ MoistureTransferRatio: $0.9$ HeatTransferRatio: $0.9$");
    line("fabric thickness grid : " + v(shape.NodesPerLayer));
    line("fabric radius: " + v(shape.FiberNodes));
    return out;
}

std::vector<EnvStage> Stages(std::initializer_list<std::array<float, 3>> rows)
{
    std::vector<EnvStage> stages;
    float start = 0;
    for (const auto& r : rows) {
        EnvStage s;
        s.Temperature = r[0];
        s.Humidity = r[1];
        s.Duration = r[2];
        s.Time = start;
        start += r[2];
        stages.push_back(s);
    }
    return stages;
}

struct FiberFile {
    int Layer;  // 0-based fabric layer
    int Fiber;  // 1-based fibre of the layer
    std::string Name() const
    {
        return "fabric" + std::to_string(Layer + 1) + "_fiber_" + std::to_string(Fiber) + ".dat";
    }
};

// One fibre in the odd layers, a blend of two in the even ones; the file names hold one digit
// each, so only the first nine layers have fibre files.
std::vector<FiberFile> FiberFiles(const ResultSetShape& shape)
{
    std::vector<FiberFile> files;
    for (int l = 0; l < std::min(shape.LayerCount(), 9); ++l)
        for (int j = 1; j <= (l % 2 == 1 ? 2 : 1); ++j)
            files.push_back({l, j});
    return files;
}

} // namespace

int ResultSetShape::LayerCount() const
{
    int n = 0;
    for (const GarmentEntry& g : Garments)
        n += g.LayerCount;
    return n;
}

bool ParseResultSetSize(std::string_view name, ResultSetSize& size)
{
    if (name == "minimal") size = ResultSetSize::Minimal;
    else if (name == "realistic") size = ResultSetSize::Realistic;
    else if (name == "large") size = ResultSetSize::Large;
    else return false;
    return true;
}

ResultSetShape ShapeOf(ResultSetSize size)
{
    switch (size) {
    case ResultSetSize::Minimal:
        return {0, {{2, 0}}, Stages({{25, 50, 2}}), 2, 1.0, 3, 3};
    case ResultSetSize::Realistic:
        // A warm-up, a hot humid spell and a cool-down: skin and sweating swing both ways.
        return {0, {{2, 1}, {3, 2}}, Stages({{25, 50, 40}, {35, 60, 40}, {15, 40, 40}}), 120, 1.0, 8, 6};
    case ResultSetSize::Large:
        return {1, {{2, 3}, {3, 2}}, Stages({{22, 45, 300}, {34, 70, 300}, {10, 35, 300}, {28, 55, 300}}), 4800, 0.25, 16, 4};
    }
    return ResultSetShape();
}

std::vector<std::string> FiberFileNames(const ResultSetShape& shape)
{
    std::vector<std::string> names;
    for (const FiberFile& file : FiberFiles(shape))
        names.push_back(file.Name());
    return names;
}

std::string WriteResultSet(const fs::path& folder, const ResultSetShape& shape)
{
    if (shape.Stages.empty() || shape.Frames < 1 || shape.NodesPerLayer < 1 || shape.FiberNodes < 1
        || shape.FrameStep <= 0)
        return "The result set needs a stage, a frame and a node.";
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        return "Cannot create " + folder.string() + ": " + ec.message();

    const std::vector<WearerState> frames = SimulateWearer(shape);
    double clothingThickness = 0;
    for (int l = 0; l < shape.LayerCount(); ++l)
        clothingThickness += Thickness(l);

    std::string error = WriteText(folder / EnvironmentFileName, EnvironmentText(shape));
    if (error.empty()) error = WriteText(folder / BodyFileName, BodyText(frames, clothingThickness));
    if (error.empty()) error = WriteText(folder / FabricFileName, FabricText(shape, frames));
    for (const FiberFile& file : FiberFiles(shape)) {
        if (error.empty())
            error = WriteText(folder / file.Name(), FiberText(shape, frames, file.Layer, file.Fiber));
    }
    if (error.empty()) error = WriteText(folder / "Comfort.dat", ComfortText(frames));
    if (error.empty()) error = WriteText(folder / "simulation.sdf", CaseText(shape));
    return error;
}
