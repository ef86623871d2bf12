// SPDX-License-Identifier: GPL-3.0-or-later
// Window tests run without a display: fall back to the offscreen platform before Qt starts. The
// window keeps its settings and wing copy in the desktop's folders: the tests give it folders of
// their own and a working folder of their own, so that nothing of the user's is read or written.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const QTemporaryDir home;
    if (!home.isValid() || !QDir(home.path()).mkpath("work"))
        return 1;
    setenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit().constData(), 1);
    setenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit().constData(), 1);
    QDir::setCurrent(home.path() + "/work");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
