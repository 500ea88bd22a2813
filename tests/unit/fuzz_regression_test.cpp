// Every input a fuzz run ever found a fault with stays here as a regression case: it goes through
// the same reader entry as the fuzz target and must neither crash nor break a reader's promise.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/fuzz/readers.h"

TEST(FuzzRegressions, EveryKeptReproducerReadsCleanly)
{
    const std::filesystem::path root = std::filesystem::path(VANTORA_TEST_DATA) / "fuzz";
    if (!std::filesystem::exists(root))
        GTEST_SKIP() << "no reproducers kept";
    for (const auto& folder : std::filesystem::directory_iterator(root)) {
        if (!folder.is_directory())
            continue;
        const FuzzReader& reader = FuzzReaderNamed(folder.path().filename().string());
        for (const auto& file : std::filesystem::directory_iterator(folder.path())) {
            std::ifstream in(file.path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            SCOPED_TRACE(file.path().string());
            reader.Run(bytes.str());
        }
    }
}
