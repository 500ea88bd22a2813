#pragma once
// Per-stage and per-garment arrays that dialogs keep for themselves. Each dialog owns one of
// these (as a base, so the members keep their names on the window); the data-file writer and
// reader and the stage builder take them as arguments and run without any window.
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

struct EnvironmentTable {
    int StageCount = 0;
    std::array<double, MaxStages> Temperature{};
    std::array<double, MaxStages> RH{};
    std::array<double, MaxStages> Wind{};
    std::array<double, MaxStages> Place{};  // 0 none, 1 indoor, 2 outdoor
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
