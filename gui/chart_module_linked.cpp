// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/chart_module_linked.h"

#include "gui/chart_window.h"
#include "gui/report_page.h"

namespace sumafac::gui {
namespace {

class ChartsDrawnHere final : public ChartModule
{
  public:
    QWidget* makeChartWindow(WindowModel& model, const MonotributoScale& scale, QWidget* parent) override
    {
        return new ChartWindow(model, scale, parent);
    }
    QByteArray reportPdf(const WindowModel& model, const MonotributoScale& scale, const QDate& date) override
    {
        return gui::reportPdf(model, scale, date);
    }
};

} // namespace

ChartModule& linkedChartModule()
{
    static ChartsDrawnHere module;
    return module;
}

} // namespace sumafac::gui
