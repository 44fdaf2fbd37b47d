// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window asks of the portfolio module: the portfolio window and the client's years it shows in the
// main window; also the zip reader and the download of the agency's page. The module is loaded the first time one of
// them is used: linked into the program, the zip library, the HTTP library and the OpenSSL under them would be loaded
// and relocated at every start, 6 M instructions, an eighth of a bare Qt window's start.
#pragma once

#include "core/handler_context.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "portfolio/portfolio.h"

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace sumafac::gui {

struct PortfolioServices
{
    platform::Dialogs& dialogs;
    platform::Files& files;
    // Where the export's dialog opens when there is no documents folder.
    std::string programFolder;
    MonotributoScale scale;
    // The temporary folder and a progress to be told besides the window's; the window sets the cancel flag.
    PortfolioOptions options;
    // A client with months double-clicked, to be shown in the main window.
    std::function<void(const Client&)> clientChosen;
};

// "Sumafac: cartera", as the main window and the tests hold it.
class PortfolioView
{
  public:
    virtual ~PortfolioView() = default;

    virtual QWidget* widget() = 0;
    // Reads folder, replacing what the window shows; a reading under way is abandoned.
    virtual void open(const std::string& folder) = 0;
    virtual bool reading() const = 0;
    virtual const Portfolio& portfolio() const = 0;
};

class PortfolioModule
{
  public:
    virtual ~PortfolioModule() = default;

    // A window of its own, no parent; the dialogs and files must outlive it.
    virtual std::unique_ptr<PortfolioView> makePortfolioWindow(PortfolioServices services) = 0;
    // The client's two last calendar years in the main window, as if their months had been dropped.
    virtual void showClientYears(HandlerContext& context, const Client& client) = 0;
};

// The module's entry point for the portfolio: a C function of this name that returns its PortfolioModule.
inline constexpr const char* PortfolioModuleEntry = "sumafacPortfolioModule";
// And for the zip reader the drops read exports with: a C function of this name that returns a ZipReader.
inline constexpr const char* ZipReaderEntry = "sumafacZipReader";
// And for downloading the agency's page: a C function of this name that returns a platform::Downloader.
inline constexpr const char* DownloaderEntry = "sumafacDownloader";

} // namespace sumafac::gui
