// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

#include "core/result_panel.h"
#include "import/drop_intake.h"
#include "storage/saved_period_file.h"
#include "totals/clearing.h"
#include "totals/year_roll.h"

namespace sumafac {

void Form1::Form_Load()
{
    m_context.model.setFadeLevel(0);
    initialiseMonthTables(m_context.model);
}

void Form1::Timer1_Timer()
{
    fadeStep(m_context.model);
}

void Form1::Command5_Click()
{
    m_windowSystem.endProgram();
}

void Form1::Command1_Click()
{
    startOver(m_context.model);
}

void Form1::Command2_Click()
{
    rollYears(m_context.model);
}

void Form1::Text1_OLEDragDrop(const std::vector<std::string>& files)
{
    importDrop(m_context, files);
}

void Form1::MnGrabar_Click()
{
    Grabarflex3(m_context);
}

void Form1::Mncargar_Click()
{
    chooseAndLoadSavedFile(m_context);
}

void Form1::Mnacerca_Click()
{
    m_windowSystem.showAboutBox();
}

} // namespace sumafac
