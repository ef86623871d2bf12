// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/lift_distribution_csv.h"

#include "files/file_messages.h"
#include "files/text_file.h"
#include "lang/lift_plot_texts.h"
#include "model/balance_items.h"

namespace ab {

std::string liftDistributionCsv(const LiftDistribution& d)
{
    std::string csv = std::string(LiftCsvHeader) + "\r\n";
    for (int w = 1; w <= d.wingCount; ++w)
        for (const LiftStation& s : d.wings[w].stations) {
            csv += std::to_string(w);
            for (const double v : {s.y, s.chord, s.localLift, s.clOverCL, s.width})
                csv += "," + shortestNumberText(v);
            csv += "\r\n";
        }
    return csv;
}

std::string saveLiftDistributionCsv(const std::string& path, const LiftDistribution& d, Language l,
                                    const FileWriter& write)
{
    if (!d.available())
        return fileMessage(l, texts::FileCannotSave, path, {.reason = std::string(texts::LiftExportNoResults.in(l))});
    const WriteOutcome saved = write(path, liftDistributionCsv(d));
    return saved.ok ? std::string() : saveFailureMessage(l, path, saved);
}

} // namespace ab
