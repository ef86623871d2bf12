// SPDX-License-Identifier: GPL-3.0-or-later
// The PDFs of batch mode: the summary page it writes for --pdf, and the planform template it writes
// for --pdf with --template.
#pragma once

namespace ab {

// Hands batch mode the writer of the summary PDF, and that of the template with it. Needs a running
// GUI application (the offscreen platform will do): fonts and painting come from it.
void useSummaryPdfWriter();

// Hands batch mode the writer of the planform template, on the paper of the user's locale.
void useTemplatePdfWriter();

} // namespace ab
