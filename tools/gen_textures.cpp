// Writes <bin>/textures/fabric.bmp: a 256 x 256 plain-weave cloth, warp and weft threads passing
// over and under each other, shaded across each thread so the weave reads as woven. The picture
// tiles seamlessly (the thread count divides the side). Deterministic.
#include <QDir>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int Side = 256;
constexpr int Pitch = 16;  // pixels per thread

// Brightness across a thread: 1 at its middle, darker to its edges.
double Across(double f)
{
    return 0.55 + 0.45 * std::sin(3.14159265358979 * f);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: gen_textures <bin folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + "/textures";
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "gen_textures: cannot create %s\n", qPrintable(folder));
        return 1;
    }
    QImage image(Side, Side, QImage::Format_RGB32);
    const double warp[3] = {70, 96, 150};   // blue warp
    const double weft[3] = {214, 206, 186};  // undyed weft
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            const int cx = x / Pitch, cy = y / Pitch;
            const double fx = (x % Pitch + 0.5) / Pitch, fy = (y % Pitch + 0.5) / Pitch;
            // Plain weave: the warp lies on top where column and row have the same parity.
            const bool warpOnTop = (cx + cy) % 2 == 0;
            const double* c = warpOnTop ? warp : weft;
            // The thread on top is lit across its width and bends down into the gaps at its ends.
            const double across = warpOnTop ? Across(fx) : Across(fy);
            const double along = warpOnTop ? fy : fx;
            const double bend = 0.80 + 0.20 * std::sin(3.14159265358979 * along);
            // A faint slub along each thread keeps the cloth from looking printed.
            const double slub = 0.96 + 0.04 * std::sin((warpOnTop ? y : x) * 0.37 + (warpOnTop ? cx : cy) * 1.7);
            const double k = across * bend * slub;
            auto channel = [k](double v) { return std::clamp(static_cast<int>(v * k + 0.5), 0, 255); };
            image.setPixel(x, y, qRgb(channel(c[0]), channel(c[1]), channel(c[2])));
        }
    const QString path = folder + "/fabric.bmp";
    if (!image.save(path, "BMP")) {
        std::fprintf(stderr, "gen_textures: cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
