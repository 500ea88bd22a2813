#include "results/io/playback.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

double ElapsedPlayMinutes(double startSeconds, double nowSeconds)
{
    return std::max(0.0, std::floor(nowSeconds - startSeconds)) / 60.0;
}

PlaybackPoint PlaybackAt(double elapsedMinutes, int speed, double offsetMinutes, double frameStep, long long playable)
{
    PlaybackPoint point;
    const double time = static_cast<double>(speed) * elapsedMinutes + offsetMinutes;
    // Decided before any conversion to an integer: a huge speed or a tiny frame step ends the
    // playback instead of overflowing the frame number.
    const double frame = frameStep > 0 ? time / frameStep : 0.0;
    if (!(frame < static_cast<double>(playable))) {
        point.Ended = true;
        return point;
    }
    point.Time = time;
    point.Frame = frame > 0 ? static_cast<int>(frame) : 0;
    return point;
}

std::string PlayTimeText(double minutes)
{
    // Rounded to the whole second first, so 1.9999 minutes carries into "02:00".
    const bool negative = minutes < 0;
    const double seconds = std::round(std::fabs(minutes) * 60);
    if (!std::isfinite(seconds) || seconds > 1e15)
        return "--:--";
    const long long total = static_cast<long long>(seconds);
    char text[48];
    std::snprintf(text, sizeof text, "%s%02lld:%02lld", negative && total ? "-" : "", total / 60, total % 60);
    return text;
}

int StageUnderWay(const std::vector<EnvStage>& stages, float t)
{
    for (std::size_t i = stages.size(); i-- > 0;)
        if (stages[i].Time <= t)
            return static_cast<int>(i);
    return -1;
}

void SpreadThresholds(float low, float high, float thresholds[5])
{
    for (int k = 0; k < 5; ++k)
        thresholds[k] = low + static_cast<float>(k) * (high - low) * 0.25f;
}

void ThresholdColor(const float thresholds[5], float v, float* rgba)
{
    const float* t = thresholds;
    float r, g, b;
    if (v < t[0]) {
        r = 0; g = 0; b = 1;
    } else if (v < t[1]) {
        r = 0; g = (v - t[0]) / (t[1] - t[0]); b = 1;
    } else if (v < t[2]) {
        r = 0; g = 1; b = 1 - (v - t[1]) / (t[2] - t[1]);
    } else if (v < t[3]) {
        r = (v - t[2]) / (t[3] - t[2]); g = 1; b = 0;
    } else if (v < t[4]) {
        r = 1; g = 1 - (v - t[3]) / (t[4] - t[3]); b = 0;
    } else {
        r = 1; g = 0; b = 0;
    }
    rgba[0] = r;
    rgba[1] = g;
    rgba[2] = b;
}

int PackedColor(const float* rgba)
{
    const int r = static_cast<int>(rgba[0] * 255), g = static_cast<int>(rgba[1] * 255),
              b = static_cast<int>(rgba[2] * 255);
    return r + 256 * g + 65536 * b;
}

std::string LegendValueText(const float thresholds[5], int k)
{
    char text[64];
    std::snprintf(text, sizeof text, thresholds[4] > 1 ? "%2.1f" : "%2.1e", double(thresholds[4 - std::clamp(k, 0, 4)]));
    return text;
}

int GarmentStyleSlot(int style)
{
    return ColorSlotIndex::Style0 + std::clamp(style, 0, 3);
}

void ColorFrameSlots(int mode, const FrameRow& body, const std::vector<EnvStage>& stages,
                     const float thresholds[5], ColorSlotArray& slots)
{
    switch (mode) {
    case 0:
        ThresholdColor(thresholds, body[1], slots[ColorSlotIndex::Body]);  // skin temperature
        ThresholdColor(thresholds, body[2], slots[ColorSlotIndex::Core]);  // core temperature
        break;
    case 1:
        ThresholdColor(thresholds, body[3], slots[ColorSlotIndex::Body]);  // the skin's relative humidity
        break;
    default:
        ThresholdColor(thresholds, body[4], slots[ColorSlotIndex::Body]);  // the sweating rate
        return;  // the environment has no sweating rate: it keeps its colour
    }
    const int stage = StageUnderWay(stages, body[0]);
    if (stage >= 0) {
        const EnvStage& s = stages[static_cast<std::size_t>(stage)];
        ThresholdColor(thresholds, mode == 0 ? s.Temperature : s.Humidity, slots[ColorSlotIndex::Environment]);
    }
}

bool LayerNodeColor(const LayerBuffers& layers, int nodesPerFrame, int layer, int frame, int node, int mode,
                    const float thresholds[5], float* rgba)
{
    // Field 4 is the fabric temperature, field 3 its humidity.
    const int field = 4 - mode;
    const FrameRow* row = LayerNodeRow(layers, nodesPerFrame, layer, frame, node);
    if (!row || field < 3 || field > 4) {
        rgba[0] = rgba[1] = rgba[2] = 0;  // a node the data do not hold is drawn black
        return false;
    }
    ThresholdColor(thresholds, (*row)[static_cast<std::size_t>(field)], rgba);
    return true;
}
