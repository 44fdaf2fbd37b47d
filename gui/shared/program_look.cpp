// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shared/program_look.h"

#include "core/window_texts.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QProxyStyle>
#include <QResource>
#include <QSettings>

// The icons are compiled into a static library; nothing else would keep their resource in the executable.
static void initialiseIconResource()
{
    Q_INIT_RESOURCE(sumafac);
}

namespace sumafac::gui {
namespace {

// The faces the window was drawn with, and what stands in for them where the system lacks them.
const QStringList StandIns = {"Liberation Sans", "DejaVu Sans", "Sans Serif"};

// The program's icon in the sizes a window shows it. A window's icon is drawn at most 64 pixels wide (a task bar at
// 200 %, a window switcher); menus and docks take the icon files installed beside the program. The pixels are kept
// bare (8-bit RGBA, left uncompressed in the resources): decoding PNGs would have Qt look through its image-format
// plugins and load one of them first, which costs more at start-up than all the rest of the icon.
QIcon programIcon()
{
    initialiseIconResource();
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        const QByteArray pixels = QResource(QString(":/icons/sumafac-%1.rgba").arg(size)).uncompressedData();
        if (pixels.size() == qsizetype(size) * size * 4) {
            icon.addPixmap(QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(pixels.constData()), size, size,
                                                     size * 4, QImage::Format_RGBA8888)));
        }
    }
    return icon;
}

// An icon of the style's that is read only when it is first drawn.
class DeferredStyleIcon final : public QIconEngine
{
  public:
    DeferredStyleIcon(const QStyle& style, QStyle::StandardPixmap which) : m_style(style), m_which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredStyleIcon(m_style, m_which); }

  private:
    const QIcon& icon()
    {
        if (m_icon.isNull()) {
            m_icon = m_style.standardIcon(m_which);
        }
        return m_icon;
    }

    const QStyle& m_style;
    const QStyle::StandardPixmap m_which;
    QIcon m_icon;
};

// The system's style, but for the icon of a menu bar's extension button, which every menu bar asks for as it is
// made and the style reads from PNG files: reading one has Qt look through its image-format plugins and load one of
// them first, about 3 % of the window's start-up. The window is wide enough for its menus, so the button never shows.
class ProgramStyle final : public QProxyStyle
{
  public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        if (which == SP_ToolBarHorizontalExtensionButton && option == nullptr) {
            return QIcon(new DeferredStyleIcon(*baseStyle(), which));
        }
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

} // namespace

void setUpApplication()
{
    QApplication::setStyle(new ProgramStyle(QApplication::style()));
    QApplication::setApplicationName(ApplicationTitle);
    QApplication::setOrganizationName(ApplicationTitle);
    // Settings in a file of their own on every system (Sumafac/Sumafac.ini in the user's settings folder): the
    // portable folder promises to leave the registry alone.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QApplication::setWindowIcon(programIcon());
    // The window's fonts where the system has no such faces.
    QFont::insertSubstitutions("MS Sans Serif", StandIns);
    QFont::insertSubstitutions("Arial", StandIns);
}

QString installedFamily(const QString& face)
{
    static const QStringList installed = QFontDatabase::families();
    for (const QString& family : QStringList{face} + StandIns) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            return family;
        }
    }
    return face;
}

QFont gridFont()
{
    return QFont(installedFamily("Arial"), 12, QFont::Bold);
}

void setTextColor(QLabel* label, const QColor& color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

QColor statusColor(ClientStatus status)
{
    switch (status) {
    case ClientStatus::Up:
        return {230, 126, 0};
    case ClientStatus::Down:
        return {46, 160, 67};
    case ClientStatus::Same:
        return {52, 101, 200};
    case ClientStatus::Excluded:
        return {200, 30, 30};
    case ClientStatus::Error:
        return {140, 20, 140};
    case ClientStatus::NoScale:
    case ClientStatus::NoBasis:
        break;
    }
    return {150, 150, 150};
}

} // namespace sumafac::gui
