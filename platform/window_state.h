// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the main window, as the program's logic reads and writes them.
#pragma once

#include <string>

namespace sumafac::platform {

// Labels whose caption or colour the logic touches. Label1 and Label4..Label8 are the result panel.
enum class Label { Label1, Label3, Label4, Label5, Label6, Label7, Label8 };

// Buttons and menu items whose enabled state the logic reads or sets.
enum class Control { Command1, Command2, Command5, Mncargar, MnGrabar, Mnacerca };

struct Rgb
{
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb&) const = default;
};

// Window state behind the main window. Every text is UTF-8. Tables are numbered 1 to 3 (MSHFlexGrid1..3),
// tabs 0 to 2 (SSTab1). A cell outside rows 0..13 or columns 0..2 reads as "" and is never written.
// All calls are synchronous and made on the window's own thread.
class WindowState
{
  public:
    virtual ~WindowState() = default;

    virtual std::string caption(Label label) const = 0;
    virtual void setCaption(Label label, const std::string& text) = 0;
    virtual Rgb textColor(Label label) const = 0;
    virtual void setTextColor(Label label, Rgb color) = 0;

    // Frame1, the result panel.
    virtual bool frameVisible() const = 0;
    virtual void setFrameVisible(bool visible) = 0;

    // Text1, the drop area.
    virtual std::string dropText() const = 0;
    virtual void setDropText(const std::string& text) = 0;

    virtual bool enabled(Control control) const = 0;
    virtual void setEnabled(Control control, bool enabled) = 0;

    virtual std::string tabCaption(int tab) const = 0;
    virtual void setTabCaption(int tab, const std::string& text) = 0;
    virtual int selectedTab() const = 0;
    virtual void setSelectedTab(int tab) = 0;

    // TextMatrix of MSHFlexGrid<table>.
    virtual std::string textMatrix(int table, int row, int column) const = 0;
    virtual void setTextMatrix(int table, int row, int column, const std::string& text) = 0;
    // ColWidth of MSHFlexGrid<table>, in twips.
    virtual void setColWidth(int table, int column, int twips) = 0;

    // Shows the About box beside the main window (modeless; a second call raises the same box).
    virtual void showAboutBox() = 0;
    // Ends the program at once, with every window it has open.
    virtual void endProgram() = 0;
};

} // namespace sumafac::platform
