// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/user_files.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <pwd.h>
#include <unistd.h>
#endif

namespace ab {

namespace fs = std::filesystem;

namespace {

// The home folder: $HOME when it is an absolute path, else the one the user database gives.
fs::path homeFolder()
{
    if (const char* home = std::getenv("HOME"); home && fs::path(home).is_absolute())
        return home;
#if defined(__unix__) || defined(__APPLE__)
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir && fs::path(user->pw_dir).is_absolute())
        return user->pw_dir;
#endif
    return {};
}

// The folder an XDG variable names when it is absolute, else `underHome` in the home folder.
std::string desktopFolder(const char* variable, const char* underHome)
{
    if (const char* value = std::getenv(variable); value && fs::path(value).is_absolute())
        return value;
    const fs::path home = homeFolder();
    return home.empty() ? std::string() : (home / underHome).string();
}

} // namespace

std::string configFolder() { return desktopFolder("XDG_CONFIG_HOME", ".config"); }

std::string dataFolder() { return desktopFolder("XDG_DATA_HOME", ".local/share"); }

UserFile userFile(const std::string& base, const std::string& name)
{
    if (base.empty())
        return {name, name};
    return {(fs::path(base) / UserFolderName / name).string(), name};
}

std::string fileToRead(const UserFile& file)
{
    std::error_code ec;
    const bool standing = fs::symlink_status(file.path, ec).type() != fs::file_type::not_found && !ec;
    return standing ? file.path : file.fallback;
}

WriteOutcome makeFolderOf(const std::string& path)
{
    const fs::path folder = fs::path(path).parent_path();
    if (folder.empty())
        return {};
    std::error_code ec;
    if (fs::is_directory(folder, ec))
        return {};
    // Made one level at a time from the top, so each new folder gets the user's permissions alone.
    fs::path made;
    for (const fs::path& part : folder) {
        made /= part;
        if (fs::is_directory(made, ec))
            continue;
        if (!fs::create_directory(made, ec)) {
            // A folder made meanwhile is as good. A file standing where the folder belongs says "File
            // exists": say what is wrong with it. A loop of links or a folder the user may not search
            // says so itself.
            std::error_code typeError;
            if (fs::is_directory(made, typeError))
                continue;
            const std::error_code reason = !ec || ec == std::errc::file_exists
                                               ? (typeError ? typeError : std::make_error_code(std::errc::not_a_directory))
                                               : ec;
            return {.ok = false, .reason = reason.message()};
        }
        fs::permissions(made, fs::perms::owner_all, fs::perm_options::replace, ec);
    }
    return {};
}

} // namespace ab
