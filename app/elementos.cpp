#include "app/elementos.h"

#include "app/accessible.h"
#include "app/colours.h"
#include "app/elementchart.h"
#include "app/language.h"
#include "app/platform.h"
#include "app/resources.h"
#include "game/chartlayout.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Pixels kept in sight round the current element: the header's height, so that the first
// row comes with the header above it.
constexpr int kScrollMargin = chart::kChartBodyTop;
constexpr const char *kCharts[] = {":/assets/elementos-chart.png",
                                   ":/assets/elementos-chart-actual.png"};
} // namespace

TElementos::TElementos(QWidget *parent, board::Table table) : QDialog(parent)
{
    accessible::installInterfaces();
    setWindowTitle(tr("Elementos"));
    setAccessibleName(windowTitle());
    // An ordinary window rather than a dialog frame: resizable, with minimise and maximise.
    setWindowFlags(Qt::Window);
    setFont(resources::sansSerif(11));
    // The chart is drawn for a light window around it.
    setPalette(colours::paletteForDarkTexts(palette()));
    colours::setPaletteColour(this, QPalette::Window, palette().color(QPalette::Button));

    // Only the chart's size is read now; the picture is decoded when the window first shows.
    chartPath_ = language::picture(QLatin1String(kCharts[table == board::Table::Today]));
    const int chartHeight = QImageReader(chartPath_).size().height();
    const QSize taller(0, std::max(0, chartHeight - kChartSize.height()));
    outerSize_ = kOuterSize + taller;
    // The picture keeps its own size inside a box one column narrower, so the chart's
    // rightmost column is not shown.
    image111_ = new ElementChart(table);
    image111_->setObjectName(QStringLiteral("Image111"));
    image111_->setAccessibleName(tr("Nombres y símbolos de los elementos"));
    image111_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image111_->setFixedSize(kPictureBox + taller);

    scrollArea_ = new QScrollArea(this);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidgetResizable(false);
    scrollArea_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scrollArea_->setWidget(image111_);
    // The chart is the window's one stop for the keyboard, and has it when the window opens;
    // the area scrolls to keep the chart's current element in sight.
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    image111_->setFocus();
    connect(image111_, &ElementChart::currentMoved, this, [this](const QRect &where) {
        if (!where.isEmpty())
            scrollArea_->ensureVisible(where.center().x(), where.center().y(),
                                       where.width() / 2 + kScrollMargin,
                                       where.height() / 2 + kScrollMargin);
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollArea_);

    place();
}

QRect TElementos::placement(const QRect &area, QSize outerSize)
{
    if (area.isEmpty())
        return {kPosition, outerSize};
    return platform::keptInside(area, QRect(kPosition, outerSize.boundedTo(area.size())));
}

void TElementos::place()
{
    const QRect frame = placement(platform::availableArea(this), outerSize_);
    platform::setOuterSize(this, frame.size());
    platform::moveFrameTo(this, frame.topLeft());
}

void TElementos::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TElementos::showEvent(QShowEvent *event)
{
    // Placed on the first showing only, so that later ones keep what the pupil chose.
    if (!shownBefore_) {
        shownBefore_ = true;
        image111_->setPixmap(QPixmap::fromImage(
            resources::picture(chartPath_, kChartSize.width(), kChartSize.height())));
        platform::placeNowAndWhenFramed(this, [this] { place(); });
    }
    QDialog::showEvent(event);
}
