#pragma once
// One entry per reader of a file that a user or the solver hands the application. Each feeds the
// bytes to the same plain function the application calls and stops the process (a crash for the
// fuzzer) when a reader breaks a promise of its format: a case file it accepts must write back
// and read again to the same text. The fuzz targets call these, and the unit lane replays every
// reproducer a fuzz run ever found through them.
#include <string>
#include <string_view>
#include <vector>

struct FuzzReader {
    const char* Name;  // the target's name: fuzz_<Name>, tests/data/fuzz/<Name>/
    void (*Run)(std::string_view bytes);
};

const std::vector<FuzzReader>& FuzzReaders();
// The reader of that name; aborts when there is none.
const FuzzReader& FuzzReaderNamed(std::string_view name);
