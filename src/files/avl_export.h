// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft as an input file of AVL, the reference vortex-lattice program, so a user can check or
// extend the analysis there: one surface per wing in use, the reference wing's area, chord and span,
// the centre of gravity in use as the moment reference, and the panels and strips of our own lattice
// exactly, so that AVL reproduces our neutral point.
#pragma once

#include "files/text_file.h"
#include "lang/language.h"
#include "model/aircraft.h"
#include "model/wing_name.h"
#include "solver/solver_data.h"

#include <optional>
#include <string>
#include <string_view>

namespace ab {

// The text of the AVL file, lines ended by LF, numbers with a point whatever the locale. Lengths are
// in metres (the header says so): x rearward from the aircraft's datum, y to the right, z up, each
// wing flat at its height with incidence 0. Wings 1..ActiveWingCount are written as surfaces named
// by the wing's name or "Wing N", mirrored by YDUPLICATE 0 and panelled as our lattice: Nchord of the
// wing, equally spaced. Equal strips: a SECTION at each edge of every strip with Nspan 1 (Sspace 0), a
// step in chord between two strips (a trapezoid of no width) as a section of its own with Nspan 0.
// Refined strips: a SECTION at each station with the trapezoid's strips as Nspan and Sspace 1, AVL's
// cosine spacing, which places strip edges and control points as our refined lattice does; stations
// that add nothing to the lattice are left out (a zero-width trapezoid at the root or the tip, a
// station repeating the one before), a zero-width trapezoid between two others stays as two sections
// at one y with Nspan 0. A wing in use without strips is named in a comment and left out. The header
// says how to get our neutral point from AVL, and when the mirrored strips pass AVL's usual limit of
// 400.
// None unless a complete calculation stands: results valid, the lattice in memory and a reference
// wing. xRefMm is the centre of gravity in use (centreOfGravityInUse) in the datum. The title goes
// on the first line as it is given, on one line and without a leading comment mark.
std::optional<std::string> avlFileText(const Aircraft& aircraft, const SolverData& solver, double xRefMm,
                                       const WingNames& names, std::string_view title);

// The title an export carries: the aircraft file's name without folder and extension ("trainer"),
// or "Aircraft" for an aircraft not yet saved.
std::string avlTitleOf(const std::string& aircraftFile);

// Writes the AVL file of the aircraft to path through a temporary file, so a failed export leaves
// whatever stood there before (`write` may stage it with other outputs). aircraftFile gives the title (avlTitleOf). Returns an empty text, or
// the message naming the file and the reason: no complete calculation, or the save failed.
std::string writeAvlFile(const std::string& path, const Aircraft& aircraft, const SolverData& solver,
                         double xRefMm, const WingNames& names, const std::string& aircraftFile,
                         Language language, const FileWriter& write = writeFileAtomically);

} // namespace ab
