// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/canvas.h"

#include <QFontMetrics>

namespace ab {

Canvas::Canvas(QImage& img, CanvasState& state, std::function<void()> whenFinished)
    : image(img), s(state), finished(std::move(whenFinished))
{
    painter.begin(&image);
    painter.setFont(s.font);
    applyPen();
    painter.setBrush(s.brushColour);
}

Canvas::~Canvas()
{
    painter.end();
    if (finished)
        finished();
}

void Canvas::applyPen()
{
    QPen pen(s.penColour, s.penWidth);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
}

void Canvas::setPen(const QColor& colour)
{
    s.penColour = colour;
    applyPen();
}

void Canvas::setPenWidth(int width)
{
    s.penWidth = std::max(width, 1);
    applyPen();
}

void Canvas::setBrush(const QColor& colour)
{
    s.brushColour = colour;
    painter.setBrush(colour);
}

void Canvas::setFont(const QFont& font)
{
    s.font = font;
    painter.setFont(font);
}

void Canvas::setFontColour(const QColor& colour) { s.fontColour = colour; }

void Canvas::moveTo(int x, int y) { s.penPosition = {x, y}; }

void Canvas::lineTo(int x, int y)
{
    painter.drawLine(s.penPosition, QPoint(x, y));
    s.penPosition = {x, y};
}

void Canvas::polyline(const Polyline& points)
{
    if (points.empty())
        return;
    moveTo(points.front());
    for (std::size_t i = 1; i < points.size(); ++i)
        lineTo(points[i]);
}

void Canvas::rectangle(int x1, int y1, int x2, int y2)
{
    // The outline covers the pixels x1 .. x2 - 1 and y1 .. y2 - 1, the fill what lies inside.
    painter.drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 2, y2 - 2)));
}

void Canvas::ellipse(int x1, int y1, int x2, int y2)
{
    painter.drawEllipse(QRect(QPoint(x1, y1), QPoint(x2 - 2, y2 - 2)));
}

void Canvas::pie(int x1, int y1, int x2, int y2, int startAngle, int spanAngle)
{
    painter.drawPie(QRect(QPoint(x1, y1), QPoint(x2 - 2, y2 - 2)), startAngle, spanAngle);
}

void Canvas::shade(int x1, int y1, int x2, int y2, const QColor& colour)
{
    painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), colour);
}

void Canvas::polygon(const std::vector<QPoint>& points)
{
    painter.drawPolygon(points.data(), static_cast<int>(points.size()));
}

void Canvas::textOut(int x, int y, const QString& text)
{
    const QFontMetrics m(s.font);
    painter.fillRect(x, y, m.horizontalAdvance(text), m.height(), s.brushColour);
    painter.setPen(s.fontColour);
    painter.drawText(x, y + m.ascent(), text);
    applyPen();
}

int Canvas::textWidth(const QString& text) const { return QFontMetrics(s.font).horizontalAdvance(text); }

void Canvas::draw(int x, int y, const QImage& picture) { painter.drawImage(x, y, picture); }

} // namespace ab
