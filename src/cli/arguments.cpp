// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/arguments.h"

#include "model/balance_items.h"

#include <optional>
#include <string_view>
#include <utility>

namespace ab {
namespace {

std::optional<Language> languageNamed(const std::string& name)
{
    if (name == "en")
        return Language::English;
    if (name == "de")
        return Language::German;
    if (name == "es")
        return Language::Spanish;
    return std::nullopt;
}

// The options that name an output file, and where each keeps the name.
constexpr std::pair<std::string_view, std::string BatchOptions::*> OutputFileOptions[] = {
    {"--save", &BatchOptions::saveAs}, {"--pdf", &BatchOptions::pdf}, {"--avl", &BatchOptions::avl},
    {"--csv", &BatchOptions::csv}};

std::string BatchOptions::* outputFileOption(std::string_view name)
{
    for (const auto& [option, member] : OutputFileOptions)
        if (option == name)
            return member;
    return nullptr;
}

} // namespace

ParsedArguments parseBatchArguments(const std::vector<std::string>& args)
{
    ParsedArguments p;
    BatchOptions& o = p.options;
    bool haveCalc = false;
    for (std::size_t i = 0; i < args.size() && p.ok(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const std::size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        const auto takeValue = [&]() -> std::optional<std::string> {
            if (value)
                return value;
            if (i + 1 < args.size())
                return args[++i];
            p.error = "option " + name + " needs a value";
            return std::nullopt;
        };
        const auto noValue = [&]() {
            if (value)
                p.error = "option " + name + " takes no value";
        };

        if (name == "--help" || name == "-h") {
            noValue();
            o.help = true;
        } else if (name == "--version") {
            noValue();
            o.version = true;
        } else if (name == "--json") {
            noValue();
            o.json = true;
        } else if (name == "--calc") {
            if (auto v = takeValue()) {
                if (haveCalc)
                    p.error = "--calc is given twice";
                o.file = *v;
                haveCalc = true;
            }
        } else if (std::string BatchOptions::* output = outputFileOption(name)) {
            if (auto v = takeValue()) {
                if (v->empty())
                    p.error = name + " needs a file name";
                o.*output = *v;
            }
        } else if (name == "--template") {
            if (auto v = takeValue()) {
                if (*v == "ref")
                    o.templateWing = 0;
                else if (v->size() == 1 && (*v)[0] >= '1' && (*v)[0] <= '5')
                    o.templateWing = (*v)[0] - '0';
                else
                    p.error = "--template is a wing 1 to 5 or ref, not \"" + *v + "\"";
            }
        } else if (name == "--margin") {
            if (auto v = takeValue()) {
                if (const MarginReading m = readMargin(*v); m.valid) {
                    o.marginPercent = m.percent;
                    o.marginGiven = true;
                } else {
                    p.error = "--margin needs a margin from 0 to 50 percent such as 7.5, not \"" + *v + "\"";
                }
            }
        } else if (name == "--deck-units") {
            if (auto v = takeValue()) {
                if (auto u = deckUnitNamed(*v))
                    o.deckUnit = *u;
                else
                    p.error = "--deck-units is m, mm, in or ft, not \"" + *v + "\"";
            }
        } else if (name == "--units") {
            if (auto v = takeValue()) {
                if (*v == "metric")
                    o.units = UnitSystem::Metric;
                else if (*v == "imperial")
                    o.units = UnitSystem::Imperial;
                else
                    p.error = "--units is metric or imperial, not \"" + *v + "\"";
            }
        } else if (name == "--spacing") {
            if (auto v = takeValue()) {
                if (const std::optional<SpanwiseSpacing> s = spacingNamed(*v))
                    o.spacing = s;
                else
                    p.error = "--spacing is equal or refined, not \"" + *v + "\"";
            }
        } else if (name == "--lang") {
            if (auto v = takeValue()) {
                if (auto l = languageNamed(*v))
                    o.language = *l;
                else
                    p.error = "--lang is en, de or es, not \"" + *v + "\"";
            }
        } else {
            p.error = "unknown argument \"" + args[i] + "\"";
        }
    }
    if (p.ok() && !o.help && !o.version) {
        if (!haveCalc)
            p.error = "nothing to do: give --calc FILE";
        else if (o.file.empty())
            p.error = "--calc needs a file name";
        else if (o.templateWing && o.pdf.empty())
            p.error = "--template needs --pdf OUT.pdf to write the template to";
    }
    return p;
}

bool wantsBatchMode(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--", 0) == 0 || arg == "-h")
            return true;
    }
    return false;
}

std::string versionText()
{
    return "AeroBalance " AEROBALANCE_VERSION "\n"
           "Copyright (C) " AEROBALANCE_RELEASE_YEAR " The AeroBalance developers\n"
           "License GPL-3.0-or-later: the GNU General Public License, version 3 or later,\n"
           "<https://www.gnu.org/licenses/gpl-3.0.html>.\n"
           "This is free software: you are free to change and redistribute it.\n"
           "There is NO WARRANTY, to the extent permitted by law.\n";
}

std::string usageText()
{
    return "Usage: aerobalance [FILE]\n"
           "       aerobalance --calc FILE [--json] [--save OUT] [--pdf OUT.pdf\n"
           "                   [--template WING]] [--avl OUT.avl] [--csv OUT.csv]\n"
           "                   [--margin PERCENT] [--spacing equal|refined]\n"
           "                   [--deck-units m|mm|in|ft] [--units metric|imperial]\n"
           "                   [--lang en|de|es]\n"
           "       aerobalance --help | --version\n"
           "\n"
           "Without options the window opens, with FILE (.wk4 or .da4) loaded if one is\n"
           "given. FILE may also be an AVL deck (.avl) or an XFLR5 plane file (.xml); what\n"
           "the program cannot take from it (fins, bodies, twist, camber, controls) is\n"
           "named in the messages.\n"
           "\n"
           "Options:\n"
           "  --calc FILE        calculate the neutral point of the aircraft in FILE\n"
           "                     without a window and print the summary: neutral point,\n"
           "                     recommended centres of gravity and the figures of every\n"
           "                     wing\n"
           "  --json             print one JSON object instead of the text summary\n"
           "  --save OUT         also save the aircraft with its results to OUT (.wk4 is\n"
           "                     added when missing)\n"
           "  --pdf OUT.pdf      also write the one-page summary with both views as a PDF\n"
           "                     to OUT.pdf\n"
           "  --template WING    make the PDF the wing's half planform at true size (WING 1\n"
           "                     to 5, or ref for the reference wing) over as many pages as\n"
           "                     it takes, with the balance marks measured from its root\n"
           "                     leading edge and a 100 mm check bar\n"
           "  --avl OUT.avl      also write the aircraft as an input file of the\n"
           "                     vortex-lattice program AVL (metres; our lattice, the\n"
           "                     reference wing, the centre of gravity shown as Xref)\n"
           "  --csv OUT.csv      also write the spanwise lift distribution, one row per\n"
           "                     strip of every wing: wing, y_mm, chord_mm, c_cl_over_cref,\n"
           "                     cl_over_CL, width_mm (per radian)\n"
           "  --margin PERCENT   stability margin for the desired centre of gravity,\n"
           "                     0 to 50 (default: the margin stored in FILE, else 7.5)\n"
           "  --deck-units m|mm|in|ft\n"
           "                     unit of the lengths of an AVL deck that does not state\n"
           "                     its own in a comment (default m)\n"
           "  --units metric|imperial\n"
           "                     lengths and masses of the summary and the PDF in mm and g\n"
           "                     (default) or in inches and ounces; files and JSON stay in\n"
           "                     mm and g\n"
           "  --spacing equal|refined\n"
           "                     strips along the span: equal, each of one ratio of width\n"
           "                     to chord, or refined towards the ends of every trapezoid\n"
           "                     (same strip count, cosine spacing); default: the spacing\n"
           "                     stored in FILE, else equal\n"
           "  --lang en|de|es    language of the summary and the messages (default en)\n"
           "  -h, --help         show this text and exit\n"
           "  --version          show the version and exit\n"
           "An option's value may also follow an equals sign: --margin=10.\n"
           "\n"
           "Exit status:\n"
           "  0  done\n"
           "  1  the calculation failed, or there is no display to open the window on\n"
           "  2  bad arguments, a file that cannot be read, is refused or cannot be saved,\n"
           "     or output that cannot be written\n";
}

} // namespace ab
