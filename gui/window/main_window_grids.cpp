// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's tab control and its month grids: the first made with the window, each other one as its page first
// shows.
#include "gui/shared/program_look.h"
#include "gui/shared/twips.h"
#include "gui/window/drop_area.h"
#include "gui/window/main_window.h"
#include "gui/window/month_grid_model.h"

#include <QEvent>
#include <QHeaderView>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>

namespace sumafac::gui {
namespace {

constexpr int ColumnWidth = 2000;

} // namespace

void MainWindow::createTables()
{
    m_SSTab1 = new QTabWidget(centralWidget());
    m_SSTab1->setObjectName("SSTab1");
    m_SSTab1->setGeometry(twipsRect(this, 120, 120, 6495, 5655));
    m_SSTab1->tabBar()->setExpanding(false);
    for (int tab = 0; tab < TableCount; ++tab) {
        m_pages[tab] = new QWidget;
        m_SSTab1->addTab(m_pages[tab], {});
    }
    // The grid sits 480 twips below the tab control's top edge; the page starts under the tab bar.
    const int top = std::max(0, twips(this, 480) - m_SSTab1->tabBar()->sizeHint().height() - 2);
    m_gridGeometry = QRect(twips(this, 120) - 2, top, twips(this, 6135), twips(this, 4935));
    // Rows as tight as the font allows, so that the totals row shows without scrolling.
    m_rowHeight = QFontMetrics(gridFont()).height() + 5;
    createGrid(0);
    for (int tab = 1; tab < TableCount; ++tab) {
        m_pages[tab]->installEventFilter(this);
    }
    connect(m_SSTab1, &QTabWidget::currentChanged, this, [this](int tab) { m_model.setSelectedTab(tab); });
}

QTableView* MainWindow::grid(int tab)
{
    return m_grids[tab] != nullptr ? m_grids[tab] : createGrid(tab);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A page's grid is made as the page shows, before the tab control hands the focus on to it.
    if (event->type() == QEvent::Show) {
        for (int tab = 1; tab < TableCount; ++tab) {
            if (watched == m_pages[tab]) {
                grid(tab);
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QTableView* MainWindow::createGrid(int tab)
{
    m_pages[tab]->removeEventFilter(this);
    auto* grid = new QTableView(m_pages[tab]);
    grid->setObjectName(QString("MSHFlexGrid%1").arg(tab + 1));
    // Headers hidden before the model comes: hidden ones are never measured against its sections.
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setModel(new MonthGridModel(m_model, tab + 1, grid));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab moves on to the next control, as it does from every other one; the arrows move between cells.
    grid->setTabKeyNavigation(false);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setDefaultSectionSize(m_rowHeight);
    grid->setGeometry(m_gridGeometry);
    for (int column = 0; column < MonthTable::Columns; ++column) {
        grid->setColumnWidth(column, twips(this, ColumnWidth));
    }
    m_grids[tab] = grid;
    if (tab > 0) {
        // Its place in the focus order: after the drop area and the grids before it.
        QWidget* previous = m_Text1;
        for (int before = 1; before < tab; ++before) {
            previous = m_grids[before] != nullptr ? m_grids[before] : previous;
        }
        setTabOrder(previous, grid);
        // Made on a page already showing, it must be shown itself.
        grid->show();
    }
    return grid;
}

} // namespace sumafac::gui
