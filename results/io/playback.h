#pragma once
// The 3D player's playback arithmetic, kept apart from the window so that it is checked without
// a display: the time and frame the clock has reached, the environment stage under way, the
// colour scale spread over a quantity's range, the colour of a value on it, and which colour
// slot each value of a frame paints. The player (results/frmmain.cpp) holds the state and calls
// these; it does no sum of its own.
#include <string>
#include <vector>

#include "results/io/resultfiles.h"

// ---- Clock and frame

// The whole seconds from start to now, as minutes: steps between two whole seconds show the same
// frame. Never negative, so a clock stepped back plays from the start.
double ElapsedPlayMinutes(double startSeconds, double nowSeconds);

// Where a playback stands: speed simulated minutes per elapsed minute, on from offset minutes,
// with a frame every frameStep minutes and playable frames to show.
struct PlaybackPoint {
    bool Ended = false;  // past the last frame (time and frame then 0)
    double Time = 0;     // simulated minutes
    int Frame = 0;       // the frame the time falls in
};
PlaybackPoint PlaybackAt(double elapsedMinutes, int speed, double offsetMinutes, double frameStep, long long playable);

// The time label for t minutes: whole minutes and seconds, rounded to the second ("02:00" for
// 1.9999), "--:--" for a time no label can hold.
std::string PlayTimeText(double minutes);

// The stage under way at t minutes: the last one that started at or before t; -1 when none has.
int StageUnderWay(const std::vector<EnvStage>& stages, float t);

// ---- Colours

// The player's colour slots (rgba each): the environment, the body, the core, then one per
// garment style 0..3.
struct ColorSlotIndex {
    static constexpr int Environment = 0, Body = 1, Core = 2, Style0 = 3, Count = 7;
};
using ColorSlotArray = float[ColorSlotIndex::Count][4];

// The five thresholds t0..t4 spread evenly over low .. high.
void SpreadThresholds(float low, float high, float thresholds[5]);

// Sets the rgb of rgba (alpha untouched) from value by the thresholds: blue, cyan, green, yellow
// and red at t0..t4, linear in between; blue below t0, red from t4 on.
void ThresholdColor(const float thresholds[5], float value, float* rgba);

// An rgb as one number, red + 256 green + 65536 blue, each channel truncated from channel x 255.
int PackedColor(const float* rgba);

// Legend label k (0 = t4 at the top .. 4 = t0): "%2.1f" when t4 > 1, else "%2.1e".
std::string LegendValueText(const float thresholds[5], int k);

// The slot of a garment style (styles outside 0..3 take the nearest).
int GarmentStyleSlot(int style);

// Colours the slots a frame's body row and environment paint in a colour mode (0 temperature,
// 1 humidity, 2 sweating rate): temperature paints the body from the skin temperature and the
// core from the core temperature, humidity the body from the skin's humidity, the sweating rate
// the body from its own field. For temperature and humidity the environment takes the stage under
// way at the frame's time; before any stage, and in sweating-rate mode, it keeps its colour.
void ColorFrameSlots(int mode, const FrameRow& body, const std::vector<EnvStage>& stages,
                     const float thresholds[5], ColorSlotArray& slots);

// The colour of node n of layer buffer L at a frame in a colour mode (a layer row's temperature,
// field 4, or humidity, field 3); false and black for a node the data do not hold or the
// sweating-rate mode, which has no fabric value.
bool LayerNodeColor(const LayerBuffers& layers, int nodesPerFrame, int layer, int frame, int node, int mode,
                    const float thresholds[5], float* rgba);
