// Writes a synthetic result folder, shaped as the solver leaves it, for trying the result
// windows and for the tests and benchmarks:
//     make_results <folder> [minimal|realistic|large]
// The same size always gives the same files.
#include <cstdio>
#include <string>

#include "results/io/resultsetgen.h"

int main(int argc, char** argv)
{
    ResultSetSize size = ResultSetSize::Realistic;
    if (argc < 2 || argc > 3 || (argc == 3 && !ParseResultSetSize(argv[2], size))) {
        std::fprintf(stderr, "usage: make_results <folder> [minimal|realistic|large]\n");
        return 2;
    }
    const std::string error = WriteResultSet(argv[1], ShapeOf(size));
    if (!error.empty()) {
        std::fprintf(stderr, "make_results: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
