// SPDX-License-Identifier: GPL-3.0-or-later
// The staging record both aircraft readers fill before anything changes, and what applying it does:
// which fields get which texts, which buttons get checked, which exchange items are offered. The
// window carries the application out on its controls; batch mode carries it out on the texts.
#pragma once

#include "model/aircraft.h"
#include "model/aircraft_texts.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ab {

// 88 integer slots: slot 0 is the wing count, then one block of 17 slots per wing. Slots 52 and 87
// are spare. Every slot starts at 10, so whatever a file does not supply arrives as 10.
struct AircraftFileRecord {
    static constexpr int SlotCount = 88;
    static constexpr int BlockSize = 17;
    static constexpr int Unset = 10;

    // Offsets inside a wing's block.
    enum Offset : int {
        TrapezoidCount = 0,
        RootChord = 1,
        TipChord1 = 2,  // .. 5 for trapezoids 1..4
        RootGap = 6,
        Width1 = 7,     // .. 10
        TipOffset1 = 11, // .. 14
        PosX = 15,
        PosZ = 16,
    };

    std::array<std::int32_t, SlotCount> slot;

    AircraftFileRecord() { slot.fill(Unset); }

    // First slot of the block of wing w (1..5).
    static constexpr int blockStart(int w)
    {
        constexpr int starts[MaxWings + 1] = {0, 1, 18, 35, 53, 70};
        return starts[w];
    }
    std::int32_t& wingCount() { return slot[0]; }
    std::int32_t wingCount() const { return slot[0]; }
    std::int32_t& at(int w, int offset) { return slot[static_cast<std::size_t>(blockStart(w) + offset)]; }
    std::int32_t at(int w, int offset) const { return slot[static_cast<std::size_t>(blockStart(w) + offset)]; }
};

// The record values that go into a wing field of the given role, by offset in the wing's block.
int recordOffsetOf(Role role);

// The sixteen field roles in the order of a wing's block (offsets 1..16), which is the order the
// fields are written in: root chord, tip chords 1..4, root gap, widths 1..4, tip offsets 1..4, then
// the position. The first fourteen are the planform a wing copy carries.
inline constexpr std::array<Role, RoleCount> RolesInBlockOrder = {
    Role::RootChord, tipChordRole(1), tipChordRole(2), tipChordRole(3), tipChordRole(4),
    Role::RootGap,   widthRole(1),    widthRole(2),    widthRole(3),    widthRole(4),
    tipOffsetRole(1), tipOffsetRole(2), tipOffsetRole(3), tipOffsetRole(4),
    Role::PosX,      Role::PosZ,
};

// What a reader found besides the record: the three stored results, the remarks and the balance,
// each only when the file held it.
struct AircraftFileExtras {
    std::optional<double> ReferenceArea; // mm^2
    std::optional<double> ReferenceMac;  // mm
    std::optional<double> NeutralPointX; // mm
    std::optional<std::string> comment;  // lines joined by '\n'
    bool wingCountRead = false;          // the file gave a wing count (slot 0)
    int wingCountLine = 0;               // the line it stands on, 1-based
    std::vector<BalanceItemTexts> balance;      // the balance rows in file order, within the limits
    BalanceCut balanceCut;                      // rows and name characters beyond the limits
    std::optional<std::string> margin;          // the stored margin as a number text ("7.5")
    std::optional<StabilityMode> stabilityMode; // the stored mode
    std::optional<SpanwiseSpacing> spacing;     // the stored spacing of the strips
    PerWing<std::string> wingName;              // the wings' names, empty where the file has none
    // The dihedral texts of each wing's trapezoids 1..4 (index 0 unused), empty where flat.
    PerWing<std::array<std::string, MaxTrapezoids + 1>> dihedral{};
    PerWing<std::array<int, MaxTrapezoids + 1>> dihedralLine{}; // the line each text came from
    std::vector<FuselageStationTexts> fuselage; // the fuselage's stations in file order, none for none
    // How far the file went, for the notes on a damaged file.
    bool wholeFile = true;     // tagged: "</aircraft>" was read; legacy: all 53 values were there
    int linesRead = 0;         // the lines the file holds
    PerWing<bool> wingRead{};  // the file holds values of the wing (tagged: a wing_id block)
    int unfinishedWing = 0;    // the wing among whose values the file ends, 0: none
};

// Everything applying a read record changes, in the order it is done.
struct RecordApplication {
    int WingCount = 1;                               // checked wing-count button, 1..5
    PerWing<std::optional<int>> trapezoidCount;      // button to check, absent: group unchanged
    std::vector<FieldChange> fields;                 // field texts, right-aligned in 4 characters
    std::optional<std::array<bool, MaxWings + 1>> exchangeEnabled; // chng1..chng5 (index 1..5)
    bool uncheckPressure = false;                    // CheckBoxA, only for ".wk4" names
};

// A field text as files put it: the decimal integer right-aligned in 4 characters.
std::string fieldText(std::int64_t value);

// True when the name holds ".wk4" or ".WK4" (case-sensitive search anywhere in the name).
bool namesTaggedFile(std::string_view fileName);
// True when the name holds ".da4" or ".DA4".
bool namesLegacyFile(std::string_view fileName);

// The application of a record whose wing count is 1..5 (readers refuse others). Wings 1..3 always
// get their field texts; wings 4 and 5 only when the file name holds ".wk4" or ".WK4".
RecordApplication applicationOf(const AircraftFileRecord& record, std::string_view fileName);

// Carries an application out on the texts: wing count, trapezoid counts and field texts.
void applyToTexts(const RecordApplication& application, AircraftTexts& texts);

// The names of all five wings from the file; a wing the file gives no name has none.
void applyWingNames(const AircraftFileExtras& extras, AircraftTexts& texts);

// The angles of all five wings' trapezoids from the file; a trapezoid the file gives none is flat.
void applyDihedrals(const AircraftFileExtras& extras, AircraftTexts& texts);

// The file's fuselage table onto the texts; a file without one gives an aircraft without a fuselage.
void applyFuselage(const AircraftFileExtras& extras, AircraftTexts& texts);

// The file's balance rows, margin and stability mode onto the texts. What the file does not hold (an
// older file, a legacy file) gets the starting values: no rows, 7.5 %, automatic.
void applyBalance(const AircraftFileExtras& extras, AircraftTexts& texts);

// The file's spacing of the strips onto the texts; a file without one (every file but those of
// aircraft calculated with refined spacing, a legacy file, a template) gets equal spacing.
void applySpacing(const AircraftFileExtras& extras, AircraftTexts& texts);

} // namespace ab
