#pragma once
// Per-stage and per-garment arrays of the case: the activity schedule, the environment rows, the
// garments and their fabric layers. The case object holds one of each; the dialogs that edit
// them work on copies and write them back on OK.
#include <array>
#include <vector>

#include "casemodel/records.h"

struct ActivitySchedule {
    int StageCount = 0;
    std::array<double, MaxStages> MetabolicRate{};
    std::array<double, MaxStages> Duration{};
    std::array<int, MaxStages> ActivityIndex{};
    bool ScheduleChanged = false;
};

// Where a stage takes place, as the data file stores it.
constexpr double PlaceNone = 0;
constexpr double PlaceIndoor = 1;
constexpr double PlaceOutdoor = 2;

struct EnvironmentTable {
    int StageCount = 0;
    std::array<double, MaxStages> Temperature{};
    std::array<double, MaxStages> RH{};
    std::array<double, MaxStages> Wind{};
    std::array<double, MaxStages> Place{};  // PlaceNone, PlaceIndoor or PlaceOutdoor
};

struct GarmentSet {
    int GarmentCount = 0;
    std::array<int, MaxGarments> StyleIndex{};
    std::array<double, MaxGarments> Coverage{};
    std::array<int, MaxGarments> Fitting{};
};

struct LayerRows {
    int GarmentCount = 0;
    std::vector<GarmentLayerRow> Rows;
};
