// SPDX-License-Identifier: GPL-3.0-or-later
// The portfolio module's entry points, resolved by the main window the first time it needs one: the portfolio window
// and the client's years it shows, and the zip reader over libzip.
#include "gui/portfolio/portfolio_window.h"
#include "gui/shared/portfolio_module.h"
#include "portfolio/client_window.h"
#include "zip/libzip_reader.h"

#include <QtGlobal>

namespace sumafac::gui {
namespace {

class PortfolioHere final : public PortfolioModule
{
  public:
    std::unique_ptr<PortfolioView> makePortfolioWindow(PortfolioServices services) override
    {
        return std::make_unique<PortfolioWindow>(std::move(services));
    }
    void showClientYears(HandlerContext& context, const Client& client) override
    {
        sumafac::showClientYears(context, client);
    }
};

} // namespace
} // namespace sumafac::gui

extern "C" Q_DECL_EXPORT sumafac::gui::PortfolioModule* sumafacPortfolioModule()
{
    static sumafac::gui::PortfolioHere module;
    return &module;
}

extern "C" Q_DECL_EXPORT sumafac::ZipReader* sumafacZipReader()
{
    static sumafac::LibzipReader reader;
    return &reader;
}
