// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/settings_file.h"
#include "files/user_files.h"
#include "files/wing_copy.h"
#include "lang/system_reasons.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

// A file in the way or a loop of links where the folder belongs: the save says why, and the
// program goes on.
TEST(UserFiles, AFolderThatCannotBeMadeIsSaidWithTheFileAndTheReason)
{
    test::TempFolder folder;
    test::writeBytes(folder.file("config"), "a file, not a folder");
    fs::create_symlink("loop-b", folder.file("loop-a"));
    fs::create_symlink("loop-a", folder.file("loop-b"));
    const struct {
        const char* base;
        const char* reason;
    } cases[] = {{"config", "Not a directory"}, {"loop-a", "Too many levels of symbolic links"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.base);
        const UserFile settings = userFile(folder.file(c.base), SettingsFileName);
        const WriteOutcome made = makeFolderOf(settings.path);
        EXPECT_FALSE(made.ok);
        EXPECT_EQ(made.reason, c.reason);
        for (Language l : {Language::English, Language::German, Language::Spanish}) {
            const SettingsSaveOutcome saved = saveSettingsFile(settings.path, 'e', 900, 800, 0, 0, l);
            EXPECT_FALSE(saved.ok);
            EXPECT_NE(saved.message.find(settings.path), std::string::npos) << saved.message;
            EXPECT_NE(saved.message.find(systemReasonIn(l, c.reason)), std::string::npos) << saved.message;
        }
    }
}

// A relative folder in the variables counts as none, and a folder name that is no UTF-8 keeps its
// bytes: the settings are written in that very folder.
TEST(UserFiles, TheDesktopFoldersFollowTheVariablesAsTheSystemGivesThem)
{
    test::TempFolder folder;
    const std::string home = folder.file("home"), latin1 = folder.file("caf\xe9-\xff");
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    ::setenv("XDG_DATA_HOME", "", 1);
    EXPECT_EQ(configFolder(), home + "/.config");
    EXPECT_EQ(dataFolder(), home + "/.local/share");
    ::setenv("XDG_CONFIG_HOME", latin1.c_str(), 1);
    ::setenv("XDG_DATA_HOME", latin1.c_str(), 1);
    EXPECT_EQ(dataFolder(), latin1);
    ASSERT_TRUE(saveSettingsFile(userFile(configFolder(), SettingsFileName).path, 'd', 900, 800, 0, 0,
                                 Language::English).ok);
    EXPECT_TRUE(fs::is_regular_file(fs::path(latin1) / UserFolderName / SettingsFileName));
}

} // namespace
} // namespace ab
