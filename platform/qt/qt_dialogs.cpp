// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qt_dialogs.h"

#include "app/window_texts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace sumafac::gui {
namespace {

QString titleOr(const std::string& title)
{
    return QString::fromStdString(title.empty() ? std::string(ApplicationTitle) : title);
}

} // namespace

int QtDialogs::MsgBox(const std::string& prompt, int style, const std::string& title)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(titleOr(title));
    box.setText(QString::fromStdString(prompt));
    if (style == platform::vbYesNoInformation) {
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? platform::vbYes : platform::vbNo;
    }
    box.setIcon(style == platform::vbCritical ? QMessageBox::Critical : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return platform::vbOK;
}

std::string QtDialogs::InputBox(const std::string& prompt)
{
    bool ok = false;
    const QString answer =
        QInputDialog::getText(m_parent, titleOr({}), QString::fromStdString(prompt), QLineEdit::Normal, {}, &ok);
    return ok ? answer.toStdString() : std::string();
}

std::string QtDialogs::ShowOpen(const platform::OpenFileRequest& request)
{
    QFileDialog dialog(m_parent, QString::fromStdString(request.title), QString::fromStdString(request.initialFolder));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog, so that the pattern is matched without regard to letter case on every system.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QString pattern =
        QString::fromStdString(request.namePrefix) + "*" + QString::fromStdString(request.extension);
    dialog.setNameFilter(QString::fromStdString(request.filterDescription) + " (" + pattern + ")");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

} // namespace sumafac::gui
