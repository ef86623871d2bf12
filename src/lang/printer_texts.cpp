// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/printer_texts.h"

namespace ab {
namespace texts {

const Text3 PrinterTitle{"Printer", "Drucker", "Impresora"};
const Text3 PrinterResolution{"Printer resolution:", "Druckerauflösung:", "Resolución de la impresora:"};
const Text3 ResolutionColumn{"Resolution", "Auflösung", "Resolución"};
const Text3 PrintInColour{"Color", "Farbe", "Color"};
const Text3 PrintButton{"Print", "Drucken", "Imprimir"};
const Text3 CancelButton{"Cancel", "Abbrechen", "Cancelar"};
const Text3 PdfFileEntry{"PDF file", "PDF-Datei", "Archivo PDF"};

} // namespace texts

std::string resolutionText(int horizontalDpi, int verticalDpi)
{
    return std::to_string(horizontalDpi) + " × " + std::to_string(verticalDpi) + " dpi";
}

} // namespace ab
