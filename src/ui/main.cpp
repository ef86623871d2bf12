// Program entry: options starting with "--" run batch mode, before any window library starts, so it
// needs no display; otherwise the main window opens.
#include "cli/arguments.h"
#include "cli/batch.h"
#include "ui/display.h"
#include "ui/main_window.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (ab::wantsBatchMode(argc, argv))
        return ab::batchMain(argc, argv);
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
