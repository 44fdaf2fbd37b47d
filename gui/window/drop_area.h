// SPDX-License-Identifier: GPL-3.0-or-later
// Text1: shows the prompt and turns files dragged from the file manager into a list of local paths.
#pragma once

#include <QLabel>
#include <QStringList>

namespace sumafac::gui {

class DropArea final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DropArea)

  public:
    explicit DropArea(QWidget* parent = nullptr);

    // The prompt is set in this font, made smaller only as far as needed for the whole text to fit the box.
    void setPromptFont(const QFont& font);
    void setPromptText(const QString& text);

  signals:
    void filesDropped(const QStringList& paths);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    void resizeEvent(QResizeEvent* event) override;

  private:
    void setHighlighted(bool highlighted);
    void fitFont();

    QFont m_promptFont;
};

} // namespace sumafac::gui
