// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/settings_file.h"
#include "files/user_files.h"
#include "files/wing_copy.h"
#include "lang/system_reasons.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ab {
namespace {

namespace fs = std::filesystem;

TEST(UserFiles, LiveInTheProgramsFolderAndAreReadFromTheWorkingFolderUntilMade)
{
    const UserFile settings = userFile("/home/pilot/.config", SettingsFileName);
    EXPECT_EQ(settings.path, "/home/pilot/.config/aerobalance/Default.pa4");
    EXPECT_EQ(settings.fallback, "Default.pa4");
    const UserFile homeless = userFile("", CopyFileName);
    EXPECT_EQ(homeless.path, "wingcopy.fl4");

    test::TempFolder folder;
    const UserFile copy = userFile(folder.file("share"), CopyFileName);
    EXPECT_EQ(fileToRead(copy), "wingcopy.fl4");
    // The first save makes the folders, the user's alone, and from then on the copy is read there.
    ASSERT_TRUE(saveWingCopy(copy.path, defaultAircraftTexts(), Aircraft{}, 1, Language::English).ok);
    EXPECT_EQ(fileToRead(copy), copy.path);
    for (const fs::path& made : {folder.path() / "share", folder.path() / "share/aerobalance"})
        EXPECT_EQ(fs::status(made).permissions() & fs::perms::all, fs::perms::owner_all) << made;
    // Something else standing there is read (and refused by its reader), not passed over.
    fs::remove(copy.path);
    fs::create_directory(copy.path);
    EXPECT_EQ(fileToRead(copy), copy.path);
}

TEST(UserFiles, AFolderThatCannotBeMadeIsSaidWithTheFileAndTheReason)
{
    test::TempFolder folder;
    test::writeBytes(folder.file("config"), "a file, not a folder");
    const UserFile settings = userFile(folder.file("config"), SettingsFileName);
    const WriteOutcome made = makeFolderOf(settings.path);
    EXPECT_FALSE(made.ok);
    EXPECT_EQ(made.reason, "Not a directory");
    for (Language l : {Language::English, Language::German, Language::Spanish}) {
        const SettingsSaveOutcome saved = saveSettingsFile(settings.path, 'e', 900, 800, 0, 0, l);
        EXPECT_FALSE(saved.ok);
        EXPECT_NE(saved.message.find(settings.path), std::string::npos) << saved.message;
        EXPECT_NE(saved.message.find(systemReasonIn(l, "Not a directory")), std::string::npos) << saved.message;
    }
}

} // namespace
} // namespace ab
