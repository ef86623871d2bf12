// An image control: a widget that owns a bitmap and the canvas state drawn with. Drawings paint
// into the bitmap and it stays until the next drawing; the paint event only shows it.
#pragma once

#include "draw/canvas.h"

#include <QImage>
#include <QWidget>

namespace ab {

class ImageView : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);

    QImage& bitmap() { return image; }
    const QImage& bitmap() const { return image; }
    // A drawing session on the bitmap; the widget shows the result when the session ends.
    Canvas canvas() { return Canvas(image, state, [this] { update(); }); }
    // Gives the bitmap a new size; what it held is kept where it still fits.
    void resizeBitmap(int width, int height);
    // A rectangle over the whole bitmap, outlined with the pen colour and filled with the brush.
    void clear(const QColor& brush, const QColor& pen);
    // Text with its top-left corner at (x, y) in the ink given, on a background of the brush colour.
    void textOut(int x, int y, const QString& text, const QColor& ink, const QColor& brush);

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
};

} // namespace ab
