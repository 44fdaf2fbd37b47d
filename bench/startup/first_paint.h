// SPDX-License-Identifier: GPL-3.0-or-later
// Ends the program as soon as a window has painted once: start-up time is process start to first paint.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

class QuitOnFirstPaint final : public QObject
{
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            // Let this paint finish before leaving.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }
};
