// Reading the simulation data file into a plain structure. The readers follow the writer line
// for line; a file that does not follow it is rejected as a whole, so a failed load changes
// nothing in the case.
#include <cmath>
#include <utility>

#include "casemodel/casefile.h"
#include "casemodel/numformat.h"
#include "casemodel/stagebuilder.h"
#include "casemodel/textfile.h"

namespace {

// The text after leading blanks and a sign.
std::string_view Unsigned(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    return text.substr(i);
}

bool LooksLikeNumber(std::string_view text)
{
    text = Unsigned(text);
    if (!text.empty() && text.front() == '.')
        text.remove_prefix(1);
    return !text.empty() && text.front() >= '0' && text.front() <= '9';
}

// "inf", "infinity" and "nan" in any case: a value that the solver cannot compute with, not a
// text that reads as 0.
bool NamesNoFiniteNumber(std::string_view text)
{
    text = Unsigned(text);
    if (text.size() < 3)
        return false;
    std::string word;
    for (char c : text.substr(0, 3))
        word += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return word == "inf" || word == "nan";
}

// A fault of the record found by a check shared with the writer.
void Check(const CaseLineReader& in, const std::string& fault)
{
    if (!fault.empty())
        in.Fail(fault);
}

// A count of list entries on value 1 of the next line.
int ReadCount(CaseLineReader& in, long long limit = MaxListCount)
{
    in.Next();
    return in.Whole(1, 0, limit);
}

// m points, eight to a line, after their count line.
void ReadPoints(CaseLineReader& in, TDoubleDynArray& values, int m)
{
    std::vector<double> points;
    for (int p = 0; p < m; ++p) {
        if (p % 8 == 0)
            in.Next();
        points.push_back(in.Number(p % 8 + 1));
    }
    values.SetLength(m);
    for (int p = 0; p < m; ++p)
        values[p] = points[static_cast<std::size_t>(p)];
}

void ReadCountedPoints(CaseLineReader& in, TDoubleDynArray& values)
{
    ReadPoints(in, values, ReadCount(in));
}

std::string Name(const CaseLineReader& in, int k) { return std::string(in.Text(k)); }

template <class T>
std::shared_ptr<T> FirstNamed(const TList<T>& list, std::string_view name)
{
    for (const auto& r : list)
        if (r->Name == name)
            return r;
    return nullptr;
}

} // namespace

// ---- values of a line --------------------------------------------------------------------

std::vector<std::string_view> SplitDollarValues(std::string_view line)
{
    std::vector<std::string_view> values;
    std::size_t open = std::string_view::npos;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '$')
            continue;
        if (open == std::string_view::npos) {
            open = i + 1;
        } else {
            values.push_back(line.substr(open, i - open));
            open = std::string_view::npos;
        }
    }
    return values;
}

CaseLineReader::CaseLineReader(std::string_view text) : Contents(text), Lines(SplitLines(Contents)) {}

const std::vector<std::string_view>& CaseLineReader::Next()
{
    if (static_cast<std::size_t>(Index) >= Lines.size())
        throw ECaseFileRead(LineFault(Index + 1, "the file ends before this line"));
    Current = Lines[static_cast<std::size_t>(Index)];
    ++Index;
    // A carriage return that ends no line would come back inside a name the writer refuses.
    if (Current.find('\r') != std::string_view::npos)
        Fail("a carriage return inside the line");
    Values = SplitDollarValues(Current);
    // Every line the application writes holds at least one value; a line without any is no
    // part of a data file (text of another kind would otherwise read as zeros).
    if (Values.empty())
        Fail("no value between \"$\" signs");
    return Values;
}

int CaseLineReader::TextLineAfter() const
{
    for (std::size_t i = static_cast<std::size_t>(Index); i < Lines.size(); ++i)
        if (!Trim(Lines[i]).empty())
            return static_cast<int>(i) + 1;
    return 0;
}

std::string_view CaseLineReader::Text(int k) const
{
    if (k < 1 || static_cast<std::size_t>(k) > Values.size())
        return std::string_view();
    return Values[static_cast<std::size_t>(k - 1)];
}

double CaseLineReader::Number(int k) const
{
    const std::string_view text = Text(k);
    double value = 0;
    if (!ParseLeadingNumber(text, value)) {
        if (LooksLikeNumber(text))
            Fail("value " + std::to_string(k) + " is out of range");
        if (NamesNoFiniteNumber(text))
            Fail("value " + std::to_string(k) + " (" + std::string(text) + ") is not a finite number");
    }
    return value;
}

int CaseLineReader::Whole(int k, long long first, long long last) const
{
    const double value = Number(k);
    if (value != std::floor(value) || value < static_cast<double>(first) || value > static_cast<double>(last))
        Fail("value " + std::to_string(k) + " (" + std::string(Text(k)) + ") is not a whole number from " +
             std::to_string(first) + " to " + std::to_string(last));
    return static_cast<int>(value);
}

void CaseLineReader::Fail(const std::string& why) const
{
    throw ECaseFileRead(LineFault(Index, why));
}

std::string CaseLineReader::LineFault(int line, const std::string& why)
{
    return "Line " + std::to_string(line) + ": " + why + ".";
}

// ---- sections ----------------------------------------------------------------------------

void ReadBodySection(CaseLineReader& in, CaseFileContents& file)
{
    in.Next();
    file.HasBody = in.Number(1) == 1;
    if (!file.HasBody)
        return;
    BodyParameters& b = file.Body;
    in.Next();
    b.Cswr_max = in.Number(1);
    b.Cswr_reg = in.Number(2);
    b.Cshv_reg = in.Number(3);
    b.Cswr_pow = in.Number(4);
    in.Next();
    b.Vbld_skmax = in.Number(1);
    b.Vbld_skmin = in.Number(2);
    b.Vbld_skneu = in.Number(3);
    b.Cbld_dia = in.Number(4);
    in.Next();
    b.Cbld_strt = in.Number(1);
    b.Density_bld = in.Number(2);
    b.T_skneu = in.Number(3);
    b.T_crneu = in.Number(4);
    in.Next();
    b.T_bmneu = in.Number(1);
    b.cp_bld = in.Number(2);
    b.cp_bm = in.Number(3);
    in.Next();
    b.IsMale = in.Number(1) != 0;
    b.IsFemale = in.Number(2) != 0;
    b.Age = in.Whole(3, 0, AgeCount - 1);
    b.Race = in.Whole(4, 0, RaceCount - 1);
    in.Next();
    b.W_d = in.Number(1);
    b.A_d = in.Number(2);
    b.Height = in.Number(3);
    in.Next();
    b.T_sk = in.Number(1);
    b.T_cr = in.Number(2);
    b.abs_sk = in.Number(3);
    b.k_b = in.Number(4);
    b.RH_sk = in.Number(5);
    for (int line = 0; line < 5; ++line) {
        in.Next();
        for (int k = 0; k < 4; ++k)
            file.FiringRate[line * 4 + k] = in.Number(k + 1);
    }
}

void ReadFluidSection(CaseLineReader& in, CaseFileContents& file)
{
    file.Fluids.clear();
    const int n = ReadCount(in);
    for (int i = 0; i < n; ++i) {
        auto f = std::make_shared<FluidType>();
        in.Next();
        f->Name = Name(in, 1);
        in.Next();
        f->Density = in.Number(1);
        f->DynaViscosity = in.Number(2);
        f->SpecHeat = in.Number(3);
        in.Next();
        f->SurfaceTension = in.Number(1);
        f->DiffuseCoeff = in.Number(2);
        f->TherConductivity = in.Number(3);
        file.Fluids.push_back(f);
    }
}

void ReadFiberSection(CaseLineReader& in, CaseFileContents& file)
{
    file.Fibers.clear();
    const int n = ReadCount(in);
    for (int i = 0; i < n; ++i) {
        auto f = std::make_shared<FiberType>();
        in.Next();
        f->Name = Name(in, 1);
        in.Next();
        f->Diameter = in.Number(1);
        f->Density = in.Number(2);
        f->Emissivity = in.Number(3);
        in.Next();
        f->VaporDiff = in.Number(1);
        f->LiqConAngle = in.Number(2);
        f->TherConductivity = in.Number(3);
        ReadCountedPoints(in, f->Regain);
        ReadCountedPoints(in, f->RegainRH);
        // The dialogs show a curve point by point from both arrays.
        Check(in, CurveCountFault(*f));
        file.Fibers.push_back(f);
    }
}

void ReadMembraneSection(CaseLineReader& in, CaseFileContents& file)
{
    file.Membranes.clear();
    const int n = ReadCount(in);
    file.MembranesListed = n > 0;
    for (int i = 0; i < n; ++i) {
        auto m = std::make_shared<MembraneType>();
        in.Next();
        m->Name = Name(in, 1);
        in.Next();
        m->Thickness = in.Number(1);
        ReadCountedPoints(in, m->WvpValues);
        ReadCountedPoints(in, m->WvpTemperatures);
        ReadCountedPoints(in, m->TrValues);
        ReadCountedPoints(in, m->TrTemperatures);
        Check(in, CurveCountFault(*m));
        file.Membranes.push_back(m);
    }
    // Fabrics without a membrane on a side refer to "OP"; the case always holds one.
    if (!FirstNamed(file.Membranes, "OP"))
        AddDefaultMembrane(file.Membranes);
}

void ReadFabricSection(CaseLineReader& in, CaseFileContents& file)
{
    file.Fabrics.clear();
    const int n = ReadCount(in);
    const auto op = FirstNamed(file.Membranes, "OP");
    for (int i = 0; i < n; ++i) {
        auto f = std::make_shared<FabricType>();
        in.Next();
        f->Name = Name(in, 1);
        in.Next();
        f->Porosity = in.Number(1);
        f->Emissivity = in.Number(2);
        f->TortuosGas = in.Number(3);
        in.Next();
        f->Thickness = in.Number(1);
        f->CapAngle = in.Number(2);
        f->TortuosLqd = in.Number(3);
        f->ContactAngle = in.Number(4);
        f->Conductivity = in.Number(5);
        f->VaporDiffusion = in.Number(6);

        in.Next();
        f->MmfTreatment = in.Number(1) != 0;
        if (f->MmfTreatment) {
            in.Next();
            f->TopWetR = in.Number(1);
            f->BottomWetR = in.Number(2);
            f->TopWetTime = in.Number(3);
            in.Next();
            f->BottomWetTime = in.Number(1);
            f->TopAngle = in.Number(2);
            f->BottomAngle = in.Number(3);
            in.Next();
            f->TopWeight = in.Number(1);
            f->BottomWeight = in.Number(2);
        }
        in.Next();
        f->IsHeatingFabric = in.Number(1) != 0;
        if (f->IsHeatingFabric) {
            in.Next();
            f->HeatingLoad = in.Number(1);
            f->SwitchOnTemperature = in.Number(2);
            f->SwitchOffTemperature = in.Number(3);
        }
        // Without PCM the fabric keeps an empty PCM record.
        in.Next();
        f->HasPcm = in.Number(1) != 0;
        if (f->HasPcm) {
            PCMType& p = f->Pcm;
            in.Next();
            p.Name = Name(in, 1);
            in.Next();
            p.Radius = in.Number(1);
            p.Density = in.Number(2);
            p.K_ml = in.Number(3);
            p.K_ms = in.Number(4);
            in.Next();
            p.Ramda_m = in.Number(1);
            p.T_p = in.Number(2);
            p.h_T = in.Number(3);
            in.Next();
            f->PcmRatio = in.Number(1);
        }
        // "Thermal Conductivity: ..." carries a conductivity outside 0..1000 once more.
        in.Next();
        if (!in.Line().empty() && in.Line().front() == 'T') {
            f->Conductivity = in.Number(1);
            f->MaxDisCapDia = in.Number(2);
            f->MeanDiameter = in.Number(3);
        } else {
            f->MaxDisCapDia = in.Number(1);
            f->MeanDiameter = in.Number(2);
        }

        const int ratios = ReadCount(in);
        std::vector<double> values;
        for (int j = 0; j < ratios; ++j) {
            in.Next();
            values.push_back(in.Number(1));
        }
        f->MassRatios.SetLength(ratios);
        for (int j = 0; j < ratios; ++j)
            f->MassRatios[j] = values[static_cast<std::size_t>(j)];

        // A fibre that is not in the file's fibre list would leave the mass ratios pointing at
        // the wrong fibres: the file is rejected. A name listed twice means its first fibre, as
        // for membranes, so the fabric keeps one fibre per ratio.
        const int fibers = ReadCount(in);
        for (int j = 0; j < fibers; ++j) {
            in.Next();
            const std::string_view name = in.Text(1);
            auto fiber = FirstNamed(file.Fibers, name);
            if (!fiber)
                in.Fail("the fibre \"" + std::string(name) + "\" is not in the fibre list");
            f->Fibers.push_back(fiber);
        }
        // Ratio j belongs to fibre j: with unequal counts a fabric would pair ratios with the
        // wrong fibres, and showing it would index past its ratios.
        Check(in, RatioCountFault(*f));

        // Each side keeps its position: a name that matches no membrane becomes "OP" there,
        // and a fabric short of sides is filled up with "OP".
        const int membranes = ReadCount(in);
        for (int j = 0; j < membranes; ++j) {
            in.Next();
            auto m = FirstNamed(file.Membranes, in.Text(1));
            f->Membranes.push_back(m ? m : op);
        }
        while (f->Membranes.size() < 2)
            f->Membranes.push_back(op);

        file.Fabrics.push_back(f);
    }
}

void ReadGarmentSection(CaseLineReader& in, CaseFileContents& file, bool maleWearer)
{
    const bool male = file.HasBody ? file.Body.IsMale : maleWearer;
    file.Rows.clear();
    file.StyleIndex.clear();
    file.Fitting.clear();
    file.GarmentCount = ReadCount(in, MaxGarments);
    for (int g = 0; g < file.GarmentCount; ++g) {
        in.Next();
        file.StyleIndex.push_back(in.Whole(1, 0, StyleCount(male) - 1));
        file.Fitting.push_back(in.Whole(2, FittingFirst, FittingLast));
        GarmentLayerRow row;
        for (std::size_t j = 0; j < LayersPerGarment; ++j) {
            in.Next();
            if (in.Number(1) != 1)
                continue;
            // The last fabric of that name. None: the layer loads without fabric, and the user is
            // told. Such layers arise in ordinary use (a fabric deleted while a layer used it
            // leaves "Fabric: $$"), so the file still loads.
            std::shared_ptr<FabricType> fabric;
            for (const auto& candidate : file.Fabrics)
                if (candidate->Name == in.Text(2))
                    fabric = candidate;
            if (!fabric)
                file.Notes.push_back(CaseLineReader::LineFault(
                    in.LineNumber(),
                    "the fabric \"" + Name(in, 2) + "\" is not in the fabric list; the layer is left empty"));
            row.Layers[j] = fabric;
            row.HasFabric[j] = fabric != nullptr;
        }
        file.Rows.push_back(row);
    }
}

void ReadStageSection(CaseLineReader& in, CaseFileContents& file)
{
    file.Stages.clear();
    file.ActivityIndex.clear();
    file.Place.clear();
    const int n = ReadCount(in, MaxStages);
    for (int s = 0; s < n; ++s) {
        auto st = std::make_shared<StageType>();
        in.Next();
        st->Name = Name(in, 1);
        in.Next();
        st->InnerT_a = in.Number(1);
        st->OuterT_a = in.Number(2);
        file.ActivityIndex.push_back(in.Whole(3, 0, ActivityCount - 1));
        st->Wind = in.Number(4);
        file.Place.push_back(in.Number(5));
        in.Next();
        st->InnerG_rad = in.Number(1);
        st->OuterG_rad = in.Number(2);
        st->InnerRH = in.Number(3);
        st->OuterRH = in.Number(4);
        in.Next();
        st->InnerVFL = in.Number(1);
        st->OuterVFL = in.Number(2);
        st->MR = in.Number(3);
        st->StageTime = in.Number(4);
        in.Next();
        st->h_cC = in.Number(1);
        st->h_cU = in.Number(2);
        st->h_rC = in.Number(3);
        st->h_rU = in.Number(4);
        in.Next();
        st->CoolDown = in.Number(1) == 1;
        st->CoolDownTime = st->CoolDown ? in.Number(2) : 0;
        const int microclimates = ReadCount(in);
        for (int m = 0; m < microclimates; ++m) {
            auto mc = std::make_shared<FabricMicroclimate>();
            in.Next();
            mc->InnerContact = Name(in, 1);
            mc->OuterContact = Name(in, 2);
            mc->hc0 = in.Number(3);
            mc->hc1 = in.Number(4);
            mc->hm0 = in.Number(5);
            mc->hm1 = in.Number(6);
            mc->hph = in.Number(7);
            st->Microclimates.push_back(mc);
        }
        file.Stages.push_back(st);
    }
}

void ReadControlSection(CaseLineReader& in, CaseFileContents& file)
{
    in.Next();
    file.TimeStep = in.Number(1);
    file.SaveFrequency = in.Number(2);
    file.SweatAccumulation = in.Number(3);
    if (file.SweatAccumulation < 0 || file.SweatAccumulation > 100)
        file.SweatAccumulation = 2;

    // One ratio line per stage; a file may stop them early, and the remaining stages then take
    // the ratios of the last stage given, or a fresh case's when it gives none: the ratios of
    // whatever case was open before have nothing to do with this file. The grid line is told
    // apart by its key, so a cover ratio above 1 is still a ratio.
    file.Ratios.clear();
    bool gridRead = false;
    for (std::size_t s = 0; s < file.Stages.size(); ++s) {
        in.Next();
        if (in.Line().substr(0, 21) == "fabric thickness grid") {
            file.ThicknessGrid = in.Number(1);
            gridRead = true;
            if (file.Ratios.empty()) {
                CaseModel fresh;
                fresh.InitControlDefaults();
                const ControlParameters& d = fresh.Control;
                file.Ratios.push_back({d.ClothingCoverRatio[0], d.MoistureTransferRatio[0], d.HeatTransferRatio[0]});
            }
            file.Ratios.resize(file.Stages.size(), file.Ratios.back());
            break;
        }
        file.Ratios.push_back({in.Number(1), in.Number(2), in.Number(3)});
    }
    if (!gridRead) {
        in.Next();
        file.ThicknessGrid = in.Number(1);
    }
    in.Next();
    file.RadiusGrid = in.Number(1);
}

bool ParseCaseFile(std::string_view text, CaseFileContents& file, bool maleWearer, std::string* why)
{
    try {
        CaseLineReader in(text);
        file = CaseFileContents();
        ReadBodySection(in, file);
        ReadFluidSection(in, file);
        ReadFiberSection(in, file);
        ReadMembraneSection(in, file);
        ReadFabricSection(in, file);
        ReadGarmentSection(in, file, maleWearer);
        ReadStageSection(in, file);
        ReadControlSection(in, file);
        // Lines left over mean the sections were read out of step with the file.
        if (const int extra = in.TextLineAfter())
            throw ECaseFileRead(CaseLineReader::LineFault(extra, "text follows the control section"));
        return true;
    } catch (const std::exception& e) {
        if (why)
            *why = e.what();
        return false;
    }
}

// ---- applying ----------------------------------------------------------------------------

std::vector<std::string> ApplyCaseFile(CaseFileContents& file, CaseModel& model)
{
    std::vector<std::string> notes = std::move(file.Notes);

    if (file.HasBody) {
        model.Body = file.Body;
        model.FiringRate = file.FiringRate;
        model.BodyDefined = true;
    }

    model.Fluids = std::move(file.Fluids);
    if (!model.Fluids.empty())
        model.FluidDefined = true;
    model.Fibers = std::move(file.Fibers);
    if (!model.Fibers.empty()) {
        model.FiberDefined = true;
        model.FiberFirstOpen = false;
    }
    model.Membranes = std::move(file.Membranes);
    if (file.MembranesListed) {
        model.MembraneDefined = true;
        model.MembraneFirstOpen = false;
    }
    // The file tells which models the case uses; the model code is not in it. A model is only
    // switched on here: the loaded boundary conditions lock the model choice, so a model
    // switched off by a load could not be switched on again. Room and self-heating are not in
    // the file.
    auto switchOn = [&model](std::uint8_t m) { model.ModelCode = static_cast<std::uint8_t>(model.ModelCode | m); };
    if (file.HasBody)
        switchOn(ModelBody);
    for (const auto& fabric : file.Fabrics)
        if (fabric->HasPcm)
            switchOn(ModelPCM);
    model.Fabrics = std::move(file.Fabrics);
    if (!model.Fabrics.empty()) {
        model.FabricDefined = true;
        model.FabricFirstLoad = false;
    }

    GarmentSet& garments = model.GarmentList;
    const int garmentCount = file.GarmentCount;
    for (int g = 0; g < garmentCount; ++g) {
        garments.StyleIndex[static_cast<std::size_t>(g)] = file.StyleIndex[static_cast<std::size_t>(g)];
        garments.Fitting[static_cast<std::size_t>(g)] = file.Fitting[static_cast<std::size_t>(g)];
    }
    garments.GarmentCount = garmentCount;
    model.Layers.Rows = std::move(file.Rows);
    model.Layers.GarmentCount = garmentCount;
    model.ClothingDefined = true;

    // The schedule, the environment rows and the stage list always hold the same stages: a
    // file without stages empties all three.
    ActivitySchedule& activity = model.Activity;
    EnvironmentTable& environment = model.Environment;
    model.Stages = std::move(file.Stages);
    const int stageCount = static_cast<int>(model.Stages.size());
    // The solver pairs microclimate m of a stage with counted layer m. A stage holding another
    // count (saved after a clothing change, or one too many for a layer whose fabric the file
    // lacks) gets the builder's microclimates for the loaded layers; its own values stay. What
    // was set on the old microclimates cannot be paired with the layers, so the boundary step is
    // left to be done again.
    const std::size_t layerCount = BuilderMicroclimates(model).size();
    int mended = 0;
    for (const auto& st : model.Stages)
        if (st->Microclimates.size() != layerCount) {
            st->Microclimates = BuilderMicroclimates(model);
            ++mended;
        }
    if (mended > 0)
        notes.push_back("The microclimates of " + std::to_string(mended) + (mended == 1 ? " stage" : " stages") +
                        " did not match the garment layers and were set again from them.");
    for (int s = 0; s < stageCount; ++s) {
        const StageType& st = *model.Stages[static_cast<std::size_t>(s)];
        const auto i = static_cast<std::size_t>(s);
        activity.ActivityIndex[i] = file.ActivityIndex[i];
        activity.Duration[i] = st.StageTime;
        environment.Wind[i] = st.Wind;
        environment.Place[i] = file.Place[i];
    }
    CopyStageStateToRows(model);
    activity.StageCount = stageCount;
    activity.ScheduleChanged = false;
    environment.StageCount = stageCount;
    model.ActivityDefined = stageCount > 0;
    model.EnvironmentDefined = stageCount > 0;
    model.BoundaryDefined = stageCount > 0 && mended == 0;
    model.StagesShown = stageCount > 0;
    RebuildStageSideLists(model);
    // Stages from the file are kept by later saves until the schedule or the environment is
    // confirmed again.
    model.StagesDirty = stageCount == 0;

    ControlParameters& c = model.Control;
    c.TimeStep = file.TimeStep;
    c.SaveFrequency = file.SaveFrequency;
    c.SweatAccumulation = file.SweatAccumulation;
    for (std::size_t s = 0; s < file.Ratios.size(); ++s) {
        c.ClothingCoverRatio[s] = file.Ratios[s][0];
        c.MoistureTransferRatio[s] = file.Ratios[s][1];
        c.HeatTransferRatio[s] = file.Ratios[s][2];
    }
    c.ThicknessGrid = file.ThicknessGrid;
    c.RadiusGrid = file.RadiusGrid;
    model.ControlDefined = true;
    return notes;
}
