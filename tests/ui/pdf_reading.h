// SPDX-License-Identifier: GPL-3.0-or-later
// Reading back a printed PDF in the printing tests: its bytes, its page count, its text and whether
// it holds any colour, with the tools of poppler-utils the project's scripts install.
#pragma once

#include <QImage>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace ab {

inline std::string bytesOf(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// What a command writes to its standard output.
inline std::string outputOf(const std::string& command)
{
    std::string text;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, p))
            text.append(buffer, n);
        pclose(p);
    }
    return text;
}

// The text of a PDF as pdftotext reads it. Blanks between words are the layout's, not the text's:
// one stands for any run.
inline std::string pdfText(const std::string& pdf)
{
    const std::string text = outputOf("pdftotext -layout '" + pdf + "' - 2>/dev/null");
    std::string words;
    for (char c : text)
        if (!(c == ' ' && !words.empty() && words.back() == ' '))
            words += c;
    return words;
}

// The page count pdfinfo reads; 0 when it cannot read the file.
inline int pdfPages(const std::string& pdf)
{
    const std::string info = outputOf("pdfinfo '" + pdf + "' 2>/dev/null");
    const std::size_t at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::atoi(info.c_str() + at + 6);
}

// Whether any pixel of the PDF's first page, rendered small by pdftoppm, has a colour other than grey.
inline bool pdfHasColour(const std::string& pdf)
{
    const std::string png = pdf + "-page";
    if (std::system(("pdftoppm -png -r 24 -singlefile '" + pdf + "' '" + png + "'").c_str()) != 0)
        return false;
    const QImage page(QString::fromStdString(png + ".png"));
    EXPECT_FALSE(page.isNull());
    std::remove((png + ".png").c_str());
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixelColor(x, y).hsvSaturation() > 20)
                return true;
    return false;
}

} // namespace ab
