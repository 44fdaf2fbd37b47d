// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a portfolio on a thread of its own, so that the window stays responsive: the progress and the end come back
// to the window's thread as signals, and a reading may be cancelled at any time.
#pragma once

#include "portfolio/portfolio.h"

#include <QObject>

#include <atomic>
#include <thread>

namespace sumafac::gui {

class PortfolioReader final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PortfolioReader)

  public:
    explicit PortfolioReader(QObject* parent = nullptr) : QObject(parent) {}
    // Cancels a reading under way and waits for it to stop.
    ~PortfolioReader() override;

    // Starts reading folder; a reading under way is cancelled first and its end never signalled. The options' cancel
    // flag is the reader's own; their progress, when given, is called too, from the reading threads.
    void start(const std::string& folder, const MonotributoScale& scale, PortfolioOptions options);
    // Asks the reading to stop; finished() follows, with a cancelled portfolio.
    void cancel() { m_cancel = true; }
    bool reading() const { return m_reading; }
    // The portfolio of the last reading that finished.
    const Portfolio& result() const { return m_result; }

  signals:
    void progressed(qint64 done, qint64 found);
    void finished();

  private:
    void stop();

    std::thread m_thread;
    std::atomic<bool> m_cancel = false;
    bool m_reading = false;
    // Tells the progress and the end of an abandoned reading from those of the current one.
    unsigned m_generation = 0;
    // The reading threads report far more often than a window can show: one report is posted at a time, with the
    // latest figures.
    std::atomic<qint64> m_done = 0;
    std::atomic<qint64> m_found = 0;
    std::atomic<bool> m_progressPosted = false;
    Portfolio m_result;
};

} // namespace sumafac::gui
