// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/memory_window.h"

#include "app/window_texts.h"

#include <memory>

namespace sumafac {

using platform::Control;
using platform::Label;
using platform::Rgb;

namespace {

bool validTable(int table)
{
    return table >= 1 && table <= 3;
}

bool validTab(int tab)
{
    return tab >= 0 && tab <= 2;
}

} // namespace

MemoryWindow::MemoryWindow() : m_dropText(DropTextAtStart)
{
    m_colors[Label::Label3] = Rgb{0, 0, 255};
    m_enabled[Control::MnGrabar] = false;
}

std::string MemoryWindow::caption(Label label) const
{
    const auto it = m_captions.find(label);
    return it == m_captions.end() ? std::string() : it->second;
}

void MemoryWindow::setCaption(Label label, const std::string& text)
{
    m_captions[label] = text;
}

Rgb MemoryWindow::textColor(Label label) const
{
    const auto it = m_colors.find(label);
    return it == m_colors.end() ? Rgb{} : it->second;
}

void MemoryWindow::setTextColor(Label label, Rgb color)
{
    m_colors[label] = color;
}

bool MemoryWindow::enabled(Control control) const
{
    const auto it = m_enabled.find(control);
    return it == m_enabled.end() || it->second;
}

void MemoryWindow::setEnabled(Control control, bool enabled)
{
    m_enabled[control] = enabled;
}

std::string MemoryWindow::tabCaption(int tab) const
{
    return validTab(tab) ? m_tabCaptions[tab] : std::string();
}

void MemoryWindow::setTabCaption(int tab, const std::string& text)
{
    if (validTab(tab)) {
        m_tabCaptions[tab] = text;
    }
}

void MemoryWindow::setSelectedTab(int tab)
{
    if (validTab(tab)) {
        m_selectedTab = tab;
    }
}

std::string MemoryWindow::textMatrix(int table, int row, int column) const
{
    return validTable(table) ? m_tables[table - 1].textMatrix(row, column) : std::string();
}

void MemoryWindow::setTextMatrix(int table, int row, int column, const std::string& text)
{
    if (validTable(table)) {
        m_tables[table - 1].setTextMatrix(row, column, text);
    }
}

void MemoryWindow::setColWidth(int table, int column, int twips)
{
    if (validTable(table)) {
        m_tables[table - 1].setColWidth(column, twips);
    }
}

const MonthTable& MemoryWindow::table(int table) const
{
    // Made at run time: clang 14, which builds the fuzz targets, crashes trying to evaluate it as a constant.
    static const auto none = std::make_unique<const MonthTable>();
    return validTable(table) ? m_tables[table - 1] : *none;
}

} // namespace sumafac
