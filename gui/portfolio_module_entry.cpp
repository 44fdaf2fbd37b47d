// SPDX-License-Identifier: GPL-3.0-or-later
// The portfolio's entry points in the module the window loads on first use: the portfolio's reading as linked here,
// and the zip reader over libzip.
#include "gui/portfolio_module.h"
#include "portfolio/client_window.h"
#include "portfolio/portfolio_sheet.h"
#include "zip/libzip_reader.h"

#include <QtGlobal>

namespace sumafac::gui {
namespace {

class PortfolioReadHere final : public PortfolioModule
{
  public:
    Portfolio
    readPortfolio(const std::string& folder, const MonotributoScale& scale, const PortfolioOptions& options) override
    {
        return sumafac::readPortfolio(folder, scale, options);
    }
    std::string portfolioSheet(const Portfolio& portfolio) override { return sumafac::portfolioSheet(portfolio); }
    void showClientYears(HandlerContext& context, const Client& client) override
    {
        sumafac::showClientYears(context, client);
    }
    const char* statusWord(ClientStatus status) override { return sumafac::statusWord(status); }
};

} // namespace
} // namespace sumafac::gui

extern "C" Q_DECL_EXPORT sumafac::gui::PortfolioModule* sumafacPortfolioModule()
{
    static sumafac::gui::PortfolioReadHere module;
    return &module;
}

extern "C" Q_DECL_EXPORT sumafac::ZipReader* sumafacZipReader()
{
    static sumafac::LibzipReader reader;
    return &reader;
}
