// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/table_pdf.h"

#include "core/window_texts.h"
#include "gui/page_font.h"

#include <QAbstractItemModel>
#include <QBuffer>
#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <algorithm>
#include <numeric>
#include <vector>

namespace sumafac::gui {
namespace {

// Laid out in the units of a 96-dpi screen, as the report is.
constexpr int Resolution = 96;
constexpr qreal Padding = 3;
// A long name is cut short rather than squeezing every figure.
constexpr qreal WidestText = 170;
// Below this the text is too small to read; the table runs past the right edge instead.
constexpr qreal SmallestPoints = 4.5;

QString cell(const QAbstractItemModel& table, int row, int column, int role = Qt::DisplayRole)
{
    return table.data(table.index(row, column), role).toString();
}

// Each column as wide as its widest cell, or its header's longest word: headers wrap.
std::vector<qreal> columnWidths(const QAbstractItemModel& table, const QFont& font, QPaintDevice* page)
{
    const QFontMetricsF cells(font, page);
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF headers(bold, page);
    std::vector<qreal> widths;
    for (int column = 0; column < table.columnCount(); ++column) {
        qreal width = 0;
        for (const QString& word :
             table.headerData(column, Qt::Horizontal).toString().split(QRegularExpression("\\s"))) {
            width = std::max(width, headers.horizontalAdvance(word));
        }
        for (int row = 0; row < table.rowCount(); ++row) {
            const bool square = table.data(table.index(row, column), Qt::DecorationRole).typeId() == QMetaType::QColor;
            width = std::max(width, cells.horizontalAdvance(cell(table, row, column)) +
                                        (square ? cells.height() + Padding : 0));
        }
        widths.push_back(std::min(width, WidestText) + 2 * Padding);
    }
    return widths;
}

} // namespace

QByteArray tablePdf(const QAbstractItemModel& table, const QString& title, const QString& subtitle)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    writer.setResolution(Resolution);
    writer.setTitle(title);
    writer.setCreator(ApplicationTitle);

    QPainter painter(&writer);
    const QRectF page(0, 0, writer.width(), writer.height());
    // The font shrinks until the table fits across the page; text does not shrink quite in proportion, so the
    // widths are measured again at each size.
    qreal points = 7.5;
    std::vector<qreal> widths = columnWidths(table, pageFont(points), &writer);
    for (int pass = 0; pass < 6; ++pass) {
        const qreal natural = std::accumulate(widths.begin(), widths.end(), qreal{0});
        if (natural <= page.width() || points <= SmallestPoints) {
            break;
        }
        points = std::max(SmallestPoints, points * page.width() / natural * 0.97);
        widths = columnWidths(table, pageFont(points), &writer);
    }
    const QFont font = pageFont(points);
    const QFont bold = pageFont(points, true);
    const QFontMetricsF metrics(font, &writer);
    const qreal rowHeight = metrics.height() + 2 * Padding;
    // As tall as the header that wraps into the most lines.
    qreal headerHeight = 0;
    for (int column = 0; column < table.columnCount(); ++column) {
        const QRectF box(0, 0, widths[static_cast<std::size_t>(column)] - 2 * Padding, page.height());
        headerHeight = std::max(
            headerHeight, QFontMetricsF(bold, &writer)
                              .boundingRect(box, Qt::TextWordWrap, table.headerData(column, Qt::Horizontal).toString())
                              .height());
    }
    headerHeight += 2 * Padding;

    painter.setFont(pageFont(14, true));
    QRectF used;
    painter.drawText(page, Qt::AlignLeft | Qt::AlignTop, title, &used);
    qreal top = used.bottom();
    painter.setFont(pageFont(9));
    painter.drawText(page.adjusted(0, top, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, subtitle, &used);
    top = used.bottom() + 2 * Padding;

    const auto row = [&](qreal y, qreal height, const auto& draw) {
        qreal left = page.left();
        for (int column = 0; column < table.columnCount(); ++column) {
            const QRectF box(left, y, widths[static_cast<std::size_t>(column)], height);
            painter.setPen(Qt::gray);
            painter.drawRect(box);
            painter.setPen(Qt::black);
            draw(column, box.adjusted(Padding, Padding, -Padding, -Padding));
            left = box.right();
        }
    };
    const auto headers = [&] {
        painter.setFont(bold);
        painter.setBrush(QColor(212, 208, 200));
        row(top, headerHeight, [&](int column, const QRectF& box) {
            painter.drawText(box, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap,
                             table.headerData(column, Qt::Horizontal).toString());
        });
        painter.setBrush(Qt::NoBrush);
        painter.setFont(font);
        top += headerHeight;
    };
    headers();
    for (int line = 0; line < table.rowCount(); ++line) {
        if (top + rowHeight > page.bottom()) {
            writer.newPage();
            top = page.top();
            headers();
        }
        row(top, rowHeight, [&](int column, QRectF box) {
            const QVariant square = table.data(table.index(line, column), Qt::DecorationRole);
            if (square.typeId() == QMetaType::QColor) {
                const qreal side = box.height();
                painter.fillRect(QRectF(box.left(), box.top(), side, side), square.value<QColor>());
                box.setLeft(box.left() + side + Padding);
            }
            const auto alignment = Qt::Alignment(table.data(table.index(line, column), Qt::TextAlignmentRole).toInt()) &
                                   Qt::AlignHorizontal_Mask;
            const QString text = metrics.elidedText(cell(table, line, column), Qt::ElideRight, box.width());
            painter.drawText(box, (alignment ? alignment : Qt::AlignLeft) | Qt::AlignVCenter, text);
        });
        top += rowHeight;
    }
    painter.end();
    return bytes;
}

} // namespace sumafac::gui
