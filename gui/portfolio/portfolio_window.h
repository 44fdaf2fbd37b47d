// SPDX-License-Identifier: GPL-3.0-or-later
// "Sumafac: cartera": every client of a folder of downloads in a table that sorts and filters, the files of the
// selected client and the files that could not be read. The folder is read off the window's thread, with a progress
// bar and a button that stops it.
#pragma once

#include "gui/shared/portfolio_module.h"
#include "gui/shared/qt_dialogs.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace sumafac::gui {

class PortfolioFileList;
class PortfolioFilter;
class PortfolioReader;
class PortfolioTableModel;
class PortfolioTableView;

class PortfolioWindow final : public QWidget, public PortfolioView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PortfolioWindow)

  public:
    explicit PortfolioWindow(PortfolioServices services, QWidget* parent = nullptr);
    ~PortfolioWindow() override;

    QWidget* widget() override { return this; }
    void open(const std::string& folder) override;
    bool reading() const override;
    const Portfolio& portfolio() const override { return m_portfolio; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void showProgress(qint64 done, qint64 found);
    void showCount();
    void showPortfolio();
    void showClientFiles();
    void exportTable();

    // Its messages and its export's dialog show over this window, not the main one.
    QtDialogs m_ownDialogs;
    PortfolioServices m_services;
    std::string m_folder;
    Portfolio m_portfolio;
    PortfolioReader* m_reader = nullptr;
    PortfolioTableModel* m_clients = nullptr;
    PortfolioFilter* m_filter = nullptr;
    QLabel* m_folderLabel = nullptr;
    QLineEdit* m_filterText = nullptr;
    QLabel* m_count = nullptr;
    QPushButton* m_export = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    QLabel* m_summary = nullptr;
    PortfolioTableView* m_table = nullptr;
    PortfolioFileList* m_clientFiles = nullptr;
    QLabel* m_clientError = nullptr;
    PortfolioFileList* m_unread = nullptr;
};

} // namespace sumafac::gui
