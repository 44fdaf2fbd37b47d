// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/window_model.h"

#include "core/window_texts.h"

namespace sumafac {

using Part = WindowModel::Change::Part;

WindowModel::WindowModel() : m_dropText(DropTextAtStart) {}

WindowModel::WindowModel(const WindowModel& other) : WindowModel()
{
    assign(other);
}

void WindowModel::assign(const WindowModel& other)
{
    setCuit(other.cuit());
    for (int tab = 0; tab < TableCount; ++tab) {
        setTabCaption(tab, other.tabCaption(tab));
    }
    setSelectedTab(other.selectedTab());
    for (int table = FirstYearTable; table <= TableCount; ++table) {
        for (int row = 0; row < MonthTable::Rows; ++row) {
            for (int column = 0; column < MonthTable::Columns; ++column) {
                setCell(table, row, column, other.cell(table, row, column));
            }
        }
    }
    for (int line = 1; line <= PanelLineCount; ++line) {
        setPanelLine(line, other.panelLine(line));
    }
    setPanelGrey(other.panelGrey());
    setPanelVisible(other.panelVisible());
    setFadeLevel(other.fadeLevel());
    setSaveEnabled(other.saveEnabled());
    setDropText(other.dropText());
    setWrittenFile(other.writtenFile());
}

void WindowModel::setCuit(const std::string& cuit)
{
    m_cuit = cuit;
    changed({Part::Cuit});
}

void WindowModel::setTabCaption(int tab, const std::string& text)
{
    m_tabCaptions.at(tab) = text;
    changed({Part::TabCaption, tab});
}

void WindowModel::setSelectedTab(int tab)
{
    m_selectedTab = tab;
    changed({Part::SelectedTab, tab});
}

void WindowModel::setCell(int table, int row, int column, const std::string& text)
{
    m_tables.at(table - 1).setCell(row, column, text);
    changed({Part::Cell, table, row, column});
    if (!m_writtenFile.empty()) {
        setWrittenFile({});
    }
}

void WindowModel::setPanelLine(int line, const std::string& text)
{
    m_panelLines.at(line - 1) = text;
    changed({Part::PanelLine, line});
}

void WindowModel::setPanelGrey(int grey)
{
    m_panelGrey = grey;
    changed({Part::PanelGrey});
}

void WindowModel::setPanelVisible(bool visible)
{
    m_panelVisible = visible;
    changed({Part::PanelVisible});
}

void WindowModel::setSaveEnabled(bool enabled)
{
    m_saveEnabled = enabled;
    changed({Part::SaveEnabled});
}

void WindowModel::setDropText(const std::string& text)
{
    m_dropText = text;
    changed({Part::DropText});
}

void WindowModel::setWrittenFile(const std::string& path)
{
    m_writtenFile = path;
    changed({Part::WrittenFile});
}

int WindowModel::subscribe(Listener listener)
{
    m_listeners.emplace(m_nextSubscription, std::move(listener));
    return m_nextSubscription++;
}

void WindowModel::unsubscribe(int subscription)
{
    m_listeners.erase(subscription);
}

void WindowModel::changed(const Change& change) const
{
    for (const auto& [subscription, listener] : m_listeners) {
        listener(change);
    }
}

void initialiseMonthTables(WindowModel& model)
{
    for (int tab = 0; tab < TableCount; ++tab) {
        model.setTabCaption(tab, "");
    }
    for (int table = FirstYearTable; table <= TableCount; ++table) {
        model.setCell(table, MonthTable::HeadingRow, MonthTable::CountColumn, CountHeading);
        model.setCell(table, MonthTable::HeadingRow, MonthTable::AmountColumn, AmountHeading);
        for (int month = January; month <= December; ++month) {
            model.setCell(table, month, MonthTable::NameColumn, MonthNames.at(month - 1));
        }
    }
}

void copyFigures(WindowModel& model, int from, int to, int firstRow, int lastRow)
{
    for (int row = firstRow; row <= lastRow; ++row) {
        for (const int column : FigureColumns) {
            model.setCell(to, row, column, model.cell(from, row, column));
        }
    }
}

void emptyFigures(WindowModel& model, int table)
{
    for (int row = January; row <= MonthTable::TotalsRow; ++row) {
        for (const int column : FigureColumns) {
            model.setCell(table, row, column, "");
        }
    }
}

} // namespace sumafac
