// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the work on screen to a ".sa1" file in the program folder and loading it back.
#pragma once

#include "app/form.h"

namespace sumafac {

// "Guardar".
void MnGrabar_Click(Form& form);
void Grabarflex3(Form& form);

// "Cargar".
void Mncargar_Click(Form& form);

} // namespace sumafac
