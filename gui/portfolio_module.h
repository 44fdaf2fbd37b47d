// SPDX-License-Identifier: GPL-3.0-or-later
// What the portfolio window asks of the portfolio's reading. That part lives in the module the window loads on first
// use (beside the chart): linked into the program, the zip library it reads exports with, and OpenSSL under it, would
// be loaded and relocated at every start, 6 M instructions, an eighth of a bare Qt window's start.
#pragma once

#include "core/handler_context.h"
#include "portfolio/portfolio.h"

#include <string>

namespace sumafac::gui {

class PortfolioModule
{
  public:
    virtual ~PortfolioModule() = default;

    virtual Portfolio
    readPortfolio(const std::string& folder, const MonotributoScale& scale, const PortfolioOptions& options) = 0;
    virtual std::string portfolioSheet(const Portfolio& portfolio) = 0;
    virtual void showClientYears(HandlerContext& context, const Client& client) = 0;
    virtual const char* statusWord(ClientStatus status) = 0;
};

// The module's entry point for the portfolio: a C function of this name that returns its PortfolioModule.
inline constexpr const char* PortfolioModuleEntry = "sumafacPortfolioModule";
// And for the zip reader the drops read exports with: a C function of this name that returns a ZipReader.
inline constexpr const char* ZipReaderEntry = "sumafacZipReader";

} // namespace sumafac::gui
