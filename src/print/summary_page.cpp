// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/summary_page.h"

#include "draw/canvas.h"
#include "draw/three_d_drawing.h"
#include "draw/top_view_scene.h"
#include "files/file_messages.h"
#include "model/numbers.h"
#include "views/view_geometry.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace ab {
namespace {

constexpr QSize kTopViewSize{593, 330};
constexpr QSize kThreeDSize{630, 200};
const QRect kTopViewPlace{QPoint(0, 42), QPoint(615, 353)};
const QRect kThreeDPlace{QPoint(0, 357), QPoint(615, 547)};

// Where a row's text must end: before the next text on its row, or at the page's edge.
int endOf(const std::vector<PageRow>& rows, const PageRow& row)
{
    int end = SummaryPageWidth;
    for (const PageRow& other : rows)
        if (other.y == row.y && other.x > row.x)
            end = std::min(end, other.x);
    return end;
}

// A monospaced font shaped like Courier, 16 pixels high (12 points on the page's screen) or as much
// smaller as it takes for every text to end a character's room before the next one on its row.
QFont pageFont(const std::vector<PageRow>& rows)
{
    QFont font("Liberation Mono");
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    for (int size = 16; size > 9; --size) {
        font.setPixelSize(size);
        const QFontMetrics m(font);
        bool fits = true;
        for (const PageRow& row : rows)
            fits &= row.x + m.horizontalAdvance(QString::fromStdString(row.text).trimmed()) + m.horizontalAdvance(' ') <=
                    endOf(rows, row);
        if (fits)
            break;
    }
    return font;
}

// The page row under the lowest text.
int textFoot(const std::vector<PageRow>& rows)
{
    int foot = 0;
    for (const PageRow& row : rows)
        foot = std::max(foot, row.y + 20);
    return foot;
}

} // namespace

SummaryPage summaryPage(const PrintScene& scene, const std::string& fileName)
{
    const Aircraft& ac = scene.aircraft;
    SummaryPage page;
    page.activeWingCount = ac.ActiveWingCount;

    // The top view as the stability display leaves it: reference wing and lattice when the
    // calculation's distributions are in memory, the wings, the texts and marks.
    const TopViewLayout layout = topViewLayout(ac, ac.WingCount, kTopViewSize.width(), kTopViewSize.height());
    std::optional<StabilityDisplay> stability;
    if (ac.ResultsValid)
        stability = StabilityDisplay{
            stabilityRows(ac, scene.figures, scene.language, scene.automatic, scene.units),
            stabilityMarks(ac, scene.figures, layout.scale, layout.offsetY, kTopViewSize.width()), scene.automatic,
            std::nullopt, scene.language, scene.units};
    if (ac.ResultsValid && scene.stabilityOverlay)
        stability = stabilityDisplay(ac, scene.figures, scene.language, scene.automatic, layout, kTopViewSize.width(),
                                     scene.units);
    const TopViewScene top{ac,
                           scene.solver,
                           layout,
                           QString::fromStdString(messageTexts(scene.language).FlightDirectionText),
                           ac.ResultsValid && ac.SolverDataValid,
                           scene.threeD.showPressure ? std::optional<int>(scene.threeD.needlePosition) : std::nullopt,
                           std::move(stability),
                           scene.balance ? scene.balance->cgXMm : std::nullopt};
    page.topView = QImage(kTopViewSize, QImage::Format_RGB32);
    CanvasState topState;
    {
        Canvas c(page.topView, topState);
        drawTopViewScene(c, top);
    }

    // The three-dimensional view takes its size from the top view at print size, as in the window,
    // and never more than holds the whole aircraft at the window's angles: a view the user enlarged
    // on the screen still shows every wing on paper.
    page.threeDView = QImage(kThreeDSize, QImage::Format_RGB32);
    CanvasState threeDState;
    {
        Canvas c(page.threeDView, threeDState);
        ThreeDView view;
        ThreeDInput input = scene.threeD;
        const std::optional<double> fit =
            fittingView3DScale(ac, ac.WingCount, input.elevationPosition, input.azimuthPosition,
                               kThreeDSize.width(), kThreeDSize.height());
        input.view3DScale = view3DScale(scene.view3DPosition, fit ? std::min(layout.scale, *fit) : layout.scale);
        if (fit)
            input.view3DScale = std::min(input.view3DScale, *fit);
        drawThreeDView(c, ac, ac.WingCount, scene.solver, view, input);
    }

    // A long path gives up the middle of its folder part, never the file name, so that the name
    // line ends inside the page at the full font size.
    const QFontMetrics full(pageFont({}));
    const auto columns = static_cast<std::size_t>((SummaryPageWidth - full.horizontalAdvance(' ')) /
                                                  std::max(full.horizontalAdvance('M'), 1));
    page.rows = summaryRows(ac, scene.figures, pathInColumns(fileName, columns), scene.language, scene.wingNames,
                            scene.balance, scene.units);
    return page;
}

void paintSummaryPage(QPainter& p, const SummaryPage& page)
{
    p.fillRect(QRect(0, 0, SummaryPageWidth, SummaryPageHeight), Qt::white);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(kTopViewPlace, page.topView);
    p.drawImage(kThreeDPlace, page.threeDView);
    const QFont font = pageFont(page.rows);
    p.setFont(font);
    p.setPen(Qt::black);
    const int ascent = QFontMetrics(font).ascent();
    for (const PageRow& row : page.rows)
        p.drawText(row.x, row.y + ascent, QString::fromStdString(row.text));
}

SummaryPage greySummaryPage(SummaryPage page)
{
    page.topView = page.topView.convertToFormat(QImage::Format_Grayscale8);
    page.threeDView = page.threeDView.convertToFormat(QImage::Format_Grayscale8);
    return page;
}

QImage summaryPageImage(const SummaryPage& page)
{
    QImage image(SummaryPageWidth, SummaryPageHeight, QImage::Format_RGB32);
    QPainter p(&image);
    paintSummaryPage(p, page);
    return image;
}

void paintPrintedPage(QPainter& p, const SummaryPage& page, int dpi)
{
    const PrintRectangle r = printRectangle(dpi, page.activeWingCount, textFoot(page.rows));
    p.save();
    p.translate(r.left, r.top);
    p.scale(double(r.right - r.left) / SummaryPageWidth, double(r.bottom - r.top) / SummaryPageHeight);
    paintSummaryPage(p, page);
    p.restore();
}

std::string writeSummaryPdf(const std::string& fileName, const SummaryPage& page, Language language,
                            const FileWriter& write)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setResolution(600);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pdf.setTitle(QStringLiteral("AeroBalance4"));
        pdf.setCreator(QStringLiteral("AeroBalance4  V3.4"));
        QPainter p(&pdf);
        paintPrintedPage(p, page, 600);
    }
    const QByteArray& pdfBytes = bytes.data();
    const WriteOutcome written = write(
        fileName, std::string_view(pdfBytes.constData(), static_cast<std::size_t>(pdfBytes.size())));
    return written.ok ? std::string() : saveFailureMessage(language, fileName, written);
}

} // namespace ab
