#include "ui/image_view.h"

#include <QPainter>

namespace ab {

ImageView::ImageView(QWidget* parent) : QWidget(parent), image(1, 1, QImage::Format_RGB32)
{
    image.fill(Qt::white);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::resizeBitmap(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (image.width() == width && image.height() == height)
        return;
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(Qt::white);
    QPainter p(&resized);
    p.drawImage(0, 0, image);
    p.end();
    image = std::move(resized);
    update();
}

void ImageView::clear(const QColor& brush, const QColor& pen)
{
    QPainter p(&image);
    p.setPen(pen);
    p.setBrush(brush);
    p.drawRect(0, 0, image.width() - 1, image.height() - 1);
    p.end();
    update();
}

void ImageView::textOut(int x, int y, const QString& text, const QColor& ink, const QColor& brush)
{
    QPainter p(&image);
    p.setFont(font());
    const QFontMetrics m(font());
    p.fillRect(x, y, m.horizontalAdvance(text), m.height(), brush);
    p.setPen(ink);
    p.drawText(x, y + m.ascent(), text);
    p.end();
    update();
}

void ImageView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.drawImage(0, 0, image);
}

} // namespace ab
