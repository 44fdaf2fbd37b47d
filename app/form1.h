// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's handlers, one per event, run alike by the window, the batch front end and the tests.
#pragma once

#include "app/form.h"

#include <string>
#include <vector>

namespace sumafac {

class Form1
{
  public:
    explicit Form1(Form form) : m_form(std::move(form)) {}

    Form& form() { return m_form; }

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
    Form m_form;
};

} // namespace sumafac
