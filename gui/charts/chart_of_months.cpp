// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/charts/chart_of_months.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPen>
#include <QValueAxis>

#include <algorithm>

namespace sumafac::gui {
namespace {

const QString Title = "Facturación por mes y total de doce meses";
const QString NoCeilings = "Sin topes: la solapa a la vista no tiene categoría del monotributo";
const QString NoMonths = "Todavía no hay meses para mostrar.<br>Arrastre sobre el recuadro rosa los archivos bajados "
                         "de la AFIP,<br>o cargue un trabajo guardado con Archivo → Cargar.";

// Drawing only: the exact cents become a place on the chart here and nowhere else. Every amount the user reads as
// text (the legend, the tables, the category line) keeps its cents.
qreal pesos(Cents amount)
{
    return static_cast<qreal>(amount) / 100.0;
}

QLineSeries* lineSeries(const QColor& color, qreal width, Qt::PenStyle style)
{
    auto* series = new QLineSeries;
    QPen pen(color, width, style);
    series->setPen(pen);
    return series;
}

} // namespace

ChartOfMonths::ChartOfMonths(QGraphicsItem* parent) : QChart(parent)
{
    setObjectName("ChartOfMonths");
    // Axis figures in Qt's own Argentine format, the same on every system: thousands with ".", decimals with ",".
    setLocalizeNumbers(true);
    setLocale(QLocale(QLocale::Spanish, QLocale::Argentina));
    legend()->setAlignment(Qt::AlignBottom);
    m_titleFont = titleFont();
    // Each line's own stroke in the legend, so that the dashed projection and the solid total, of one colour, are
    // told apart there as on the chart.
    legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);

    auto* bars = new QBarSeries;
    m_months = new QBarSet("Importe del mes");
    m_months->setColor(QColor(70, 130, 180));
    bars->append(m_months);
    addSeries(bars);
    // A bar's marker is its filled square; taken from the series it would be drawn hollow.
    for (QLegendMarker* marker : legend()->markers(bars)) {
        marker->setShape(QLegend::MarkerShapeRectangle);
    }
    m_totals = lineSeries(QColor(0, 0, 128), 2.5, Qt::SolidLine);
    m_totals->setName("Total de doce meses");
    addSeries(m_totals);
    m_ceilings = {lineSeries(QColor(230, 120, 0), 2, Qt::DashLine), lineSeries(QColor(200, 0, 0), 2, Qt::DashLine)};
    for (QLineSeries* ceiling : m_ceilings) {
        ceiling->setPointLabelsVisible(true);
        ceiling->setPointLabelsClipping(false);
        addSeries(ceiling);
    }
    // A colour of its own besides the dashes: at the report's size a dash can pass for a short solid line.
    m_projection = lineSeries(QColor(120, 60, 170), 2, Qt::DashLine);
    m_projection->setName("Proyección");
    // With one year on screen only December has a twelve-month total: a point, where a line would show nothing.
    m_projection->setPointsVisible(true);
    addSeries(m_projection);

    m_monthAxis = new QBarCategoryAxis;
    m_monthAxis->setLabelsAngle(-90);
    addAxis(m_monthAxis, Qt::AlignBottom);
    m_amountAxis = new QValueAxis;
    m_amountAxis->setLabelFormat("%.2f");
    addAxis(m_amountAxis, Qt::AlignLeft);
    for (QAbstractSeries* shown : series()) {
        shown->attachAxis(m_monthAxis);
        shown->attachAxis(m_amountAxis);
    }
}

ChartOfMonths::~ChartOfMonths() = default;

void ChartOfMonths::draw(const ChartSeries& series)
{
    QStringList labels;
    QList<qreal> amounts;
    QList<QPointF> totals;
    QList<QPointF> projected;
    // The axis starts at 0 and takes every bar, total and ceiling.
    qreal lowest = 0;
    qreal highest = 0;
    const auto take = [&](qreal value) {
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    };
    for (const ChartMonth& month : series.months) {
        labels << QString::fromStdString(month.label);
        amounts << pesos(month.amount.value_or(0));
        take(amounts.back());
        if (month.twelveMonthTotal) {
            totals << QPointF(static_cast<qreal>(labels.size() - 1), pesos(*month.twelveMonthTotal));
            take(totals.back().y());
        }
        if (month.projectedTotal) {
            projected << QPointF(static_cast<qreal>(labels.size() - 1), pesos(*month.projectedTotal));
            take(projected.back().y());
        }
    }
    m_monthAxis->setCategories(labels);
    m_months->remove(0, m_months->count());
    m_months->append(amounts);
    m_totals->replace(totals);
    m_projection->replace(projected);
    m_projection->setVisible(!projected.isEmpty());

    // A ceiling runs across the whole width, a letter at each end.
    const qreal right = static_cast<qreal>(std::max<qsizetype>(labels.size(), 1)) - 0.5;
    const std::array<const std::optional<ChartCeiling>*, 2> ceilings = {&series.reached, &series.next};
    for (std::size_t i = 0; i < ceilings.size(); ++i) {
        QLineSeries* line = m_ceilings.at(i);
        const std::optional<ChartCeiling>& ceiling = *ceilings.at(i);
        line->setVisible(ceiling.has_value());
        if (!ceiling) {
            line->clear();
            continue;
        }
        const QString letter(QChar::fromLatin1(ceiling->letter));
        line->setName("Tope de la categoría " + letter + ": " +
                      QString::fromStdString(groupedAmountText(ceiling->amount)));
        line->setPointLabelsFormat(letter);
        line->replace({QPointF(-0.5, pesos(ceiling->amount)), QPointF(right, pesos(ceiling->amount))});
        take(pesos(ceiling->amount));
    }

    // Nothing to draw before the first month comes: what to do instead of an empty axis.
    const bool empty = series.months.empty();
    m_monthAxis->setVisible(!empty);
    m_amountAxis->setVisible(!empty);
    legend()->setVisible(!empty);
    QFont titleFont = m_titleFont;
    titleFont.setPointSizeF(titleFont.pointSizeF() * (empty ? 1.3 : 1));
    setTitleFont(titleFont);
    const QString caption = series.reached ? QString::fromStdString(ceilingsCaption(series)) : NoCeilings;
    setTitle(empty ? NoMonths : Title + "<br>" + caption);
    m_amountAxis->setRange(lowest, highest > lowest ? highest : lowest + 1);
    m_amountAxis->applyNiceNumbers();
}

} // namespace sumafac::gui
