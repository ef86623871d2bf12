// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/image_view.h"

#include <QPainter>

namespace ab {

ImageView::ImageView(QWidget* parent) : QWidget(parent), image(1, 1, QImage::Format_RGB32)
{
    image.fill(Qt::white);
    state.font = font();
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::resizeBitmap(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (image.width() == width && image.height() == height)
        return;
    tag = 0;
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
    Canvas c = canvas();
    c.setBrush(brush);
    c.setPen(pen);
    c.rectangle(0, 0, image.width(), image.height());
}

void ImageView::textOut(int x, int y, const QString& text, const QColor& ink, const QColor& brush)
{
    Canvas c = canvas();
    c.setFontColour(ink);
    c.setBrush(brush);
    c.textOut(x, y, text);
}

void ImageView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.drawImage(0, 0, image);
    if (veil)
        p.fillRect(QRect(0, 0, image.width(), image.height()), QColor(160, 160, 160, 110));
}

void ImageView::setVeiled(bool veiled)
{
    if (veil == veiled)
        return;
    veil = veiled;
    update();
}

} // namespace ab
