// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/charts/chart_window.h"

#include "gui/charts/chart_of_months.h"
#include "taxpayer/taxpayer_list.h"
#include "totals/category.h"

#include <QChartView>
#include <QVBoxLayout>

namespace sumafac::gui {

ChartWindow::ChartWindow(WindowModel& model,
                         const MonotributoScale& scale,
                         const std::map<std::string, TaxpayerData>& taxpayers,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(model), m_scale(scale), m_taxpayers(taxpayers)
{
    setObjectName("Grafico");
    setWindowTitle("Sumafac: gráfico de la facturación");
    m_chart = new ChartOfMonths;
    auto* view = new QChartView(m_chart, this);
    view->setRenderHint(QPainter::Antialiasing);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    resize(960, 620);

    // A hidden window is drawn when it shows again; meanwhile changes cost it nothing.
    m_subscription = m_model.subscribe([this](const WindowModel::Change& change) {
        if (isVisible() && changesCategory(change)) {
            redraw();
        }
    });
}

ChartWindow::~ChartWindow()
{
    m_model.unsubscribe(m_subscription);
}

void ChartWindow::showEvent(QShowEvent* event)
{
    redraw();
    QWidget::showEvent(event);
}

void ChartWindow::redraw()
{
    m_chart->draw(chartSeries(m_model, m_scale, taxpayerOf(m_taxpayers, m_model.cuit())));
}

} // namespace sumafac::gui
