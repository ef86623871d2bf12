// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_components.h"

namespace ab {

TXPrintSet::TXPrintSet()
{
    names = QPrinterInfo::availablePrinterNames();
    const int def = static_cast<int>(names.indexOf(QPrinterInfo::defaultPrinterName()));
    if (!names.isEmpty())
        selectPrinter(def >= 0 ? def : 0);
}

void TXPrintSet::selectPrinter(int index)
{
    if (index < 0 || index >= names.size())
        return;
    current = index;
    const QPrinterInfo info = printerInfo();
    resolutions = info.supportedResolutions();
    // A driver that lists no resolution prints at the usual 600 dots per inch.
    if (resolutions.isEmpty())
        resolutions = {600};
    colourCapable = info.supportedColorModes().contains(QPrinter::Color);
    colourSetting = colourCapable && info.defaultColorMode() == QPrinter::Color;
    resolutionIndex = 0;
}

int TXPrintSet::resolutionX(int i) const
{
    return i >= 0 && i < resolutions.size() ? resolutions[i] : 0;
}

void TXPrintSet::setResolutionIndex(int i)
{
    if (i >= 0 && i < resolutions.size())
        resolutionIndex = i;
}

QPrinterInfo TXPrintSet::printerInfo() const
{
    return current >= 0 ? QPrinterInfo::printerInfo(names[current]) : QPrinterInfo();
}

bool TXPrint::beginDocument(const TXPrintSet& settings)
{
    if (!settings.printersAvailable())
        return false;
    printer = std::make_unique<QPrinter>(settings.printerInfo(), QPrinter::HighResolution);
    printer->setResolution(settings.resolution());
    printer->setColorMode(settings.colour() ? QPrinter::Color : QPrinter::GrayScale);
    printer->setFullPage(true);
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setCopyCount(1);
    printer->setDocName(QStringLiteral("AeroBalance4"));
    return painter.begin(printer.get());
}

void TXPrint::endDocument()
{
    if (painter.isActive())
        painter.end();
    printer.reset();
}

int TXPrint::dpi() const { return printer ? printer->resolution() : 600; }

} // namespace ab
