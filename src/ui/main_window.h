// The main window of the program: the wing tabs, the aircraft tab and the menus.
#pragma once

#include <QMainWindow>

namespace ab {

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
};

} // namespace ab
