#pragma once
// What the plot windows share: the plot window builds it, the colour selection writes the
// gradient, the 2D image reads the points, ranges and the chosen section. Plain data: no window
// reads another's controls.
#include <string>

#include "results/io/plotfiles.h"

// Colours as the desktop toolkit writes them: blue x 65536 + green x 256 + red.
constexpr int ColorBlue = 0xFF0000;
constexpr int ColorRed = 0x0000FF;

struct PlotGradient {
    int Color1 = ColorBlue;  // at the low end of the colour axis
    int Color2 = ColorRed;   // at the high end
    int Axis = 0;             // 0 along the value, 1 along the time, 2 along the position
    bool operator==(const PlotGradient& o) const
    {
        return Color1 == o.Color1 && Color2 == o.Color2 && Axis == o.Axis;
    }
};

struct PlotState {
    PlotGradient Gradient;
    PlotData Data;  // points, row count, ranges, nodes per block of the last load
    PlotTicks Ticks;
    std::string TimeTitle = "Time (min.)";
    std::string PosTitle = "Thickness (cm)";
    std::string ValueTitle;
    // The 2D section: 0 across the thickness at the chosen time, 1 over time at the chosen
    // position.
    int SectionMode = 0;
    std::string ChosenTime = "0.0";
    std::string ChosenPosition;
    // The quantity and the file of the tab the section is taken on, for the 2D image's titles.
    std::string SectionQuantity;
    std::string SectionFile;
    // Set by any window that changed what the plot shows; the plot window redraws and clears it.
    bool NeedsRepaint = true;
};

// The plot window as the result directory window sees it.
class ResultFolderReceiver {
public:
    virtual ~ResultFolderReceiver() = default;
    // Takes over an opened folder. A record whose FabricsFound is false opens nothing: the
    // window only goes back to its first tab with no quantity chosen.
    virtual void OpenResultFolder(const ResultFolder& folder) = 0;
    // Something changed that the plot may show.
    virtual void RequestRepaint() = 0;
};
