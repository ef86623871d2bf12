// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch.h"

#include "cli/arguments.h"
#include "cli/balance_report.h"
#include "cli/json_report.h"
#include "cli/summary_text.h"
#include "document/aircraft_document.h"
#include "files/aircraft_writer.h"
#include "files/avl_export.h"
#include "files/file_messages.h"
#include "files/lift_distribution_csv.h"
#include "files/staged_files.h"
#include "stability/stability.h"
#include "views/planform_template.h"

#include <cerrno>
#include <exception>
#include <filesystem>
#include <iostream>
#include <system_error>
#include <utility>

namespace ab {
namespace {

SummaryPdfWriter& pdfWriter()
{
    static SummaryPdfWriter writer;
    return writer;
}

TemplatePdfWriter& templateWriter()
{
    static TemplatePdfWriter writer;
    return writer;
}

int refuse(std::ostream& err, const std::string& line, int status = BatchBadInput)
{
    err << "aerobalance: " << line << '\n';
    return status;
}

// A summary that did not reach standard output (a full disk, a closed pipe) is no success.
int finished(std::ostream& out, std::ostream& err, int status)
{
    out.flush();
    if (out)
        return status;
    const int error = errno;
    return refuse(err, "cannot write to standard output" +
                           (error != 0 ? ": " + std::generic_category().message(error) : std::string()));
}

// Two names of one file: the same text, one existing file by two paths or links, or the same path
// once resolved (outputs not yet written).
bool namesOneFile(const std::string& a, const std::string& b)
{
    namespace fs = std::filesystem;
    std::error_code ec1, ec2;
    if (a == b || fs::equivalent(a, b, ec1))
        return true;
    const fs::path ca = fs::weakly_canonical(a, ec1), cb = fs::weakly_canonical(b, ec2);
    return !ec1 && !ec2 && ca == cb;
}

// The first output (--save, then --pdf, --avl, --csv) that is refused before anything is written: a
// folder, a device, a FIFO or a read-only file, or a PDF or an export (AVL, CSV) that would replace
// the aircraft file or another output. Checked before the calculation, so a run that cannot end in
// success writes nothing at all; the save itself checks again.
std::string refusedOutput(const BatchOptions& o)
{
    const std::string saveAs = o.saveAs.empty() ? o.saveAs : applyExtensionRule(o.saveAs);
    const std::string* outputs[] = {&saveAs, &o.pdf, &o.avl, &o.csv};
    for (const std::string* file : outputs)
        if (!file->empty())
            if (const WriteOutcome problem = saveTargetProblem(*file); !problem.ok)
                return saveFailureMessage(o.language, *file, problem);
    const std::pair<const char*, const std::string*> exports[] = {{"--pdf", &o.pdf}, {"--avl", &o.avl}, {"--csv", &o.csv}};
    for (const auto& [option, name] : exports) {
        if (name->empty())
            continue;
        if (namesOneFile(*name, o.file))
            return std::string(option) + " \"" + *name + "\" would write over the aircraft file; give it a name of its own";
        for (const std::string* other : outputs)
            if (other != name && !other->empty() && namesOneFile(*name, *other))
                return std::string(option) + " \"" + *name + "\" would write over another output of this run; give it a name of its own";
    }
    return {};
}

int calculateFile(const BatchOptions& o, std::ostream& out, std::ostream& err)
{
    const Language l = o.language;
    // The aircraft the window starts with, then the file opened over it.
    AircraftDocument doc(l);
    const OpenOutcome opened = doc.open(o.file, l, o.deckUnit);
    if (opened.status == AircraftReadStatus::NoFileChosen)
        return refuse(err, fileMessage(l, texts::FileCannotOpen, o.file, {.reason = std::generic_category().message(ENOENT)}));
    if (!opened.ok())
        return refuse(err, opened.message);
    for (const std::string& note : balanceCutNotes(opened.balanceCut, l))
        err << "aerobalance: \"" << o.file << "\": " << note << '\n';
    if (const std::string refused = refusedOutput(o); !refused.empty())
        return refuse(err, refused);
    // A wing the template cannot show is refused before anything is written.
    if (o.templateWing && *o.templateWing > 0)
        if (const TemplateProblem problem = planformTemplate(doc.aircraft, {}, *o.templateWing, 0, true, l).problem;
            problem != TemplateProblem::None)
            return refuse(err, "--template " + std::to_string(*o.templateWing) + ": " +
                                   templateProblemText(problem, *o.templateWing, 0, l));

    // A spacing on the command line replaces the file's, and is saved with it.
    if (o.spacing)
        doc.texts.spacing = *o.spacing;
    const CalculationRun run = doc.calculate(l);
    if (run.failed) {
        err << "aerobalance: " << fileMessage(l, texts::FileNotCalculated, o.file) << '\n';
        for (const std::string& line : opened.notes)
            err << line << '\n';
        for (const std::string& line : run.memo)
            err << line << '\n';
        return BatchCalculationFailed;
    }
    // A margin on the command line overrides the one stored with the aircraft, and is saved with it.
    if (o.marginGiven)
        doc.setMargin(shortestNumberText(o.marginPercent));
    const StabilityFigures figures = doc.stabilityFigures();
    const BalanceFigures balance = doc.balance();
    const Aircraft& aircraft = doc.aircraft;
    const SolverData& solver = doc.solver;
    const WingNames names = wingNames(doc.texts);

    // Every output is written to its temporary file first; the files are replaced only once all of
    // them are written, so a run that fails on one output leaves every file as it was.
    StagedFiles outputs;
    const FileWriter stage = outputs.writer();

    // Saving after the calculation writes the results with the aircraft, as the window's save does.
    std::string shownName = o.file;
    if (!o.saveAs.empty()) {
        shownName = applyExtensionRule(o.saveAs);
        const SaveOutcome saved = doc.save(shownName, l, stage);
        if (!saved.ok)
            return refuse(err, saved.message);
    }

    const UnitSystem units = o.units.value_or(UnitSystem::Metric);
    if (!o.pdf.empty() && !o.templateWing) {
        if (!pdfWriter())
            return refuse(err, "this program was built without the summary page; --pdf is not available");
        const std::string failed = pdfWriter()(o.pdf, aircraft, solver, figures,
                                               SummaryPdfChoices{doc.automaticStability(), balance, names, units},
                                               shownName, l, stage);
        if (!failed.empty())
            return refuse(err, failed);
    }
    if (!o.pdf.empty() && o.templateWing) {
        if (!templateWriter())
            return refuse(err, "this program was built without the planform template; --template is not available");
        const int wing = *o.templateWing == 0 ? solver.ReferenceWing : *o.templateWing;
        if (wing == 0)
            return refuse(err, "--template ref: the calculation found no reference wing");
        const std::string failed = templateWriter()(
            o.pdf, aircraft, figures, TemplatePdfChoices{wing, solver.ReferenceWing, doc.automaticStability(), names, units},
            shownName, l, stage);
        if (!failed.empty())
            return refuse(err, failed);
    }

    if (!o.avl.empty())
        if (const std::string failed =
                writeAvlFile(o.avl, aircraft, solver, doc.centreOfGravity().x, names, shownName, l, stage);
            !failed.empty())
            return refuse(err, failed);

    if (!o.csv.empty())
        if (const std::string failed = saveLiftDistributionCsv(o.csv, doc.liftDistribution(), l, stage);
            !failed.empty())
            return refuse(err, failed);

    if (const StagedFiles::CommitOutcome committed = outputs.commit(); !committed.written.ok) {
        const int status = refuse(err, saveFailureMessage(l, committed.path, committed.written));
        for (const std::string& file : committed.replaced)
            err << "aerobalance: " << fileMessage(l, texts::FileAlreadySaved, file) << '\n';
        return status;
    }

    const std::vector<std::string> messages = batchMessages(opened.notes, run, doc.texts.balance, l, doc.texts.fuselage);
    errno = 0; // whatever fails from here on is the writing of the summary
    if (o.json) {
        // A file name that is not UTF-8 (an old 8-bit name) is shown with replacement characters.
        out << jsonReport(o.file, doc, run, messages, o.units.has_value()).dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
            << '\n';
    } else {
        if (!messages.empty()) {
            for (const std::string& line : messages)
                out << line << '\n';
            out << '\n';
        }
        out << summaryText(aircraft, figures, shownName, l, names, units) << balanceSummaryText(balance, l, units);
    }
    return finished(out, err, BatchDone);
}

} // namespace

void setSummaryPdfWriter(SummaryPdfWriter writer) { pdfWriter() = std::move(writer); }
void setTemplatePdfWriter(TemplatePdfWriter writer) { templateWriter() = std::move(writer); }

int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const ParsedArguments parsed = parseBatchArguments(args);
    if (!parsed.ok())
        return refuse(err, parsed.error + " (see aerobalance --help)");
    const BatchOptions& o = parsed.options;
    if (o.help || o.version) {
        errno = 0;
        out << (o.help ? usageText() : versionText());
        return finished(out, err, BatchDone);
    }
    try {
        return calculateFile(o, out, err);
    } catch (const std::exception& e) {
        return refuse(err, std::string("the calculation stopped: ") + e.what(), BatchCalculationFailed);
    }
}

int batchMain(int argc, const char* const* argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return runBatch(args, std::cout, std::cerr);
}

} // namespace ab
