#pragma once
// Synthetic result sets: the files the solver leaves in a result folder, computed from a simple
// deterministic model of a clothed wearer, so the result windows can be tried and tested
// without running the solver.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "results/io/resultfiles.h"

enum class ResultSetSize {
    Minimal,    // two time blocks, one garment of two thin layers
    Realistic,  // 120 frames, two garments with five layers of 8 nodes, three stages
    Large,      // about 30 MB, for measuring the readers
};

// "minimal", "realistic" or "large".
bool ParseResultSetSize(std::string_view name, ResultSetSize& size);

struct ResultSetShape {
    int BodyModel = 0;                   // 0 man, 1 woman
    std::vector<GarmentEntry> Garments;  // their layers, in order, are the layers of "Fabrics.dat"
    std::vector<EnvStage> Stages;        // temperature, humidity, duration
    int Frames = 2;                      // rows of "BodyProperty.dat" = time blocks of the others
    double FrameStep = 1.0;              // minutes between frames
    int NodesPerLayer = 3;               // rows of one layer in one time block
    int FiberNodes = 3;                  // rows of one time block of a fibre file
    int LayerCount() const;
};

ResultSetShape ShapeOf(ResultSetSize size);

// The names of the fibre files a set of this shape has ("fabric1_fiber_1.dat", ...).
std::vector<std::string> FiberFileNames(const ResultSetShape& shape);

// Writes "Environment.dat", "BodyProperty.dat", "Fabrics.dat", the fibre files, "Comfort.dat"
// and "simulation.sdf" into folder (created when missing). Returns an empty text on success,
// otherwise what failed.
std::string WriteResultSet(const std::filesystem::path& folder, const ResultSetShape& shape);
