// SPDX-License-Identifier: GPL-3.0-or-later
// Outputs replaced together: when one cannot be put in its place at the end, the failure names it,
// the outputs after it keep their old bytes and no temporary file is left beside them.
#include "files/staged_files.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ab {
namespace {

TEST(StagedFiles, ACommitThatFailsOnOneOutputNamesItAndLeavesTheRestAsTheyWere)
{
    test::TempFolder folder;
    const std::string first = folder.file("a.wk4"), failing = folder.file("b.pdf"), last = folder.file("c.csv");
    for (const std::string& path : {first, failing, last})
        test::writeBytes(path, "old");
    {
        StagedFiles outputs;
        for (const std::string& path : {first, failing, last})
            ASSERT_TRUE(outputs.stage(path, "new").ok) << path;
        // Between the writing and the replacing, a folder takes the second output's place.
        std::filesystem::remove(failing);
        std::filesystem::create_directories(failing + "/inside");
        const StagedFiles::CommitOutcome committed = outputs.commit();
        EXPECT_FALSE(committed.written.ok);
        EXPECT_EQ(committed.path, failing);
        EXPECT_FALSE(committed.written.reason.empty());
    }
    EXPECT_EQ(test::readBytes(first), "new"); // replaced before the failure
    EXPECT_EQ(test::readBytes(last), "old");
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
}

} // namespace
} // namespace ab
