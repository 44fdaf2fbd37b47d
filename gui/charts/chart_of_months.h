// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of the months as Qt Charts draws it: a bar per month, the running twelve-month total as a line, where the
// open period is heading as a dashed one, and the two ceilings as horizontal lines with their letters. It draws what
// chartSeries computed and nothing else.
#pragma once

#include "totals/chart_series.h"

#include <QChart>
#include <QFont>

#include <array>

class QBarCategoryAxis;
class QBarSet;
class QLineSeries;
class QValueAxis;

namespace sumafac::gui {

class ChartOfMonths final : public QChart
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChartOfMonths)

  public:
    explicit ChartOfMonths(QGraphicsItem* parent = nullptr);
    ~ChartOfMonths() override;

    // Replaces what the chart shows.
    void draw(const ChartSeries& series);

  private:
    QBarSet* m_months = nullptr;
    QLineSeries* m_totals = nullptr;
    // Dashed: the running total of the open period carried on at its pace.
    QLineSeries* m_projection = nullptr;
    // The ceiling reached, then the next one.
    std::array<QLineSeries*, 2> m_ceilings{};
    QBarCategoryAxis* m_monthAxis = nullptr;
    QValueAxis* m_amountAxis = nullptr;
    // The theme's, larger for what to do when there is nothing to draw.
    QFont m_titleFont;
};

} // namespace sumafac::gui
