#pragma once
// The main window's flow chart as its pictures are drawn for it: where each step button sits
// on the chart (indexed by step: activity, environment, garment, body, simulation, results),
// and the version the window and the pictures show. Plain numbers, so the asset generators
// share them with the window.
struct TChartRect {
    int Left, Top, Width, Height;
};

constexpr TChartRect StepButtonPlaces[6] = {{56, 36, 131, 53},   {96, 115, 132, 57}, {172, 280, 142, 57},
                                            {144, 205, 133, 57}, {224, 377, 133, 52}, {232, 456, 129, 57}};
// The steps in the order the chart connects them (body before garment).
constexpr int StepFlowOrder[6] = {0, 1, 3, 2, 4, 5};

constexpr const char* VersionText = "1.34";
