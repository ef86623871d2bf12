// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/page_control.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace ab {

namespace {
constexpr int kFrame = 2; // border of the page area
}

PageControl::PageControl(QWidget* parent) : QWidget(parent), bar(new QTabBar(this))
{
    bar->setDrawBase(false);
    bar->setExpanding(false);
    connect(bar, &QTabBar::currentChanged, this, [this](int) {
        showCurrent();
        if (!programmatic)
            emit changed();
    });
}

QWidget* PageControl::addPage(const char* objectName)
{
    auto* page = new QWidget(this);
    page->setObjectName(objectName);
    page->setAutoFillBackground(true);
    pages.push_back(page);
    programmatic = true;
    bar->addTab(QString());
    programmatic = false;
    page->setVisible(pages.size() == 1);
    if (pages.size() == 1)
        shown = page;
    layoutPages();
    return page;
}

int PageControl::indexOf(QWidget* page) const
{
    for (std::size_t i = 0; i < pages.size(); ++i)
        if (pages[i] == page)
            return static_cast<int>(i);
    return -1;
}

void PageControl::setTabText(QWidget* page, const QString& text) { bar->setTabText(indexOf(page), text); }
QString PageControl::tabText(QWidget* page) const { return bar->tabText(indexOf(page)); }

void PageControl::setPageVisible(QWidget* page, bool visible)
{
    // QTabBar marks its tabs for a new layout when one is shown or hidden, but clears that mark again
    // when told to show or hide a tab that already is: the tabs of wings 3 and 4 stayed where they
    // were (or nowhere) and a hidden tab left its gap. Only changes reach the bar.
    const int index = indexOf(page);
    if (bar->isTabVisible(index) == visible)
        return;
    programmatic = true;
    bar->setTabVisible(index, visible);
    programmatic = false;
    showCurrent();
}

bool PageControl::pageVisible(QWidget* page) const { return bar->isTabVisible(indexOf(page)); }

QWidget* PageControl::activePage() const
{
    const int i = bar->currentIndex();
    return i >= 0 ? pages[static_cast<std::size_t>(i)] : nullptr;
}

void PageControl::setActivePage(QWidget* page)
{
    programmatic = true;
    bar->setCurrentIndex(indexOf(page));
    programmatic = false;
    showCurrent();
}

void PageControl::showCurrent()
{
    QWidget* current = activePage();
    if (current == shown)
        return;
    if (shown)
        shown->hide();
    shown = current;
    if (shown) {
        shown->show();
        emit pageShown(shown);
    }
}

void PageControl::setSize(int width, int height)
{
    resize(width, height);
    layoutPages();
}

QSize PageControl::pageSize() const
{
    const int top = bar->sizeHint().height();
    return {std::max(width() - 2 * kFrame, 1), std::max(height() - top - 2 * kFrame, 1)};
}

void PageControl::layoutPages()
{
    const int top = bar->sizeHint().height();
    bar->setGeometry(kFrame, 0, std::max(width() - 2 * kFrame, 1), top);
    const QSize s = pageSize();
    for (QWidget* page : pages)
        page->setGeometry(kFrame, top + kFrame, s.width(), s.height());
}

void PageControl::resizeEvent(QResizeEvent*) { layoutPages(); }

void PageControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, bar->sizeHint().height(), width(), height() - bar->sizeHint().height());
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &p, this);
}

} // namespace ab
