#include "ui/main_window.h"

namespace ab {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    setWindowTitle(" AeroBalance4  V3.4");
    resize(1000, 720);
}

} // namespace ab
