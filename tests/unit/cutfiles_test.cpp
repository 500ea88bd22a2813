// Result files read while the solver writes them: every byte offset of a small valid file of each
// kind, with LF and with CR LF line ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "results/io/comforteval.h"
#include "tests/fuzz/readers.h"
#include "tests/unit/splicesweep.h"

namespace {

std::string WithCrLf(std::string text)
{
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.insert(at, 1, '\r');
    return text;
}

} // namespace

TEST(CutFiles, AFileCutAnywhereReadsAsABeginningOfItsRowsOrGivesItsMessage)
{
    for (const CutFileKind& kind : CutFileKinds())
        for (bool crlf : {false, true}) {
            const std::string valid = crlf ? WithCrLf(kind.ValidFile) : kind.ValidFile;
            for (std::size_t offset = 0; offset <= valid.size(); ++offset) {
                const std::string broken = CheckCutFile(kind, valid, offset);
                ASSERT_EQ(broken, "") << kind.Name << (crlf ? ", CR LF" : ", LF");
            }
            // The whole file reads all its rows.
            EXPECT_GT(kind.Read(valid).Rows.size(), 2u) << kind.Name;
        }
}

// Damage a file shows by itself: one line put in among its rows, at every place of a small valid
// file of each kind, and in a file of time blocks every exchange of two rows of a block and every
// row lost or doubled before the last block, with LF and with CR LF line ends.
TEST(SplicedFiles, ALineSplicedAnywhereGivesTheFileMessageOrChangesNoValue)
{
    const ResultFolderTexts& folder = SampleFolderTexts();
    for (const SpliceFileKind& kind : SpliceFileKinds())
        for (bool crlf : {false, true}) {
            const std::string& lf = folder.Files.at(kind.FileName);
            const std::string valid = crlf ? WithCrLf(lf) : lf;
            const auto read = [&](std::string_view bytes) { return kind.Read(bytes, folder.GarmentLayers); };
            EXPECT_EQ(SweepSplices(valid, read), "") << kind.Name << (crlf ? ", CR LF" : ", LF");
            if (kind.TimeBlocks) {
                EXPECT_EQ(SweepBlockRows(valid, read), "") << kind.Name << (crlf ? ", CR LF" : ", LF");
            }
        }
    // The comfort input as the solver writes it (a TAB after every field) and without the TAB
    // after the last one.
    const auto comfort = std::find_if(CutFileKinds().begin(), CutFileKinds().end(),
                                      [](const CutFileKind& k) { return std::string(k.Name) == ComfortInputName; });
    ASSERT_NE(comfort, CutFileKinds().end());
    std::string bare = comfort->ValidFile;
    for (std::size_t at; (at = bare.find("\t\n")) != std::string::npos;)
        bare.erase(at, 1);
    EXPECT_EQ(SweepSplices(comfort->ValidFile, comfort->Read), "") << "with TABs";
    EXPECT_EQ(SweepSplices(bare, comfort->Read), "") << "without the last TABs";
}
