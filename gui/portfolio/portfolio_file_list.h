// SPDX-License-Identifier: GPL-3.0-or-later
// A list of files in the portfolio window (a client's, or those that could not be read): every path, kind and reason
// shown whole, wrapped in its column, at any width of the window.
#pragma once

#include <QStringList>
#include <QTableWidget>

#include <vector>

namespace sumafac::gui {

class PortfolioFileList final : public QTableWidget
{
  public:
    // stretched: the column that takes the width left; capped: the one that takes at most share of the width, and
    // never less than its longest word.
    PortfolioFileList(const char* name, const QStringList& headers, int stretched, int capped, double share);

    void setRows(const std::vector<QStringList>& rows);

  protected:
    bool viewportEvent(QEvent* event) override;

  private:
    int longestWord(int column) const;
    void fit();

    int m_stretched;
    int m_capped;
    double m_share;
};

} // namespace sumafac::gui
