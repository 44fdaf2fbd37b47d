// SPDX-License-Identifier: GPL-3.0-or-later
// What the About box shows.
#pragma once

#include <string>

namespace sumafac {

// "Versión 1.2.0", from the project's version numbers.
std::string versionText();

// The box's title: "Acerca de " and the application title.
std::string aboutTitle();

inline constexpr const char* AboutDescription = "Software para la suma de periodos de facturacion digital";
inline constexpr const char* AboutDisclaimer =
    "Sumafac es propiedad de sus autores y se distribuye como software libre bajo la Licencia Pública General "
    "GNU, versión 3 o posterior. Se entrega tal cual, sin garantía de ninguna clase.";
inline constexpr const char* AboutOkCaption = "Aceptar";
inline constexpr const char* AboutSysInfoCaption = "&Info. del sistema...";
inline constexpr const char* SysInfoUnavailable = "La información del sistema no está disponible en este momento";

} // namespace sumafac
