// SPDX-License-Identifier: GPL-3.0-or-later
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

// Save as and the template's PDF offer names a user would choose: the aircraft's own, in its folder.
TEST(ProposedNames, SaveAsAndTheTemplateOfferTheAircraftsName)
{
    const struct {
        const char* file;   // the aircraft's file, "" for none yet
        const char* design; // the template it started from, "" for none
        const char* saveAs;
        const char* template2;
    } rows[] = {
        {"/models/trainer.wk4", "", "/models/trainer.wk4", "/models/trainer_wing2.pdf"},
        {"/models/biplane.da4", "", "/models/biplane.wk4", "/models/biplane_wing2.pdf"},
        {"/models/plane", "", "/models/plane.wk4", "/models/plane_wing2.pdf"},
        {"/models/trainer.wk4", "glider.wk4", "/models/trainer.wk4", "/models/trainer_wing2.pdf"},
        {"", "glider.wk4", "glider.wk4", "Unknown_wing2.pdf"},
        {"", "", "Unknown.wk4", "Unknown_wing2.pdf"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.file) + " / " + r.design);
        EXPECT_EQ(saveAsProposal(r.file, r.design, "Unknown.wk4"), r.saveAs);
        EXPECT_EQ(templatePdfNameOf(*r.file ? r.file : "Unknown.wk4", 2), r.template2);
    }
}

} // namespace
} // namespace ab
