// The layout follows the window size: the tab control fills the client area, the planform views
// and the two aircraft views take the room their tabs have, and everything is drawn again without
// touching the calculation results. Controls whose captions differ in size between the languages
// are placed by those sizes: the column of the calculation and stability controls, the pressure
// legend over the top view.
#include "ui/main_window.h"

#include "model/numbers.h"
#include "draw/colours.h"
#include "ui/image_view.h"
#include "ui/page_control.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

namespace ab {
namespace {

// The tab control leaves this much of the client area free to its right and below it.
constexpr int kTabControlMarginX = 5;
constexpr int kTabControlMarginY = 27;
// The aircraft tab's width at design size; controls anchored right keep their distance to its edge.
constexpr int kDesignTabWidth = 817;

// Controls that end near the page's lower edge keep this gap to it.
constexpr int kBottomGap = 2;

int bottomOf(const QWidget* w) { return w->y() + w->height(); }

// A stability mode takes its caption's lines: one line in the design height, each further line a
// line spacing more.
void fitLines(QAbstractButton* button, int designHeight)
{
    const int lines = static_cast<int>(button->text().count('\n')) + 1;
    button->resize(button->sizeHint().width(), designHeight + (lines - 1) * button->fontMetrics().lineSpacing());
}

// The row of a scroll bar's thumb centre at a position, in its parent's coordinates.
int thumbRow(const QScrollBar* bar, int value)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.pageStep = bar->pageStep();
    option.singleStep = bar->singleStep();
    option.sliderPosition = option.sliderValue = value;
    const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    return bar->y() + thumb.center().y();
}

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
        Calc(ResultsAfterPass::Kept);
    d_1d();
    STABIL();
    d_3d();

    ScrollBar2->setGeometry(ScrollBar2->x(), tab.height() - ScrollBar2->height() - 4, tab.width() - ScrollBar2->x(),
                            ScrollBar2->height());
    ScrollBar1->setGeometry(ScrollBar1->x(), Image3->y(), ScrollBar1->width(), tab.height() - Image3->y() - 4);

    // The pressure contrast bar keeps its distance to the right edge of the aircraft tab.
    ScrollBar6->move(tab.width() - (kDesignTabWidth - 797), ScrollBar6->y());
    placeCaptionedControls();
}

void TForm1::placeCaptionedControls()
{
    const int pageHeight = PageControl1->pageSize().height();
    const int pageWidth = PageControl1->pageSize().width();

    // Under the calculation button the stability modes and the desired margin's caption follow one
    // another, each as high as its caption's lines. Below them the margin bar stands at the left,
    // the margin field and under it the message memo right of the bar; the bar's marks fall beside
    // the memo, below the field. Bar and memo keep their design heights where the page has the
    // room and end above its lower edge where it has not (the Spanish captions take two lines
    // each: at the smallest window the bar is shorter then).
    int row = bottomOf(Button4) + 1;
    for (QRadioButton* mode : {RadioButton15, RadioButton16}) {
        mode->move(mode->x(), row);
        fitLines(mode, 17);
        row = bottomOf(mode);
    }
    Label22->move(Label22->x(), row);
    row = bottomOf(Label22);
    ScrollBar5->setGeometry(ScrollBar5->x(), row, ScrollBar5->width(), std::min(117, pageHeight - kBottomGap - row));
    Edit_Mstab->move(Edit_Mstab->x(), row + 1);
    Label21->move(Label21->x(), row + 4);
    const int memoTop = bottomOf(Edit_Mstab) + 11;
    Memo1->setGeometry(Memo1->x(), memoTop, Memo1->width(), std::min(84, pageHeight - kBottomGap - memoTop));
    // The countdown follows the running label on its row.
    Label24->move(Label_w->x() + Label_w->width() + 4, Label_w->y());
    // The marks of 16, 8 and 4 % beside the bar's thumb where the bar writes those margins.
    QLabel* const marks[] = {Label28, Label29, Label30}; // in the order of MarginMarkPercent
    for (int i = 0; i < 3; ++i)
        marks[i]->move(ScrollBar5->x() + ScrollBar5->width() + 1,
                       thumbRow(ScrollBar5, marginBarPosition(MarginMarkPercent[i])) - marks[i]->height() / 2);

    // The pressure legend stands at the right edge of the top view, as wide as its captions.
    CheckBoxA->resize(std::max(204, CheckBoxA->sizeHint().width()), CheckBoxA->height());
    CheckBoxA->move(pageWidth - 6 - CheckBoxA->width(), CheckBoxA->y());
    Label_Press->move(pageWidth - 3 - Label_Press->width(), Label_Press->y());
}

} // namespace ab
