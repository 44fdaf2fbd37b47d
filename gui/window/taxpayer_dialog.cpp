// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/window/taxpayer_dialog.h"

#include "core/cuit.h"
#include "taxpayer/taxpayer_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace sumafac::gui {
namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

TaxpayerDialog::TaxpayerDialog(
    platform::Files& files, std::string programFolder, std::string cuit, const TaxpayerData& kept, QWidget* parent)
    : QDialog(parent), m_files(files), m_programFolder(std::move(programFolder)), m_cuit(std::move(cuit))
{
    setObjectName("DatosContribuyente");
    setWindowTitle("Datos del contribuyente " + qs(m_cuit));
    auto* intro = new QLabel("Lo que la categoría toma además de lo facturado. Deje vacío lo que no quiera dar: no "
                             "cuenta. Se guarda en contribuyentes.csv, en la carpeta del programa.",
                             this);
    intro->setWordWrap(true);
    m_form = new QFormLayout;
    addLine("Nombre", "&Nombre:", kept.name);
    addLine("CategoriaInscripta", "Categoría &inscripta (A a K):", taxpayerFieldText(kept, "categoria"));
    m_activity = new QComboBox(this);
    m_activity->setObjectName("Actividad");
    m_activity->addItems({"(sin dato: las dos cuotas)", "servicios", "venta de cosas muebles"});
    m_activity->setCurrentIndex(!kept.activity ? 0 : *kept.activity == Activity::Services ? 1 : 2);
    m_form->addRow("&Actividad:", m_activity);
    addLine("Superficie", "&Superficie afectada (m2):", taxpayerFieldText(kept, "superficie"));
    addCheck("PoblacionChica", "la localidad tiene menos de &40.000 habitantes (la superficie no cuenta)",
             kept.smallTown);
    addLine("Energia", "&Energía consumida en 12 meses (kWh):", taxpayerFieldText(kept, "energia"));
    addLine("Alquileres", "A&lquileres devengados en 12 meses ($):", taxpayerFieldText(kept, "alquileres"));
    addLine("PrecioMaximo", "&Precio unitario más alto vendido ($):", taxpayerFieldText(kept, "precio_maximo"));
    addLine("Inicio", "Inicio de ac&tividad (AAAA-MM):", taxpayerFieldText(kept, "inicio"));
    addLine("Adherentes", "A&dherentes a la obra social:", taxpayerFieldText(kept, "adherentes"));
    addCheck("Jubilado", "&jubilado (no paga obra social propia)", kept.retired);
    addCheck("OtroRegimen", "aporta a &otro régimen previsional (no paga SIPA ni obra social propia)",
             kept.otherRegime);
    addCheck("SoloLocador", "inscripto sólo como locador de hasta dos &inmuebles (no paga impuesto integrado)",
             kept.landlordOnly);

    m_problem = new QLabel(this);
    m_problem->setObjectName("ProblemaDatos");
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet("color: #b00000");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Save)->setText("&Guardar");
    buttons->button(QDialogButtonBox::Save)->setObjectName("GuardarDatos");
    buttons->button(QDialogButtonBox::Cancel)->setText("&Cancelar");
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (save()) {
            accept();
        }
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(m_form);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
}

QLineEdit* TaxpayerDialog::addLine(const char* name, const QString& label, const std::string& value)
{
    static const std::map<std::string, std::string> Columns = {
        {"Nombre", "nombre"},   {"CategoriaInscripta", "categoria"}, {"Superficie", "superficie"},
        {"Energia", "energia"}, {"Alquileres", "alquileres"},        {"PrecioMaximo", "precio_maximo"},
        {"Inicio", "inicio"},   {"Adherentes", "adherentes"}};
    auto* line = new QLineEdit(qs(value), this);
    line->setObjectName(name);
    m_form->addRow(label, line);
    m_lines.emplace_back(Columns.at(name), line);
    return line;
}

QCheckBox* TaxpayerDialog::addCheck(const char* name, const QString& label, bool checked)
{
    static const std::map<std::string, std::string> Columns = {{"PoblacionChica", "poblacion_chica"},
                                                               {"Jubilado", "jubilado"},
                                                               {"OtroRegimen", "otro_regimen"},
                                                               {"SoloLocador", "solo_locador"}};
    auto* check = new QCheckBox(label, this);
    check->setObjectName(name);
    check->setChecked(checked);
    m_form->addRow(QString(), check);
    m_checks.emplace_back(Columns.at(name), check);
    return check;
}

bool TaxpayerDialog::save()
{
    if (!validCuit(m_cuit)) {
        // The list would refuse the row when it is read again.
        m_problem->setText(qs("No se guardó nada: el CUIT " + m_cuit +
                              " no es válido (su dígito verificador no "
                              "corresponde)."));
        return false;
    }
    TaxpayerData given;
    for (const auto& [column, line] : m_lines) {
        if (const std::string problem = setTaxpayerField(given, column, line->text().toStdString()); !problem.empty()) {
            m_problem->setText(qs("No se guardó nada: " + problem + "."));
            line->setFocus();
            return false;
        }
    }
    for (const auto& [column, check] : m_checks) {
        setTaxpayerField(given, column, check->isChecked() ? "si" : "");
    }
    const int activity = m_activity->currentIndex();
    given.activity = activity == 0 ? std::nullopt : std::optional(activity == 1 ? Activity::Services : Activity::Goods);
    if (const std::string problem = saveTaxpayer(m_files, m_programFolder, m_cuit, given); !problem.empty()) {
        m_problem->setText(qs("No se guardó nada: " + problem + "."));
        return false;
    }
    emit saved();
    return true;
}

} // namespace sumafac::gui
