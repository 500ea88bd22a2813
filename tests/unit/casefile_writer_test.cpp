#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <random>
#include <sstream>

#include "casemodel/stagebuilder.h"
#include "tests/unit/casefile_cases.h"

namespace {

template <class Writer>
std::string Section(Writer write)
{
    std::ostringstream out;
    write(out);
    return out.str();
}

// Each section of a case built in code, byte for byte against the hand-written file.
TEST(CaseFileWriter, SectionsMatchTheirGoldenFiles)
{
    CaseFixture fresh = FreshCase();
    EXPECT_EQ(Section([&](std::ostream& o) { WriteFluidSection(o, fresh.Model); }), GoldenFile("fluid_default.sdf"));
    EXPECT_EQ(Section([&](std::ostream& o) { WriteMembraneSection(o, fresh.Model); }),
              GoldenFile("membrane_default.sdf"));
    EXPECT_EQ(Section([&](std::ostream& o) { WriteBodySection(o, fresh.Model); }), GoldenFile("body_undefined.sdf"));
    EXPECT_EQ(Section([&](std::ostream& o) { WriteFiberSection(o, fresh.Model); }), "fiber types: $0$\r\n");

    CaseFixture c = FreshCase();
    SetGoldenBody(c.Model);
    SetGoldenFibers(c.Model);
    SetGoldenMembranes(c.Model);
    SetGoldenFabrics(c.Model);
    SetGoldenGarments(c);
    SetGoldenStages(c);
    EXPECT_EQ(Section([&](std::ostream& o) { WriteBodySection(o, c.Model); }), GoldenFile("body.sdf"));
    EXPECT_EQ(Section([&](std::ostream& o) { WriteFiberSection(o, c.Model); }), GoldenFile("fiber_points.sdf"));
    EXPECT_EQ(Section([&](std::ostream& o) { WriteFabricSection(o, c.Model); }), GoldenFile("fabric_options.sdf"));
    EXPECT_EQ(Section([&](std::ostream& o) { WriteGarmentSection(o, c.Model, false); }),
              GoldenFile("garment_layers.sdf"));
    EXPECT_EQ(Section([&](std::ostream& o) { WriteStageSection(o, c.Model); }), GoldenFile("stage_microclimates.sdf"));
    // Stages and control ratios whose every value is its own.
    const CaseFixture rich = RichCase();
    EXPECT_EQ(Section([&](std::ostream& o) {
                  WriteStageSection(o, rich.Model);
                  WriteControlSection(o, rich.Model);
              }),
              GoldenFile("stages_control_distinct.sdf"));

    // A layer marked filled whose fabric is gone is written as an empty layer, as it loads.
    c.Model.Layers.Rows[0].Layers[2].reset();
    const std::string text = Section([&](std::ostream& o) { WriteGarmentSection(o, c.Model, false); });
    EXPECT_NE(text.find("2layer Has Defined: $0$\r\n"), std::string::npos);

    // The conductivity is carried again on the fabric's last value line when, as written, it
    // lies outside 0..1000.
    const std::pair<double, std::string> forms[] = {
        {0, ""}, {-1e-6, "Thermal Conductivity: $-1E-06$ "}, {1000, ""}, {1000.0001, ""},
        {1000.01, "Thermal Conductivity: $1000.01$ "}};
    for (const auto& [conductivity, carried] : forms) {
        c.Model.Fabrics[0]->Conductivity = conductivity;  // "Plain"
        const std::string fabric = Section([&](std::ostream& o) { WriteFabricSection(o, c.Model); });
        EXPECT_NE(fabric.find("\r\n" + carried + "MaxDisCapDia: $0.001$ MeanDiameter: $0.0005$\r\nfiber ratio"),
                  std::string::npos)
            << conductivity;
    }
}

TEST(CaseFileWriter, ControlSectionOfAOneStageCaseCarriesTheBuildersCoverRatio)
{
    CaseFixture c = FreshCase();
    SetGoldenBody(c.Model);
    c.Model.Activity.StageCount = 1;
    c.Model.Layers.Rows = {GarmentLayerRow()};
    c.Model.Layers.GarmentCount = 1;
    c.Model.GarmentList.Coverage[0] = 0.7;
    BuildStageList(c.Model);
    EXPECT_EQ(Section([&](std::ostream& o) { WriteControlSection(o, c.Model); }),
              GoldenFile("control_one_stage.sdf"));
}

// What a refused save reports, once it is checked that nothing reached the stream; empty when
// the case was written.
std::string Refusal(const CaseFixture& c)
{
    std::ostringstream out;
    try {
        WriteCaseFile(out, c.Model);
    } catch (const ECaseFileWrite& e) {
        EXPECT_EQ(out.str(), "") << e.what();
        return e.what();
    }
    return std::string();
}

using Limits = std::numeric_limits<double>;

template <class T>
void Erase(std::vector<std::shared_ptr<T>>& list, const std::string& name)
{
    list.erase(std::remove_if(list.begin(), list.end(), [&](const auto& r) { return r->Name == name; }), list.end());
}

// Whatever the reader would refuse or misread is refused before anything is written, naming the
// record and the field; each fault the only one in a sound case.
TEST(CaseFileWriter, RefusesWhatTheReaderCouldNotLoadAndNamesTheRecord)
{
    struct Case {
        void (*Break)(CaseModel&);
        std::string Message;
    };
    const Case cases[] = {
        // A fabric names its fibres and membranes; a file naming one its lists lack would not load.
        {[](CaseModel& m) { Erase(m.Fibers, "Wool"); },
         "the fiber \"Wool\" of fabric 2 \"Treated\" is not in the fiber list"},
        {[](CaseModel& m) { Erase(m.Membranes, "Goretex"); },
         "the membrane \"Goretex\" of fabric 2 \"Treated\" is not in the membrane list"},
        {[](CaseModel& m) { m.Fibers[1]->Name = "Wo$ol"; }, "the name of fiber 2 holds \"$\" or a line break"},
        {[](CaseModel& m) { m.Fibers[1]->Name = "Wo\rol"; }, "the name of fiber 2 holds \"$\" or a line break"},
        {[](CaseModel& m) { m.Stages[1]->Name = "Stage\n2"; }, "the name of stage 2 holds \"$\" or a line break"},
        {[](CaseModel& m) { m.Fabrics[1]->Pcm.Name = "Para$ffin"; },
         "the PCM name of fabric 2 \"Treated\" holds \"$\" or a line break"},
        {[](CaseModel& m) { m.Stages[0]->Microclimates[1]->OuterContact = "tr$ue"; },
         "the OuterContact of stage 1 \"Stage1\" holds \"$\" or a line break"},
        {[](CaseModel& m) { m.Fabrics[1]->Pcm.K_ms = Limits::quiet_NaN(); },
         "K_ms of fabric 2 \"Treated\" is not a finite number"},
        {[](CaseModel& m) { m.Membranes[0]->TrValues[8] = Limits::infinity(); },
         "a TR value of membrane 1 \"Goretex\" is not a finite number"},
        {[](CaseModel& m) { m.Body.Height = -Limits::infinity(); }, "Height of the human body is not a finite number"},
        {[](CaseModel& m) { m.Fabrics[1]->MassRatios.SetLength(0); },
         "the fabric \"Treated\" has 0 mass ratios for 2 fibres"},
        {[](CaseModel& m) { m.Control.HeatTransferRatio[3] = Limits::quiet_NaN(); },
         "HeatTransferRatio of the control values of stage 4 is not a finite number"},
    };
    for (const Case& k : cases) {
        CaseFixture c = RichCase();
        k.Break(c.Model);
        EXPECT_EQ(Refusal(c), "The data file cannot be saved: " + k.Message + ".");
    }
    EXPECT_EQ(Refusal(RichCase()), "");
}

// The arrays the dialogs show side by side pair up, no list goes past what the reader takes and no
// index past its list. Each fault alone in a sound case: on its limit the file is written and
// loads back to the same bytes; one past it nothing is written and the message names the record
// and the field.
TEST(CaseFileWriter, RefusesArraysThatDoNotPairAndListsPastTheReadersLimit)
{
    struct Row {
        const char* What;
        void (*Set)(CaseModel&, int past);  // past: 0 on the limit, 1 one beyond it
        std::string Message;
    };
    const Row rows[] = {
        {"age, last", [](CaseModel& m, int past) { m.Body.Age = AgeCount - 1 + past; },
         "Age of the human body (3) is outside its list"},
        {"age, first", [](CaseModel& m, int past) { m.Body.Age = -past; }, "Age of the human body (-1) is outside its list"},
        {"race, last", [](CaseModel& m, int past) { m.Body.Race = RaceCount - 1 + past; },
         "Race of the human body (6) is outside its list"},
        {"race, first", [](CaseModel& m, int past) { m.Body.Race = -past; },
         "Race of the human body (-1) is outside its list"},
        {"men's style, last", [](CaseModel& m, int past) { m.GarmentList.StyleIndex[2] = MaleStyleCount - 1 + past; },
         "the style of garment 3 (21) is outside its list"},
        {"women's style, last",
         [](CaseModel& m, int past) { m.Body.IsMale = false; m.GarmentList.StyleIndex[2] = FemaleStyleCount - 1 + past; },
         "the style of garment 3 (24) is outside its list"},
        {"style, first", [](CaseModel& m, int past) { m.GarmentList.StyleIndex[1] = -past; },
         "the style of garment 2 (-1) is outside its list"},
        {"fitting, last", [](CaseModel& m, int past) { m.GarmentList.Fitting[0] = FittingLast + past; },
         "the fitting of garment 1 (4) is outside its list"},
        {"fitting, first", [](CaseModel& m, int past) { m.GarmentList.Fitting[1] = FittingFirst - past; },
         "the fitting of garment 2 (0) is outside its list"},
        {"activity, last", [](CaseModel& m, int past) { m.Activity.ActivityIndex[3] = ActivityCount - 1 + past; },
         "the activity of stage 4 \"Warm down\" (38) is outside its list"},
        {"activity, first", [](CaseModel& m, int past) { m.Activity.ActivityIndex[2] = -past; },
         "the activity of stage 3 \"Stage3\" (-1) is outside its list"},
        {"more regain values than humidities",
         [](CaseModel& m, int past) {
             FiberNamed(m, "Wool")->Regain = Counting(10 + past, 0.011);
             FiberNamed(m, "Wool")->RegainRH = Counting(10, 0.09);
         },
         "the fibre \"Wool\" has 11 regain values for 10 humidities"},
        {"more humidities than regain values",
         [](CaseModel& m, int past) {
             FiberNamed(m, "Cotton")->Regain = Points({0.02});
             FiberNamed(m, "Cotton")->RegainRH = Counting(1 + past, 0.4);
         },
         "the fibre \"Cotton\" has 1 regain value for 2 humidities"},
        {"more WVP values than temperatures",
         [](CaseModel& m, int past) {
             MembraneNamed(m, "Goretex")->WvpValues = Counting(4 + past, 7000);
             MembraneNamed(m, "Goretex")->WvpTemperatures = Counting(4, 5);
         },
         "the membrane \"Goretex\" has 5 WVP values for 4 temperatures"},
        {"fewer WVP values than temperatures",
         [](CaseModel& m, int past) { MembraneNamed(m, "Goretex")->WvpValues.SetLength(3 - past); },
         "the membrane \"Goretex\" has 2 WVP values for 3 temperatures"},
        {"fewer TR temperatures than values",
         [](CaseModel& m, int past) { MembraneNamed(m, "Goretex")->TrTemperatures.SetLength(9 - past); },
         "the membrane \"Goretex\" has 9 TR values for 8 temperatures"},
        {"more mass ratios than fibres",
         [](CaseModel& m, int past) {
             m.Fabrics[1]->Fibers.push_back(FiberNamed(m, "Polyester"));
             m.Fabrics[1]->MassRatios = past ? Points({0.5, 0.3, 0.15, 0.05}) : Points({0.5, 0.3, 0.2});
         },
         "the fabric \"Treated\" has 4 mass ratios for 3 fibres"},
        {"more fibres than mass ratios",
         [](CaseModel& m, int past) {
             if (past)
                 m.Fabrics[0]->Fibers.push_back(FiberNamed(m, "Wool"));
         },
         "the fabric \"Plain\" has 1 mass ratio for 2 fibres"},
        {"points of a curve",
         [](CaseModel& m, int past) {
             FiberNamed(m, "Polyester")->Regain = TDoubleDynArray(MaxListCount + past);
             FiberNamed(m, "Polyester")->RegainRH = TDoubleDynArray(MaxListCount + past);
         },
         "fiber 3 \"Polyester\" has 1000001 regain values, more than 1000000"},
        {"sides of a fabric",
         [](CaseModel& m, int past) {
             auto& sides = m.Fabrics[2]->Membranes;
             sides.resize(static_cast<std::size_t>(MaxListCount + past), MembraneNamed(m, "OP"));
         },
         "fabric 3 \"Odd\" has 1000001 membranes, more than 1000000"},
        {"mass ratios of a fabric",
         [](CaseModel& m, int past) {
             const int n = MaxListCount + past;
             m.Fabrics[0]->Fibers.assign(static_cast<std::size_t>(n), FiberNamed(m, "Polyester"));
             m.Fabrics[0]->MassRatios = TDoubleDynArray(n);
         },
         "fabric 1 \"Plain\" has 1000001 mass ratios, more than 1000000"},
        {"stages",
         [](CaseModel& m, int past) {
             m.Stages.resize(static_cast<std::size_t>(MaxStages + past), m.Stages[2]);
         },
         "the case holds 51 stages, more than 50"},
        {"garments",
         [](CaseModel& m, int past) {
             const std::size_t n = static_cast<std::size_t>(MaxGarments + past);
             m.Layers.Rows.resize(n, m.Layers.Rows[1]);
             m.Layers.GarmentCount = m.GarmentList.GarmentCount = static_cast<int>(n);
             for (std::size_t g = 3; g < std::min<std::size_t>(n, MaxGarments); ++g)
                 m.GarmentList.Fitting[g] = 2;
             for (const auto& st : m.Stages)
                 st->Microclimates = BuilderMicroclimates(m);
         },
         "the case holds 51 garments, more than 50"},
        // Microclimate m of a stage goes with counted layer m: one per layer with a fabric among
        // the first three of a garment, five in the rich case.
        {"more microclimates than garment layers",
         [](CaseModel& m, int past) {
             if (past)
                 m.Stages[1]->Microclimates.push_back(Microclimate(false));
         },
         "stage 2 \"Stage2\" has 6 microclimates for 5 garment layers"},
        {"fewer microclimates than garment layers",
         [](CaseModel& m, int past) {
             if (past)
                 m.Stages[3]->Microclimates.erase(m.Stages[3]->Microclimates.begin() + 2);
         },
         "stage 4 \"Warm down\" has 4 microclimates for 5 garment layers"},
        // The fourth layer of a garment gives no microclimate, the third does.
        {"a layer beyond the third",
         [](CaseModel& m, int past) {
             GarmentLayerRow& row = m.Layers.Rows[1];
             const std::size_t j = past ? 2 : 3;
             row.Layers[j] = m.Fabrics[2];
             row.HasFabric[j] = true;
         },
         "stage 1 \"Stage1\" has 5 microclimates for 6 garment layers"},
        // A layer marked but without a fabric is written as an empty one and gives none.
        {"a layer marked without its fabric",
         [](CaseModel& m, int past) {
             GarmentLayerRow& row = m.Layers.Rows[1];
             row.HasFabric[2] = true;
             row.Layers[2] = past ? m.Fabrics[2] : nullptr;
         },
         "stage 1 \"Stage1\" has 5 microclimates for 6 garment layers"},
        {"one garment layer",
         [](CaseModel& m, int past) {
             m.Layers.Rows[1] = m.Layers.Rows[2] = GarmentLayerRow();
             for (const auto& st : m.Stages)
                 st->Microclimates.resize(1);
             if (past)
                 m.Stages[2]->Microclimates.push_back(Microclimate(true));
         },
         "stage 3 \"Stage3\" has 2 microclimates for 1 garment layer"},
        // A layer names its fabric; the reader finds it only among the fabrics listed.
        {"a layer's fabric missing from the fabric list",
         [](CaseModel& m, int past) {
             std::rotate(m.Fabrics.begin(), m.Fabrics.begin() + 2, m.Fabrics.end());
             if (past)
                 m.Fabrics.erase(m.Fabrics.begin());
         },
         "the fabric \"Odd\" of layer 1 of garment 3 is not in the fabric list"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.What);
        CaseFixture on = RichCase();
        row.Set(on.Model, 0);
        ASSERT_EQ(Refusal(on), "");
        const std::string text = on.Text();
        CaseFixture loaded = FreshCase();
        ASSERT_TRUE(LoadText(text, loaded, true));
        EXPECT_EQ(FirstDifference(loaded.Text(), text), "");

        CaseFixture past = RichCase();
        row.Set(past.Model, 1);
        EXPECT_EQ(Refusal(past), "The data file cannot be saved: " + row.Message + ".");
    }

    // The control section written alone refuses 51 stages too: its ratios are kept for 50.
    CaseFixture stages = RichCase();
    stages.Model.Stages.resize(MaxStages + 1, stages.Model.Stages[0]);
    std::ostringstream control;
    EXPECT_THROW(WriteControlSection(control, stages.Model), ECaseFileWrite);

    // Lists one past the limit; on it they are far too long to write here, and each check is the
    // one that the curves, sides and ratios above pass on theirs.
    const std::pair<void (*)(CaseModel&), std::string> past[] = {
        {[](CaseModel& m) { m.Fluids.resize(MaxListCount + 1, m.Fluids[0]); }, "the case holds 1000001 fluids"},
        {[](CaseModel& m) { m.Fibers.resize(MaxListCount + 1, m.Fibers[2]); }, "the case holds 1000001 fibers"},
        {[](CaseModel& m) { m.Membranes.resize(MaxListCount + 1, m.Membranes[1]); },
         "the case holds 1000001 membranes"},
        {[](CaseModel& m) { m.Fabrics.resize(MaxListCount + 1, m.Fabrics[2]); }, "the case holds 1000001 fabrics"},
        {[](CaseModel& m) { m.Stages[2]->Microclimates.resize(MaxListCount + 1, m.Stages[2]->Microclimates[0]); },
         "stage 3 \"Stage3\" has 1000001 microclimates"},
    };
    for (const auto& [set, message] : past) {
        CaseFixture c = RichCase();
        set(c.Model);
        EXPECT_EQ(Refusal(c), "The data file cannot be saved: " + message + ", more than 1000000.");
    }
}

// Random cases built through the case object, with every value the format has a place for and
// now and then a value or record it cannot carry. The choices come from one seeded engine and
// plain arithmetic on its output, so every build makes the same cases.
class RandomCase {
public:
    explicit RandomCase(std::uint32_t seed) : Engine(seed) {}

    CaseModel Make()
    {
        CaseModel m;
        m.InitFreshCase();
        MakeBody(m);
        m.Fluids.clear();
        for (int i = Pick(4); i > 0; --i) {
            auto f = std::make_shared<FluidType>();
            f->Name = Name();
            for (double* v : {&f->Density, &f->DynaViscosity, &f->SpecHeat, &f->SurfaceTension, &f->DiffuseCoeff,
                              &f->TherConductivity})
                *v = Value();
            m.Fluids.push_back(f);
        }
        m.Fibers.clear();
        for (int i = Pick(5); i > 0; --i) {
            const int n = Pick(18);
            m.Fibers.push_back(MakeFiber(Name(), Value(), Value(), Value(), Value(), Value(), Value(), Curve(n),
                                         Curve(Chance(4) ? n + 1 : n)));
        }
        m.Membranes.clear();
        for (int i = Pick(4); i > 0; --i) {
            auto mb = std::make_shared<MembraneType>();
            mb->Name = Name();
            mb->Thickness = Value();
            const int wvp = Pick(12), tr = Pick(12);
            mb->WvpValues = Curve(wvp);
            mb->WvpTemperatures = Curve(Chance(3) ? wvp + 1 : wvp);
            mb->TrValues = Curve(Chance(3) && tr > 0 ? tr - 1 : tr);
            mb->TrTemperatures = Curve(tr);
            m.Membranes.push_back(mb);
        }
        // The case always holds "OP", the side without a membrane.
        m.Membranes.insert(m.Membranes.begin() + Pick(static_cast<int>(m.Membranes.size()) + 1),
                           MakeDefaultMembrane());
        m.Fabrics.clear();
        for (int i = Pick(5); i > 0; --i)
            m.Fabrics.push_back(MakeFabric(m));
        MakeGarments(m);
        WrongCountPlanted = false;
        MakeStages(m);
        ControlParameters& c = m.Control;
        c.TimeStep = Value();
        c.SaveFrequency = Value();
        // The reader puts 2 in place of any other: a value it does not keep.
        c.SweatAccumulation = Chance(10) ? Pick(2) * 100.0 : Pick(100001) / 1000.0;
        for (std::size_t s = 0; s < MaxStages; ++s) {
            c.ClothingCoverRatio[s] = Value();
            c.MoistureTransferRatio[s] = Value();
            c.HeatTransferRatio[s] = Value();
        }
        c.ThicknessGrid = Value();
        c.RadiusGrid = Value();
        return m;
    }

    // The last case made holds a stage whose microclimates do not match its garment layers.
    bool WrongCountPlanted = false;

private:
    int Pick(int n) { return static_cast<int>(Engine() % static_cast<std::uint32_t>(n)); }
    bool Chance(int percent) { return Pick(100) < percent; }

    double Value()
    {
        static const double special[] = {0, -0.0, 1, -1, 0.5, 1000, 1000.0001, 1e-5, 1.234567e-5, 123456.5,
                                         1234567, 1e15, 2e-20, 4.94e-324, 2.2250738585072014e-308,
                                         1.7976931348623157e308, -1.7976931348623157e308, 1500, 0.0001434};
        const int kind = Pick(4000);
        if (kind == 0)
            return std::numeric_limits<double>::quiet_NaN();
        if (kind == 1)
            return Pick(2) ? std::numeric_limits<double>::infinity() : -std::numeric_limits<double>::infinity();
        if (kind < 1200)
            return special[Pick(static_cast<int>(std::size(special)))];
        // Any sign, 1 to 9 digits, a decimal exponent from -30 to 30.
        const double mantissa = static_cast<double>(Engine() % 1000000000u) / 1e8;
        return (Pick(2) ? 1 : -1) * mantissa * std::pow(10.0, Pick(61) - 30);
    }

    std::string Name()
    {
        static const char* names[] = {"Cotton", "Wool", "OP", "Gore tex", "", " lead", "trail ", "x",
                                      "Stage1", "true", "a:b", "5", "fa$lse", "line\nbreak", "cr\rhere"};
        // The last three cannot be written; they come up rarely.
        const int n = static_cast<int>(std::size(names));
        return names[Chance(2) ? n - 1 - Pick(3) : Pick(n - 3)];
    }

    TDoubleDynArray Curve(int n)
    {
        TDoubleDynArray a(n);
        for (int i = 0; i < n; ++i)
            a[i] = Value();
        return a;
    }

    template <class T>
    std::shared_ptr<T> OneOf(const TList<T>& list)
    {
        return list[static_cast<std::size_t>(Pick(static_cast<int>(list.size())))];
    }

    void MakeBody(CaseModel& m)
    {
        BodyParameters& b = m.Body;
        for (double* v : {&b.Cswr_max, &b.Cswr_reg, &b.Cswr_pow, &b.Cshv_reg, &b.Vbld_skmax, &b.Vbld_skmin,
                          &b.Vbld_skneu, &b.Cbld_dia, &b.Cbld_strt, &b.Density_bld, &b.T_skneu, &b.T_crneu,
                          &b.T_bmneu, &b.cp_bld, &b.cp_bm, &b.W_d, &b.A_d, &b.Height, &b.T_sk, &b.T_cr, &b.abs_sk,
                          &b.k_b, &b.RH_sk})
            *v = Value();
        b.IsMale = Pick(2);
        b.IsFemale = Pick(2);
        b.Age = Chance(3) ? AgeCount : Pick(AgeCount);
        b.Race = Chance(3) ? -1 : Pick(RaceCount);
        for (int i = 0; i < 20; ++i)
            m.FiringRate[i] = Value();
        m.BodyDefined = Pick(4) > 0;
    }

    std::shared_ptr<FabricType> MakeFabric(const CaseModel& m)
    {
        auto f = std::make_shared<FabricType>();
        f->Name = Name();
        for (double* v : {&f->Porosity, &f->Emissivity, &f->TortuosGas, &f->Thickness, &f->CapAngle, &f->TortuosLqd,
                          &f->ContactAngle, &f->Conductivity, &f->MaxDisCapDia, &f->MeanDiameter, &f->VaporDiffusion,
                          &f->PcmRatio, &f->TopWetR, &f->BottomWetR, &f->TopWetTime, &f->BottomWetTime, &f->TopAngle,
                          &f->BottomAngle, &f->TopWeight, &f->BottomWeight, &f->HeatingLoad, &f->SwitchOnTemperature,
                          &f->SwitchOffTemperature, &f->Pcm.Radius, &f->Pcm.Density, &f->Pcm.K_ml, &f->Pcm.K_ms,
                          &f->Pcm.Ramda_m, &f->Pcm.T_p, &f->Pcm.h_T})
            *v = Value();
        f->MmfTreatment = Pick(2);
        f->IsHeatingFabric = Pick(2);
        f->HasPcm = Pick(2);
        f->Pcm.Name = Name();
        const int fibers = m.Fibers.empty() ? 0 : Pick(4);
        for (int j = 0; j < fibers; ++j)
            f->Fibers.push_back(OneOf(m.Fibers));
        if (Chance(3))
            f->Fibers.push_back(MakeFiber("Unlisted", 1, 1, 1, 1, 1, 1, {}, {}));
        const int ratios = static_cast<int>(f->Fibers.size());
        f->MassRatios = Curve(Chance(4) ? ratios + 1 : ratios);
        for (int side = 0; side < 2; ++side)
            f->Membranes.push_back(Chance(2) ? std::make_shared<MembraneType>() : OneOf(m.Membranes));
        return f;
    }

    void MakeGarments(CaseModel& m)
    {
        const bool male = m.Body.IsMale;
        const int n = Chance(1) ? MaxGarments + 1 : Pick(4);
        for (int g = 0; g < n; ++g) {
            GarmentLayerRow row;
            for (std::size_t j = 0; j < LayersPerGarment; ++j) {
                row.HasFabric[j] = Pick(2);
                if (row.HasFabric[j] && !m.Fabrics.empty() && Pick(4) > 0)
                    row.Layers[j] = OneOf(m.Fabrics);
                else if (row.HasFabric[j] && Chance(5))
                    row.Layers[j] = std::make_shared<FabricType>();  // a fabric the list lacks
                else if (j < MicroclimateLayers)
                    // Marked without a fabric is written as an empty layer; no window leaves one
                    // among the layers that give the stages their microclimates.
                    row.HasFabric[j] = false;
            }
            m.Layers.Rows.push_back(row);
            if (g < MaxGarments) {
                m.GarmentList.StyleIndex[static_cast<std::size_t>(g)] = Chance(2) ? StyleCount(male) : Pick(StyleCount(male));
                m.GarmentList.Fitting[static_cast<std::size_t>(g)] = Chance(2) ? 0 : FittingFirst + Pick(3);
            }
        }
        m.Layers.GarmentCount = m.GarmentList.GarmentCount = n;
    }

    void MakeStages(CaseModel& m)
    {
        const int n = Chance(1) ? MaxStages + 1 : Pick(5);
        // One microclimate per counted layer, now and then one more or one less.
        const int layers = static_cast<int>(BuilderMicroclimates(m).size());
        for (int s = 0; s < n; ++s) {
            auto st = std::make_shared<StageType>();
            st->Name = Name();
            for (double* v : {&st->InnerT_a, &st->OuterT_a, &st->InnerRH, &st->OuterRH, &st->InnerVFL, &st->OuterVFL,
                              &st->InnerG_rad, &st->OuterG_rad, &st->h_cC, &st->h_cU, &st->h_rC, &st->h_rU, &st->MR,
                              &st->Wind, &st->CoolDownTime, &st->StageTime})
                *v = Value();
            st->CoolDown = Pick(2);
            int count = layers;
            if (Chance(4)) {
                count += layers > 0 && Pick(2) ? -1 : 1;
                WrongCountPlanted = true;
            }
            for (int k = count; k > 0; --k) {
                auto mc = std::make_shared<FabricMicroclimate>();
                mc->InnerContact = Pick(2) ? "true" : Name();
                mc->OuterContact = Pick(2) ? "false" : Name();
                for (double* v : {&mc->hc0, &mc->hc1, &mc->hm0, &mc->hm1, &mc->hph})
                    *v = Value();
                st->Microclimates.push_back(mc);
            }
            m.Stages.push_back(st);
            if (s < MaxStages) {
                m.Activity.ActivityIndex[static_cast<std::size_t>(s)] = Chance(2) ? -1 : Pick(ActivityCount);
                m.Environment.Place[static_cast<std::size_t>(s)] = Pick(4) ? Pick(3) : Value();
            }
        }
        m.Activity.StageCount = m.Environment.StageCount = std::min(n, MaxStages);
    }

    std::mt19937 Engine;
};

// Whatever the writer writes, the reader takes, and the case it gives writes the same bytes.
TEST(CaseFileWriter, EveryCaseItWritesLoadsBackAndSavesToTheSameBytes)
{
    RandomCase random(20240611);
    int written = 0, refused = 0, planted = 0;
    for (int i = 0; i < 400; ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        CaseFixture c;
        c.Model = random.Make();
        const std::string message = Refusal(c);
        planted += random.WrongCountPlanted;
        if (!message.empty()) {
            ++refused;
            EXPECT_EQ(message.rfind("The data file cannot be saved: ", 0), 0u) << message;
            continue;
        }
        EXPECT_FALSE(random.WrongCountPlanted) << "a stage's microclimates do not match the layers";
        ++written;
        const std::string text = c.Text();
        // The wearer of a bodyless file is the one of the case it is loaded into.
        CaseFixture loaded = FreshCase();
        loaded.Model.Body.IsMale = c.Model.Body.IsMale;
        CaseFileContents contents;
        std::string why;
        ASSERT_TRUE(ParseCaseFile(text, contents, c.Model.Body.IsMale, &why)) << why;
        ApplyCaseFile(contents, loaded.Model);
        EXPECT_EQ(Refusal(loaded), "");
        EXPECT_EQ(loaded.Text(), text);
    }
    // Both ways are walked often.
    EXPECT_GT(written, 100);
    EXPECT_GT(refused, 100);
    EXPECT_GT(planted, 20);
}

} // namespace
