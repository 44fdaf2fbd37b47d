// SPDX-License-Identifier: GPL-3.0-or-later
// "Archivo → Datos del contribuyente...": what the taxpayer on screen tells besides the invoices, edited and kept in
// the program folder's contribuyentes.csv. Every field may stay empty, which means not given; a value that cannot be
// read is refused with its field named, and nothing is kept.
#pragma once

#include "platform/files.h"
#include "taxpayer/taxpayer_data.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace sumafac::gui {

class TaxpayerDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TaxpayerDialog)

  public:
    // kept: what is kept for cuit now.
    TaxpayerDialog(platform::Files& files,
                   std::string programFolder,
                   std::string cuit,
                   const TaxpayerData& kept,
                   QWidget* parent = nullptr);

    // Reads the fields and keeps them: false, saying why in the dialog, when a value cannot be read or the file
    // cannot be written.
    bool save();

  signals:
    // contribuyentes.csv holds the new data: the window reads it again.
    void saved();

  private:
    QLineEdit* addLine(const char* name, const QString& label, const std::string& value);
    QCheckBox* addCheck(const char* name, const QString& label, bool checked);

    platform::Files& m_files;
    std::string m_programFolder;
    std::string m_cuit;
    std::vector<std::pair<std::string, QLineEdit*>> m_lines; // by column
    std::vector<std::pair<std::string, QCheckBox*>> m_checks;
    QComboBox* m_activity = nullptr;
    QLabel* m_problem = nullptr;
    QFormLayout* m_form = nullptr;
};

} // namespace sumafac::gui
