#include "files/save_target.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

// The printed page's PDF takes the aircraft's name and folder; only a dot in the file's own name
// starts an extension.
TEST(PdfName, TheAircraftsNameWithPdfInItsFolder)
{
    const struct {
        const char* aircraft;
        const char* pdf;
    } rows[] = {
        {"plane.wk4", "plane.pdf"},           {"/models/glider.da4", "/models/glider.pdf"},
        {"/my.models/plane", "/my.models/plane.pdf"}, {"Unknown.wk4", "Unknown.pdf"},
        {".hidden", ".hidden.pdf"},           {"two.dots.wk4", "two.dots.pdf"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(pdfNameOf(r.aircraft), r.pdf) << r.aircraft;
}

} // namespace
} // namespace ab
