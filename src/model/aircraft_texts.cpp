// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/aircraft_texts.h"

namespace ab {
namespace {

// Field names by role (rows) and wing (columns 1..5).
constexpr std::string_view kFieldNames[RoleCount][MaxWings] = {
    {"Edit01", "Edit02", "Edit03", "Edit04", "Edit05"},
    {"Edit4", "Edit14", "Edit24", "Edit34", "Edit44"},
    {"Edit1", "Edit11", "Edit21", "Edit31", "Edit41"},
    {"Edit5", "Edit15", "Edit25", "Edit35", "Edit45"},
    {"Edit8", "Edit18", "Edit28", "Edit38", "Edit48"},
    {"Edit2", "Edit12", "Edit22", "Edit32", "Edit42"},
    {"Edit6", "Edit16", "Edit26", "Edit36", "Edit46"},
    {"Edit9", "Edit19", "Edit29", "Edit39", "Edit49"},
    {"Edit3", "Edit13", "Edit23", "Edit33", "Edit43"},
    {"Edit7", "Edit17", "Edit27", "Edit37", "Edit47"},
    {"Edit10", "Edit20", "Edit30", "Edit40", "Edit50"},
    {"Edit14y", "Edit24y", "Edit34y", "Edit44y", "Edit54y"},
    {"Edit14x", "Edit24x", "Edit34x", "Edit44x", "Edit54x"},
    {"Edit14xx", "Edit24xx", "Edit34xx", "Edit44xx", "Edit54xx"},
    {"Edit_x1", "Edit_x2", "Edit_x3", "Edit_x4", "Edit_x5"},
    {"Edit_z1", "Edit_z2", "Edit_z3", "Edit_z4", "Edit_z5"},
};

constexpr std::string_view kTrapezoidButtons[MaxWings][MaxTrapezoids] = {
    {"RadioButton4", "RadioButton5", "RadioButton6", "RadioButton41t"},
    {"RadioButton7", "RadioButton8", "RadioButton9", "RadioButton42t"},
    {"RadioButton10", "RadioButton11", "RadioButton12", "RadioButton43t"},
    {"RadioButton_4t1", "RadioButton_4t2", "RadioButton_4t3", "RadioButton_4t4"},
    {"RadioButton_5t1", "RadioButton_5t2", "RadioButton_5t3", "RadioButton_5t4"},
};

constexpr std::string_view kWingCountButtons[MaxWings] = {
    "RadioButton1", "RadioButton2", "RadioButton3", "RB_W4", "RB_W5"};

// Default field texts by role (rows) and wing (columns 1..5).
constexpr const char* kDefaults[RoleCount][MaxWings] = {
    {"0", "0", "0", "0", "300"},
    {"335", "135", "335", "1850", "600"},
    {"220", "105", "220", "25", "38"},
    {"335", "282", "335", "1550", "680"},
    {"0", "0", "0", "0", "-80"},
    {"764", "210", "764", "50", "38"},
    {"335", "282", "335", "1100", "600"},
    {"131", "0", "131", "10", "0"},
    {"50", "75", "50", "25", "8"},
    {"295", "180", "295", "700", "300"},
    {"140", "48", "140", "40", "200"},
    {"66", "18", "66", "15", "5"},
    {"120", "50", "120", "20", "100"},
    {"215", "116", "215", "70", "300"},
    {"0", "1167", "-135", "-400", "-135"},
    {"-190", "0", "240", "-60", "-350"},
};
constexpr int kDefaultTrapezoidCounts[MaxWings] = {4, 4, 4, 3, 2};

} // namespace

AircraftTexts defaultAircraftTexts()
{
    AircraftTexts a;
    for (int w = 1; w <= MaxWings; ++w) {
        for (int r = 0; r < RoleCount; ++r)
            a.wing[w].field[r] = kDefaults[r][w - 1];
        a.wing[w].trapezoidCount = kDefaultTrapezoidCounts[w - 1];
    }
    a.wingCount = 5;
    return a;
}

std::string_view fieldName(int w, Role role) { return kFieldNames[static_cast<int>(role)][w - 1]; }

std::string_view trapezoidButtonName(int w, int n) { return kTrapezoidButtons[w - 1][n - 1]; }

std::string_view wingCountButtonName(int n) { return kWingCountButtons[n - 1]; }

void applyToTexts(const std::vector<FieldChange>& changes, AircraftTexts& texts)
{
    for (const FieldChange& f : changes)
        texts.wing[f.wing][f.role] = f.text;
}

} // namespace ab
