// SPDX-License-Identifier: GPL-3.0-or-later
// Thin layers over Qt's printing: TXPrintSet knows the installed printers, the resolutions and
// colour capability of the selected one and its colour and resolution settings; TXPrint opens a
// print job on it whose painter draws in device pixels.
#pragma once

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>
#include <memory>

namespace ab {

class TXPrintSet {
public:
    TXPrintSet();
    QStringList printers() const { return names; }
    bool printersAvailable() const { return !names.isEmpty(); }
    int currentPrinterIndex() const { return current; }
    void selectPrinter(int index);
    int resolutionCount() const { return static_cast<int>(resolutions.size()); }
    int resolutionX(int i) const;
    int resolutionY(int i) const { return resolutionX(i); }
    int colourDepth() const { return colourCapable ? 24 : 1; }
    bool colour() const { return printersAvailable() && colourSetting; }
    void setColour(bool on) { colourSetting = on && colourDepth() >= 2; }
    void setResolutionIndex(int i);
    int resolution() const { return resolutionX(resolutionIndex); }
    QPrinterInfo printerInfo() const;

private:
    QStringList names;
    int current = -1;
    QList<int> resolutions;
    bool colourCapable = false;
    bool colourSetting = false;
    int resolutionIndex = 0;
};

class TXPrint {
public:
    // Begins a one-page job on the printer set; false (and nothing started) when it cannot begin.
    bool beginDocument(const TXPrintSet& settings);
    QPainter& canvas() { return painter; }
    // Ends the job and sends it to the printer.
    void endDocument();
    int dpi() const;

private:
    std::unique_ptr<QPrinter> printer;
    QPainter painter;
};

} // namespace ab
