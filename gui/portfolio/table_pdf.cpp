// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/portfolio/table_pdf.h"

#include "core/window_texts.h"
#include "gui/shared/page_font.h"

#include <QAbstractItemModel>
#include <QBuffer>
#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace sumafac::gui {
namespace {

// Laid out in the units of a 96-dpi screen, as the report is.
constexpr int Resolution = 96;
constexpr qreal Padding = 3;
// The table's type, and the smallest it shrinks to for a table too wide; past that, the cells are cut short.
constexpr qreal TablePoints = 9;
constexpr qreal SmallestPoints = 7;
constexpr qreal PointsStep = 0.5;
constexpr qreal ListHeadingPoints = 11;
constexpr qreal FootPoints = 8;

QString cell(const QAbstractItemModel& table, int row, int column)
{
    return table.data(table.index(row, column)).toString();
}

bool hasSquare(const QAbstractItemModel& table, int row, int column)
{
    return table.data(table.index(row, column), Qt::DecorationRole).typeId() == QMetaType::QColor;
}

QStringList wordsOf(const QString& text)
{
    return text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}

// A column that spans its row's lines wraps its text; one that shows a cell per line does not.
bool wraps(const PdfColumn& column, std::size_t lines)
{
    return column.cells.size() == 1 && lines > 1;
}

// How wide a column would be with its text on one line, and how narrow it may get: its longest word for a column that
// wraps and for every heading, its longest text for the rest.
struct Extent
{
    qreal widest = 0;
    qreal narrowest = 0;
};

std::vector<Extent> extentsOf(const QAbstractItemModel& table,
                              const std::vector<PdfColumn>& columns,
                              std::size_t lines,
                              qreal points,
                              QPaintDevice* page)
{
    const QFontMetricsF cells(pageFont(points), page);
    const QFontMetricsF headings(pageFont(points, true), page);
    std::vector<Extent> extents;
    for (const PdfColumn& column : columns) {
        Extent extent;
        for (const QString& word : wordsOf(column.heading)) {
            extent.narrowest = std::max(extent.narrowest, headings.horizontalAdvance(word));
        }
        extent.widest = extent.narrowest;
        for (int row = 0; row < table.rowCount(); ++row) {
            for (const int source : column.cells) {
                const QString text = cell(table, row, source);
                const qreal square = hasSquare(table, row, source) ? cells.height() + Padding : 0;
                const qreal whole = square + cells.horizontalAdvance(text);
                qreal longestWord = 0;
                for (const QString& word : wordsOf(text)) {
                    longestWord = std::max(longestWord, cells.horizontalAdvance(word));
                }
                extent.widest = std::max(extent.widest, whole);
                extent.narrowest = std::max(extent.narrowest, wraps(column, lines) ? square + longestWord : whole);
            }
        }
        extents.push_back({extent.widest + 2 * Padding, extent.narrowest + 2 * Padding});
    }
    return extents;
}

// Every column at its widest when that fits across; else the wrapping ones give up the same share of what they can
// spare. Nothing when even the narrowest do not fit.
std::optional<std::vector<qreal>> fitted(const std::vector<Extent>& extents, qreal across)
{
    qreal widest = 0;
    qreal narrowest = 0;
    for (const Extent& extent : extents) {
        widest += extent.widest;
        narrowest += extent.narrowest;
    }
    if (narrowest > across) {
        return std::nullopt;
    }
    const qreal kept = widest > across ? (across - narrowest) / (widest - narrowest) : 1;
    std::vector<qreal> widths;
    for (const Extent& extent : extents) {
        widths.push_back(extent.narrowest + (extent.widest - extent.narrowest) * kept);
    }
    return widths;
}

} // namespace

QByteArray tablePdf(const QAbstractItemModel& table,
                    const std::vector<PdfColumn>& columns,
                    const QString& title,
                    const QString& subtitle,
                    const std::vector<PdfList>& lists)
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
    std::size_t lines = 1;
    for (const PdfColumn& column : columns) {
        lines = std::max(lines, column.cells.size());
    }
    qreal points = TablePoints;
    std::optional<std::vector<qreal>> widths = fitted(extentsOf(table, columns, lines, points, &writer), page.width());
    while (!widths && points - PointsStep >= SmallestPoints) {
        points -= PointsStep;
        widths = fitted(extentsOf(table, columns, lines, points, &writer), page.width());
    }
    if (!widths) {
        // At the smallest type and still too wide: every column in proportion to its narrowest, cut short.
        const std::vector<Extent> extents = extentsOf(table, columns, lines, points, &writer);
        qreal narrowest = 0;
        for (const Extent& extent : extents) {
            narrowest += extent.narrowest;
        }
        widths.emplace();
        for (const Extent& extent : extents) {
            widths->push_back(extent.narrowest * page.width() / narrowest);
        }
    }
    const QFont font = pageFont(points);
    const QFont bold = pageFont(points, true);
    const QFontMetricsF metrics(font, &writer);
    const qreal lineHeight = metrics.height();
    const QFont footFont = pageFont(FootPoints);
    const qreal bottom = page.bottom() - QFontMetricsF(footFont, &writer).height() - Padding;
    const auto widthOf = [&](std::size_t column) { return (*widths)[column]; };
    // The height of text wrapped in width.
    const auto wrappedHeight = [&](const QFont& in, qreal width, const QString& text) {
        return QFontMetricsF(in, &writer)
            .boundingRect(QRectF(0, 0, width, page.height()), Qt::TextWordWrap, text)
            .height();
    };

    qreal top = page.top();
    int pageNumber = 1;
    const auto foot = [&] {
        painter.setFont(footFont);
        painter.drawText(page, Qt::AlignRight | Qt::AlignBottom, QString("Página %1").arg(pageNumber));
    };
    const auto newPage = [&] {
        foot();
        writer.newPage();
        ++pageNumber;
        top = page.top();
    };

    painter.setFont(pageFont(14, true));
    QRectF used;
    painter.drawText(page, Qt::AlignLeft | Qt::AlignTop, title, &used);
    top = used.bottom();
    painter.setFont(pageFont(9));
    painter.drawText(page.adjusted(0, top, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, subtitle, &used);
    top = used.bottom() + 2 * Padding;

    // As tall as the heading that wraps into the most lines.
    qreal headingHeight = 0;
    for (std::size_t column = 0; column < columns.size(); ++column) {
        headingHeight =
            std::max(headingHeight, wrappedHeight(bold, widthOf(column) - 2 * Padding, columns[column].heading));
    }
    headingHeight += 2 * Padding;
    const auto headings = [&] {
        painter.setFont(bold);
        qreal left = page.left();
        for (std::size_t column = 0; column < columns.size(); ++column) {
            const QRectF box(left, top, widthOf(column), headingHeight);
            painter.fillRect(box, QColor(212, 208, 200));
            painter.setPen(Qt::gray);
            painter.drawRect(box);
            painter.setPen(Qt::black);
            painter.drawText(box.adjusted(Padding, Padding, -Padding, -Padding),
                             Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, columns[column].heading);
            left = box.right();
        }
        painter.setFont(font);
        top += headingHeight;
    };
    // A cell's text in box, after its colour's square when it has one.
    const auto drawCell = [&](int row, int source, QRectF box, int flags) {
        if (hasSquare(table, row, source)) {
            painter.fillRect(QRectF(box.left(), box.top(), lineHeight, lineHeight),
                             table.data(table.index(row, source), Qt::DecorationRole).value<QColor>());
            box.setLeft(box.left() + lineHeight + Padding);
        }
        const auto alignment = Qt::Alignment(table.data(table.index(row, source), Qt::TextAlignmentRole).toInt()) &
                               Qt::AlignHorizontal_Mask;
        const QString text = cell(table, row, source);
        painter.drawText(box, (alignment ? alignment : Qt::AlignLeft) | flags,
                         flags & Qt::TextWordWrap ? text : metrics.elidedText(text, Qt::ElideRight, box.width()));
    };

    headings();
    for (int row = 0; row < table.rowCount(); ++row) {
        qreal height = lineHeight * static_cast<qreal>(lines);
        for (std::size_t column = 0; column < columns.size(); ++column) {
            if (wraps(columns[column], lines)) {
                const int source = columns[column].cells.front();
                const qreal square = hasSquare(table, row, source) ? lineHeight + Padding : 0;
                height = std::max(
                    height, wrappedHeight(font, widthOf(column) - 2 * Padding - square, cell(table, row, source)));
            }
        }
        height += 2 * Padding;
        if (top + height > bottom) {
            newPage();
            headings();
        }
        qreal left = page.left();
        for (std::size_t column = 0; column < columns.size(); ++column) {
            const QRectF box(left, top, widthOf(column), height);
            // Every other client shaded, so that a row's two lines read across as one.
            if (row % 2 == 1) {
                painter.fillRect(box, QColor(240, 240, 240));
            }
            painter.setPen(Qt::gray);
            painter.drawRect(box);
            painter.setPen(Qt::black);
            const QRectF inside = box.adjusted(Padding, Padding, -Padding, -Padding);
            const std::vector<int>& cells = columns[column].cells;
            if (wraps(columns[column], lines)) {
                drawCell(row, cells.front(), inside, Qt::AlignTop | Qt::TextWordWrap);
            }
            for (std::size_t line = 0; !wraps(columns[column], lines) && line < cells.size(); ++line) {
                drawCell(row, cells[line],
                         QRectF(inside.left(), inside.top() + lineHeight * static_cast<qreal>(line), inside.width(),
                                lineHeight),
                         Qt::AlignVCenter);
            }
            left = box.right();
        }
        top += height;
    }

    const QFont listHeading = pageFont(ListHeadingPoints, true);
    constexpr qreal Indent = 20;
    for (const PdfList& list : lists) {
        if (list.entries.empty()) {
            continue;
        }
        top += lineHeight;
        const auto entryHeight = [&](const std::pair<QString, QString>& entry) {
            return wrappedHeight(bold, page.width(), entry.first) +
                   wrappedHeight(font, page.width() - Indent, entry.second) + Padding;
        };
        const qreal headingTall = wrappedHeight(listHeading, page.width(), list.heading) + Padding;
        // A heading is not left alone at a page's foot.
        if (top + headingTall + entryHeight(list.entries.front()) > bottom) {
            newPage();
        }
        painter.setFont(listHeading);
        painter.drawText(QRectF(page.left(), top, page.width(), headingTall), Qt::AlignLeft | Qt::AlignTop,
                         list.heading);
        top += headingTall;
        for (const auto& entry : list.entries) {
            if (top + entryHeight(entry) > bottom) {
                newPage();
            }
            painter.setFont(bold);
            painter.drawText(QRectF(page.left(), top, page.width(), page.height()),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, entry.first, &used);
            painter.setFont(font);
            painter.drawText(QRectF(page.left() + Indent, used.bottom(), page.width() - Indent, page.height()),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, entry.second, &used);
            top = used.bottom() + Padding;
        }
    }
    foot();
    painter.end();
    return bytes;
}

} // namespace sumafac::gui
