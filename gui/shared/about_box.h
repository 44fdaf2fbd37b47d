// SPDX-License-Identifier: GPL-3.0-or-later
// frmAbout: the program's title, version and description beside the main window, and the button that starts the
// system-information tool.
#pragma once

#include "about/sys_info.h"
#include "gui/shared/qt_dialogs.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace sumafac::gui {

class AboutBox final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutBox)

  public:
    // Modeless; deletes itself when closed, so that the next opening sets it up anew.
    AboutBox(SysInfoServices services, QWidget* parent);

  private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    QtDialogs m_boxDialogs;
    SysInfoServices m_services;
    QLabel* m_picIcon = nullptr;
    QLabel* m_lblTitle = nullptr;
    QLabel* m_lblVersion = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdSysInfo = nullptr;
};

} // namespace sumafac::gui
