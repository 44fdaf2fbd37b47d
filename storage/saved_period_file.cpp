// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/saved_period_file.h"

namespace sumafac {

void MnGrabar_Click(Form& form)
{
    Grabarflex3(form);
}

void Grabarflex3(Form&) {}

void Mncargar_Click(Form&) {}

} // namespace sumafac
