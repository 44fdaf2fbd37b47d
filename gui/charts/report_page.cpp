// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/charts/report_page.h"

#include "core/window_texts.h"
#include "gui/charts/chart_of_months.h"
#include "gui/shared/page_font.h"
#include "totals/category_text.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QGraphicsScene>
#include <QPainter>
#include <QPdfWriter>

namespace sumafac::gui {
namespace {

// The page is laid out in the units of a 96-dpi screen, the ones the chart lays itself out in, so that the chart's
// text keeps the size it was measured with.
constexpr int Resolution = 96;
constexpr qreal TableGap = 18;
constexpr qreal RowHeight = 17;
constexpr qreal ParagraphGap = 6;
// The shares of a table's width: month name, invoice count, amount.
constexpr std::array<qreal, MonthTable::Columns> ColumnShares = {0.32, 0.32, 0.36};
// The width the chart is laid out in before it is scaled into the page: about that of the chart window, wide enough for
// its legend of five entries.
constexpr qreal ChartWidth = 1000;

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

// Text wrapped into the width of area, from its top; returns the height it took.
qreal paragraph(QPainter& painter, const QRectF& area, const QString& text, const QFont& font)
{
    painter.setFont(font);
    QRectF used;
    painter.drawText(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text, &used);
    return used.height();
}

// One month table as its grid shows it: the tab's caption above, the headings and the month names on grey, the
// figures to the right; returns the height it took.
qreal monthTable(QPainter& painter, const WindowModel& model, int table, const QRectF& area)
{
    const QString caption = qs(model.tabCaption(table - 1));
    qreal top = area.top() + paragraph(painter, area, caption.isEmpty() ? "(sin año)" : caption, pageFont(10, true));
    for (int row = 0; row < MonthTable::Rows; ++row) {
        qreal left = area.left();
        const bool bold = row == MonthTable::HeadingRow || row == MonthTable::TotalsRow;
        painter.setFont(pageFont(7.5, bold));
        for (int column = 0; column < MonthTable::Columns; ++column) {
            const QRectF cell(left, top, area.width() * ColumnShares.at(column), RowHeight);
            const bool heading = row == MonthTable::HeadingRow || column == MonthTable::NameColumn;
            painter.setPen(Qt::gray);
            painter.setBrush(heading ? QColor(212, 208, 200) : QColor(Qt::white));
            painter.drawRect(cell);
            painter.setPen(Qt::black);
            painter.drawText(cell.adjusted(3, 0, -3, 0), (heading ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                             qs(model.cell(table, row, column)));
            left = cell.right();
        }
        top += RowHeight;
    }
    return top - area.top();
}

} // namespace

QByteArray
reportPdf(const WindowModel& model, const MonotributoScale& scale, const TaxpayerData& taxpayer, const QDate& date)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setResolution(Resolution);
    writer.setTitle(qs("Informe de facturación del CUIT " + model.cuit()));
    writer.setCreator(ApplicationTitle);

    QPainter painter(&writer);
    const QRectF page(0, 0, writer.width(), writer.height());
    qreal top = paragraph(painter, page, "Informe de facturación", pageFont(16, true));
    top += paragraph(painter, page.adjusted(0, top, 0, 0),
                     qs("CUIT: " + model.cuit()) + "        Fecha: " + date.toString("dd/MM/yyyy"), pageFont(11));
    top += 2 * ParagraphGap;

    const qreal tableWidth = (page.width() - (TableCount - 1) * TableGap) / TableCount;
    qreal tablesHeight = 0;
    for (int table = FirstYearTable; table <= TableCount; ++table) {
        const QRectF area(page.left() + (table - 1) * (tableWidth + TableGap), top, tableWidth, page.height() - top);
        tablesHeight = std::max(tablesHeight, monthTable(painter, model, table, area));
    }
    top += tablesHeight + 2 * ParagraphGap;

    top +=
        paragraph(painter, page.adjusted(0, top, 0, 0), "Categoría del monotributo", pageFont(10, true)) + ParagraphGap;
    for (int table = FirstYearTable; table <= TableCount; ++table) {
        const std::string line = categoryLine(categoryFacts(model, table, scale, taxpayer),
                                              CalendarDate{date.year(), date.month(), date.day()});
        // Each table by its tab's caption, as the user knows it.
        const QString caption = qs(model.tabCaption(table - 1));
        const QString text = line.empty() ? QString("(solapa sin año)") : caption + ": " + qs(line);
        top += paragraph(painter, page.adjusted(0, top, 0, 0), text, pageFont(8.5)) + ParagraphGap;
    }

    // The chart as the chart window draws it, laid out about as wide as that window and scaled down into the rest of
    // the page, where it is painted as lines and text.
    QGraphicsScene scene;
    auto* chart = new ChartOfMonths;
    scene.addItem(chart);
    chart->setDropShadowEnabled(false);
    chart->draw(chartSeries(model, scale, taxpayer));
    const QRectF chartArea(page.left(), top + ParagraphGap, page.width(), page.bottom() - top - ParagraphGap);
    const QRectF laidOut(0, 0, ChartWidth, ChartWidth * chartArea.height() / chartArea.width());
    chart->setGeometry(laidOut);
    // The layout runs on a posted event, which the event loop would bring only after this page is done.
    QCoreApplication::sendPostedEvents(chart, QEvent::LayoutRequest);
    scene.render(&painter, chartArea, laidOut);
    painter.end();
    return bytes;
}

} // namespace sumafac::gui
