// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/program_look.h"

#include "core/window_texts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>

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

} // namespace

void setUpApplication()
{
    QApplication::setApplicationName(ApplicationTitle);
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

} // namespace sumafac::gui
