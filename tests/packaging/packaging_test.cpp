// SPDX-License-Identifier: GPL-3.0-or-later
// The files that install the program on a desktop agree with each other and with the program: the
// desktop entry, the file types and the AppStream description name the same types; the file types
// recognise every aircraft file the program writes, also among the other types of the system; the
// manual page documents exactly the options of --help; the licence stands wherever a user or a
// package tool looks for it; the release's version and date come from one file; the README lists
// every package the scripts install.
#include "cli/arguments.h"

#include <QMimeDatabase>
#include <algorithm>
#include <chrono>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace ab {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = AEROBALANCE_SOURCE_DIR;
const fs::path kPackaging = kSource / "packaging";

std::string textOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    EXPECT_TRUE(in) << file;
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every first capture of the pattern in the text.
std::set<std::string> capturesOf(const std::string& text, const std::string& pattern)
{
    std::set<std::string> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
        found.insert((*it)[1].str());
    return found;
}

// The keys of the desktop entry with their values, "Comment[de]" as written.
std::map<std::string, std::string> desktopEntry()
{
    std::map<std::string, std::string> keys;
    std::istringstream lines(textOf(kPackaging / "aerobalance.desktop"));
    for (std::string line; std::getline(lines, line);)
        if (const std::size_t eq = line.find('='); eq != std::string::npos && line[0] != '#')
            keys[line.substr(0, eq)] = line.substr(eq + 1);
    return keys;
}

std::set<std::string> listOf(const std::string& value)
{
    std::set<std::string> items;
    std::istringstream in(value);
    for (std::string item; std::getline(in, item, ';');)
        if (!item.empty())
            items.insert(item);
    return items;
}

TEST(DesktopEntry, NamesTheTypesTheIconAndTheProgramThePackageInstalls)
{
    const auto entry = desktopEntry();
    const std::set<std::string> types =
        capturesOf(textOf(kPackaging / "aerobalance-mime.xml"), R"(<mime-type type="([^"]+)\")");
    EXPECT_EQ(types.size(), 2u);
    EXPECT_EQ(listOf(entry.at("MimeType")), types);
    EXPECT_EQ(capturesOf(textOf(kPackaging / "aerobalance.metainfo.xml.in"), "<mediatype>([^<]+)</mediatype>"), types);

    // The window opens one file given on its command line.
    EXPECT_EQ(entry.at("Exec"), "aerobalance %f");
    EXPECT_TRUE(fs::exists(kPackaging / (entry.at("Icon") + ".svg")));
}

// Menus list a program under each of its main categories: one, with its additional ones, and the
// AppStream description names the same.
TEST(DesktopEntry, HasOneMainCategory)
{
    const std::set<std::string> mainCategories = {"AudioVideo", "Audio", "Video", "Development", "Education",
                                                  "Game", "Graphics", "Network", "Office", "Science",
                                                  "Settings", "System", "Utility"};
    const std::set<std::string> categories = listOf(desktopEntry().at("Categories"));
    std::set<std::string> main;
    for (const std::string& c : categories)
        if (mainCategories.count(c))
            main.insert(c);
    EXPECT_EQ(main, std::set<std::string>{"Science"});
    EXPECT_TRUE(categories.count("Engineering"));
    EXPECT_EQ(capturesOf(textOf(kPackaging / "aerobalance.metainfo.xml.in"), "<category>([^<]+)</category>"),
              categories);
}

TEST(Licence, StandsInTheSourcesThePackageTheDescriptionAndTheReadme)
{
    const std::string licence = textOf(kSource / "LICENSE");
    EXPECT_EQ(licence.rfind("                    GNU GENERAL PUBLIC LICENSE\n                       Version 3, 29 June 2007", 0), 0u);
    EXPECT_NE(licence.find("END OF TERMS AND CONDITIONS"), std::string::npos);
    EXPECT_GT(licence.size(), 30000u);
    // The package's copyright file in the machine-readable format, with Debian's name of the licence.
    const std::string copyright = textOf(kPackaging / "copyright");
    EXPECT_EQ(copyright.rfind("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n", 0), 0u);
    EXPECT_EQ(capturesOf(copyright, "\nLicense: ([^\n]+)"), std::set<std::string>{"GPL-3+"});
    EXPECT_NE(copyright.find("/usr/share/common-licenses/GPL-3"), std::string::npos);
    EXPECT_EQ(capturesOf(textOf(kPackaging / "aerobalance.metainfo.xml.in"), "<project_license>([^<]+)<"),
              std::set<std::string>{"GPL-3.0-or-later"});
    EXPECT_NE(textOf(kSource / "README.md").find("GPL-3.0-or-later"), std::string::npos);
}

// The version and date of the release are written once, in release.cmake; the change log, the manual
// page and the AppStream description carry them as the build wrote them in, each in its own format.
TEST(Release, VersionAndDateComeFromOneFile)
{
    const std::string release = textOf(kSource / "release.cmake");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(release, m, std::regex(R"(AEROBALANCE_RELEASE_DATE (\d{4})-(\d\d)-(\d\d))")));
    const std::chrono::year_month_day date{std::chrono::year(std::stoi(m[1])),
                                           std::chrono::month(unsigned(std::stoi(m[2]))),
                                           std::chrono::day(unsigned(std::stoi(m[3])))};
    ASSERT_TRUE(date.ok());
    const std::string iso = m[1].str() + "-" + m[2].str() + "-" + m[3].str();
    const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    const char* const months[] = {"January", "February", "March", "April", "May", "June", "July", "August",
                                  "September", "October", "November", "December"};
    const std::string month = months[unsigned(date.month()) - 1];
    const std::string rfc = std::string(days[std::chrono::weekday(std::chrono::sys_days(date)).c_encoding()]) +
                            ", " + m[3].str() + " " + month.substr(0, 3) + " " + m[1].str() + " 12:00:00 +0000";

    for (const char* in : {"changelog.in", "aerobalance.1.in", "aerobalance.metainfo.xml.in"})
        EXPECT_FALSE(std::regex_search(textOf(kPackaging / in), std::regex(R"(\b20\d\d\b)"))) << in << " has a date of its own";
    const fs::path built = fs::path(AEROBALANCE_BINARY_DIR) / "packaging";
    const std::string changelog = textOf(built / "changelog");
    EXPECT_NE(changelog.find("aerobalance (" AEROBALANCE_VERSION ") unstable;"), std::string::npos) << changelog;
    EXPECT_NE(changelog.find(">  " + rfc + "\n"), std::string::npos) << changelog;
    EXPECT_NE(textOf(built / "aerobalance.1").find(".TH AEROBALANCE 1 \"" + month + " " + m[1].str() +
                                                  "\" \"AeroBalance " AEROBALANCE_VERSION "\""),
              std::string::npos);
    EXPECT_NE(textOf(built / "io.github.aerobalance.aerobalance.metainfo.xml")
                  .find("<release version=\"" AEROBALANCE_VERSION "\" date=\"" + iso + "\"/>"),
              std::string::npos);
}

// The README opens with the two commands, keeps its lines wrapped and names every package the
// scripts install.
TEST(Readme, OpensWithTheQuickStartAndListsThePackages)
{
    const std::string readme = textOf(kSource / "README.md");
    const std::size_t quickStart = readme.find("## Quick start");
    ASSERT_NE(quickStart, std::string::npos);
    EXPECT_EQ(readme.find("## "), quickStart) << "the quick start is the first section";
    const std::size_t nextSection = readme.find("\n## ", quickStart + 1);
    const std::string start = readme.substr(quickStart, nextSection - quickStart);
    EXPECT_NE(start.find("bash scripts/run"), std::string::npos);
    EXPECT_NE(start.find("bash scripts/test"), std::string::npos);

    std::istringstream lines(readme);
    for (std::string line; std::getline(lines, line);) {
        const auto characters = std::count_if(line.begin(), line.end(), [](char c) { return (c & 0xC0) != 0x80; });
        EXPECT_LE(characters, 100) << line;
    }

    const std::string common = textOf(kSource / "scripts/common.sh");
    int packages = 0;
    for (const std::string list : {"AB_PACKAGES", "AB_TEST_PACKAGES", "AB_PRINT_PACKAGES"}) {
        std::smatch m;
        ASSERT_TRUE(std::regex_search(common, m, std::regex(list + R"(=\(([^)]*)\))"))) << list;
        std::istringstream names(m[1].str());
        for (std::string name; names >> name; ++packages)
            EXPECT_NE(readme.find("`" + name + "`"), std::string::npos) << name << " is not in the README";
    }
    EXPECT_GE(packages, 15);
}

TEST(DesktopEntry, SpeaksTheProgramsThreeLanguages)
{
    const auto entry = desktopEntry();
    for (const std::string key : {"GenericName", "Comment", "Keywords"})
        for (const std::string language : {"de", "es"}) {
            const auto translated = entry.find(key + "[" + language + "]");
            ASSERT_NE(translated, entry.end()) << key << " " << language;
            EXPECT_NE(translated->second, entry.at(key)) << key << " " << language;
        }
    const std::string mime = textOf(kPackaging / "aerobalance-mime.xml");
    for (const std::string language : {"de", "es"})
        EXPECT_EQ(capturesOf(mime, "<comment xml:lang=\"" + language + "\">([^<]+)</comment>").size(), 2u) << language;
}

// A private copy of the system's type database with the program's types added, as the package's
// installation compiles it, read through Qt as a file manager reads it.
class FileTypes : public ::testing::Test {
protected:
    void SetUp() override
    {
        const fs::path system = "/usr/share/mime/packages/freedesktop.org.xml";
        if (!fs::exists(system) || std::system("command -v update-mime-database >/dev/null") != 0)
            GTEST_SKIP() << "shared-mime-info is not installed";
        const fs::path mime = fs::path(data.path().toStdString()) / "mime";
        fs::create_directories(mime / "packages");
        fs::copy_file(system, mime / "packages/freedesktop.org.xml");
        fs::copy_file(kPackaging / "aerobalance-mime.xml", mime / "packages/aerobalance.xml");
        ASSERT_EQ(std::system(("update-mime-database '" + mime.string() + "'").c_str()), 0);
        // Qt reads the folders once, at the first question to its database.
        qputenv("XDG_DATA_HOME", (data.path() + "/home").toUtf8());
        qputenv("XDG_DATA_DIRS", data.path().toUtf8());
    }

    std::string typeOf(const fs::path& file) { return QMimeDatabase().mimeTypeForFile(QString::fromStdString(file.string())).name().toStdString(); }

    fs::path copied(const fs::path& from, const std::string& name)
    {
        const fs::path to = fs::path(data.path().toStdString()) / name;
        fs::copy_file(from, to, fs::copy_options::overwrite_existing);
        return to;
    }

    QTemporaryDir data;
};

TEST_F(FileTypes, AircraftFilesAreKnownByTheirFirstLineAndTheirExtension)
{
    const std::string aircraft = "application/x-aerobalance-aircraft";
    int files = 0;
    for (const char* folder : {"examples", "templates"})
        for (const auto& entry : fs::directory_iterator(kSource / folder)) {
            const std::string ext = entry.path().extension().string();
            if (ext == ".wk4") {
                EXPECT_EQ(typeOf(entry.path()), aircraft) << entry.path();
                // Without its extension the first line still tells it.
                EXPECT_EQ(typeOf(copied(entry.path(), "no-extension")), aircraft) << entry.path();
                ++files;
            } else if (ext == ".da4") {
                EXPECT_EQ(typeOf(entry.path()), "application/x-aerobalance-legacy-aircraft") << entry.path();
            }
        }
    EXPECT_GE(files, 10);

    // The spreadsheets that share the extension stay spreadsheets.
    const fs::path sheet = fs::path(data.path().toStdString()) / "budget.wk4";
    std::ofstream(sheet, std::ios::binary) << std::string("\x00\x00\x02\x00\x06\x04\x06\x00\x08\x00\x00\x00\x00\x00", 14)
                                           << std::string(64, '\0');
    EXPECT_EQ(typeOf(sheet), "application/vnd.lotus-1-2-3");
}

// The options --help lists: every "--name" and "-h".
std::set<std::string> helpOptions()
{
    std::set<std::string> options = capturesOf(usageText(), R"((?:^|[\s\[|])(--[a-z]+|-h)\b)");
    EXPECT_GE(options.size(), 10u);
    return options;
}

TEST(ManualPage, DocumentsExactlyTheOptionsOfTheHelp)
{
    const std::string page = textOf(kPackaging / "aerobalance.1.in");
    std::set<std::string> documented;
    for (const std::string& name : capturesOf(page, R"(\\-\\-([a-z]+))"))
        documented.insert("--" + name);
    for (const std::string& name : capturesOf(page, R"(\.BR \\-(h) )"))
        documented.insert("-" + name);
    EXPECT_EQ(documented, helpOptions());
    EXPECT_NE(page.find(".SH EXIT STATUS"), std::string::npos);

    // --help fits a terminal of 80 columns.
    std::istringstream help(usageText());
    for (std::string line; std::getline(help, line);)
        EXPECT_LE(line.size(), 79u) << line;
}

} // namespace
} // namespace ab
