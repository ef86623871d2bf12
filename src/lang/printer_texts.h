// SPDX-License-Identifier: GPL-3.0-or-later
// The printer dialog's texts in the three languages: its title, captions and buttons, the PDF entry
// of its printer list, and a resolution as the grid shows it ("600 × 600 dpi").
#pragma once

#include "lang/language.h"

#include <string>

namespace ab {
namespace texts {

extern const Text3 PrinterTitle;      // "Printer"
extern const Text3 PrinterResolution; // "Printer resolution:"
extern const Text3 ResolutionColumn;  // the grid's column title, "Resolution"
extern const Text3 PrintInColour;     // "Color"
extern const Text3 PrintButton;       // "Print"
extern const Text3 CancelButton;      // "Cancel"
extern const Text3 PdfFileEntry;      // "PDF file", the entry beside the installed printers

} // namespace texts

// "600 × 600 dpi": the horizontal and vertical resolution, the same in every language.
std::string resolutionText(int horizontalDpi, int verticalDpi);

} // namespace ab
