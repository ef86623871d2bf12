// SPDX-License-Identifier: GPL-3.0-or-later
// Printing through a real print queue. scripts/test, run as root, starts a CUPS server of its own with
// a queue on the cups-pdf backend, names the queue in AEROBALANCE_TEST_QUEUE and the folder the queue
// writes its PDF files to in AEROBALANCE_TEST_QUEUE_OUTPUT. Without them the test is skipped. A page
// counts as printed once the server has completed its job; the backend writes its file in pieces.
#include "cli/batch.h"
#include "pdf_reading.h"
#include "print/printer_dialog.h"
#include "window_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableWidget>
#include <nlohmann/json.hpp>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>
#include <set>
#include <sstream>
#include <thread>

namespace ab {
namespace {

namespace fs = std::filesystem;

struct TestQueue {
    QString name;
    fs::path output;
};

// The queue scripts/test set up; none when it set up none.
std::optional<TestQueue> testQueue()
{
    const QString name = qEnvironmentVariable("AEROBALANCE_TEST_QUEUE");
    const QString output = qEnvironmentVariable("AEROBALANCE_TEST_QUEUE_OUTPUT");
    if (name.isEmpty() || output.isEmpty())
        return std::nullopt;
    return TestQueue{name, fs::path(output.toStdString())};
}

std::set<fs::path> pdfsIn(const fs::path& folder)
{
    std::set<fs::path> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.path().extension() == ".pdf")
            found.insert(entry.path());
    return found;
}

// The ids of the queue's jobs the print server lists as completed ("AeroBalance-Test-7"), or, with
// `completed` false, as not yet completed (waiting, held or printing).
std::set<std::string> jobsOf(const QString& queue, bool completed)
{
    const std::string list =
        outputOf("lpstat -W " + std::string(completed ? "completed" : "not-completed") + " -o '" +
                 queue.toStdString() + "' 2>/dev/null");
    std::set<std::string> jobs;
    std::istringstream lines(list);
    for (std::string line; std::getline(lines, line);)
        if (const std::size_t end = line.find(' '); end != 0 && end != std::string::npos)
            jobs.insert(line.substr(0, end));
    return jobs;
}

// Waits until the print server has completed a job of the queue that was not completed before and
// none of its jobs is still waiting or printing: the backend has then closed its PDF file, which it
// writes in pieces. Returns the new job's id, empty when none completes in time.
std::string awaitCompletedJob(const QString& queue, const std::set<std::string>& completedBefore)
{
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + seconds(120);
    while (steady_clock::now() < deadline) {
        for (const std::string& job : jobsOf(queue, true))
            if (!completedBefore.count(job) && jobsOf(queue, false).empty())
                return job;
        std::this_thread::sleep_for(milliseconds(200));
    }
    return {};
}

// The PDF files the queue wrote that were not there before.
std::vector<fs::path> newPdfs(const fs::path& folder, const std::set<fs::path>& before)
{
    std::vector<fs::path> found;
    for (const fs::path& pdf : pdfsIn(folder))
        if (!before.count(pdf))
            found.push_back(pdf);
    return found;
}

std::string neutralPointText(const std::string& file)
{
    std::ostringstream out, err;
    EXPECT_EQ(runBatch({"--calc", file, "--json"}, out, err), 0) << err.str();
    char text[32];
    std::snprintf(text, sizeof text, "%.1f mm", nlohmann::json::parse(out.str())["neutral_point_x_mm"].get<double>());
    return text;
}

// Opens the printer dialog on the queue, as a user picks it from the list.
void chooseQueue(TForm3& dialog, const QString& queue)
{
    dialog.show();
    const int index = dialog.ComboBox1->findText(queue);
    ASSERT_GE(index, 0) << queue.toStdString();
    dialog.ComboBox1->setCurrentIndex(index);
}

TEST(PrintQueue, TheSummaryPageGoesThroughACupsQueueInColourAndInGrey)
{
    const std::optional<TestQueue> queue = testQueue();
    if (!queue)
        GTEST_SKIP() << "no print queue is set up for the tests (scripts/test sets one up with CUPS when run as root)";
    // A queue that was set up and is not listed is a fault of printing, not a reason to skip.
    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().contains(queue->name))
        << queue->name.toStdString() << " is not among the printers: "
        << QPrinterInfo::availablePrinterNames().join(", ").toStdString();

    const std::string file = kExamples + "trainer.wk4";
    TForm1 form(QStringList{QString::fromStdString(file)});
    trigger(form, "calculateAction");
    trigger(form, "Print1");
    TForm3* dialog = form.printerDialog;
    ASSERT_NE(dialog, nullptr);
    std::vector<std::string> errors;
    dialog->showError = [&](const QString& message) { errors.push_back(message.toStdString()); };

    // The list names the queue as CUPS does, with the resolutions its driver offers, and colour.
    chooseQueue(*dialog, queue->name);
    const QList<int> resolutions = QPrinterInfo::printerInfo(queue->name).supportedResolutions();
    ASSERT_FALSE(resolutions.isEmpty());
    ASSERT_EQ(dialog->StringGrid2->rowCount(), resolutions.size());
    for (int row = 0; row < resolutions.size(); ++row)
        EXPECT_EQ(dialog->StringGrid2->item(row, 0)->text(), QString("%1 × %1 dpi").arg(resolutions[row]));
    EXPECT_TRUE(dialog->CheckBoxColor->isEnabled());

    const std::string neutralPoint = neutralPointText(file);
    for (const bool colour : {true, false}) {
        SCOPED_TRACE(colour ? "in colour" : "in grey");
        chooseQueue(*dialog, queue->name);
        dialog->CheckBoxColor->setChecked(colour);
        dialog->StringGrid2->selectRow(static_cast<int>(resolutions.size()) / 2);
        const std::set<fs::path> before = pdfsIn(queue->output);
        const std::set<std::string> completedBefore = jobsOf(queue->name, true);
        dialog->ButtonCloseClick();
        EXPECT_TRUE(errors.empty()) << errors.front();
        EXPECT_FALSE(dialog->isVisible());

        const std::string job = awaitCompletedJob(queue->name, completedBefore);
        ASSERT_FALSE(job.empty()) << "the print server completed no job of " << queue->name.toStdString()
                                  << "; still listed: " << jobsOf(queue->name, false).size();
        const std::vector<fs::path> written = newPdfs(queue->output, before);
        ASSERT_EQ(written.size(), 1u) << "job " << job << " wrote " << written.size() << " PDF files into "
                                      << queue->output;
        const fs::path pdf = written.front();
        EXPECT_EQ(pdfPages(pdf.string()), 1);
        const std::string text = pdfText(pdf.string());
        for (const std::string& expected : {std::string("AeroBalance4 V3.4"), std::string("trainer.wk4"),
                                            std::string("aerodynamic center:"), neutralPoint})
            EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
        EXPECT_EQ(pdfHasColour(pdf.string()), colour);
        fs::remove(pdf);
    }
}

} // namespace
} // namespace ab
