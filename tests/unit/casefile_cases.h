#pragma once
// Cases built in code for the data-file tests and the benchmark. The "Golden" parts hold the
// values that the hand-written files in tests/data show.
#include <fstream>
#include <sstream>
#include <string>

#include "casemodel/casefile.h"
#include "casemodel/casemodel.h"

struct CaseFixture {
    CaseModel Model;

    std::string Text() const { return CaseFileText(Model); }
};

#ifdef VANTORA_TEST_DATA
inline std::string GoldenFile(const std::string& name)
{
    std::ifstream in(std::string(VANTORA_TEST_DATA) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
#endif

// The case as the application starts it: default fluids, control defaults and "OP".
inline CaseFixture FreshCase()
{
    CaseFixture c;
    c.Model.InitFreshCase();
    return c;
}

inline TDoubleDynArray Points(std::initializer_list<double> values) { return TDoubleDynArray(values); }

inline TDoubleDynArray Counting(int n, double step)
{
    TDoubleDynArray a(n);
    for (int i = 0; i < n; ++i)
        a[i] = (i + 1) * step;
    return a;
}

inline void SetGoldenBody(CaseModel& m)
{
    BodyParameters& b = m.Body;
    b.Cswr_max = 1.0 / 3;
    b.Cswr_reg = 1234567;
    b.Cshv_reg = 2e-20;
    b.Cswr_pow = -0.5;
    b.Vbld_skmax = 0.0001434;
    b.Vbld_skmin = 13.7;
    b.Vbld_skneu = 0;
    b.Cbld_dia = 1e8;
    b.Cbld_strt = 0.0002;
    b.Density_bld = 1.06;
    b.T_skneu = 307.16;
    b.T_crneu = 310.16;
    b.T_bmneu = 309.16;
    b.cp_bld = 0.92;
    b.cp_bm = 0.83;
    b.IsMale = true;
    b.IsFemale = false;
    b.Age = 1;
    b.Race = 4;
    b.W_d = 70000;
    b.A_d = 18000.5;
    b.Height = 175;
    b.T_sk = 306.16;
    b.T_cr = 310.16;
    b.abs_sk = 0.6;
    b.k_b = 0.0002;
    b.RH_sk = 0.06;
    for (int i = 0; i < 20; ++i)
        m.FiringRate[i] = (i + 1) * 1.5;
    m.BodyDefined = true;
}

inline std::shared_ptr<FiberType> MakeFiber(const std::string& name, double diameter, double density,
                                            double emissivity, double vaporDiff, double angle, double k,
                                            TDoubleDynArray regain, TDoubleDynArray rh)
{
    auto f = std::make_shared<FiberType>();
    f->Name = name;
    f->Diameter = diameter;
    f->Density = density;
    f->Emissivity = emissivity;
    f->VaporDiff = vaporDiff;
    f->LiqConAngle = angle;
    f->TherConductivity = k;
    f->Regain = regain;
    f->RegainRH = rh;
    return f;
}

// Cotton (3 points), Wool (9: a second line of points), Polyester (16: two full lines).
inline void SetGoldenFibers(CaseModel& m)
{
    m.Fibers.clear();
    m.Fibers.push_back(MakeFiber("Cotton", 0.0015, 1.54, 0.9, 0.2, 0, 0.00061, Points({0, 0.045, 0.24}),
                                 Points({0, 0.5, 1})));
    m.Fibers.push_back(MakeFiber("Wool", 0.002, 1.31, 0.95, 0.25, 80, 0.00046,
                                 Points({0.01, 0.02, 0.03, 0.04, 0.05, 0.06, 0.07, 0.08, 0.09}),
                                 Points({0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9})));
    m.Fibers.push_back(MakeFiber("Polyester", 0.0012, 1.38, 0.9, 0.2, 75, 0.00033, Counting(16, 1),
                                 Counting(16, 0.0625)));
}

inline std::shared_ptr<MembraneType> MembraneNamed(const CaseModel& m, const std::string& name)
{
    for (const auto& r : m.Membranes)
        if (r->Name == name)
            return r;
    return nullptr;
}

inline std::shared_ptr<FiberType> FiberNamed(const CaseModel& m, const std::string& name)
{
    for (const auto& r : m.Fibers)
        if (r->Name == name)
            return r;
    return nullptr;
}

// "Goretex" before "OP", as a case shows them after a membrane was designed.
inline void SetGoldenMembranes(CaseModel& m)
{
    auto g = std::make_shared<MembraneType>();
    g->Name = "Goretex";
    g->Thickness = 0.003;
    g->WvpValues = Points({8000, 8500, 9000});
    g->WvpTemperatures = Points({283.16, 293.16, 303.16});
    g->TrValues = Counting(9, 0.25);
    g->TrTemperatures = Counting(9, 10);
    m.Membranes.clear();
    m.Membranes.push_back(g);
    AddDefaultMembrane(m.Membranes);
}

// A fabric without options, conductivity 0.05, no fibres and no membranes yet.
inline std::shared_ptr<FabricType> PlainFabric(const std::string& name)
{
    auto f = std::make_shared<FabricType>();
    f->Name = name;
    f->Porosity = 0.8;
    f->Emissivity = 0.9;
    f->TortuosGas = 1.2;
    f->Thickness = 0.05;
    f->CapAngle = 20;
    f->TortuosLqd = 1.1;
    f->ContactAngle = 60;
    f->Conductivity = 0.05;
    f->VaporDiffusion = 0.1;
    f->MaxDisCapDia = 0.001;
    f->MeanDiameter = 0.0005;
    return f;
}

// Plain (conductivity 0.05, no options), Treated (every option, conductivity 1500), Odd (-1).
inline void SetGoldenFabrics(CaseModel& m)
{
    m.Fabrics.clear();
    auto plain = PlainFabric("Plain");
    plain->MassRatios = Points({1});
    plain->Fibers = {FiberNamed(m, "Cotton")};
    plain->Membranes = {MembraneNamed(m, "OP"), MembraneNamed(m, "OP")};
    m.Fabrics.push_back(plain);

    auto treated = std::make_shared<FabricType>();
    treated->Name = "Treated";
    treated->Porosity = 0.75;
    treated->Emissivity = 0.85;
    treated->TortuosGas = 1.3;
    treated->Thickness = 0.08;
    treated->CapAngle = 25;
    treated->TortuosLqd = 1.2;
    treated->ContactAngle = 70;
    treated->Conductivity = 1500;
    treated->VaporDiffusion = 0.12;
    treated->MmfTreatment = true;
    treated->TopWetR = 0.1;
    treated->BottomWetR = 0.2;
    treated->TopWetTime = 3;
    treated->BottomWetTime = 4;
    treated->TopAngle = 30;
    treated->BottomAngle = 40;
    treated->TopWeight = 5;
    treated->BottomWeight = 6;
    treated->IsHeatingFabric = true;
    treated->HeatingLoad = 0.01;
    treated->SwitchOnTemperature = 30;
    treated->SwitchOffTemperature = 35;
    treated->HasPcm = true;
    treated->Pcm.Name = "Paraffin";
    treated->Pcm.Radius = 0.001;
    treated->Pcm.Density = 0.8;
    treated->Pcm.K_ml = 0.0004;
    treated->Pcm.K_ms = 0.0005;
    treated->Pcm.Ramda_m = 40;
    treated->Pcm.T_p = 28.5;
    treated->Pcm.h_T = 0.002;
    treated->PcmRatio = 0.15;
    treated->MaxDisCapDia = 0.002;
    treated->MeanDiameter = 0.001;
    treated->MassRatios = Points({0.6, 0.4});
    treated->Fibers = {FiberNamed(m, "Cotton"), FiberNamed(m, "Wool")};
    treated->Membranes = {MembraneNamed(m, "Goretex"), MembraneNamed(m, "OP")};
    m.Fabrics.push_back(treated);

    auto odd = std::make_shared<FabricType>();
    odd->Name = "Odd";
    odd->Porosity = 0.7;
    odd->Emissivity = 0.8;
    odd->TortuosGas = 1;
    odd->Thickness = 0.1;
    odd->TortuosLqd = 1;
    odd->Conductivity = -1;
    odd->Membranes = {MembraneNamed(m, "OP"), MembraneNamed(m, "Goretex")};
    m.Fabrics.push_back(odd);
}

inline GarmentLayerRow Row(const CaseModel& m, std::initializer_list<std::pair<int, const char*>> layers)
{
    GarmentLayerRow row;
    for (const auto& [j, name] : layers)
        for (const auto& f : m.Fabrics)
            if (f->Name == name) {
                row.Layers[static_cast<std::size_t>(j)] = f;
                row.HasFabric[static_cast<std::size_t>(j)] = true;
            }
    return row;
}

// Garment 1: tight, Plain in layer 2 only; garment 2: loose, Treated in 0 and Plain in 4.
inline void SetGoldenGarments(CaseFixture& c)
{
    c.Model.Layers.Rows = {Row(c.Model, {{2, "Plain"}}), Row(c.Model, {{0, "Treated"}, {4, "Plain"}})};
    c.Model.Layers.GarmentCount = 2;
    c.Model.GarmentList.GarmentCount = 2;
    c.Model.GarmentList.StyleIndex[0] = 3;
    c.Model.GarmentList.Fitting[0] = 3;
    c.Model.GarmentList.Coverage[0] = 0.4;
    c.Model.GarmentList.StyleIndex[1] = 0;
    c.Model.GarmentList.Fitting[1] = 1;
    c.Model.GarmentList.Coverage[1] = 0.3;
    c.Model.ClothingDefined = true;
}

inline std::shared_ptr<FabricMicroclimate> Microclimate(bool contact)
{
    auto m = std::make_shared<FabricMicroclimate>();
    m->InnerContact = contact ? "true" : "false";
    m->OuterContact = m->InnerContact;
    m->hc0 = m->hc1 = m->hph = 13.7;
    m->hm0 = m->hm1 = 0.019359;
    return m;
}

inline std::shared_ptr<StageType> Stage(const std::string& name, double outerT, double wind, double outerRH,
                                        double mr, double time)
{
    auto s = std::make_shared<StageType>();
    s->Name = name;
    s->InnerT_a = 33;
    s->OuterT_a = outerT;
    s->InnerRH = 0.06;
    s->OuterRH = outerRH;
    s->InnerVFL = s->OuterVFL = 2e-20;
    s->h_cC = s->h_cU = 0.000239;
    s->h_rC = s->h_rU = 0.0001434;
    s->MR = mr;
    s->Wind = wind;
    s->StageTime = time;
    return s;
}

// Stage1, and Stage2 cooling down, each with one microclimate per counted layer of the golden
// garments: the tight garment's, then the loose one's.
inline void SetGoldenStages(CaseFixture& c)
{
    auto s1 = Stage("Stage1", 20, 0.5, 0.65, 58.2, 1800);
    s1->OuterG_rad = 100;
    s1->Microclimates = {Microclimate(true), Microclimate(false)};
    auto s2 = Stage("Stage2", -5, 3, 0.8, 120, 600);
    s2->CoolDown = true;
    s2->CoolDownTime = 15;
    s2->Microclimates = {Microclimate(true), Microclimate(false)};
    c.Model.Stages = {s1, s2};
    c.Model.Activity.StageCount = 2;
    c.Model.Activity.ActivityIndex[0] = 2;
    c.Model.Activity.ActivityIndex[1] = 30;
    c.Model.Environment.StageCount = 2;
    c.Model.Environment.Place[0] = 1;
    c.Model.Environment.Place[1] = 2;
    c.Model.StagesDirty = false;
}

// Every part of the format in use: three fibres, two membranes, fabrics with every option,
// three garments, four stages with their own control ratios. The garment and stage values differ
// from their defaults and from each other (hand-written in "stages_control_distinct.sdf").
inline CaseFixture RichCase()
{
    CaseFixture c = FreshCase();
    SetGoldenBody(c.Model);
    SetGoldenFibers(c.Model);
    SetGoldenMembranes(c.Model);
    SetGoldenFabrics(c.Model);
    SetGoldenGarments(c);
    c.Model.Layers.Rows.push_back(Row(c.Model, {{0, "Odd"}, {1, "Plain"}, {2, "Treated"}, {5, "Odd"}}));
    c.Model.Layers.GarmentCount = 3;
    c.Model.GarmentList.GarmentCount = 3;
    c.Model.GarmentList.StyleIndex[2] = 20;
    c.Model.GarmentList.Fitting[2] = 2;
    c.Model.GarmentList.StyleIndex[1] = 7;
    c.Model.Body.Vbld_skneu = 0.00125;
    c.Model.Body.T_cr = 310.41;
    c.Model.Body.k_b = 0.00031;
    SetGoldenStages(c);
    // Five counted layers (one, one and three): five microclimates in every stage, their contacts
    // as a user may have set them.
    auto& s1 = c.Model.Stages[0]->Microclimates;
    s1.insert(s1.end(), {Microclimate(false), Microclimate(true), Microclimate(false)});
    auto& s2 = c.Model.Stages[1]->Microclimates;
    s2.insert(s2.end(), {Microclimate(false), Microclimate(false), Microclimate(true)});
    auto s3 = Stage("Stage3", 35.5, 0.75, 0.3, 200, 900);
    s3->Microclimates = {Microclimate(false), Microclimate(false), Microclimate(true), Microclimate(true),
                         Microclimate(false)};
    auto s4 = Stage("Warm down", 22, 1.25, 0.5, 80, 1200);
    s4->Microclimates = {Microclimate(true), Microclimate(false), Microclimate(false), Microclimate(true),
                         Microclimate(false)};
    c.Model.Stages.push_back(s3);
    c.Model.Stages.push_back(s4);
    c.Model.Activity.StageCount = 4;
    c.Model.Activity.ActivityIndex[2] = 11;
    c.Model.Activity.ActivityIndex[3] = 37;
    c.Model.Environment.StageCount = 4;
    c.Model.Environment.Place[2] = PlaceOutdoor;
    c.Model.Environment.Place[3] = 1;
    s4->CoolDown = true;
    s4->CoolDownTime = 7.5;
    // Every stage value of its own: unlike the builder's defaults, the other fields and the other
    // stages, so that a value stored in another field's or another stage's place shows.
    for (std::size_t s = 0; s < 4; ++s) {
        StageType& st = *c.Model.Stages[s];
        const double k = static_cast<double>(s);
        st.InnerT_a = 33.1 + k;
        st.InnerRH = 0.061 + k / 100;
        st.InnerG_rad = 10 + k;
        st.OuterG_rad = 100 + k;
        st.InnerVFL = (k + 1) * 1e-21;
        st.OuterVFL = (k + 1) * 1e-19;
        st.h_cC = 0.0002 + k / 1e5;
        st.h_cU = 0.0003 + k / 1e5;
        st.h_rC = 0.0004 + k / 1e5;
        st.h_rU = 0.0005 + k / 1e5;
        for (std::size_t n = 0; n < st.Microclimates.size(); ++n) {
            FabricMicroclimate& mc = *st.Microclimates[n];
            const double base = 10 * (k + 1) + static_cast<double>(n);
            mc.OuterContact = mc.InnerContact == "true" ? "false" : "true";
            mc.hc0 = base + 0.1;
            mc.hc1 = base + 0.2;
            mc.hph = base + 0.3;
            mc.hm0 = base / 1000 + 0.0004;
            mc.hm1 = base / 1000 + 0.0005;
        }
        c.Model.Control.ClothingCoverRatio[s] = 0.5 + 0.1 * k;
        c.Model.Control.MoistureTransferRatio[s] = 0.81 + 0.02 * k;
        c.Model.Control.HeatTransferRatio[s] = 0.74 - 0.05 * k;
    }
    c.Model.Control.TimeStep = 0.001;
    c.Model.Control.SaveFrequency = 30;
    c.Model.Control.SweatAccumulation = 5;
    c.Model.Control.ThicknessGrid = 7;
    c.Model.Control.RadiusGrid = 9;
    return c;
}

// The largest case the format allows: 50 stages, 50 garments with all six layers filled,
// 30 fabrics, 30 fibres with 16-point curves, 20 membranes; every index list's last entry in use.
inline CaseFixture MaximalCase()
{
    CaseFixture c = FreshCase();
    SetGoldenBody(c.Model);
    c.Model.Body.Age = AgeCount - 1;
    c.Model.Body.Race = RaceCount - 1;
    c.Model.Fibers.clear();
    for (int i = 0; i < 30; ++i)
        c.Model.Fibers.push_back(MakeFiber("Fiber " + std::to_string(i), 0.0015 + i * 1e-5, 1.3, 0.9, 0.2, 60,
                                           0.00061, Counting(16, 0.013), Counting(16, 1.0 / 16)));
    c.Model.Membranes.clear();
    for (int i = 0; i < 19; ++i) {
        auto m = std::make_shared<MembraneType>();
        m->Name = "Membrane " + std::to_string(i);
        m->Thickness = 0.003;
        m->WvpValues = Counting(8, 1234.5678);
        m->WvpTemperatures = Counting(8, 37.5);
        m->TrValues = Counting(8, 0.123456);
        m->TrTemperatures = Counting(8, 37.5);
        c.Model.Membranes.push_back(m);
    }
    AddDefaultMembrane(c.Model.Membranes);
    c.Model.Fabrics.clear();
    for (int i = 0; i < 30; ++i) {
        auto f = std::make_shared<FabricType>();
        f->Name = "Fabric " + std::to_string(i);
        f->Porosity = 0.8;
        f->Thickness = 0.05;
        f->Conductivity = i % 2 ? 1500 : 0.05;
        f->MmfTreatment = f->IsHeatingFabric = f->HasPcm = true;
        f->Pcm.Name = "PCM";
        f->MassRatios = Points({0.5, 0.3, 0.2});
        for (int j = 0; j < 3; ++j)
            f->Fibers.push_back(c.Model.Fibers[static_cast<std::size_t>((i + j) % 30)]);
        f->Membranes = {c.Model.Membranes[static_cast<std::size_t>(i % 20)], c.Model.Membranes[19]};
        c.Model.Fabrics.push_back(f);
    }
    for (int g = 0; g < MaxGarments; ++g) {
        GarmentLayerRow row;
        for (std::size_t j = 0; j < LayersPerGarment; ++j) {
            row.Layers[j] = c.Model.Fabrics[static_cast<std::size_t>(g + static_cast<int>(j)) % 30];
            row.HasFabric[j] = true;
        }
        c.Model.Layers.Rows.push_back(row);
        c.Model.GarmentList.StyleIndex[static_cast<std::size_t>(g)] = g % MaleStyleCount;
        c.Model.GarmentList.Fitting[static_cast<std::size_t>(g)] = 1 + g % 3;
        c.Model.GarmentList.Coverage[static_cast<std::size_t>(g)] = 0.5;
    }
    c.Model.Layers.GarmentCount = c.Model.GarmentList.GarmentCount = MaxGarments;
    for (int s = 0; s < MaxStages; ++s) {
        auto st = Stage("Stage" + std::to_string(s + 1), 20 + s * 0.1, 0.5, 0.65, 58.2, 1800);
        for (int m = 0; m < 3 * MaxGarments; ++m)
            st->Microclimates.push_back(Microclimate(m % 2 == 0));
        c.Model.Stages.push_back(st);
        c.Model.Activity.ActivityIndex[static_cast<std::size_t>(s)] = s % ActivityCount;
        c.Model.Environment.Place[static_cast<std::size_t>(s)] = 1;
    }
    c.Model.Activity.StageCount = c.Model.Environment.StageCount = MaxStages;
    c.Model.StagesDirty = false;
    return c;
}

// The first line where two file texts part, with both versions of it; empty when they are the
// same. Large files are compared this way: a failure that printed them whole would take minutes.
inline std::string FirstDifference(const std::string& a, const std::string& b)
{
    if (a == b)
        return std::string();
    std::size_t start = 0, line = 1;
    for (std::size_t i = 0; i < a.size() && i < b.size() && a[i] == b[i]; ++i)
        if (a[i] == '\n') {
            start = i + 1;
            ++line;
        }
    const auto at = [start](const std::string& t) { return t.substr(start, t.find('\n', start) - start); };
    return "line " + std::to_string(line) + ": [" + at(a) + "] against [" + at(b) + "]";
}

// What the Load command does with a text: the case changes only when the whole file parsed.
inline bool LoadText(const std::string& text, CaseFixture& c, bool maleWearer = false)
{
    CaseFileContents contents;
    if (!ParseCaseFile(text, contents, maleWearer))
        return false;
    ApplyCaseFile(contents, c.Model);
    return true;
}
