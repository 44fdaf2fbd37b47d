// SPDX-License-Identifier: GPL-3.0-or-later
// "Ayuda → Actualizar escala": the table of the day read from the agency's page, downloaded on the user's request or
// opened as a page a browser saved, shown with how it compares, and saved into the program folder's scale only when
// the user says so. The download runs off the window's thread and can be cancelled.
#pragma once

#include "core/calendar_date.h"
#include "platform/dialogs.h"
#include "platform/downloads.h"
#include "platform/files.h"
#include "scale/agency_page.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <optional>
#include <thread>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace sumafac::gui {

struct ScaleUpdateServices
{
    platform::Dialogs& dialogs;
    platform::Files& files;
    std::string programFolder;
    // The scale the window uses, compared with what the page brings.
    const MonotributoScale& inUse;
    // The system's HTTP stack, loaded the first time a download is asked for; none, the user told why, when it
    // cannot be.
    std::function<platform::Downloader*()> downloader;
    std::function<CalendarDate()> today;
};

class ScaleUpdateDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScaleUpdateDialog)

  public:
    explicit ScaleUpdateDialog(ScaleUpdateServices services, QWidget* parent = nullptr);
    // Stops a download under way and waits for it.
    ~ScaleUpdateDialog() override;

    void download();
    void openSavedPage();
    void save();
    void cancelDownload();
    bool downloading() const { return m_thread.joinable(); }

  signals:
    // The program folder's scale file holds a new table: the window reads its scale again.
    void scaleSaved();
    // A download ended, well or not (for whoever waits on it).
    void downloadEnded();

  private:
    // What the page brought, told and, when it is new, offered for saving. source names where it came from.
    void read(const std::string& bytes, const std::string& source);
    void tell(const QString& text);
    void setBusy(bool busy);
    void stopDownload();

    ScaleUpdateServices m_services;
    QLineEdit* m_address = nullptr;
    QPushButton* m_download = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
    QProgressBar* m_busy = nullptr;
    QLabel* m_status = nullptr;
    std::optional<AgencyPageReading> m_page;
    std::string m_source;
    std::thread m_thread;
    std::atomic<bool> m_stop = false;
    // Tells the end of an abandoned download from that of the current one.
    unsigned m_generation = 0;
};

} // namespace sumafac::gui
