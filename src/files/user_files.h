// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program keeps its own files between runs: the settings in a folder "aerobalance" under
// the user's configuration folder, the wing copy in one under the user's data folder. Earlier
// versions kept both in the folder the program was started in; while a file has not been made in its
// own place, the one of the working folder is read, so earlier settings and copies come back once.
#pragma once

#include "files/text_file.h"

#include <string>

namespace ab {

inline constexpr const char* UserFolderName = "aerobalance";

struct UserFile {
    std::string path;     // where the file is written, and read from once it stands there
    std::string fallback; // the same name in the working folder, read while nothing stands at path
};

// The file `name` in `base`/aerobalance, base being the desktop's configuration or data folder
// (configFolder, dataFolder). Without a base (no home folder) the working folder alone.
UserFile userFile(const std::string& base, const std::string& name);

// The desktop's folder for the user's settings: $XDG_CONFIG_HOME when it is an absolute path, else
// ~/.config; a relative path in the variable is ignored, as the desktop's rules for these folders
// say. The path is kept as the bytes the system gives, whatever their encoding; empty when there is
// no home folder.
std::string configFolder();

// The same for the user's data: $XDG_DATA_HOME when absolute, else ~/.local/share.
std::string dataFolder();

// The file to read: path when anything stands there (also something that is no file, which its
// reader then refuses with a message), else the fallback.
std::string fileToRead(const UserFile& file);

// Makes the folder of `path` and the folders above it that are missing, readable by the user alone
// as the desktop's own folders are; ok false with the system's reason when one cannot be made.
WriteOutcome makeFolderOf(const std::string& path);

} // namespace ab
