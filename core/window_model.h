// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's whole state, without Qt: the handlers change it, the window shows it, the batch front end prints
// it. Every text is UTF-8.
#pragma once

#include "core/month_table.h"

#include <array>
#include <functional>
#include <map>
#include <string>

namespace sumafac {

// The three tables, numbered as the window's grids are; tabs count from 0, so table t sits on tab t - 1.
inline constexpr int FirstYearTable = 1;
inline constexpr int SecondYearTable = 2;
inline constexpr int TwelveMonthTable = 3;
inline constexpr int TableCount = 3;
inline constexpr int FirstYearTab = 0;
inline constexpr int SecondYearTab = 1;
inline constexpr int TwelveMonthTab = 2;

// The result panel's six lines, numbered from the top.
inline constexpr int CuitLine = 1;
inline constexpr int TypeLine = 2;
inline constexpr int YearLine = 3;
inline constexpr int MonthLine = 4;
inline constexpr int CountLine = 5;
inline constexpr int AmountLine = 6;
inline constexpr int PanelLineCount = 6;

class WindowModel
{
  public:
    // What changed, for the views to follow. index is the table (1-3) for a cell, the tab (0-2) for a caption and
    // the line (1-6) for a panel line.
    struct Change
    {
        enum class Part {
            Cuit,
            TabCaption,
            SelectedTab,
            Cell,
            PanelLine,
            PanelGrey,
            PanelVisible,
            SaveEnabled,
            DropText,
            WrittenFile,
            // Nothing the model holds: what the category of a table is told against changed (the scale).
            CategoryBasis
        };
        Part part;
        int index = 0;
        int row = 0;
        int column = 0;
    };
    using Listener = std::function<void(const Change&)>;

    // The state the window is created with, before start-up writes the headings: the tab control's own captions,
    // the panel hidden, "Guardar" disabled and the prompt with two blanks before "bajados".
    WindowModel();
    // A copy holds the state, never the listeners: views stay with the model they were made for.
    WindowModel(const WindowModel& other);
    WindowModel& operator=(const WindowModel&) = delete;

    // Takes every part of other's state, telling the listeners of each.
    void assign(const WindowModel& other);

    // The taxpayer whose work is on screen; empty until a file fixes one.
    const std::string& cuit() const { return m_cuit; }
    void setCuit(const std::string& cuit);

    // The year of tabs 0 and 1, the label of tab 2 ("2024/2023"); empty while a table holds no year.
    const std::string& tabCaption(int tab) const { return m_tabCaptions.at(tab); }
    void setTabCaption(int tab, const std::string& text);
    int selectedTab() const { return m_selectedTab; }
    void setSelectedTab(int tab);

    const MonthTable& table(int table) const { return m_tables.at(table - 1); }
    const std::string& cell(int table, int row, int column) const { return this->table(table).cell(row, column); }
    void setCell(int table, int row, int column, const std::string& text);

    // Lines 1 to 6 of the result panel, their grey level (0 black to 240) and whether the panel shows.
    const std::string& panelLine(int line) const { return m_panelLines.at(line - 1); }
    void setPanelLine(int line, const std::string& text);
    int panelGrey() const { return m_panelGrey; }
    void setPanelGrey(int grey);
    bool panelVisible() const { return m_panelVisible; }
    void setPanelVisible(bool visible);
    // FadeLevel: how far the fade has come (0 to 240); the lines take this grey on the next tick.
    int fadeLevel() const { return m_fadeLevel; }
    void setFadeLevel(int level) { m_fadeLevel = level; }

    // Whether "Guardar" may be chosen.
    bool saveEnabled() const { return m_saveEnabled; }
    void setSaveEnabled(bool enabled);

    // The drop area's text: the prompt, or the path of the file being imported.
    const std::string& dropText() const { return m_dropText; }
    void setDropText(const std::string& text);

    // The last file the user had written (a save, a report), to be named on screen; empty before one is, and again
    // once a cell changes, as that file no longer holds what the tables show.
    const std::string& writtenFile() const { return m_writtenFile; }
    void setWrittenFile(const std::string& path);

    // Tells the listeners that what the category of a table is told against changed, though no part of the model did.
    void categoryBasisChanged() const { changed({Change::Part::CategoryBasis}); }

    // Called after every change, in the order of subscription. The returned number ends the subscription.
    int subscribe(Listener listener);
    void unsubscribe(int subscription);

  private:
    void changed(const Change& change) const;

    std::string m_cuit;
    std::array<std::string, TableCount> m_tabCaptions{"Tab 0", "Tab 1", "Tab 2"};
    int m_selectedTab = 0;
    std::array<MonthTable, TableCount> m_tables{};
    std::array<std::string, PanelLineCount> m_panelLines{};
    int m_panelGrey = 0;
    int m_fadeLevel = 0;
    bool m_panelVisible = false;
    bool m_saveEnabled = false;
    std::string m_dropText;
    std::string m_writtenFile;
    std::map<int, Listener> m_listeners;
    int m_nextSubscription = 0;
};

// Start-up: empties the tab captions and writes the headings and month names of the three tables. Data cells are
// not touched.
void initialiseMonthTables(WindowModel& model);

// Writes "" into both figures of rows 1 to 13 of one table, the totals row included.
void emptyFigures(WindowModel& model, int table);
// Copies the counts and amounts of rows firstRow to lastRow of table from into table to.
void copyFigures(WindowModel& model, int from, int to, int firstRow, int lastRow);

} // namespace sumafac
