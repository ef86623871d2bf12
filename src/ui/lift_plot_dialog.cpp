// SPDX-License-Identifier: GPL-3.0-or-later
// The lift distribution's window: a choice of the wing above the plot, which fills the rest.
#include "ui/lift_plot_dialog.h"

#include "draw/lift_distribution_drawing.h"
#include "lang/lift_plot_texts.h"
#include "lang/wing_captions.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QPainter>
#include <QVBoxLayout>

namespace ab {

class LiftPlotDialog::Plot : public QWidget {
public:
    explicit Plot(LiftPlotDialog* owner) : QWidget(owner), owner(owner) { setMinimumSize(480, 360); }

    void paint(QPainter& p, const QRect& area) const
    {
        drawLiftDistribution(p, area, owner->distribution, owner->shownWing(), owner->language,
                             owner->names[owner->shownWing()], owner->units);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        paint(p, rect());
    }

private:
    LiftPlotDialog* owner;
};

LiftPlotDialog::LiftPlotDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName("LiftPlotDialog");
    resize(760, 560);
    auto* layout = new QVBoxLayout(this);
    wingChoice = new QComboBox(this);
    wingChoice->setObjectName("LiftPlotWing");
    plot = new Plot(this);
    plot->setObjectName("LiftPlotView");
    layout->addWidget(wingChoice);
    layout->addWidget(plot, 1);
    connect(wingChoice, &QComboBox::currentIndexChanged, plot, [this] {
        showTitle();
        plot->update();
    });
}

void LiftPlotDialog::show(const LiftDistribution& d, const WingNames& n, Language l, UnitSystem u)
{
    units = u;
    const int before = shownWing();
    distribution = d;
    names = n;
    language = l;
    wingChoice->blockSignals(true);
    wingChoice->clear();
    for (int w = 1; w <= d.wingCount; ++w)
        wingChoice->addItem(qs(wingTabCaption(l, w, shownWingName(n[w]))).trimmed(), w);
    const int keep = wingChoice->findData(before);
    wingChoice->setCurrentIndex(keep >= 0 ? keep : 0);
    wingChoice->blockSignals(false);
    showTitle();
    plot->update();
    QDialog::show();
    raise();
    activateWindow();
}

void LiftPlotDialog::showTitle()
{
    std::string title(texts::LiftPlotTitle.in(language));
    fillIn(title, "{wing}", std::to_string(shownWing()));
    setWindowTitle(qs(title));
}

int LiftPlotDialog::shownWing() const
{
    const QVariant w = wingChoice->currentData();
    return w.isValid() ? w.toInt() : 1;
}

QImage LiftPlotDialog::plotImage() const
{
    QImage image(plot->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    plot->paint(p, image.rect());
    return image;
}

} // namespace ab
