// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar under the window's controls: the monotributo category of the table on screen, told again after
// every change of the window model (posting, roll, clearing, load, tab change, the scale or the taxpayer's data). A
// short summary always shows; the whole line, with the fee's parts, the projection and the notes, is one click on it
// away.
#pragma once

#include "core/window_model.h"
#include "scale/scale_table.h"
#include "taxpayer/taxpayer_data.h"

#include <QStatusBar>

#include <functional>
#include <map>

class QLabel;

namespace sumafac::gui {

class CategoryLine final : public QStatusBar
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CategoryLine)

  public:
    // The model, the scale and the taxpayers' data must outlive the line; today tells the day its notes on a missing
    // table are told as of.
    CategoryLine(WindowModel& model,
                 const MonotributoScale& scale,
                 const std::map<std::string, TaxpayerData>& taxpayers,
                 std::function<CalendarDate()> today,
                 QWidget* parent = nullptr);
    ~CategoryLine() override;

    // The whole line of the table on screen, as the details show it.
    QString details() const;
    // Shows the whole line in a window of its own, where it can be selected and copied.
    void showDetails();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void tell();

    WindowModel& m_model;
    const MonotributoScale& m_scale;
    const std::map<std::string, TaxpayerData>& m_taxpayers;
    std::function<CalendarDate()> m_today;
    QLabel* m_text = nullptr;
    int m_subscription = -1;
};

} // namespace sumafac::gui
