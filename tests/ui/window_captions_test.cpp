// SPDX-License-Identifier: GPL-3.0-or-later
// Every caption of the window can be read whole in every language: at the smallest window and at a
// large one, on every tab, in the states that show the most controls (results shown, manual
// stability), no label or button cuts its text, nothing sticks out of the page it stands on, and a
// caption never lies partly over a picture or another caption.
#include "draw/colours.h"
#include "ui/image_view.h"
#include "print/printer_dialog.h"
#include "ui/page_control.h"
#include "window_test_support.h"

#include <QRegularExpression>

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>

namespace ab {
namespace {

// The width a control needs to show its text whole: the text and what the style draws beside it.
int neededWidth(const QWidget* control, const QString& text)
{
    const QStyle* style = control->style();
    const int textWidth = control->fontMetrics().size(Qt::TextShowMnemonic, text).width();
    if (qobject_cast<const QCheckBox*>(control))
        return textWidth + style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, control) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, control);
    if (qobject_cast<const QRadioButton*>(control))
        return textWidth + style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, control) +
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, control);
    if (qobject_cast<const QPushButton*>(control))
        return textWidth + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control) +
               2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
    const auto* label = static_cast<const QLabel*>(control);
    return textWidth + 2 * (label->margin() + label->frameWidth());
}

int neededHeight(const QWidget* control, const QString& text)
{
    if (const auto* label = qobject_cast<const QLabel*>(control); label && label->wordWrap())
        return label->heightForWidth(label->width());
    return control->fontMetrics().size(Qt::TextShowMnemonic, text).height();
}

QString captionOf(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    return static_cast<const QAbstractButton*>(w)->text();
}

bool isCaptioned(const QWidget* w)
{
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QPushButton*>(w) || qobject_cast<const QCheckBox*>(w) ||
           qobject_cast<const QRadioButton*>(w);
}

std::string nameOf(const QWidget* w) { return w->objectName().toStdString(); }

// The dashes beside the margin bar mark its thumb at 16, 8 and 4 %: on the short bar of a small
// window their boxes overlap, their dashes (at each box's middle row) do not.
bool isMarginMark(const QWidget* w)
{
    return w->objectName() == "Label28" || w->objectName() == "Label29" || w->objectName() == "Label30";
}

// Checks what the user sees of one page (and the window's top strip).
void expectPageReadable(QWidget* page)
{
    const QList<QWidget*> all = page->findChildren<QWidget*>();
    std::vector<QWidget*> shown;
    for (QWidget* w : all)
        if (w->isVisibleTo(page) && w->parentWidget()->isVisibleTo(page) && w->isVisible())
            shown.push_back(w);
    for (QWidget* w : shown) {
        SCOPED_TRACE(nameOf(w));
        QWidget* parent = w->parentWidget();
        if (!qobject_cast<QAbstractScrollArea*>(parent) && !qobject_cast<QAbstractScrollArea*>(parent->parentWidget())) {
            EXPECT_TRUE(parent->rect().contains(w->geometry()))
                << "sticks out of " << nameOf(parent) << ": " << w->geometry().right() << "," << w->geometry().bottom()
                << " in " << parent->width() << "x" << parent->height();
        }
        if (!isCaptioned(w) || captionOf(w).trimmed().isEmpty())
            continue;
        const QString text = captionOf(w);
        if (const int usual = w->property("captionPixels").toInt()) {
            EXPECT_EQ(w->font().pixelSize(), usual) << "set smaller to fit: " << text.toStdString();
        }
        EXPECT_LE(neededWidth(w, text), w->width()) << text.toStdString();
        EXPECT_LE(neededHeight(w, text), w->height()) << text.toStdString();
        // A caption lies wholly on a picture (a dimension on the sketch) or beside it, never partly over
        // it; captions do not cover each other.
        for (QWidget* other : shown) {
            if (other == w || other->parentWidget() != parent || (isMarginMark(w) && isMarginMark(other)))
                continue;
            const bool picture = qobject_cast<ImageView*>(other) != nullptr;
            if (!picture && !isCaptioned(other))
                continue;
            const QRect overlap = w->geometry().intersected(other->geometry());
            if (overlap.isEmpty() || (picture && other->geometry().contains(w->geometry())))
                continue;
            ADD_FAILURE() << text.toStdString() << " (" << nameOf(w) << ") covers " << nameOf(other);
        }
    }
}

void expectWindowReadable(TForm1& form, const std::string& where)
{
    auto* pages = control<PageControl>(form, "PageControl1");
    QTabBar* bar = pages->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
        if (!bar->isTabVisible(i))
            continue;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
        QApplication::processEvents();
        QWidget* page = pages->activePage();
        SCOPED_TRACE(where + ", tab " + bar->tabText(i).toStdString());
        EXPECT_TRUE(bar->rect().contains(bar->tabRect(i)));
        expectPageReadable(page);
    }
    SCOPED_TRACE(where + ", top strip");
    expectPageReadable(form.centralWidget());
    pages->setActivePage(control(form, "TabSheet5"));
}

TEST(WindowCaptions, EveryCaptionIsWholeInEveryLanguageAtTheSmallestAndALargeSize)
{
    TForm1 form;
    form.questions.askToSaveChanges = [] { return TForm1::SaveAnswer::Discard; };
    form.questions.chooseFileToOpen = [] { return QString::fromStdString(kExamples + "default.wk4"); };
    trigger(form, "Open2");
    form.show();
    trigger(form, "calculateAction"); // the pressure controls and the neutral points show
    struct Size {
        const char* name;
        QSize size;
    };
    const Size sizes[] = {{"smallest", {1, 1}}, {"large", {1600, 1000}}};
    for (const char* language : {"english1", "german1", "spain1"}) {
        trigger(form, language);
        for (const Size& s : sizes) {
            form.resize(s.size);
            QApplication::processEvents();
            for (const char* mode : {"RadioButton16", "RadioButton15"}) {
                control<QRadioButton>(form, mode)->click();
                QApplication::processEvents();
                expectWindowReadable(form, std::string(language) + ", " + s.name + ", " + mode);
            }
        }
    }
    // A calculation that fails shows its messages in the memo under the stability controls.
    type(form, "Edit4", "0"); // no root chord on wing 1
    trigger(form, "calculateAction");
    ASSERT_TRUE(control(form, "Memo1")->isVisible());
    for (const char* language : {"english1", "german1", "spain1"}) {
        trigger(form, language);
        for (const Size& s : sizes) {
            form.resize(s.size);
            QApplication::processEvents();
            expectWindowReadable(form, std::string(language) + ", " + s.name + ", failed calculation");
        }
    }
}

// The countdown shows while the calculation runs, in the place of the calculation button: clear of
// the position boxes and of the running label. Its geometry is taken at its repaints.
TEST(WindowCaptions, TheCountdownStandsClearOfThePositionBoxesAndTheRunningLabel)
{
    class PaintWatch : public QObject {
    public:
        std::vector<QRect> places;

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                places.push_back(static_cast<QWidget*>(watched)->geometry());
            return false;
        }
    };
    TForm1 form; // five wings: every position box shows
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form)); // repaints reach the screen
    auto* countdown = control<QLabel>(form, "Label24");
    PaintWatch watch;
    countdown->installEventFilter(&watch);
    trigger(form, "calculateAction");
    ASSERT_FALSE(watch.places.empty());
    const QRect running = control(form, "Label_w")->geometry();
    for (const QRect& place : watch.places) {
        EXPECT_TRUE(control(form, "TabSheet5")->rect().contains(place));
        EXPECT_FALSE(place.intersects(running));
        for (const char* box : {"Image5", "Image55", "Image555", "Image5555", "Image55555"}) {
            EXPECT_FALSE(place.intersects(control(form, box)->geometry())) << box;
        }
    }
}

// The top view's flight direction stands right of its arrow, with a gap, after every change of
// language: the view holds the same pixels as when it is drawn anew, and the columns between the
// arrow and the text are empty.
TEST(WindowCaptions, TheFlightDirectionStandsBesideItsArrowAfterEveryLanguageSwitch)
{
    auto topBand = [](const TForm1& form) {
        const QImage& view = control<ImageView>(form, "Image2")->bitmap();
        return view.copy(0, 0, view.width(), 32);
    };
    for (bool calculated : {false, true}) {
        TForm1 form;
        form.show();
        if (calculated)
            trigger(form, "calculateAction");
        for (const char* language : {"german1", "spain1", "english1", "spain1", "german1", "english1"}) {
            SCOPED_TRACE(std::string(language) + (calculated ? " after a calculation" : ""));
            trigger(form, language);
            const QImage switched = topBand(form);
            const int arrowRight = form.viewState().ViewCentreX + 22;
            for (int x = arrowRight + 1; x <= arrowRight + 5; ++x)
                for (int y = 1; y < 18; ++y)
                    ASSERT_EQ(switched.pixelColor(x, y), clInfoBk) << x << "," << y;
            form.FormResize();
            EXPECT_TRUE(switched == topBand(form)) << "the switch left other pixels than a new drawing";
        }
    }
}

// The printer dialog speaks the window's language: its title, captions, buttons and PDF entry are
// the window's language's, each whole, and a resolution reads "600 × 600 dpi".
TEST(WindowCaptions, ThePrinterDialogSpeaksTheWindowsLanguageWithWholeCaptions)
{
    struct Expected {
        const char* language;
        const char* title;
        const char* print;
        const char* pdf;
    };
    const Expected expected[] = {{"english1", "Printer", "Print", "PDF file"},
                                 {"german1", "Drucker", "Drucken", "PDF-Datei"},
                                 {"spain1", "Impresora", "Imprimir", "Archivo PDF"}};
    TForm1 form({QString::fromStdString(kExamples + "trainer.wk4")});
    form.show();
    trigger(form, "calculateAction");
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.language);
        trigger(form, e.language);
        trigger(form, "Print1");
        QApplication::processEvents();
        TForm3* dialog = form.printerDialog;
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle().toStdString(), e.title);
        EXPECT_EQ(dialog->ButtonClose->text().toStdString(), e.print);
        EXPECT_EQ(dialog->ComboBox1->itemText(dialog->ComboBox1->count() - 1).toStdString(), e.pdf);
        ASSERT_GT(dialog->StringGrid2->rowCount(), 0);
        // The first printer's resolutions, or the PDF file's 600 dpi where no printer is set up.
        EXPECT_TRUE(QRegularExpression("^[0-9]+ × [0-9]+ dpi$").match(dialog->StringGrid2->item(0, 0)->text()).hasMatch())
            << dialog->StringGrid2->item(0, 0)->text().toStdString();
        const QString resolutionTitle = dialog->StringGrid2->horizontalHeaderItem(0)->text();
        EXPECT_EQ(resolutionTitle == "Auflösung", std::string(e.language) == "german1");
        for (QWidget* w : {static_cast<QWidget*>(dialog->Label2), static_cast<QWidget*>(dialog->CheckBoxColor),
                           static_cast<QWidget*>(dialog->ButtonClose), static_cast<QWidget*>(dialog->Button1)}) {
            SCOPED_TRACE(nameOf(w));
            EXPECT_NE(captionOf(w), QString());
            EXPECT_LE(neededWidth(w, captionOf(w)), w->width()) << captionOf(w).toStdString();
        }
        dialog->close();
    }
}

} // namespace
} // namespace ab
