// Writing the simulation data file. Each line is given as its format with "%" where a value
// goes, so the formats below read exactly as the file does, blanks and colons included.
#include <cmath>
#include <initializer_list>

#include "casemodel/casefile.h"
#include "casemodel/garmentstyles.h"
#include "casemodel/numformat.h"
#include "casemodel/stagebuilder.h"

namespace {

// One value of a line: a double ("%G", six digits), a whole number, or a name.
struct Item {
    enum Kind { Real, Whole, Name } kind;
    double real = 0;
    long long whole = 0;
    std::string_view text;
    // What the message calls the field; empty: the key in front of the value.
    const char* label = nullptr;

    Item(double v, const char* l = nullptr) : kind(Real), real(v), label(l) {}
    Item(int v, const char* l = nullptr) : kind(Whole), whole(v), label(l) {}
    Item(std::size_t v) : kind(Whole), whole(static_cast<long long>(v)) {}
    Item(const std::string& v, const char* l = "name") : kind(Name), text(v), label(l) {}
};

// Writes lines and refuses, with a message naming the record and the field, any value that
// the format cannot carry back to the reader.
class SdfWriter {
public:
    explicit SdfWriter(std::string& text) : Buffer(text) {}

    // The record that the following lines belong to, for messages: "fluid 2 "Liquid"".
    void SetRecord(const std::string& kind, std::size_t position = 0, const std::string* name = nullptr)
    {
        Record = kind;
        if (position > 0)
            Record += " " + std::to_string(position);
        if (name && Writable(*name))
            Record += " \"" + *name + "\"";
    }

    // The format with each "%" replaced by the next value, then CR LF.
    void Line(std::string_view format, std::initializer_list<Item> items)
    {
        Part(format, items);
        End();
    }

    // A line continued by a later Part or ended by End.
    void Part(std::string_view format, std::initializer_list<Item> items)
    {
        const Item* item = items.begin();
        std::size_t from = 0;
        for (std::size_t i = 0; i < format.size(); ++i) {
            if (format[i] != '%')
                continue;
            Buffer.append(format.substr(from, i - from));
            Put(*item, format, i);
            ++item;
            from = i + 1;
        }
        Buffer.append(format.substr(from));
    }

    void End() { Buffer += "\r\n"; }

    // A point array after its count line: "$v$ " per value, a line end after every eighth
    // value and after the last one. label names one value in a message, plural the array.
    void Points(const TDoubleDynArray& values, const char* label, const char* plural)
    {
        const int n = values.Length();
        CheckCount(n, plural);
        for (int p = 0; p < n; ++p) {
            Buffer += '$';
            Put(Item(values[p], label), std::string_view(), 0);
            Buffer += "$ ";
            if (p % 8 == 7 || p == n - 1)
                End();
        }
    }

    // An index that the reader checks against its list.
    void CheckIndex(long long value, long long first, long long last, const char* field)
    {
        if (value < first || value > last)
            Refuse(std::string(field) + " of " + Record + " (" + std::to_string(value) +
                   ") is outside its list");
    }

    // A list of the current record that the reader takes only up to its limit.
    void CheckCount(std::size_t count, const char* plural) { CheckCount(count, MaxListCount, Record + " has", plural); }

    // A list that the reader takes only up to `limit`: "the case holds 51 stages, more than 50".
    void CheckCount(std::size_t count, int limit, const std::string& holder, const char* plural)
    {
        if (count > static_cast<std::size_t>(limit))
            Refuse(holder + " " + std::to_string(count) + " " + plural + ", more than " + std::to_string(limit));
    }

    const std::string& RecordName() const { return Record; }

    [[noreturn]] void Refuse(const std::string& what)
    {
        throw ECaseFileWrite("The data file cannot be saved: " + what + ".");
    }

    static bool Writable(std::string_view name)
    {
        return name.find_first_of("$\r\n") == std::string_view::npos;
    }

private:
    // "Density: $%" gives "Density": the key text between the previous value and this one.
    static std::string KeyBefore(std::string_view format, std::size_t at)
    {
        std::string_view head = format.substr(0, at);
        if (!head.empty() && head.back() == '$')
            head.remove_suffix(1);
        const std::size_t prev = head.rfind('$');
        if (prev != std::string_view::npos)
            head.remove_prefix(prev + 1);
        std::string key = Trim(head);
        while (!key.empty() && (key.back() == ':' || key.back() == ' '))
            key.pop_back();
        return key;
    }

    // The field is named only when a message needs it.
    std::string Field(const Item& item, std::string_view format, std::size_t at) const
    {
        return item.label ? std::string(item.label) : KeyBefore(format, at);
    }

    void Put(const Item& item, std::string_view format, std::size_t at)
    {
        switch (item.kind) {
        case Item::Real:
            if (!std::isfinite(item.real))
                Refuse(Field(item, format, at) + " of " + Record + " is not a finite number");
            Buffer += FormatG6(item.real);
            break;
        case Item::Whole:
            Buffer += std::to_string(item.whole);
            break;
        case Item::Name:
            if (!Writable(item.text))
                Refuse("the " + Field(item, format, at) + " of " + Record + " holds \"$\" or a line break");
            Buffer.append(item.text);
            break;
        }
    }

    std::string& Buffer;
    std::string Record;
};

const char* Flag(bool value) { return value ? "1" : "0"; }

// A fault of the record found by a check shared with the reader.
void Check(SdfWriter& w, const std::string& fault)
{
    if (!fault.empty())
        w.Refuse(fault);
}

// "1 fibre", "3 fibres".
std::string Counted(std::size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "stage 2 "Walk" has 3 microclimates for 4 garment layers"; empty when the counts agree.
std::string CountFault(const std::string& holder, std::size_t values, const char* value, const char* valuesText,
                       std::size_t keys, const char* key, const char* keysText)
{
    if (values == keys)
        return std::string();
    return holder + " has " + Counted(values, value, valuesText) + " for " + Counted(keys, key, keysText);
}

// "the fibre "X" has 3 regain values for 4 humidities"; empty when the counts agree.
std::string PairFault(const char* kind, const std::string& name, std::size_t values, const char* value,
                      const char* valuesText, std::size_t keys, const char* key, const char* keysText)
{
    return CountFault(std::string("the ") + kind + " \"" + name + "\"", values, value, valuesText, keys, key,
                      keysText);
}

// A list of the case that the reader takes only up to its limit.
void CheckLimit(SdfWriter& w, std::size_t count, int limit, const char* what)
{
    w.CheckCount(count, limit, "the case holds", what);
}

void BodyLines(std::string& out, const CaseModel& model)
{
    SdfWriter w(out);
    w.SetRecord("the human body");
    if (!model.BodyDefined) {
        w.Line("whether define body: $0$", {});
        return;
    }
    const BodyParameters& b = model.Body;
    w.CheckIndex(b.Age, 0, AgeCount - 1, "Age");
    w.CheckIndex(b.Race, 0, RaceCount - 1, "Race");
    w.Line("whether define body: $1$", {});
    // Cshv_reg comes before Cswr_pow in the file.
    w.Line("Cswr_max: $%$ Cswr_reg: $%$ Cshv_reg: $%$ Cswr_pow: $%$",
           {b.Cswr_max, b.Cswr_reg, b.Cshv_reg, b.Cswr_pow});
    w.Line("Vbld_skmax: $%$ Vbld_skmin: $%$ Vbld_skneu: $%$ Cbld_dia: $%$",
           {b.Vbld_skmax, b.Vbld_skmin, b.Vbld_skneu, b.Cbld_dia});
    w.Line("Cbld_strt: $%$ Density_bld: $%$ T_skneu: $%$ T_crneu: $%$",
           {b.Cbld_strt, b.Density_bld, b.T_skneu, b.T_crneu});
    w.Line("T_bmneu: $%$ cp_bld: $%$ cp_bm: $%$", {b.T_bmneu, b.cp_bld, b.cp_bm});
    w.Line("IsMale: $%$ IsFemale: $%$Age: $%$Race: $%$",
           {int(b.IsMale), int(b.IsFemale), b.Age, b.Race});
    // The height stands under the key "Weight of humanbody"; the weight is W_d.
    w.Line("W_d of humanbody: $%$ A_d of humanbody: $%$Weight of humanbody: $%$",
           {Item(b.W_d, "Weight"), Item(b.A_d, "Surface area"), Item(b.Height, "Height")});
    w.Line("Skin Temperature: $%$ Core Temperature: $%$abs_sk: $%$k_b: $%$RH_sk: $%$",
           {b.T_sk, b.T_cr, b.abs_sk, b.k_b, b.RH_sk});
    const FiringRateCoefficients& fr = model.FiringRate;
    for (int line = 0; line < 5; ++line) {
        const int s = line * 4;
        w.Line("FR: $%$ FR: $%$ FR: $%$ FR: $%$",
               {Item(fr[s], "a firing-rate coefficient"), Item(fr[s + 1], "a firing-rate coefficient"),
                Item(fr[s + 2], "a firing-rate coefficient"), Item(fr[s + 3], "a firing-rate coefficient")});
    }
}

void FluidLines(std::string& out, const CaseModel& model)
{
    SdfWriter w(out);
    CheckLimit(w, model.Fluids.size(), MaxListCount, "fluids");
    w.Line("fluid types: $%$", {model.Fluids.size()});
    for (std::size_t i = 0; i < model.Fluids.size(); ++i) {
        const FluidType& f = *model.Fluids[i];
        w.SetRecord("fluid", i + 1, &f.Name);
        w.Line("fluid type" + std::to_string(i) + " $%$", {f.Name});
        w.Line("Density: $%$ DynaViscosity: $%$ SpecHeat: $%$", {f.Density, f.DynaViscosity, f.SpecHeat});
        w.Line("SurfaceTension: $%$ DiffuseCoeff: $%$ TherConductivity: $%$",
               {f.SurfaceTension, f.DiffuseCoeff, f.TherConductivity});
    }
}

// A record the reader finds by name in a list written before: "the fiber "X" of fabric 2 "Y"
// is not in the fiber list" when it is not there.
template <class T>
void CheckListed(SdfWriter& w, const TList<T>& list, const char* kind, const std::string& name,
                 const std::string& holder)
{
    for (const auto& record : list)
        if (record->Name == name)
            return;
    w.Refuse(std::string("the ") + kind + " \"" + name + "\" of " + holder + " is not in the " + kind + " list");
}

void FiberLines(std::string& out, const CaseModel& model)
{
    SdfWriter w(out);
    CheckLimit(w, model.Fibers.size(), MaxListCount, "fibers");
    w.Line("fiber types: $%$", {model.Fibers.size()});
    for (std::size_t i = 0; i < model.Fibers.size(); ++i) {
        const FiberType& f = *model.Fibers[i];
        w.SetRecord("fiber", i + 1, &f.Name);
        w.Line("fiber type" + std::to_string(i) + " $%$", {f.Name});
        Check(w, CurveCountFault(f));
        w.Line("Diameter: $%$ Density: $%$ Emissivity: $%$", {f.Diameter, f.Density, f.Emissivity});
        w.Line("VaporDiff: $%$ LiqConAngle: $%$ TherConductivity: $%$",
               {f.VaporDiff, f.LiqConAngle, f.TherConductivity});
        w.Line("FiberRegain value point: $%$", {f.Regain.Length()});
        w.Points(f.Regain, "a regain value", "regain values");
        w.Line("FiberRegain RH point: $%$", {f.RegainRH.Length()});
        w.Points(f.RegainRH, "a regain humidity", "regain humidities");
    }
}

void MembraneLines(std::string& out, const CaseModel& model)
{
    SdfWriter w(out);
    CheckLimit(w, model.Membranes.size(), MaxListCount, "membranes");
    w.Line("Membrane types: $%$", {model.Membranes.size()});
    for (std::size_t i = 0; i < model.Membranes.size(); ++i) {
        const MembraneType& m = *model.Membranes[i];
        w.SetRecord("membrane", i + 1, &m.Name);
        w.Line("Membrane type" + std::to_string(i) + " $%$", {m.Name});
        Check(w, CurveCountFault(m));
        w.Line("Thickness: $%$", {m.Thickness});
        w.Line("Membrane WVP value points: $%$", {m.WvpValues.Length()});
        w.Points(m.WvpValues, "a WVP value", "WVP values");
        w.Line("Membrane WVP temperature points: $%$", {m.WvpTemperatures.Length()});
        w.Points(m.WvpTemperatures, "a WVP temperature", "WVP temperatures");
        w.Line("Membrane TR value points: $%$", {m.TrValues.Length()});
        w.Points(m.TrValues, "a TR value", "TR values");
        w.Line("Membrane TR temperature points: $%$", {m.TrTemperatures.Length()});
        w.Points(m.TrTemperatures, "a TR temperature", "TR temperatures");
    }
}

void FabricLines(std::string& out, const CaseModel& model)
{
    SdfWriter w(out);
    CheckLimit(w, model.Fabrics.size(), MaxListCount, "fabrics");
    w.Line("fabric types: $%$", {model.Fabrics.size()});
    for (std::size_t i = 0; i < model.Fabrics.size(); ++i) {
        const FabricType& f = *model.Fabrics[i];
        w.SetRecord("fabric", i + 1, &f.Name);
        // The reader finds a fabric's fibres and membranes by name in the lists written before;
        // a name missing there would give a file that does not load.
        for (const auto& fiber : f.Fibers)
            CheckListed(w, model.Fibers, "fiber", fiber->Name, w.RecordName());
        for (const auto& membrane : f.Membranes)
            CheckListed(w, model.Membranes, "membrane", membrane->Name, w.RecordName());
        w.Line("fabric type" + std::to_string(i) + " $%$", {f.Name});
        Check(w, RatioCountFault(f));
        w.CheckCount(static_cast<std::size_t>(f.MassRatios.Length()), "mass ratios");
        w.CheckCount(f.Membranes.size(), "membranes");
        w.Line("Porosity: $%$ Emissivity: $%$ TortuosGas: $%$", {f.Porosity, f.Emissivity, f.TortuosGas});
        w.Line("Thickness: $%$ CapAngle: $%$ TortuosLqd: $%$ ContactAngle: $%$Conductivity: $%$ "
               "Vapor Diffusion: $%$ ",
               {f.Thickness, f.CapAngle, f.TortuosLqd, f.ContactAngle, f.Conductivity, f.VaporDiffusion});
        w.Line(std::string("MMF Treatment:$") + Flag(f.MmfTreatment) + "$", {});
        if (f.MmfTreatment) {
            w.Line("TopWetR:$%$ BottomWetR: $%$ TopWetTime: $%$", {f.TopWetR, f.BottomWetR, f.TopWetTime});
            w.Line("BottomWetTime: $%$ TopAngle: $%$ BottomAngle: $%$",
                   {f.BottomWetTime, f.TopAngle, f.BottomAngle});
            w.Line("TopWeightTxt: $%$ BottomWeight: $%$", {Item(f.TopWeight, "TopWeight"), f.BottomWeight});
        }
        w.Line(std::string("SelfHeating:$") + Flag(f.IsHeatingFabric) + "$", {});
        if (f.IsHeatingFabric)
            w.Line("Heating Load: $%$ Min Control Temperature: $%$ Max Control Temperature: $%$",
                   {f.HeatingLoad, f.SwitchOnTemperature, f.SwitchOffTemperature});
        w.Line(std::string("PCM:$") + Flag(f.HasPcm) + "$", {});
        if (f.HasPcm) {
            const PCMType& p = f.Pcm;
            w.Line("PCM: $%$", {Item(p.Name, "PCM name")});
            w.Line("Radius: $%$ Density: $%$ K_ml: $%$ K_ms: $%$", {p.Radius, p.Density, p.K_ml, p.K_ms});
            w.Line("Ramda_m: $%$ T_p: $%$ h_T: $%$", {p.Ramda_m, p.T_p, p.h_T});
            w.Line("PCM ratio points: $%$", {Item(f.PcmRatio, "PCM ratio")});
        }
        // A conductivity outside 0..1000 is carried again on this line (the reader tells the
        // two forms apart by the leading "T"). The form follows the value as written, six
        // digits, which is what the reader gets: 1000.0001 is written as 1000 and reads back
        // inside the range, so saving the loaded case again writes the same line.
        double written = 0;
        ParseLeadingNumber(FormatG6(f.Conductivity), written);
        if (written < 0 || written > 1000)
            w.Line("Thermal Conductivity: $%$ MaxDisCapDia: $%$ MeanDiameter: $%$",
                   {f.Conductivity, f.MaxDisCapDia, f.MeanDiameter});
        else
            w.Line("MaxDisCapDia: $%$ MeanDiameter: $%$", {f.MaxDisCapDia, f.MeanDiameter});
        w.Line("fiber ratio points: $%$", {f.MassRatios.Length()});
        for (int j = 0; j < f.MassRatios.Length(); ++j)
            w.Line(std::to_string(j) + " fiber ratio: $%$", {Item(f.MassRatios[j], "a fiber ratio")});
        w.Line("fiber count: $%$", {f.Fibers.size()});
        for (std::size_t j = 0; j < f.Fibers.size(); ++j)
            w.Line("fiber" + std::to_string(j) + ": $%$", {Item(f.Fibers[j]->Name, "fiber name")});
        w.Line("Membrane count: $%$", {f.Membranes.size()});
        for (std::size_t j = 0; j < f.Membranes.size(); ++j)
            w.Line("Membrane" + std::to_string(j) + ": $%$", {Item(f.Membranes[j]->Name, "membrane name")});
    }
}

void GarmentLines(std::string& out, const LayerRows& layers, const GarmentSet& garments,
                  const TList<FabricType>& fabrics, bool maleWearer)
{
    SdfWriter w(out);
    w.SetRecord("the clothing");
    CheckLimit(w, layers.Rows.size(), MaxGarments, "garments");
    w.Line("Garment Number: $%$", {layers.Rows.size()});
    for (std::size_t g = 0; g < layers.Rows.size(); ++g) {
        const GarmentLayerRow& row = layers.Rows[g];
        w.SetRecord("garment", g + 1);
        w.CheckIndex(garments.StyleIndex[g], 0, StyleCount(maleWearer) - 1, "the style");
        w.CheckIndex(garments.Fitting[g], FittingFirst, FittingLast, "the fitting");
        w.Line("Clothing Style: $%$Clothing Fitting: $%$", {garments.StyleIndex[g], garments.Fitting[g]});
        for (int j = 0; j < LayersPerGarment; ++j) {
            const std::string key = std::to_string(j) + "layer Has Defined: ";
            const auto& fabric = row.Layers[static_cast<std::size_t>(j)];
            // A layer marked but without a fabric has no name to write; it is saved (and so
            // loads again) as a layer without fabric.
            if (row.Holds(static_cast<std::size_t>(j))) {
                // The reader finds the layer's fabric by name among the fabrics written before;
                // without one there the layer would load empty.
                CheckListed(w, fabrics, "fabric", fabric->Name,
                            "layer " + std::to_string(j + 1) + " of " + w.RecordName());
                w.Part(key + "$1$", {});
                w.Line("Fabric: $%$", {Item(fabric->Name, "fabric name")});
            } else {
                w.Line(key + "$0$", {});
            }
        }
    }
}

void StageLines(std::string& out, const CaseModel& model, const ActivitySchedule& activity,
                       const EnvironmentTable& environment)
{
    SdfWriter w(out);
    w.SetRecord("the stages");
    CheckLimit(w, model.Stages.size(), MaxStages, "stages");
    // The solver pairs microclimate m of a stage with counted layer m (a layer with a fabric
    // among the first three of a garment); another count would pair them with the wrong layers.
    const std::size_t layerCount = BuilderMicroclimates(model).size();
    w.Line("Stage count: $%$", {model.Stages.size()});
    for (std::size_t s = 0; s < model.Stages.size(); ++s) {
        const StageType& st = *model.Stages[s];
        w.SetRecord("stage", s + 1, &st.Name);
        w.CheckIndex(activity.ActivityIndex[s], 0, ActivityCount - 1, "the activity");
        w.Line("Stage Name: $%$", {st.Name});
        w.Line("InnerT_a: $%$ OuterT_a: $%$ActivityIndex: $%$Wind: $%$Door: $%$",
               {st.InnerT_a, st.OuterT_a, activity.ActivityIndex[s], st.Wind, Item(environment.Place[s], "Place")});
        w.Line("InnerG_rad: $%$ OuterG_rad: $%$ InnerRH: $%$ OuterRH: $%$",
               {st.InnerG_rad, st.OuterG_rad, st.InnerRH, st.OuterRH});
        w.Line("InnerVFL: $%$ OuterVFL: $%$MR: $%$StageTime: $%$", {st.InnerVFL, st.OuterVFL, st.MR, st.StageTime});
        w.Line("h_cC: $%$ h_cU: $%$ h_rC: $%$ h_rU: $%$", {st.h_cC, st.h_cU, st.h_rC, st.h_rU});
        if (st.CoolDown)
            w.Line("Cool Down: $1$ Cool Down time: $%$", {st.CoolDownTime});
        else
            w.Line("Cool Down: $0$", {});
        w.CheckCount(st.Microclimates.size(), "microclimates");
        Check(w, CountFault(w.RecordName(), st.Microclimates.size(), "microclimate", "microclimates", layerCount,
                            "garment layer", "garment layers"));
        w.Line("Microclimate count: $%$", {st.Microclimates.size()});
        for (const auto& m : st.Microclimates)
            w.Line("InnerContact: $%$ OuterContact: $%$ hc0: $%$ hc1: $%$ hm0: $%$ hm1: $%$ hph: $%$",
                   {Item(m->InnerContact, "InnerContact"), Item(m->OuterContact, "OuterContact"), m->hc0,
                    m->hc1, m->hm0, m->hm1, m->hph});
    }
}

void ControlLines(std::string& out, const CaseModel& model)
{
    SdfWriter w(out);
    const ControlParameters& c = model.Control;
    w.SetRecord("the control values");
    CheckLimit(w, model.Stages.size(), MaxStages, "stages");
    w.Line("TimeStep: $%$ Savefrequence: $%$ SweatAccumu: $%$",
           {c.TimeStep, Item(c.SaveFrequency, "Savefrequence"), Item(c.SweatAccumulation, "SweatAccumu")});
    for (std::size_t s = 0; s < model.Stages.size(); ++s) {
        w.SetRecord("the control values of stage", s + 1);
        w.Line("ClothingCoverRatio: $%$ MoistureTransferRatio: $%$ HeatTransferRatio: $%$",
               {c.ClothingCoverRatio[s], c.MoistureTransferRatio[s], c.HeatTransferRatio[s]});
    }
    w.SetRecord("the control values");
    w.Line("fabric thickness grid : $%$", {c.ThicknessGrid});
    w.Line("fabric radius: $%$", {c.RadiusGrid});
}

// The whole file into one text; the stream writers below hand their part over whole.
void AllLines(std::string& text, const CaseModel& model)
{
    BodyLines(text, model);
    FluidLines(text, model);
    FiberLines(text, model);
    MembraneLines(text, model);
    FabricLines(text, model);
    GarmentLines(text, model.Layers, model.GarmentList, model.Fabrics, WearerIsMale(model));
    StageLines(text, model, model.Activity, model.Environment);
    ControlLines(text, model);
}

template <class Lines>
void Emit(std::ostream& out, Lines lines)
{
    std::string text;
    lines(text);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

} // namespace

std::string CurveCountFault(const FiberType& fiber)
{
    return PairFault("fibre", fiber.Name, static_cast<std::size_t>(fiber.Regain.Length()), "regain value",
                     "regain values", static_cast<std::size_t>(fiber.RegainRH.Length()), "humidity", "humidities");
}

std::string CurveCountFault(const MembraneType& membrane)
{
    std::string fault = PairFault("membrane", membrane.Name, static_cast<std::size_t>(membrane.WvpValues.Length()),
                                  "WVP value", "WVP values",
                                  static_cast<std::size_t>(membrane.WvpTemperatures.Length()), "temperature",
                                  "temperatures");
    if (fault.empty())
        fault = PairFault("membrane", membrane.Name, static_cast<std::size_t>(membrane.TrValues.Length()), "TR value",
                          "TR values", static_cast<std::size_t>(membrane.TrTemperatures.Length()), "temperature",
                          "temperatures");
    return fault;
}

std::string RatioCountFault(const FabricType& fabric)
{
    return PairFault("fabric", fabric.Name, static_cast<std::size_t>(fabric.MassRatios.Length()), "mass ratio",
                     "mass ratios", fabric.Fibers.size(), "fibre", "fibres");
}

void WriteBodySection(std::ostream& out, const CaseModel& model)
{
    Emit(out, [&](std::string& t) { BodyLines(t, model); });
}

void WriteFluidSection(std::ostream& out, const CaseModel& model)
{
    Emit(out, [&](std::string& t) { FluidLines(t, model); });
}

void WriteFiberSection(std::ostream& out, const CaseModel& model)
{
    Emit(out, [&](std::string& t) { FiberLines(t, model); });
}

void WriteMembraneSection(std::ostream& out, const CaseModel& model)
{
    Emit(out, [&](std::string& t) { MembraneLines(t, model); });
}

void WriteFabricSection(std::ostream& out, const CaseModel& model)
{
    Emit(out, [&](std::string& t) { FabricLines(t, model); });
}

void WriteGarmentSection(std::ostream& out, const CaseModel& model,
                         bool maleWearer)
{
    Emit(out, [&](std::string& t) { GarmentLines(t, model.Layers, model.GarmentList, model.Fabrics, maleWearer); });
}

void WriteStageSection(std::ostream& out, const CaseModel& model)
{
    Emit(out, [&](std::string& t) { StageLines(t, model, model.Activity, model.Environment); });
}

void WriteControlSection(std::ostream& out, const CaseModel& model)
{
    Emit(out, [&](std::string& t) { ControlLines(t, model); });
}

void WriteCaseFile(std::ostream& out, const CaseModel& model)
{
    Emit(out, [&](std::string& t) { AllLines(t, model); });
}

std::string CaseFileText(const CaseModel& model)
{
    std::string text;
    AllLines(text, model);
    return text;
}
