// Writes the seeds the fuzz run cannot take from tests/data or a generated result set:
//     make_fuzz_seeds <file>
// writes the largest case the format allows (50 stages, 50 garments of six layers, 30 fibres),
// so the case-file targets start from a file that reaches every count's upper end.
#include <cstdio>
#include <fstream>

#include "tests/unit/casefile_cases.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds <file>\n");
        return 2;
    }
    CaseFixture c = MaximalCase();
    // Every layer of every garment filled; only the first three carry microclimates, so the
    // stages stay as they are.
    for (std::size_t g = 0; g < c.Model.Layers.Rows.size(); ++g)
        for (std::size_t j = 0; j < LayersPerGarment; ++j) {
            c.Model.Layers.Rows[g].Layers[j] = c.Model.Fabrics[(g + j) % c.Model.Fabrics.size()];
            c.Model.Layers.Rows[g].HasFabric[j] = true;
        }
    const std::string text = c.Text();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_fuzz_seeds: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
