#pragma once
// One entry per reader of a file that a user or the solver hands the application. Each feeds the
// bytes to the same plain function the application calls and stops the process (a crash for the
// fuzzer) when a reader breaks a promise of its format: a case file it accepts must write back
// and read again to the same text. The fuzz targets call these, and the unit lane replays every
// reproducer a fuzz run ever found through them.
#include <map>
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

// Result files a line spliced in among their rows must not shift (tests/unit/splicesweep.h): a
// line of letters or TABs, a line cut before a TAB or a line that lost an inner field (and in a
// file of time blocks, rows exchanged, lost or doubled within a block) makes the reader refuse
// the file, or read exactly the whole file's values. One line per kind in
// SpliceFileKinds(); the unit lane sweeps every splice of the small samples, the fuzz target
// "splicefiles" single splices of generated result sets.
struct SpliceFileKind {
    const char* Name;
    const char* FileName;  // the file of a result folder: "BodyProperty.dat", "fabric1_fiber_1.dat", ...
    // garmentLayers: the layers of the folder's garments (GarmentLayerTotal of its Environment.dat).
    CutFileRead (*Read)(std::string_view bytes, int garmentLayers);
    // The rows come in time blocks: the block damages of SweepBlockRows apply too.
    bool TimeBlocks = false;
};
const std::vector<SpliceFileKind>& SpliceFileKinds();

// A result folder's files by name, LF or CR LF as the folder has them, and its garments' layers.
struct ResultFolderTexts {
    int GarmentLayers = 0;
    std::map<std::string, std::string> Files;
};
// The small samples of CutFileKinds() (LF line ends).
const ResultFolderTexts& SampleFolderTexts();
