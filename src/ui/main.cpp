// Program entry: batch calculations run without a window; otherwise the main window starts.
#include "ui/display.h"
#include "ui/main_window.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (!ab::hasDisplay()) {
        std::fputs(ab::noDisplayMessage(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("AeroBalance4");
    ab::TForm1 form;
    form.show();
    return app.exec();
}
