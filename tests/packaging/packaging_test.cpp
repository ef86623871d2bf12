// The files that install the program on a desktop agree with each other and with the program: the
// desktop entry, the file types and the AppStream description name the same types; the file types
// recognise every aircraft file the program writes, also among the other types of the system; the
// manual page documents exactly the options of --help.
#include "cli/arguments.h"

#include <QMimeDatabase>
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
    for (const char* category : {"Education", "Science", "Engineering"})
        EXPECT_TRUE(listOf(entry.at("Categories")).count(category)) << category;
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
