// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/qt_dialogs.h"

#include "core/window_texts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSortFilterProxyModel>

namespace sumafac::gui {
namespace {

QString titleOr(const std::string& title)
{
    return QString::fromStdString(title.empty() ? std::string(ApplicationTitle) : title);
}

// Lists the folders and the files whose names begin with prefix and end in extension, both without regard to
// letter case. A name filter of the dialog cannot do this: it splits its pattern at blanks and reads "*", "?" and
// "[" in the typed CUIT as wildcards.
class NameFilter final : public QSortFilterProxyModel
{
  public:
    NameFilter(QString prefix, QString extension, QObject* parent)
        : QSortFilterProxyModel(parent), m_prefix(std::move(prefix)), m_extension(std::move(extension))
    {
    }

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (files == nullptr) {
            return true;
        }
        const QModelIndex index = files->index(row, 0, parent);
        if (files->isDir(index)) {
            return true;
        }
        const QString name = files->fileName(index);
        return name.size() >= m_prefix.size() + m_extension.size() && name.startsWith(m_prefix, Qt::CaseInsensitive) &&
               name.endsWith(m_extension, Qt::CaseInsensitive);
    }

  private:
    QString m_prefix;
    QString m_extension;
};

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
    // Qt's own dialog, the only one that takes a filtering model.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(
        new NameFilter(QString::fromStdString(request.namePrefix), QString::fromStdString(request.extension), &dialog));
    // The model does the filtering; the dialog's own filter lets everything through and shows only the description.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(QString::fromStdString(request.filterDescription) + " (*)");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    // Qt writes "/" on every system; the program's messages show a path as the system writes it.
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdString();
}

std::string QtDialogs::ShowSave(const platform::SaveFileRequest& request)
{
    const QString proposed = QString::fromStdString(request.proposedPath);
    QFileDialog dialog(m_parent, QString::fromStdString(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog, which speaks Spanish with the program; a system's speaks the system's language.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(QString::fromStdString(request.filter));
    const QString suffix = QFileInfo(proposed).suffix();
    dialog.setDefaultSuffix(suffix);
    // Of several types ("A (*.csv);;B (*.pdf)"), the proposed name's is chosen first, and a name typed without an
    // extension takes the chosen type's.
    for (const QString& filter : dialog.nameFilters()) {
        if (filter.contains("*." + suffix + ")", Qt::CaseInsensitive)) {
            dialog.selectNameFilter(filter);
        }
    }
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const QRegularExpressionMatch extension = QRegularExpression(R"(\*\.(\w+))").match(filter);
        if (extension.hasMatch()) {
            dialog.setDefaultSuffix(extension.captured(1));
        }
    });
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

std::string QtDialogs::ChooseFolder(const std::string& title, const std::string& initialFolder)
{
    QFileDialog dialog(m_parent, QString::fromStdString(title), QString::fromStdString(initialFolder));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdString();
}

} // namespace sumafac::gui
