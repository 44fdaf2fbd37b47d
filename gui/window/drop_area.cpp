// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/window/drop_area.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QMimeData>
#include <QResizeEvent>
#include <QUrl>

namespace sumafac::gui {
namespace {

const char* const NormalStyle = "background-color: rgb(255, 192, 255); border: 1px solid gray;";
const char* const HighlightStyle = "background-color: rgb(255, 160, 255); border: 2px dashed rgb(128, 0, 128);";

QStringList localFiles(const QMimeData* mime)
{
    QStringList paths;
    if (mime == nullptr || !mime->hasUrls()) {
        return paths;
    }
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile()) {
            // As the system writes it: the path shows in the drop area and in messages.
            paths << QDir::toNativeSeparators(url.toLocalFile());
        }
    }
    return paths;
}

} // namespace

DropArea::DropArea(QWidget* parent) : QLabel(parent)
{
    setAcceptDrops(true);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(2);
    setStyleSheet(NormalStyle);
}

void DropArea::dragEnterEvent(QDragEnterEvent* event)
{
    if (!localFiles(event->mimeData()).isEmpty()) {
        setHighlighted(true);
        event->acceptProposedAction();
    }
}

void DropArea::dragMoveEvent(QDragMoveEvent* event)
{
    event->acceptProposedAction();
}

void DropArea::dragLeaveEvent(QDragLeaveEvent* event)
{
    setHighlighted(false);
    QLabel::dragLeaveEvent(event);
}

void DropArea::dropEvent(QDropEvent* event)
{
    setHighlighted(false);
    event->acceptProposedAction();
    emit filesDropped(localFiles(event->mimeData()));
}

void DropArea::setPromptFont(const QFont& font)
{
    m_promptFont = font;
    fitFont();
}

void DropArea::setPromptText(const QString& text)
{
    setText(text);
    fitFont();
}

void DropArea::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fitFont();
}

void DropArea::fitFont()
{
    QFont font = m_promptFont;
    const QRect box = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    while (font.pointSizeF() > 6 &&
           QFontMetrics(font).boundingRect(box, Qt::TextWordWrap, text()).height() > box.height()) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    setFont(font);
}

void DropArea::setHighlighted(bool highlighted)
{
    setStyleSheet(highlighted ? HighlightStyle : NormalStyle);
}

} // namespace sumafac::gui
