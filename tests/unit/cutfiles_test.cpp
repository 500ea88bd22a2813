// Result files read while the solver writes them: every byte offset of a small valid file of each
// kind, with LF and with CR LF line ends.
#include <gtest/gtest.h>

#include <string>

#include "tests/fuzz/readers.h"
#include "tests/unit/splicesweep.h"

TEST(CutFiles, AFileCutAnywhereReadsAsABeginningOfItsRowsOrGivesItsMessage)
{
    for (const CutFileKind& kind : CutFileKinds())
        for (bool crlf : {false, true}) {
            std::string valid = kind.ValidFile;
            if (crlf)
                for (std::size_t at = valid.find('\n'); at != std::string::npos; at = valid.find('\n', at + 2))
                    valid.insert(at, 1, '\r');
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
            std::string valid = folder.Files.at(kind.FileName);
            if (crlf)
                for (std::size_t at = valid.find('\n'); at != std::string::npos; at = valid.find('\n', at + 2))
                    valid.insert(at, 1, '\r');
            const auto read = [&](std::string_view bytes) { return kind.Read(bytes, folder.GarmentLayers); };
            EXPECT_EQ(SweepSplices(valid, read), "") << kind.Name << (crlf ? ", CR LF" : ", LF");
            if (kind.TimeBlocks) {
                EXPECT_EQ(SweepBlockRows(valid, read), "") << kind.Name << (crlf ? ", CR LF" : ", LF");
            }
        }
}
