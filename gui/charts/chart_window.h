// SPDX-License-Identifier: GPL-3.0-or-later
// "Ver → Gráfico": the chart of the months in a window of its own beside the main window. It follows the window
// model while it shows, so it is drawn anew after every posting, roll, clearing, load and tab change.
#pragma once

#include "core/window_model.h"
#include "scale/scale_file.h"
#include "taxpayer/taxpayer_data.h"

#include <QWidget>

#include <map>

namespace sumafac::gui {

class ChartOfMonths;

class ChartWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChartWindow)

  public:
    // Modeless and kept when closed, to be shown again. The model, the scale and the taxpayers' data must outlive the
    // window.
    ChartWindow(WindowModel& model,
                const MonotributoScale& scale,
                const std::map<std::string, TaxpayerData>& taxpayers,
                QWidget* parent);
    ~ChartWindow() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void redraw();

    WindowModel& m_model;
    const MonotributoScale& m_scale;
    const std::map<std::string, TaxpayerData>& m_taxpayers;
    ChartOfMonths* m_chart = nullptr;
    int m_subscription = -1;
};

} // namespace sumafac::gui
