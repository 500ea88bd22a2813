#pragma once
// The one simulation case the application edits: record lists, fixed records, the case folder
// and the workflow flags. The main window holds it; dialogs write its members on OK.
#include <cstdint>
#include <string>
#include <vector>

#include "casemodel/environment.h"
#include "casemodel/records.h"

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

    std::uint8_t ModelCode = 0;      // 0 none, 1 thermoregulation, 2 PCM, 3 both
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

    void InitControlDefaults();
    void InitDefaultFluids();

private:
    std::string CaseDirectory;
};
