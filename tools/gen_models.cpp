// Writes the 24 DXF models of the 3D player into <bin>/model (the shapes are described in
// modelgen.h). Run during the build with the bin folder as argument; a second argument makes it
// print the triangle count of each file.
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

#include "tools/modelgen.h"

namespace {

bool MakeFolder(const std::string& path)
{
    struct stat st;
    if (stat(path.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    return mkdir(path.c_str(), 0755) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: gen_models <bin folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/model";
    if (!MakeFolder(argv[1]) || !MakeFolder(folder)) {
        std::fprintf(stderr, "gen_models: cannot create %s\n", folder.c_str());
        return 1;
    }
    std::vector<std::pair<std::string, int>> counts;
    if (!modelgen::WriteModelFiles(folder, &counts)) {
        std::fprintf(stderr, "gen_models: cannot write the models into %s\n", folder.c_str());
        return 1;
    }
    if (argc > 2) {
        int total = 0;
        for (const auto& c : counts) {
            std::printf("%-18s %6d\n", c.first.c_str(), c.second);
            total += c.second;
        }
        std::printf("total %d\n", total);
    }
    return 0;
}
