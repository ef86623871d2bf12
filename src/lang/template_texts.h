// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the 1:1 planform template: its title, the page label, the line of the balance marks
// measured from the wing's root leading edge and of those off the wing, the check bar, how the pages go together, and why a
// template is refused, in the three languages. Numbers and names are filled into "{...}" fields.
#pragma once

#include "lang/language.h"

namespace ab::texts {

extern const Text3 TemplateTitle;        // "1:1 planform template"
extern const Text3 TemplatePage;         // "page {page} of {count}"
extern const Text3 TemplateMarksFrom;    // "x from the root leading edge of this wing: "
extern const Text3 TemplateMac;          // "MAC of this wing {length} at y = {y}, its leading edge at x = {x}"
extern const Text3 TemplateReferenceMac; // the same for the reference chord the % figures take
extern const Text3 TemplateNoResults;    // the marks wait for a calculation
extern const Text3 TemplateRootAt;       // "The root leading edge of this wing lies at x = {value}."
extern const Text3 TemplateRootChord;    // "root chord {value}"
extern const Text3 TemplateMarksAhead;   // "{marks}: ahead of the root leading edge, off the wing (x below 0)."
extern const Text3 TemplateMarksBehind;  // "{marks}: behind the root trailing edge, off the wing."
extern const Text3 TemplateRulerRunsOn;  // the ruler along the root chord runs on to them
extern const Text3 TemplateMarksOnReference; // "They are drawn on the template of wing {wing}, the reference wing."
extern const Text3 TemplateCheckNote;    // what the 100 mm bar is for
extern const Text3 TemplateAssembly;     // how the pages go together
extern const Text3 TemplateNoSuchWing;   // "The aircraft has no wing {wing} in use."
extern const Text3 TemplateNoArea;       // "Wing {wing} has no area to draw."
extern const Text3 TemplateTooManyPages; // "The template of wing {wing} would take {value} pages; ..."
extern const Text3 TemplateWingPrompt;   // "Template of the wing:", above the chooser's list of wings
extern const Text3 TemplateReferenceWing; // "{wing} (reference wing)", the reference wing's entry there

} // namespace ab::texts
