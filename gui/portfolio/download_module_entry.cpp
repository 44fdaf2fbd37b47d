// SPDX-License-Identifier: GPL-3.0-or-later
// The downloads' entry point in the module the window loads on first use: the system's HTTP stack, linked here so
// that no start of the window loads it.
#include "platform/downloads.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT sumafac::platform::Downloader* sumafacDownloader()
{
    static const auto downloader = sumafac::platform::makeNativeDownloader();
    return downloader.get();
}
