// The aircraft tab: wing count, the position of every wing over its position box, the top view and
// the three-dimensional view with their scroll bars, the calculation button, the stability controls
// and the message memo; and the hidden printing canvases.
#include "ui/main_window.h"

#include "draw/colours.h"
#include "ui/image_view.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace ab {
namespace {

QScrollBar* scrollBar(QWidget* parent, const char* name, Qt::Orientation o, QRect place_, int min, int max, int pos)
{
    auto* bar = new QScrollBar(o, parent);
    bar->setObjectName(name);
    bar->setGeometry(place_);
    bar->setRange(min, max);
    bar->setValue(pos);
    return bar;
}

// Places of the per-wing controls of the aircraft tab (wings 1..5).
struct PositionPlace {
    const char* box;
    int boxLeft, boxTop;
    int xTop;          // Edit_x<w> at left 48
    int zLeft, zTop;   // Edit_z<w>
};
constexpr PositionPlace kPositions[MaxWings + 1] = {
    {},
    {"Image5", 16, 68, 84, 104, 109},
    {"Image55", 16, 150, 166, 104, 192},
    {"Image555", 16, 235, 252, 104, 278},
    {"Image5555", 16, 314, 330, 104, 356},
    {"Image55555", 17, 392, 409, 102, 434},
};

} // namespace

void TForm1::buildAircraftTab(QWidget* tab)
{
    Panel1 = place<QWidget>(tab, "Panel1", 0, 0, 224, 49);
    const QPoint countPlaces[MaxWings + 1] = {{}, {4, 4}, {76, 4}, {150, 4}, {4, 26}, {76, 26}};
    for (int n = 1; n <= MaxWings; ++n) {
        const QPoint at = countPlaces[n];
        wingCountButton[n] = place<QRadioButton>(Panel1, wingCountButtonName(n), at.x(), at.y(), 72, 20);
    }
    exclusiveGroup(Panel1, wingCountButton[1], wingCountButton[2], wingCountButton[3], wingCountButton[4],
                   wingCountButton[5]);
    wingCountButton[MaxWings]->setChecked(true);
    for (int n = 1; n <= MaxWings; ++n)
        connect(wingCountButton[n], &QRadioButton::toggled, this, [this, n](bool on) {
            if (on)
                chooseWingCount(n);
        });

    Label23 = autoLabel(tab, "Label23", 6, 50, clBlack);
    for (int w = 1; w <= MaxWings; ++w) {
        const PositionPlace& p = kPositions[w];
        WingControls& ui = wingUi[w];
        ui.positionBox = place<ImageView>(tab, p.box, p.boxLeft, p.boxTop, 172, 84);
        ui.positionBox->resizeBitmap(172, 84);
        drawPositionBox(w);
        ui.field[static_cast<int>(Role::PosX)] = inputField(tab, fieldName(w, Role::PosX), 48, p.xTop, wingColour(w));
        ui.field[static_cast<int>(Role::PosZ)] = inputField(tab, fieldName(w, Role::PosZ), p.zLeft, p.zTop, wingColour(w));
    }

    Image2 = place<ImageView>(tab, "Image2", 224, 0, 591, 300);
    Image2->resizeBitmap(591, 300);
    Image3 = place<ImageView>(tab, "Image3", 224, 322, 592, 200);
    Image3->resizeBitmap(592, 200);
    Image3->setCursor(Qt::PointingHandCursor);
    ScrollBar1 = scrollBar(tab, "ScrollBar1", Qt::Vertical, {205, 344, 17, 185}, 0, 90, 80);
    ScrollBar2 = scrollBar(tab, "ScrollBar2", Qt::Horizontal, {225, 514, 590, 16}, 0, 360, 250);
    ScrollBar6 = scrollBar(tab, "ScrollBar6", Qt::Vertical, {797, 165, 17, 200}, 20, 99, 92);
    ScrollBar6->hide();
    for (QScrollBar* b : {ScrollBar1, ScrollBar2, ScrollBar6})
        connect(b, &QScrollBar::valueChanged, this, [this] { d_3d(); });

    CheckBoxA = place<QCheckBox>(tab, "CheckBoxA", 607, 367, 204, 16);
    setBackground(CheckBoxA, clInfoBk);
    CheckBoxA->hide();
    connect(CheckBoxA, &QCheckBox::toggled, this, [this] { CheckBoxAClick(); });
    Label_Press = place<QLabel>(tab, "Label_Press", 605, 383, 209, 13);
    setBackground(Label_Press, clInfoBk);
    Label_Press->hide();

    ScrollBar4 = scrollBar(tab, "ScrollBar4", Qt::Vertical, {180, 490, 17, 105}, 10, 97, 75);
    ScrollBar4->hide();

    // The button starts below the last position box; while the calculation runs, its place shows
    // the running label with the countdown after it (placeCaptionedControls) instead.
    Button4 = place<QPushButton>(tab, "Button4", 1, 477, 196, 27);
    connect(Button4, &QPushButton::clicked, this, [this] { calculateAction->trigger(); });
    Label_w = autoLabel(tab, "Label_w", 23, 483, clGreen);
    Label_w->hide();
    Label24 = autoLabel(tab, "Label24", 172, 483, clBlack);
    Label24->hide();
    Label29 = autoLabel(tab, "Label29", 22, 612, clBlack);
    Label30 = autoLabel(tab, "Label30", 22, 634, clBlack);
    Label28 = autoLabel(tab, "Label28", 22, 645, clBlack);
    for (QLabel* l : {Label28, Label29, Label30})
        l->hide();

    // The rows from the stability modes down follow one another (placeCaptionedControls).
    RadioButton15 = place<QRadioButton>(tab, "RadioButton15", 1, 505, 196, 17);
    RadioButton16 = place<QRadioButton>(tab, "RadioButton16", 1, 522, 196, 17);
    exclusiveGroup(tab, RadioButton15, RadioButton16);
    RadioButton15->setChecked(true);
    Label22 = autoLabel(tab, "Label22", 1, 539, clBlack);
    Edit_Mstab = place<QLineEdit>(tab, "Edit_Mstab", 21, 555, 38, 21);
    Edit_Mstab->setText("7.5");
    Label21 = autoLabel(tab, "Label21", 62, 558, clBlack);
    for (QWidget* c : std::initializer_list<QWidget*>{Label22, Edit_Mstab, Label21})
        c->hide();
    // The left column ends where the scroll bar of the three-dimensional view stands.
    for (QWidget* c : std::initializer_list<QWidget*>{RadioButton15, RadioButton16, Label22, Button4})
        setCaptionRoom(c, 205 - c->x());

    ScrollBar3 = scrollBar(tab, "ScrollBar3", Qt::Vertical, {1, 94, 17, 209}, 10, 100, 100);
    ScrollBar3->hide();
    ScrollBar5 = scrollBar(tab, "ScrollBar5", Qt::Vertical, {2, 554, 17, 117}, 0, 60, 33);
    ScrollBar5->hide();

    Memo1 = place<QPlainTextEdit>(tab, "Memo1", 25, 587, 175, 84);
    setInk(Memo1, clRed);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setReadOnly(true);
}

void TForm1::buildHiddenImages(QWidget* tab)
{
    // Canvases of the printed summary, and a picture no command draws on.
    struct Hidden {
        const char* name;
        ImageView* TForm1::*member;
        int width, height;
    };
    const Hidden images[] = {
        {"Image_P", &TForm1::Image_P, 806, 1620},
        {"Image4", &TForm1::Image4, 593, 330},
        {"Image7", &TForm1::Image7, 630, 200},
        {"Image6", &TForm1::Image6, 600, 200},
    };
    for (const Hidden& h : images) {
        ImageView* image = place<ImageView>(tab, h.name, 0, 0, h.width, h.height);
        image->resizeBitmap(h.width, h.height);
        image->hide();
        this->*h.member = image;
    }
}

// The position box shows where a wing's x and z are measured: from the aircraft's reference line
// rearward to the root leading edge, and up from the reference height.
void TForm1::drawPositionBox(int w)
{
    QImage& image = wingUi[w].positionBox->bitmap();
    image.fill(clSilver);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = wingColour(w);
    // Reference lines: x = 0 at the left, z = 0 along the bottom.
    p.setPen(QPen(clGray, 1, Qt::DashLine));
    p.drawLine(6, 4, 6, 82);
    p.drawLine(6, 78, 170, 78);
    // The wing section with its leading edge at (100, 30).
    QPainterPath section;
    section.moveTo(100, 30);
    section.cubicTo(104, 22, 124, 22, 168, 30);
    section.cubicTo(130, 34, 108, 36, 100, 30);
    p.setPen(ink);
    p.setBrush(ink);
    p.drawPath(section);
    // Dimension arrows.
    p.setPen(QPen(clBlack, 1));
    p.setBrush(clBlack);
    auto head = [&](QPointF tip, QPointF back) {
        const QPointF d = tip - back;
        const QPointF n(-d.y() / 3, d.x() / 3);
        p.drawPolygon(QPolygonF{tip, back + n, back - n});
    };
    p.drawLine(6, 12, 100, 12);
    head({100, 12}, {93, 12});
    p.drawLine(100, 12, 100, 28);
    p.drawLine(150, 78, 150, 34);
    head({150, 32}, {150, 39});
    p.setFont(font());
    p.drawText(84, 10, "x");
    p.drawText(154, 64, "z");
    p.end();
    wingUi[w].positionBox->update();
}

} // namespace ab
