// SPDX-License-Identifier: GPL-3.0-or-later
// What follows the model: each change it tells, brought to the controls that show it.
#include "gui/shared/file_places.h"
#include "gui/shared/program_look.h"
#include "gui/window/drop_area.h"
#include "gui/window/main_window.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QTabWidget>

namespace sumafac::gui {
namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

using Part = WindowModel::Change::Part;

void MainWindow::follow(const WindowModel::Change& change)
{
    switch (change.part) {
    case Part::Cuit:
        m_Label3->setText(qs(m_model.cuit()));
        m_MnInforme->setEnabled(!m_model.cuit().empty());
        m_MnDatos->setEnabled(!m_model.cuit().empty());
        break;
    case Part::TabCaption:
        // Tab texts treat "&" as an access key; doubled, a caption shows as written.
        m_SSTab1->setTabText(change.index, qs(m_model.tabCaption(change.index)).replace("&", "&&"));
        break;
    case Part::SelectedTab:
        m_SSTab1->setCurrentIndex(m_model.selectedTab());
        break;
    case Part::Cell:
        break; // the grids follow their own tables
    case Part::PanelLine:
        m_panelLines[change.index - 1]->setText(qs(m_model.panelLine(change.index)));
        break;
    case Part::PanelGrey:
        for (QLabel* line : m_panelLines) {
            const int grey = m_model.panelGrey();
            setTextColor(line, QColor(grey, grey, grey));
        }
        break;
    case Part::PanelVisible:
        m_Frame1->setVisible(m_model.panelVisible());
        break;
    case Part::SaveEnabled:
        m_MnGrabar->setEnabled(m_model.saveEnabled());
        break;
    case Part::DropText:
        m_Text1->setPromptText(qs(m_model.dropText()));
        // The handler runs to its end before the next event; show the path being imported meanwhile.
        m_Text1->repaint();
        break;
    case Part::WrittenFile:
        if (m_writtenNote == nullptr && !m_model.writtenFile().empty()) {
            createWrittenNote();
        }
        if (m_writtenNote != nullptr) {
            m_writtenNote->setText(m_model.writtenFile().empty() ? QString() : writtenNote(m_model.writtenFile()));
        }
        break;
    case Part::CategoryBasis:
        break; // the category line and the chart follow it
    }
}

} // namespace sumafac::gui
