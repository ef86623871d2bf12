// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of the window program, which `aerobalance` starts for the window and for batch mode with a
// PDF: options starting with "--" run batch mode, before any window library starts, so it needs no
// display (a PDF of the summary is drawn on the offscreen platform); otherwise the main window opens.
#include "cli/arguments.h"
#include "cli/batch.h"
#include "ui/display.h"
#include "print/batch_pdf.h"
#include "ui/main_window.h"

#include <QApplication>
#include <cstdio>
#include <memory>
#include <string_view>

int main(int argc, char** argv)
{
    if (ab::wantsBatchMode(argc, argv)) {
        std::unique_ptr<QGuiApplication> painting;
        for (int i = 1; i < argc; ++i)
            if (std::string_view(argv[i]).rfind("--pdf", 0) == 0 && !painting) {
                if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                    qputenv("QT_QPA_PLATFORM", "offscreen");
                painting = std::make_unique<QGuiApplication>(argc, argv);
                ab::useSummaryPdfWriter();
            }
        return ab::batchMain(argc, argv);
    }
    if (!ab::hasDisplay()) {
        std::fputs(ab::noDisplayMessage(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("AeroBalance4");
    ab::TForm1 form(QApplication::arguments().mid(1));
    form.show();
    return app.exec();
}
