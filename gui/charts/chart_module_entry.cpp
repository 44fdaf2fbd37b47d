// SPDX-License-Identifier: GPL-3.0-or-later
// The chart module's entry point, found by name when the window loads the module: the chart window and the report
// page as this module draws them.
#include "gui/charts/chart_window.h"
#include "gui/charts/report_page.h"
#include "gui/shared/chart_module.h"

#include <QtGlobal>

namespace sumafac::gui {
namespace {

class ChartsDrawnHere final : public ChartModule
{
  public:
    QWidget* makeChartWindow(WindowModel& model,
                             const MonotributoScale& scale,
                             const std::map<std::string, TaxpayerData>& taxpayers,
                             QWidget* parent) override
    {
        return new ChartWindow(model, scale, taxpayers, parent);
    }
    QByteArray reportPdf(const WindowModel& model,
                         const MonotributoScale& scale,
                         const TaxpayerData& taxpayer,
                         const QDate& date) override
    {
        return gui::reportPdf(model, scale, taxpayer, date);
    }
};

} // namespace
} // namespace sumafac::gui

extern "C" Q_DECL_EXPORT sumafac::gui::ChartModule* sumafacChartModule()
{
    static sumafac::gui::ChartsDrawnHere module;
    return &module;
}
