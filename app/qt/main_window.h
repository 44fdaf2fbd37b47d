// SPDX-License-Identifier: GPL-3.0-or-later
// Form1, the main window: its controls hold the program's state, and every event runs a handler of Form1.
#pragma once

#include "app/form1.h"
#include "app/month_table.h"
#include "platform/registry.h"
#include "platform/window_state.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <map>

class QAction;
class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;

namespace sumafac::gui {

class DropArea;
class MonthGridModel;

// The services the window's handlers use; main() owns them.
struct Services
{
    platform::Dialogs& dialogs;
    platform::Files& files;
    platform::ProcessRunner& processes;
    platform::Registry& registry;
    std::string programFolder;
};

class MainWindow final : public QMainWindow, public platform::WindowState
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

  public:
    explicit MainWindow(Services services, QWidget* parent = nullptr);
    ~MainWindow() override;

    Form1& form1() { return m_form1; }
    const MonthTable& table(int table) const;

    std::string caption(platform::Label label) const override;
    void setCaption(platform::Label label, const std::string& text) override;
    platform::Rgb textColor(platform::Label label) const override;
    void setTextColor(platform::Label label, platform::Rgb color) override;
    bool frameVisible() const override;
    void setFrameVisible(bool visible) override;
    std::string dropText() const override;
    void setDropText(const std::string& text) override;
    bool enabled(platform::Control control) const override;
    void setEnabled(platform::Control control, bool enabled) override;
    std::string tabCaption(int tab) const override;
    void setTabCaption(int tab, const std::string& text) override;
    int selectedTab() const override;
    void setSelectedTab(int tab) override;
    std::string textMatrix(int table, int row, int column) const override;
    void setTextMatrix(int table, int row, int column, const std::string& text) override;
    void setColWidth(int table, int column, int twips) override;
    void showAboutBox() override;
    void endProgram() override;

  private:
    void createMenu();
    void createTables();
    void createControls();
    void createResultPanel();
    QLabel* label(platform::Label which) const;
    QPushButton* button(const char* name, const char* text, int left, const QString& toolTip = {});

    platform::Registry& m_registry;
    Form1 m_form1;

    QTabWidget* m_SSTab1 = nullptr;
    std::array<QTableView*, 3> m_grids{};
    std::array<MonthGridModel*, 3> m_models{};
    std::map<platform::Label, QLabel*> m_labels;
    std::map<platform::Control, QWidget*> m_buttons;
    std::map<platform::Control, QAction*> m_menuItems;
    QFrame* m_Frame1 = nullptr;
    DropArea* m_Text1 = nullptr;
    QTimer* m_Timer1 = nullptr;
    QPointer<QWidget> m_aboutBox;
};

} // namespace sumafac::gui
