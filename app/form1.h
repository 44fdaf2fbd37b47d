// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's handlers, one per event, run alike by the window, the batch front end and the tests.
#pragma once

#include "core/handler_context.h"
#include "platform/window_system.h"

#include <string>
#include <vector>

namespace sumafac {

class Form1
{
  public:
    Form1(HandlerContext context, platform::WindowSystem& windowSystem)
        : m_context(std::move(context)), m_windowSystem(windowSystem)
    {
    }

    HandlerContext& context() { return m_context; }

    void Form_Load();
    void Timer1_Timer();
    void Command5_Click();
    void Command1_Click();
    void Command2_Click();
    void Text1_OLEDragDrop(const std::vector<std::string>& files);
    void MnGrabar_Click();
    void Mncargar_Click();
    void Mnacerca_Click();

  private:
    HandlerContext m_context;
    platform::WindowSystem& m_windowSystem;
};

} // namespace sumafac
