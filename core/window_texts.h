// SPDX-License-Identifier: GPL-3.0-or-later
// Words of the main window that more than one part of the program writes.
#pragma once

namespace sumafac {

inline constexpr const char* ApplicationTitle = "Sumafac";
inline constexpr const char* WindowCaption = "SumaFAC";
// The drop area as the window is created: two blanks before "bajados", as it always has been.
inline constexpr const char* DropTextAtStart = "Arrastra aqui los archivos  bajados de la AFIP";
// The drop area as a drop and clearing put it back: single blanks.
inline constexpr const char* DropPrompt = "Arrastra aqui los archivos bajados de la AFIP";
inline constexpr const char* DropToolTip = "Arrastra aqui los archivos bajados de la AFIP";
inline constexpr const char* RollToolTip = "Copia o deja el año mas nuevo en la solapa 1 y borra las demas";

} // namespace sumafac
