#pragma once
// The 3D player as the windows it opens see it: the cross-section window reads the frame it
// draws, the data window hands over the result folder it read. Neither includes the player, and
// neither keeps a player that has been closed.
#include <filesystem>

#include "results/io/resultfiles.h"

// What the cross-section draws of the player's current frame, under the player's names.
struct CrossSectionFrame {
    int ViewState = 0;      // below 2 nothing plays
    int ColorMode = 0;      // 0 temperature, 1 humidity, 2 sweating rate
    int BodyLoaded = 0;
    int SelectedLayer = 0;  // layers 1 .. SelectedLayer get a ring; 0 none chosen
    int NodesPerFrame = 0;  // nodes across one layer
    float BodyColor[4] = {0, 0, 0, 0};
    float CoreColor[4] = {0, 0, 0, 0};
};

// The player as the cross-section window sees it.
class CrossSectionSource {
public:
    virtual ~CrossSectionSource() = default;
    virtual CrossSectionFrame CrossSection() const = 0;
    // Colour of node n of layer L at the current frame, red + 256 green + 65536 blue; black for
    // a node the data do not hold.
    virtual int GetNodeColor(int layer, int node) const = 0;
    // The cross-section window has closed (close box, Escape or the player's own untick), so
    // the player's box that shows it must no longer be ticked.
    virtual void CrossSectionClosed() = 0;
};

// The player as the data window sees it.
class ResultDataReceiver {
public:
    virtual ~ResultDataReceiver() = default;
    // Takes over the result files of folder, with the environment already read there, and
    // reports the outcome itself.
    virtual void LoadResultData(const std::filesystem::path& folder, const EnvironmentData& environment) = 0;
};
