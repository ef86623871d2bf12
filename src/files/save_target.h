// SPDX-License-Identifier: GPL-3.0-or-later
// Where a save of the aircraft goes and whether it must ask first: the name after the extension
// rule, and the question before an existing file is replaced that the user did not just open or
// save (a typed name without ".wk4", or the ".wk4" beside an opened ".da4").
#pragma once

#include <string>
#include <string_view>

namespace ab {

struct SaveTarget {
    std::string fileName;         // the chosen or current name with the extension rule applied
    bool askBeforeReplace = false; // an existing file would be replaced that the user did not name
};

// chosen: the name typed into the save dialog, empty for a plain Save. lastFile: the file the
// aircraft was last opened from or saved to, empty when it has none. A name chosen in the dialog
// asks whenever its file exists (the dialog itself is told not to ask, so the question comes once);
// a plain Save asks only when the extension rule leads to a file other than the last one.
SaveTarget saveTargetOf(const std::string& chosen, const std::string& lastFile);

// A file made from an aircraft (the printed page's PDF, an export): the aircraft's file name with
// `extension` for its own, in its folder ("plane.wk4" -> "plane.pdf"; a name without an extension
// gets it added).
std::string exportNameOf(const std::string& aircraftFile, std::string_view extension);
inline std::string pdfNameOf(const std::string& aircraftFile) { return exportNameOf(aircraftFile, ".pdf"); }

// The name Save as offers: the aircraft's file with ".wk4" (an opened ".da4" is saved as ".wk4"), in
// its folder; for an aircraft without a file yet, the name of the design it started from
// ("glider.wk4"), else the window's current name.
std::string saveAsProposal(const std::string& aircraftFile, const std::string& designName,
                           const std::string& currentName);

// The planform template of wing w as a PDF: "plane.wk4" -> "plane_wing2.pdf".
std::string templatePdfNameOf(const std::string& aircraftFile, int wing);

// Both names lead to the same file: the same text, or one file reached by two paths or a link.
bool sameFile(const std::string& a, const std::string& b);

} // namespace ab
