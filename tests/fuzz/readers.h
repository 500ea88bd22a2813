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

// Result files that the solver may still be writing: a valid file cut at any byte must read as a
// beginning of the whole file's rows with exactly their values, or give the file's message. One
// line per kind in CutFileKinds(): a small valid file and what its reader makes of bytes.
struct CutFileRead {
    std::string Error;                      // the reader's message; empty when it read
    std::vector<std::vector<double>> Rows;  // what it read, in file order
};
struct CutFileKind {
    const char* Name;
    const char* ValidFile;  // LF line ends
    CutFileRead (*Read)(std::string_view bytes);
};
const std::vector<CutFileKind>& CutFileKinds();
// Empty when kind's reader keeps that promise for valid cut at offset; otherwise what it broke.
std::string CheckCutFile(const CutFileKind& kind, std::string_view valid, std::size_t offset);
