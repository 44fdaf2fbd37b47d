// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window asks of the desktop beyond its own state: the About box and the end of the program.
#pragma once

namespace sumafac::platform {

class WindowSystem
{
  public:
    virtual ~WindowSystem() = default;

    // Shows the About box beside the main window, without blocking it; a second call raises the same box.
    virtual void showAboutBox() = 0;
    // Ends the program at once, with every window it has open. Nothing is saved.
    virtual void endProgram() = 0;
};

} // namespace sumafac::platform
