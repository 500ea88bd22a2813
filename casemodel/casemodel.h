#pragma once
// The one simulation case the application edits: record lists, fixed records, the per-stage and
// per-garment arrays, the case folder and the workflow flags. The main window owns it. Most
// dialogs edit a copy of what they show and write it back on OK; the material library dialogs
// (fibre, membrane, fabric) change the case's lists at once, on Add, Update and Delete. The
// data-file writer, reader and the stage builder take it whole.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "casemodel/dialogstate.h"
#include "casemodel/environment.h"
#include "casemodel/records.h"

// The models a case switches on (ModelCode).
constexpr std::uint8_t ModelNone = 0;
constexpr std::uint8_t ModelBody = 1;        // human thermoregulation
constexpr std::uint8_t ModelPCM = 2;         // phase-change material
constexpr std::uint8_t ModelBodyAndPCM = 3;

// What a fresh case gives every stage's control ratios, and an added stage its heat and moisture
// ratios.
constexpr double DefaultStageRatio = 0.9;
// An added stage's air temperature, humidity and wind: nothing typed yet.
constexpr double NoEnvironmentValue = 0;

// Row i after an edit of a list whose entry i was entry from[i] before it (-1 for an added
// entry): row from[i] of `before`, or `empty` for an added entry, a place without a row, or an i
// past the new list's end.
template <class Rows, class T>
T RowFrom(const Rows& before, const std::vector<int>& from, std::size_t i, const T& empty)
{
    const int k = i < from.size() ? from[i] : -1;
    return k >= 0 && static_cast<std::size_t>(k) < before.size() ? before[static_cast<std::size_t>(k)] : empty;
}

// After the schedule was edited, entry i of the new list is entry from[i] of the list before it
// (-1 for an added entry): each row goes to its entry's new place. An added entry's row, and
// every row past the new list's end, becomes `empty`; a deleted entry's row is gone.
template <class T>
void RearrangeRows(std::array<T, MaxStages>& rows, const std::vector<int>& from, const T& empty)
{
    const std::array<T, MaxStages> before = rows;
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = RowFrom(before, from, i, empty);
}

class CaseModel {
public:
    CaseModel();

    // Lists of owned records.
    TList<FluidType> Fluids;         // item 0 the gas, item 1 the liquid
    TList<FiberType> Fibers;
    TList<MembraneType> Membranes;
    TList<FabricType> Fabrics;
    TList<StageType> Stages;

    BodyParameters Body;
    FiringRateCoefficients FiringRate;
    ControlParameters Control;
    RoomParameters Room;
    SelfHeatingParameters SelfHeating;
    InitialConditions Initial;
    PCMType PCM;
    GarmentType Garments;

    // The activity schedule, the environment of each stage, the garments' styles and fits, and
    // the fabric layers of every garment.
    ActivitySchedule Activity;
    EnvironmentTable Environment;
    GarmentSet GarmentList;
    LayerRows Layers;

    std::uint8_t ModelCode = ModelNone;
    bool BodyModelOn() const { return ModelCode == ModelBody || ModelCode == ModelBodyAndPCM; }
    bool PCMModelOn() const { return ModelCode == ModelPCM || ModelCode == ModelBodyAndPCM; }
    bool RoomModel = false;
    bool SelfHeatingModel = false;

    std::string ProjectName;
    int ScreenWidth = 0;
    int ScreenHeight = 0;

    std::vector<CEnvironment> InnerEnvironments;
    std::vector<CEnvironment> OuterEnvironments;
    std::vector<TBooleanDynArray> ContactFlags;

    int SelectedTreeLayer = 0;
    int ActivationCount = 0;

    // Workflow flags.
    bool FluidDefined = false;
    bool FiberDefined = false;
    bool MembraneDefined = false;
    bool FabricDefined = false;
    bool PCMDefined = false;
    bool ActivityDefined = false;
    bool EnvironmentDefined = false;
    bool BodyDefined = false;
    bool ClothingDefined = false;
    bool ControlDefined = false;
    bool InitialDefined = false;
    bool RoomDefined = false;
    bool SelfHeatingDefined = false;
    bool BoundaryDefined = false;
    bool StagesShown = false;
    bool StagesDirty = true;
    bool BoundaryEnabled = false;    // nothing ever sets it
    bool BoundaryShortcut = false;
    bool CaseSaved = false;
    bool ResultsAvailable = false;
    bool FiberFirstOpen = true;
    bool MembraneFirstOpen = true;
    bool FabricFirstLoad = true;
    bool ControlStale = true;
    bool StagesUnnamed = true;

    // Folder of the case and of its result files; always ends with one path separator.
    const std::string& CaseDir() const { return CaseDirectory; }
    void SetCaseDir(const std::string& folder);

    // What a new case holds: the body model switched on, the control defaults, the two default
    // fluids and the open membrane "OP" that fabric sides without a membrane refer to.
    void InitFreshCase();
    void InitControlDefaults();
    void InitDefaultFluids();

    // Makes every per-stage value the case keeps for a schedule entry follow the entry (see
    // RearrangeRows): the environment rows and the heat and moisture ratios of the control
    // values. The stages themselves are rebuilt from these rows, and the rebuild derives the
    // cover ratios from the clothing, so neither is moved here.
    void RearrangeStageRows(const std::vector<int>& from);

private:
    std::string CaseDirectory;
};

// The layer rows after an edit of the garment list, so that each garment keeps its layers: row n
// is the row of the garment that stood at place from[n] before the edit; a new garment (-1, or a
// place without a row) gets a row with no layer filled.
std::vector<GarmentLayerRow> RowsFollowingGarments(const std::vector<GarmentLayerRow>& rows,
                                                   const std::vector<int>& from);
