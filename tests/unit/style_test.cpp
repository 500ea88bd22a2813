// The generated garment-style pictures of the "Style" folder, read back as the files they are:
// they decode, differ from each other, show the wearer's own figure and cover the share of it
// that the coverage tables state.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#include "casemodel/garmentstyles.h"

namespace {

namespace fs = std::filesystem;

struct Picture {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;  // 0xRRGGBB, top row first
    std::uint32_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y * Width + x)]; }
};

std::uint32_t Le(const std::vector<unsigned char>& b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | b[at + static_cast<std::size_t>(i)];
    return v;
}

// An uncompressed 24- or 32-bit Windows bitmap; false for anything else.
bool Decode(const fs::path& path, Picture& pic)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M')
        return false;
    const std::uint32_t offset = Le(b, 10, 4);
    const auto width = static_cast<std::int32_t>(Le(b, 18, 4));
    const auto height = static_cast<std::int32_t>(Le(b, 22, 4));
    const std::uint32_t bits = Le(b, 28, 2);
    const std::uint32_t compression = Le(b, 30, 4);
    if (width <= 0 || height == 0 || (bits != 24 && bits != 32) || (compression != 0 && compression != 3))
        return false;
    const int rows = std::abs(height);
    const std::size_t stride = (static_cast<std::size_t>(width) * bits / 8 + 3) / 4 * 4;
    if (offset + stride * static_cast<std::size_t>(rows) > b.size())
        return false;
    pic.Width = width;
    pic.Height = rows;
    pic.Pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(rows));
    for (int y = 0; y < rows; ++y) {
        const int fileRow = height > 0 ? rows - 1 - y : y;  // bottom-up unless the height is negative
        const std::size_t row = offset + stride * static_cast<std::size_t>(fileRow);
        for (int x = 0; x < width; ++x) {
            const std::size_t p = row + static_cast<std::size_t>(x) * bits / 8;
            pic.Pixels[static_cast<std::size_t>(y * width + x)] = std::uint32_t(b[p + 2]) << 16 | b[p + 1] << 8 | b[p];
        }
    }
    return true;
}

bool Differs(std::uint32_t a, std::uint32_t c)
{
    for (int shift : {0, 8, 16})
        if (std::abs(int(a >> shift & 0xFF) - int(c >> shift & 0xFF)) > 24)
            return true;
    return false;
}

// Part of the figure: unlike the background of its row (the left edge is always background).
bool Figure(const Picture& p, int x, int y) { return Differs(p.At(x, y), p.At(0, y)); }

fs::path StyleFolder()
{
    char exe[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    return n > 0 ? fs::path(std::string(exe, static_cast<std::size_t>(n))).parent_path() / "Style" : fs::path("Style");
}

class StylePictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        const fs::path folder = StyleFolder();
        if (!fs::exists(folder / "male.bmp"))
            GTEST_SKIP() << "no generated Style folder beside the tests (assets are built with the application)";
        ASSERT_TRUE(Decode(folder / "male.bmp", Male));
        ASSERT_TRUE(Decode(folder / "female.bmp", Female));
        Styles.resize(StylePictureCount);
        for (int i = 0; i < StylePictureCount; ++i)
            ASSERT_TRUE(Decode(folder / (std::to_string(i + 1) + ".bmp"), Styles[static_cast<std::size_t>(i)]))
                << "picture " << i + 1;
    }

    Picture Male, Female;
    std::vector<Picture> Styles;
};

// Figure rows above the floor (the shadow and the caption below it are not the figure).
int FigureRows(const Picture& wearer) { return wearer.Height * 85 / 100; }

// How far the style's figure outline strays from the wearer's: the share of the union of both
// silhouettes that only one of them has.
double SilhouetteMismatch(const Picture& style, const Picture& wearer)
{
    const int left = (style.Width - wearer.Width) / 2;
    long either = 0, one = 0;
    for (int y = 0; y < FigureRows(wearer); ++y)
        for (int x = 0; x < wearer.Width; ++x) {
            const bool s = Figure(style, x + left, y);
            const bool w = Figure(wearer, x, y);
            either += s || w;
            one += s != w;
        }
    return either ? double(one) / double(either) : 1;
}

TEST_F(StylePictures, EachStyleDressesTheWearersFigureOverItsTableShare)
{
    for (int i = 0; i < StylePictureCount; ++i) {
        SCOPED_TRACE("picture " + std::to_string(i + 1));
        const bool male = i + 1 >= FirstMalePicture;
        const Picture& style = Styles[static_cast<std::size_t>(i)];
        const Picture& own = male ? Male : Female;
        const Picture& other = male ? Female : Male;
        ASSERT_EQ(style.Height, own.Height);
        ASSERT_GE(style.Width, own.Width);

        EXPECT_LT(SilhouetteMismatch(style, own), 0.03);
        EXPECT_GT(SilhouetteMismatch(style, other), 0.10);

        const int left = (style.Width - own.Width) / 2;
        long figure = 0, covered = 0;
        for (int y = 0; y < FigureRows(own); ++y)
            for (int x = 0; x < own.Width; ++x)
                if (Figure(own, x, y)) {
                    ++figure;
                    covered += Differs(style.At(x + left, y), own.At(x, y));
                }
        ASSERT_GT(figure, 0);
        const int index = male ? i + 1 - FirstMalePicture : i;
        EXPECT_NEAR(double(covered) / double(figure), StyleCoverage(male, index), 0.1);
    }
}

TEST_F(StylePictures, NoTwoStylesLookAlike)
{
    for (std::size_t a = 0; a < Styles.size(); ++a)
        for (std::size_t b = a + 1; b < Styles.size(); ++b)
            EXPECT_NE(Styles[a].Pixels, Styles[b].Pixels) << "pictures " << a + 1 << " and " << b + 1;
}

} // namespace
