// The summary page as a PDF for batch mode: the writer batch mode calls for --pdf.
#pragma once

namespace ab {

// Hands batch mode the writer of the summary PDF. Needs a running GUI application (the offscreen
// platform will do): fonts and painting come from it.
void useSummaryPdfWriter();

} // namespace ab
