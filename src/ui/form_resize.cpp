// The layout follows the window size: the tab control fills the client area, the planform views
// and the two aircraft views take the room their tabs have, and everything is drawn again without
// touching the calculation results.
#include "ui/main_window.h"

#include "model/numbers.h"
#include "draw/colours.h"
#include "ui/image_view.h"
#include "ui/page_control.h"

#include <QCheckBox>
#include <QLabel>
#include <QResizeEvent>
#include <QScrollBar>

namespace ab {
namespace {

// The tab control leaves this much of the client area free to its right and below it.
constexpr int kTabControlMarginX = 5;
constexpr int kTabControlMarginY = 27;
// The aircraft tab's width at design size; controls anchored right keep their distance to its edge.
constexpr int kDesignTabWidth = 817;

void resizeImage(ImageView* image, int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    image->resize(width, height);
    image->resizeBitmap(width, height);
}

} // namespace

void TForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (!building)
        FormResize();
}

void TForm1::FormResize()
{
    ScrollBar3->setValue(100);
    const QWidget* client = centralWidget();
    PageControl1->setSize(client->width() - kTabControlMarginX, client->height() - kTabControlMarginY);
    const QSize tab = PageControl1->pageSize();

    for (int w = 1; w <= MaxWings; ++w) {
        ImageView* image = wingUi[w].planform;
        resizeImage(image, tab.width() - image->x() - 2, tab.height() - image->y() - 6);
        Calc_W(w, ResultsAfterPass::Kept);
    }

    resizeImage(Image2, tab.width() - Image2->x() - 1, static_cast<int>(Trunc(0.6 * tab.height())) - Image2->y() - 2);
    clearTopView();
    Image3->move(Image3->x(), static_cast<int>(Trunc(0.6 * tab.height())) - Image2->y() - 1);
    resizeImage(Image3, tab.width() - Image3->x() - 1, tab.height() - Image2->y() - Image2->height() - 21);
    Image3->clear(clInfoBk, clGray);

    if (!aircraft.ResultsValid)
        Calc(this, ResultsAfterPass::Kept);
    d_1d(this);
    STABIL(this);
    d_3d();

    ScrollBar2->setGeometry(ScrollBar2->x(), tab.height() - ScrollBar2->height() - 4, tab.width() - ScrollBar2->x(),
                            ScrollBar2->height());
    ScrollBar1->setGeometry(ScrollBar1->x(), Image3->y(), ScrollBar1->width(), tab.height() - Image3->y() - 4);

    // Controls anchored to the right edge of the aircraft tab.
    struct Anchored {
        QWidget* control;
        int designLeft;
    };
    for (const Anchored& a : {Anchored{CheckBoxA, 607}, Anchored{Label_Press, 605}, Anchored{ScrollBar6, 797}})
        a.control->move(tab.width() - (kDesignTabWidth - a.designLeft), a.control->y());

}

} // namespace ab
