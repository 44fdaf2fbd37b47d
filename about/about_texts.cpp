// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/about_texts.h"

#include "about/version.h"
#include "core/window_texts.h"

namespace sumafac {

std::string versionText()
{
    return "Versión " + std::to_string(VersionMajor) + "." + std::to_string(VersionMinor) + "." +
           std::to_string(VersionRevision);
}

std::string aboutTitle()
{
    return std::string("Acerca de ") + ApplicationTitle;
}

} // namespace sumafac
