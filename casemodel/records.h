#pragma once
// Record types of a simulation case. Plain structures: whoever fills a record converts units.
// Lengths in cm, masses in g, energies in cal, times in s; temperatures marked K are
// degrees Celsius + 273.16.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "casemodel/dynarray.h"

// An ordered list of records. Records are shared so that a fabric can refer to fibres of the
// case library (and a garment layer to a fabric) without dangling when a list is reloaded.
template <class T>
using TList = std::vector<std::shared_ptr<T>>;

constexpr double KelvinOffset = 273.16;
constexpr int MaxStages = 50;
constexpr int MaxGarments = 50;
constexpr int LayersPerGarment = 6;

struct FluidType {
    double Density = 0;
    double DynaViscosity = 0;
    double SpecHeat = 0;
    double SurfaceTension = 0;
    double DiffuseCoeff = 0;
    double TherConductivity = 0;
    std::string Name;
};

struct FiberType {
    std::string Name;
    double Diameter = 0;
    double Density = 0;
    double Emissivity = 0;
    double VaporDiff = 0;
    double LiqConAngle = 0;
    double TherConductivity = 0;
    TDoubleDynArray Regain;
    TDoubleDynArray RegainRH;  // fractions 0..1
};

struct MembraneType {
    std::string Name;
    double Thickness = 0;
    TDoubleDynArray WvpValues;
    TDoubleDynArray WvpTemperatures;  // K
    TDoubleDynArray TrValues;
    TDoubleDynArray TrTemperatures;   // K
};

struct PCMType {
    std::string Name;
    double Radius = 0;
    double Density = 0;
    double K_ml = 0;
    double K_ms = 0;
    double Ramda_m = 0;
    double T_p = 0;
    double h_T = 0;
};

struct FabricType {
    std::string Name;
    double Porosity = 0;
    double Emissivity = 0;
    double TortuosGas = 0;
    double Thickness = 0;
    double CapAngle = 0;
    double TortuosLqd = 0;
    double Conductivity = 0;
    double MaxDisCapDia = 0;
    double MeanDiameter = 0;
    double VaporDiffusion = 0;
    TList<FiberType> Fibers;          // refers to records of the case's fibre library
    TDoubleDynArray MassRatios;       // fractions, same order as Fibers
    TList<MembraneType> Membranes;    // item 0 inner, item 1 outer
    PCMType Pcm;                      // owned copy
    double PcmRatio = 0;              // fraction
    bool HasPcm = false;
    bool MmfTreatment = false;
    double TopWetR = 0, BottomWetR = 0, TopWetTime = 0, BottomWetTime = 0;
    double TopAngle = 0, BottomAngle = 0, TopWeight = 0, BottomWeight = 0;
    double ContactAngle = 0;
    bool IsHeatingFabric = false;
    double HeatingLoad = 0;
    double SwitchOnTemperature = 0;
    double SwitchOffTemperature = 0;
};

// A fabric's mean fibre diameter as the fabric dialog derives it when it reads the fabric: the
// average of its fibres' diameters, 0 without fibres.
double MeanFiberDiameter(const FabricType& fabric);

// One garment of the fabric-layer dialog: six layers, each with or without a fabric.
struct GarmentLayerRow {
    std::array<std::shared_ptr<FabricType>, LayersPerGarment> Layers{};
    std::array<bool, LayersPerGarment> HasFabric{};
    // The layer holds a fabric: marked so and given one. Only such a layer is written with its
    // fabric, so only such a layer gives a microclimate.
    bool Holds(std::size_t layer) const { return HasFabric[layer] && Layers[layer] != nullptr; }
};

// Takes the fabric out of every layer that holds it, leaving those layers without fabric; true
// when any did.
bool TakeFabricOutOfLayers(std::vector<GarmentLayerRow>& rows, const FabricType& fabric);

// A garment's layer, both counted from 0.
struct LayerPlace {
    int Garment = 0;
    int Layer = 0;
    bool operator<(const LayerPlace& o) const { return Garment != o.Garment ? Garment < o.Garment : Layer < o.Layer; }
    bool operator==(const LayerPlace& o) const { return Garment == o.Garment && Layer == o.Layer; }
};
// The layers that hold the fabric, garment by garment.
std::vector<LayerPlace> LayersHolding(const std::vector<GarmentLayerRow>& rows, const FabricType& fabric);

struct FabricMicroclimate {
    std::string InnerContact = "true";
    std::string OuterContact = "true";
    double hc0 = 0, hc1 = 0, hm0 = 0, hm1 = 0, hph = 0;
};

struct StageType {
    double InnerT_a = 0, OuterT_a = 0;   // degrees Celsius
    double InnerRH = 0, OuterRH = 0;     // fractions
    double InnerVFL = 0, OuterVFL = 0;
    double InnerG_rad = 0, OuterG_rad = 0;
    double h_cC = 0, h_cU = 0, h_rC = 0, h_rU = 0;
    double MR = 0;
    double Wind = 0;
    bool CoolDown = false;
    double CoolDownTime = 0;             // minutes
    double StageTime = 0;
    TList<FabricMicroclimate> Microclimates;
    std::string Name;                    // "Stage" followed by its number from 1
};

struct BodyParameters {
    double Cswr_max = 0, Cswr_reg = 0, Cswr_pow = 0, Cshv_reg = 0;
    double Vbld_skmax = 0, Vbld_skmin = 0, Vbld_skneu = 0;
    double Cbld_dia = 0, Cbld_strt = 0, Density_bld = 0;
    double T_skneu = 0, T_crneu = 0, T_bmneu = 0;   // K
    double cp_bld = 0, cp_bm = 0;
    double W_d = 0;       // g
    double A_d = 0;       // cm2
    double Height = 0;    // cm
    double T_sk = 0, T_cr = 0;  // K
    double abs_sk = 0, k_b = 0;
    double RH_sk = 0;     // fraction
    bool IsMale = false, IsFemale = false;
    int Age = 0;          // 0 Child, 1 Adult, 2 Elderly
    int Race = 0;         // 0 Caucasian people .. 5 Other
};

// Slots: 0-3 skin K_static, 4-7 skin K_dynamic, 8-11 skin constants, 12-15 core K_static,
// 16-19 core constants; within each group warm range 1, warm range 2, cold range 1, cold range 2.
struct FiringRateCoefficients {
    std::array<double, 20> Values{};
    double& operator[](int i) { return Values.at(static_cast<std::size_t>(i)); }
    double operator[](int i) const { return Values.at(static_cast<std::size_t>(i)); }
};

struct ControlParameters {
    double TimeStep = 0;
    double SaveFrequency = 0;
    std::array<double, MaxStages> ClothingCoverRatio{};
    std::array<double, MaxStages> MoistureTransferRatio{};
    std::array<double, MaxStages> HeatTransferRatio{};
    double ThicknessGrid = 0;
    double RadiusGrid = 0;
    double SweatAccumulation = 0;  // minutes
};

struct RoomParameters {
    double Volume = 0, SurfaceArea = 0, CoolingLoad = 0;
    double MinControlTemperature = 0, MaxControlTemperature = 0;
    double AirDensity = 0, AirSpecificHeat = 0;
};

struct SelfHeatingParameters {
    double HeatingLoad = 0, MinControlTemperature = 0, MaxControlTemperature = 0;
    double ControlTemperatureWithPCM = 0, ControlTimeCoefficient = 0, HeatingLoadWithPCM = 0;
};

struct InitialConditions {
    double InnerTemperature = 0, OuterTemperature = 0;  // K
    double InnerRH = 0, OuterRH = 0;                    // fractions
};

struct GarmentType {
    std::vector<void*> Items;  // never filled
    std::string Name;
};

// The membrane "OP" (open: no membrane) that stands in for a fabric side without one.
std::shared_ptr<MembraneType> MakeDefaultMembrane();
// Appends "OP" to the list.
void AddDefaultMembrane(TList<MembraneType>& membranes);
