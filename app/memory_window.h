// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls held in memory, in the state the window is created with. The batch front end and
// the tests run the handlers on it.
#pragma once

#include "app/month_table.h"
#include "platform/window_state.h"

#include <array>
#include <map>

namespace sumafac {

class MemoryWindow final : public platform::WindowState
{
  public:
    MemoryWindow();

    std::string caption(platform::Label label) const override;
    void setCaption(platform::Label label, const std::string& text) override;
    platform::Rgb textColor(platform::Label label) const override;
    void setTextColor(platform::Label label, platform::Rgb color) override;
    bool frameVisible() const override { return m_frameVisible; }
    void setFrameVisible(bool visible) override { m_frameVisible = visible; }
    std::string dropText() const override { return m_dropText; }
    void setDropText(const std::string& text) override { m_dropText = text; }
    bool enabled(platform::Control control) const override;
    void setEnabled(platform::Control control, bool enabled) override;
    std::string tabCaption(int tab) const override;
    void setTabCaption(int tab, const std::string& text) override;
    int selectedTab() const override { return m_selectedTab; }
    void setSelectedTab(int tab) override;
    std::string textMatrix(int table, int row, int column) const override;
    void setTextMatrix(int table, int row, int column, const std::string& text) override;
    void setColWidth(int table, int column, int twips) override;
    void showAboutBox() override { ++m_aboutBoxRequests; }
    void endProgram() override { m_ended = true; }

    const MonthTable& table(int table) const;
    int aboutBoxRequests() const { return m_aboutBoxRequests; }
    bool ended() const { return m_ended; }

  private:
    std::map<platform::Label, std::string> m_captions;
    std::map<platform::Label, platform::Rgb> m_colors;
    std::map<platform::Control, bool> m_enabled;
    std::array<std::string, 3> m_tabCaptions{"Tab 0", "Tab 1", "Tab 2"};
    std::array<MonthTable, 3> m_tables{};
    std::string m_dropText;
    int m_selectedTab = 0;
    int m_aboutBoxRequests = 0;
    bool m_frameVisible = false;
    bool m_ended = false;
};

} // namespace sumafac
