// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft as typed: the texts of every wing's sixteen fields, its trapezoid count and its name,
// the wing count, the remarks, the balance (its items, the chosen margin and stability mode) and the
// fuselage table and the spacing of the lattice's strips.
// This is the master copy; the window shows these texts in its fields, files produce changes to
// them, and every evaluation reads them.
#pragma once

#include "model/aircraft.h"
#include "model/balance_items.h"
#include "model/fuselage.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace ab {

// The fields of a wing by role, in the order the exchange of wings handles them.
enum class Role : int {
    RootGap, RootChord,
    Width1, TipChord1, TipOffset1,
    Width2, TipChord2, TipOffset2,
    Width3, TipChord3, TipOffset3,
    Width4, TipChord4, TipOffset4,
    PosX, PosZ,
};
inline constexpr int RoleCount = 16;
inline constexpr int WingFieldCount = 14; // the roles up to TipOffset4 live on the wing's tab

constexpr Role widthRole(int k) { return static_cast<Role>(2 + 3 * (k - 1)); }
constexpr Role tipChordRole(int k) { return static_cast<Role>(3 + 3 * (k - 1)); }
constexpr Role tipOffsetRole(int k) { return static_cast<Role>(4 + 3 * (k - 1)); }

struct WingTexts {
    std::array<std::string, RoleCount> field;
    int trapezoidCount = 1; // the checked trapezoid-count button, 1..4
    std::string name;       // the user's name for the wing ("Tailplane"), empty for none; see wing_name.h
    // The dihedral angle of trapezoids 1..4 in degrees as typed (index 0 unused); empty reads as 0.
    std::array<std::string, MaxTrapezoids + 1> dihedral{};

    std::string& operator[](Role r) { return field[static_cast<int>(r)]; }
    const std::string& operator[](Role r) const { return field[static_cast<int>(r)]; }
    bool operator==(const WingTexts&) const = default;
};

struct AircraftTexts {
    PerWing<WingTexts> wing;
    int wingCount = 5;
    std::string comment;
    std::vector<BalanceItemTexts> balance; // the table's rows in order
    std::string margin = DefaultMarginText; // the desired margin in percent, as in Edit_Mstab
    StabilityMode stabilityMode = StabilityMode::Automatic;
    std::vector<FuselageStationTexts> fuselage; // the fuselage table's rows in order; none: no fuselage
    SpanwiseSpacing spacing = SpanwiseSpacing::Equal; // how the calculation spreads the strips
    bool operator==(const AircraftTexts&) const = default;
};

// One write of a field text: opening a file, inserting a copied wing and dragging a corner all come
// down to a list of these, carried out in order.
struct FieldChange {
    int wing = 1;
    Role role = Role::RootGap;
    std::string text;
};

// Carries the writes out on the texts, in order.
void applyToTexts(const std::vector<FieldChange>& changes, AircraftTexts& texts);

// The aircraft the program starts with.
AircraftTexts defaultAircraftTexts();

// The object name of the field of wing w (1..5) for a role, e.g. "Edit14y" or "Edit_x3".
std::string_view fieldName(int w, Role role);
// The object name of the trapezoid-count button for count n (1..4) of wing w.
std::string_view trapezoidButtonName(int w, int n);
// The object name of the wing-count button for n wings (1..5).
std::string_view wingCountButtonName(int n);

} // namespace ab
