// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

#include "app/month_table.h"
#include "app/result_panel.h"
#include "import/drop_intake.h"
#include "storage/saved_period_file.h"
#include "totals/clearing.h"
#include "totals/year_roll.h"

namespace sumafac {

void Form1::Form_Load()
{
    m_form.FadeLevel = 0;
    InitialiseMonthTables(m_form.window);
}

void Form1::Timer1_Timer()
{
    sumafac::Timer1_Timer(m_form.window, m_form.FadeLevel);
}

void Form1::Command5_Click()
{
    m_form.window.endProgram();
}

void Form1::Command1_Click()
{
    sumafac::Command1_Click(m_form.window);
}

void Form1::Command2_Click()
{
    sumafac::Command2_Click(m_form.window);
}

void Form1::Text1_OLEDragDrop(const std::vector<std::string>& files)
{
    sumafac::Text1_OLEDragDrop(m_form, files);
}

void Form1::MnGrabar_Click()
{
    sumafac::MnGrabar_Click(m_form);
}

void Form1::Mncargar_Click()
{
    sumafac::Mncargar_Click(m_form);
}

void Form1::Mnacerca_Click()
{
    m_form.window.showAboutBox();
}

} // namespace sumafac
