// SPDX-License-Identifier: GPL-3.0-or-later
// The zip reader over libzip: what the programs that link the zip library hand to the handlers, and what the
// window's module gives the window the first time a zip is dropped.
#pragma once

#include "zip/zip_archive.h"

namespace sumafac {

class LibzipReader final : public ZipReader
{
  public:
    ZipOpening open(const std::string& path) override;
};

} // namespace sumafac
