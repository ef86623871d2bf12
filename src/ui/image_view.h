// SPDX-License-Identifier: GPL-3.0-or-later
// An image control: a widget that owns a bitmap and the canvas state drawn with. Drawings paint
// into the bitmap and it stays until the next drawing; the paint event only shows it. It also keeps
// what a drawing needs to redraw only what changed: a layer kept between drawings, and a tag of
// what the last drawing session painted.
#pragma once

#include "draw/canvas.h"
#include "draw/layer_cache.h"

#include <QImage>
#include <QWidget>
#include <cstdint>

namespace ab {

class ImageView : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);

    // The bitmap for changing: nothing is known any more about what it shows (lastTag is 0).
    QImage& bitmap()
    {
        tag = 0;
        return image;
    }
    const QImage& bitmap() const { return image; }
    const CanvasState& canvasState() const { return state; }
    // A drawing session on the bitmap; the widget shows the result when the session ends. A drawing
    // that paints the same pixels whenever it is given the same inputs may name them by a tag (a
    // fingerprint, not 0), which lastTag reports until the next session or change of the bitmap.
    Canvas canvas(std::uint64_t drawingTag = 0)
    {
        tag = drawingTag;
        return Canvas(image, state, [this] { update(); });
    }
    std::uint64_t lastTag() const { return tag; }
    // A layer the drawings of this image keep between sessions to lay down again instead of drawing
    // it anew (the top view's ground).
    CachedLayer& keptLayer() { return layer; }
    // Gives the bitmap a new size; what it held is kept where it still fits.
    void resizeBitmap(int width, int height);
    // A rectangle over the whole bitmap, outlined with the pen colour and filled with the brush.
    void clear(const QColor& brush, const QColor& pen);
    // Text with its top-left corner at (x, y) in the ink given, on a background of the brush colour.
    void textOut(int x, int y, const QString& text, const QColor& ink, const QColor& brush);

    // A veil over the picture: what it shows is not current. The bitmap stays as it is.
    void setVeiled(bool veiled);
    bool veiled() const { return veil; }

signals:
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override { emit mousePressed(event); }
    void mouseMoveEvent(QMouseEvent* event) override { emit mouseMoved(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { emit mouseReleased(event); }

private:
    QImage image;
    CanvasState state;
    std::uint64_t tag = 0;
    CachedLayer layer;
    bool veil = false;
};

} // namespace ab
