// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing on an image the way the drawings are written: a pen (colour, width) with a position that
// move-to and line-to use, a brush that fills rectangles and polygons and backs text, and a font with
// its colour. The state stays with the image between drawings, as it does on a canvas; a Canvas is
// one drawing session on it.
#pragma once

#include "views/view_geometry.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace ab {

struct CanvasState {
    QColor penColour = Qt::black;
    int penWidth = 1;
    QColor brushColour = Qt::white;
    QFont font;
    QColor fontColour = Qt::black;
    QPoint penPosition;
};

class Canvas {
public:
    // finished, when given, runs when the session ends (an image on the screen shows itself again).
    Canvas(QImage& image, CanvasState& state, std::function<void()> finished = {});
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width() const { return image.width(); }
    int height() const { return image.height(); }
    QImage::Format format() const { return image.format(); }
    const CanvasState& state() const { return s; }

    void setPen(const QColor& colour);
    void setPenWidth(int width);
    void setBrush(const QColor& colour);
    void setFont(const QFont& font);
    void setFontColour(const QColor& colour);

    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void moveTo(Pixel p) { moveTo(p.x, p.y); }
    void lineTo(Pixel p) { lineTo(p.x, p.y); }
    // Move to the first point, lines through the others.
    void polyline(const Polyline& points);
    // Outlined with the pen and filled with the brush, from (x1, y1) up to but not including (x2, y2).
    void rectangle(int x1, int y1, int x2, int y2);
    // An ellipse in the rectangle from (x1, y1) up to (x2, y2), outlined and filled as a rectangle is.
    void ellipse(int x1, int y1, int x2, int y2);
    // The slice of that ellipse from startAngle, counterclockwise over spanAngle (in 1/16 degree,
    // 0 at three o'clock), outlined and filled likewise.
    void pie(int x1, int y1, int x2, int y2, int startAngle, int spanAngle);
    // The rectangle from (x1, y1) up to (x2, y2) in a colour laid over what is there: a translucent
    // colour lets it show through. Pen and brush stay as they are.
    void shade(int x1, int y1, int x2, int y2, const QColor& colour);
    // A closed polygon filled with the brush and outlined with the pen.
    void polygon(const std::vector<QPoint>& points);
    void polygon(std::initializer_list<QPoint> points) { polygon(std::vector<QPoint>(points)); }
    // Text in the font colour with its top-left corner at (x, y), on a background of the brush colour.
    void textOut(int x, int y, const QString& text);
    int textWidth(const QString& text) const;
    // A picture copied over the canvas with its top-left corner at (x, y).
    void draw(int x, int y, const QImage& picture);

private:
    void applyPen();

    QImage& image;
    CanvasState& s;
    std::function<void()> finished;
    QPainter painter;
};

} // namespace ab
