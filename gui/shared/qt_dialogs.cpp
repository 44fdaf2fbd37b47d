// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shared/qt_dialogs.h"

#include "core/window_texts.h"

#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QTreeView>

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

// The folder a dialog of this title was last left in, while it exists; else folder.
QString startFolder(const std::string& title, const QString& folder)
{
    const QString remembered = QSettings().value("carpetas/" + QString::fromStdString(title)).toString();
    return !remembered.isEmpty() && QFileInfo(remembered).isDir() ? remembered : folder;
}

void rememberFolder(const std::string& title, const QString& folder)
{
    QSettings().setValue("carpetas/" + QString::fromStdString(title), QDir::toNativeSeparators(folder));
}

// Widens the dialog as it shows (once: it is shown by exec), until each column of its detail view shows its title and
// what it holds whole: Qt lays them out for English, and at its own width cuts off Tamaño, Tipo and Última
// modificación.
class WideEnough final : public QObject
{
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QFileDialog*>(watched);
        auto* view = dialog != nullptr ? dialog->findChild<QTreeView*>("treeView") : nullptr;
        if (event->type() != QEvent::Show || view == nullptr) {
            return false;
        }
        QHeaderView* header = view->header();
        const QFontMetrics metrics(view->font());
        const QLocale locale = QLocale::system();
        // What the size, type and date columns show at their widest, the size and the date written as the file list
        // writes them; a type is a word or two.
        const QString widest[] = {locale.formattedDataSize(1023 * 1024 - 1), QString(14, 'x'),
                                  locale.toString(QDateTime({2088, 12, 28}, {23, 58, 58}), QLocale::ShortFormat)};
        int others = 0;
        for (int column = 1; column < header->count(); ++column) {
            // With room for the margins of a cell and its icon's gap.
            const int content = column <= std::ssize(widest) ? metrics.horizontalAdvance(widest[column - 1]) + 16 : 0;
            header->resizeSection(column,
                                  std::max({header->sectionSize(column), header->sectionSizeHint(column), content}));
            others += header->isSectionHidden(column) ? 0 : header->sectionSize(column);
        }
        const int names = header->sectionSize(0);
        const int room =
            dialog->screen()->availableGeometry().width() - (dialog->frameGeometry().width() - dialog->width());
        // Before the dialog places itself, centred on the window, at its new width.
        const int wider =
            std::min(std::max(dialog->width(), dialog->width() + names + others - view->viewport()->width()), room);
        // On a screen too narrow for them all, the names give way, down to their title's width.
        const int viewport = view->viewport()->width() + wider - dialog->width();
        header->resizeSection(0, std::max(header->sectionSizeHint(0), std::min(names, viewport - others)));
        dialog->resize(wider, dialog->height());
        return false;
    }
};

// What every file dialog of the program shares: Qt's own dialog, which speaks Spanish with the program (a system's
// speaks the system's language), wide enough for its columns.
void prepare(QFileDialog& dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.installEventFilter(new WideEnough(&dialog));
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
    QFileDialog dialog(m_parent, QString::fromStdString(request.title),
                       startFolder(request.title, QString::fromStdString(request.initialFolder)));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog is also the only one that takes a filtering model.
    prepare(dialog);
    dialog.setProxyModel(
        new NameFilter(QString::fromStdString(request.namePrefix), QString::fromStdString(request.extension), &dialog));
    // The model does the filtering; the dialog's own filter lets everything through and shows only the description.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(QString::fromStdString(request.filterDescription) + " (*)");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString chosen = dialog.selectedFiles().constFirst();
    rememberFolder(request.title, QFileInfo(chosen).absolutePath());
    // Qt writes "/" on every system; the program's messages show a path as the system writes it.
    return QDir::toNativeSeparators(chosen).toStdString();
}

std::string QtDialogs::ShowSave(const platform::SaveFileRequest& request)
{
    const QFileInfo proposedPath(QString::fromStdString(request.proposedPath));
    // The name proposed, in the folder last used for this kind of file.
    const QString proposed =
        QDir(startFolder(request.title, proposedPath.absolutePath())).filePath(proposedPath.fileName());
    QFileDialog dialog(m_parent, QString::fromStdString(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    prepare(dialog);
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
    const QString chosen = dialog.selectedFiles().constFirst();
    rememberFolder(request.title, QFileInfo(chosen).absolutePath());
    return chosen.toStdString();
}

std::string QtDialogs::ChooseFolder(const std::string& title, const std::string& initialFolder)
{
    QFileDialog dialog(m_parent, QString::fromStdString(title),
                       startFolder(title, QString::fromStdString(initialFolder)));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    prepare(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    // Opened again where it was left: in the folder chosen, which a click on Seleccionar takes at once.
    const QString chosen = dialog.selectedFiles().constFirst();
    rememberFolder(title, chosen);
    return QDir::toNativeSeparators(chosen).toStdString();
}

} // namespace sumafac::gui
