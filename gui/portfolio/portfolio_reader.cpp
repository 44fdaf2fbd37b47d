// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/portfolio/portfolio_reader.h"

#include <QMetaObject>

#include <memory>

namespace sumafac::gui {

PortfolioReader::~PortfolioReader()
{
    stop();
}

void PortfolioReader::stop()
{
    if (m_thread.joinable()) {
        m_cancel = true;
        m_thread.join();
    }
}

void PortfolioReader::start(const std::string& folder, const MonotributoScale& scale, PortfolioOptions options)
{
    stop();
    m_cancel = false;
    m_reading = true;
    m_done = 0;
    m_found = 0;
    m_progressPosted = false;
    const unsigned generation = ++m_generation;
    options.cancel = &m_cancel;
    options.progress = [this, generation, also = std::move(options.progress)](std::size_t done, std::size_t found) {
        if (also) {
            also(done, found);
        }
        m_done = static_cast<qint64>(done);
        m_found = static_cast<qint64>(found);
        if (!m_progressPosted.exchange(true)) {
            QMetaObject::invokeMethod(
                this,
                [this, generation] {
                    m_progressPosted = false;
                    if (generation == m_generation && m_reading) {
                        emit progressed(m_done, m_found);
                    }
                },
                Qt::QueuedConnection);
        }
    };
    // The thread works on copies: the window may start another reading, or go, before it ends.
    m_thread = std::thread([this, generation, folder, scale, options = std::move(options)] {
        auto portfolio = std::make_shared<Portfolio>(readPortfolio(folder, scale, options));
        QMetaObject::invokeMethod(
            this,
            [this, generation, portfolio] {
                if (generation != m_generation) {
                    return;
                }
                if (m_thread.joinable()) {
                    m_thread.join();
                }
                m_reading = false;
                m_result = std::move(*portfolio);
                emit finished();
            },
            Qt::QueuedConnection);
    });
}

} // namespace sumafac::gui
