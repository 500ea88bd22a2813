// The player's playback arithmetic without a window: clock to time and frame, the stage under
// way, the colour scale of a range and the slots a frame paints. Clocks move in fractions and land
// on boundaries; thresholds and values are none of the player's defaults.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "results/io/playback.h"

namespace {

TEST(PlaybackTime, OnlyWholeSecondsCountAndNeverBackwards)
{
    EXPECT_EQ(ElapsedPlayMinutes(0.25, 1.2), 0.0);  // 0.95 s: not yet a second
    EXPECT_EQ(ElapsedPlayMinutes(0.25, 1.25), 1 / 60.0);
    EXPECT_EQ(ElapsedPlayMinutes(10.5, 100.75), 1.5);  // 90.25 s
    EXPECT_EQ(ElapsedPlayMinutes(100, 40), 0.0);        // a clock stepped back
}

TEST(PlaybackTime, TimeAndFrameLandOnBoundariesAndEndPastTheLastFrame)
{
    struct Row {
        double elapsed;
        int speed;
        double offset, step;
        long long playable;
        bool ended;
        double time;
        int frame;
    };
    const Row rows[] = {
        {1.5, 1, 0, 1, 120, false, 1.5, 1},                 // a fractional time within frame 1
        {1.5, 2, 0.25, 0.5, 120, false, 3.25, 6},           // speed times elapsed, then the offset
        {2, 3, 0.5, 0.25, 120, false, 6.5, 26},             // exactly on frame 26's first minute
        {2 - 1 / 60.0, 3, 0.5, 0.25, 120, false, 6.45, 25}, // a second before it
        {50, 0, 7.75, 1, 120, false, 7.75, 7},              // speed 0 holds the offset
        {9.75, 1, 0, 1, 10, false, 9.75, 9},                // within the last frame
        {10, 1, 0, 1, 10, true, 0, 0},                      // the first time past it
        {3, INT_MAX, 0, 1, 10, true, 0, 0},                 // far past: no overflow
        {5, 1, 0, 0, 1, false, 5, 0},                       // no frame step: frame 0
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "elapsed " << r.elapsed << " speed " << r.speed << " offset " << r.offset);
        const PlaybackPoint at = PlaybackAt(r.elapsed, r.speed, r.offset, r.step, r.playable);
        EXPECT_EQ(at.Ended, r.ended);
        EXPECT_NEAR(at.Time, r.time, 1e-9);
        EXPECT_EQ(at.Frame, r.frame);
    }
}

TEST(PlaybackTime, TimeLabelRoundsToTheSecond)
{
    const std::pair<double, const char*> rows[] = {
        {1.5, "01:30"},    {1.9999, "02:00"}, {119.25, "119:15"}, {0.5 / 60 - 1e-6, "00:00"},
        {0.5 / 60 + 1e-6, "00:01"}, {-0.25, "-00:15"}, {-0.001, "00:00"}, {1e20, "--:--"},
        {std::nan(""), "--:--"},
    };
    for (const auto& [minutes, text] : rows)
        EXPECT_EQ(PlayTimeText(minutes), text) << minutes;
}

TEST(PlaybackTime, TheStageUnderWayStartsAtItsFirstMinute)
{
    std::vector<EnvStage> stages(3);
    stages[1].Time = 12.5f;
    stages[2].Time = 40;
    const std::pair<float, int> rows[] = {{-0.25f, -1}, {0, 0},      {12.49f, 0}, {12.5f, 1},
                                          {39.75f, 1},  {40, 2},     {1e5f, 2}};
    for (const auto& [t, stage] : rows)
        EXPECT_EQ(StageUnderWay(stages, t), stage) << t;
    EXPECT_EQ(StageUnderWay({}, 5), -1);
}

using Rgb = std::array<float, 3>;
void ExpectRgb(const float* rgba, const Rgb& expected, const std::string& what)
{
    for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(rgba[c], expected[static_cast<std::size_t>(c)], 1e-5) << what << " channel " << c;
}

TEST(PlaybackColours, ThresholdsSpanTheRangeAndEachColourSitsOnItsOwn)
{
    float t[5];
    SpreadThresholds(12, 36, t);
    EXPECT_EQ(std::vector<float>(t, t + 5), (std::vector<float>{12, 18, 24, 30, 36}));
    // On each threshold, just under it, and between: blue, cyan, green, yellow, red.
    const std::pair<float, Rgb> rows[] = {
        {-5, {0, 0, 1}},  {11.99f, {0, 0, 1}}, {12, {0, 0, 1}},      {13.5f, {0, 0.25f, 1}}, {18, {0, 1, 1}},
        {21, {0, 1, 0.5f}}, {24, {0, 1, 0}},  {27, {0.5f, 1, 0}},   {30, {1, 1, 0}},       {35.25f, {1, 0.125f, 0}},
        {35.99f, {1, 0.0016667f, 0}}, {36, {1, 0, 0}}, {1e9f, {1, 0, 0}},
    };
    for (const auto& [value, rgb] : rows) {
        float rgba[4] = {9, 9, 9, 0.25f};
        ThresholdColor(t, value, rgba);
        ExpectRgb(rgba, rgb, "value " + std::to_string(value));
        EXPECT_EQ(rgba[3], 0.25f) << "alpha is left alone";
    }

    // A flat result: blue just under its one value, red on it, no division by zero.
    SpreadThresholds(20, 20, t);
    float rgba[4];
    ThresholdColor(t, 19.99f, rgba);
    ExpectRgb(rgba, {0, 0, 1}, "under a flat range");
    ThresholdColor(t, 20, rgba);
    ExpectRgb(rgba, {1, 0, 0}, "on a flat range");

    // The legend from the top (t4) down; fixed point only above 1.
    SpreadThresholds(-2, 6, t);
    EXPECT_EQ(LegendValueText(t, 0), "6.0");
    EXPECT_EQ(LegendValueText(t, 3), "0.0");
    EXPECT_EQ(LegendValueText(t, 4), "-2.0");
    SpreadThresholds(0.5f, 1, t);
    EXPECT_EQ(LegendValueText(t, 1), "8.8e-01");
    SpreadThresholds(0.5f, 1.25f, t);
    EXPECT_EQ(LegendValueText(t, 1), "1.1");
    SpreadThresholds(0, 1e30f, t);
    EXPECT_EQ(LegendValueText(t, 0), "1000000015047466219876688855040.0");  // whole, not overrun
}

TEST(PlaybackColours, AFramePaintsEachSlotFromItsOwnFieldAndTheStageUnderWay)
{
    float t[5];
    SpreadThresholds(12, 36, t);
    // Stage 0 from minute 0 (15 degrees, 33 %), stage 1 from minute 12.5 (21 degrees, 27 %).
    std::vector<EnvStage> stages(2);
    stages[0].Temperature = 15;
    stages[0].Humidity = 33;
    stages[1] = {12.5f, 21, 27, 10};
    const Rgb untouched = {7, 8, 9}, red = {1, 0, 0}, blue = {0, 0, 1}, green = {0, 1, 0}, yellow = {1, 1, 0};
    struct Row {
        int mode;
        float time;
        Rgb environment, body, core;
    };
    // Skin 36 (red), core 12 (blue), skin humidity 24 (green), sweating 30 (yellow).
    const Row rows[] = {
        {0, 12.5f, {0, 1, 0.5f}, red, blue},      // on stage 1's first minute
        {0, 12.25f, {0, 0.5f, 1}, red, blue},     // just before it
        {0, -0.5f, untouched, red, blue},         // before any stage
        {1, 12.5f, {0.5f, 1, 0}, green, untouched},
        {1, 12.25f, {1, 0.5f, 0}, green, untouched},
        {2, 12.5f, untouched, yellow, untouched},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "mode " << r.mode << " at " << r.time);
        ColorSlotArray slots;
        for (auto& slot : slots)
            std::copy(untouched.begin(), untouched.end(), slot);
        ColorFrameSlots(r.mode, FrameRow{r.time, 36, 12, 24, 30}, stages, t, slots);
        ExpectRgb(slots[ColorSlotIndex::Environment], r.environment, "environment");
        ExpectRgb(slots[ColorSlotIndex::Body], r.body, "body");
        ExpectRgb(slots[ColorSlotIndex::Core], r.core, "core");
        for (int s = ColorSlotIndex::Style0; s < ColorSlotIndex::Count; ++s)
            ExpectRgb(slots[s], untouched, "garment style " + std::to_string(s - ColorSlotIndex::Style0));
    }
    EXPECT_EQ(GarmentStyleSlot(-1), ColorSlotIndex::Style0);
    EXPECT_EQ(GarmentStyleSlot(2), ColorSlotIndex::Style0 + 2);
    EXPECT_EQ(GarmentStyleSlot(4), ColorSlotIndex::Style0 + 3);
}

TEST(PlaybackColours, ANodeTakesItsFramesTemperatureOrHumidityPacked)
{
    float t[5];
    SpreadThresholds(12, 36, t);
    // Two nodes per frame; each row's humidity (field 3) and temperature (field 4) differ.
    LayerBuffers layers(2);
    layers[1] = {{0, 0, 1, 33, 15}, {0, 0.1f, 1, 27, 21}, {1, 0, 1, 18, 24}, {1, 0.1f, 1, 12, 36}};
    auto packed = [&](int layer, int frame, int node, int mode) {
        float rgba[4] = {9, 9, 9, 1};
        const bool held = LayerNodeColor(layers, 2, layer, frame, node, mode, t, rgba);
        EXPECT_EQ(held, PackedColor(rgba) != 0) << "layer " << layer << " frame " << frame << " node " << node;
        return PackedColor(rgba);
    };
    EXPECT_EQ(packed(1, 1, 0, 0), 255 * 256);                // 24 degrees: green
    EXPECT_EQ(packed(1, 1, 0, 1), 255 * 256 + 255 * 65536);  // 18 %: cyan
    EXPECT_EQ(packed(1, 1, 1, 0), 255);                      // 36 degrees: red
    EXPECT_EQ(packed(1, 0, 0, 0), 127 * 256 + 255 * 65536);  // 15: halfway to cyan, truncated
    EXPECT_EQ(packed(1, 0, 1, 1), 127 + 255 * 256);          // 27 %: halfway to yellow
    // What the data do not hold is black: the node past the frame's last (not node 0 of the
    // next frame), a frame past the last, a layer outside the buffers, and the sweating rate.
    for (auto [layer, frame, node, mode] : {std::array{1, 0, 2, 0}, std::array{1, 2, 0, 0},
                                            std::array{-1, 0, 0, 0}, std::array{2, 0, 0, 0}, std::array{1, 1, 0, 2}})
        EXPECT_EQ(packed(layer, frame, node, mode), 0);
}

} // namespace
