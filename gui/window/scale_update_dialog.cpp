// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/window/scale_update_dialog.h"

#include "scale/page_download.h"
#include "scale/scale_update.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <memory>

namespace sumafac::gui {
namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

ScaleUpdateDialog::ScaleUpdateDialog(ScaleUpdateServices services, QWidget* parent)
    : QDialog(parent), m_services(std::move(services))
{
    setObjectName("ActualizarEscala");
    setWindowTitle("Actualizar escala del monotributo");
    auto* intro = new QLabel("Sumafac lee la escala vigente de la página de categorías de ARCA. Puede bajarla ahora de "
                             "la dirección de abajo o abrir la página que guardó con su navegador. Antes de guardar "
                             "se muestra lo que trae.",
                             this);
    intro->setWordWrap(true);
    m_address = new QLineEdit(AgencyPageUrl, this);
    m_address->setObjectName("DireccionEscala");
    m_download = new QPushButton("&Bajar", this);
    m_download->setObjectName("BajarEscala");
    m_open = new QPushButton("&Abrir página guardada...", this);
    m_open->setObjectName("AbrirPaginaEscala");
    m_busy = new QProgressBar(this);
    m_busy->setRange(0, 0);
    m_busy->hide();
    m_status = new QLabel(this);
    m_status->setObjectName("EstadoEscala");
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_status->setMinimumHeight(6 * fontMetrics().lineSpacing());
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* buttons = new QDialogButtonBox(this);
    m_save = buttons->addButton("&Guardar", QDialogButtonBox::AcceptRole);
    m_save->setObjectName("GuardarEscala");
    m_save->setEnabled(false);
    m_cancel = buttons->addButton("&Cerrar", QDialogButtonBox::RejectRole);
    m_cancel->setObjectName("CerrarEscala");

    auto* source = new QHBoxLayout;
    source->addWidget(m_address, 1);
    source->addWidget(m_download);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(source);
    layout->addWidget(m_open, 0, Qt::AlignLeft);
    layout->addWidget(m_busy);
    layout->addWidget(m_status, 1);
    layout->addWidget(buttons);
    resize(560, sizeHint().height());

    connect(m_download, &QPushButton::clicked, this, &ScaleUpdateDialog::download);
    connect(m_address, &QLineEdit::returnPressed, this, &ScaleUpdateDialog::download);
    connect(m_open, &QPushButton::clicked, this, &ScaleUpdateDialog::openSavedPage);
    connect(m_save, &QPushButton::clicked, this, &ScaleUpdateDialog::save);
    connect(m_cancel, &QPushButton::clicked, this, [this] { downloading() ? cancelDownload() : reject(); });
}

ScaleUpdateDialog::~ScaleUpdateDialog()
{
    stopDownload();
}

void ScaleUpdateDialog::stopDownload()
{
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void ScaleUpdateDialog::setBusy(bool busy)
{
    m_busy->setVisible(busy);
    m_download->setEnabled(!busy);
    m_open->setEnabled(!busy);
    m_address->setEnabled(!busy);
    m_cancel->setText(busy ? "&Cancelar" : "&Cerrar");
    if (busy) {
        m_save->setEnabled(false);
    }
}

void ScaleUpdateDialog::tell(const QString& text)
{
    m_status->setText(text);
}

void ScaleUpdateDialog::download()
{
    const std::string address = m_address->text().trimmed().toStdString();
    if (const std::string problem = urlProblem(address); !problem.empty()) {
        tell(qs("No se baja nada: " + problem + "."));
        return;
    }
    platform::Downloader* downloader = m_services.downloader();
    if (downloader == nullptr) {
        return;
    }
    // The agency's own address falls back on its former one; an address the user typed is tried alone.
    std::vector<std::string> urls = {address};
    if (address == AgencyPageUrl) {
        urls = agencyPageUrls();
    }
    stopDownload();
    m_stop = false;
    m_page.reset();
    setBusy(true);
    tell(qs("Bajando " + address + " ..."));
    const unsigned generation = ++m_generation;
    m_thread = std::thread([this, downloader, urls, generation] {
        auto fetch = std::make_shared<PageFetch>(fetchPage(*downloader, urls, &m_stop));
        QMetaObject::invokeMethod(
            this,
            [this, fetch, generation] {
                if (generation != m_generation) {
                    return;
                }
                m_thread.join();
                setBusy(false);
                if (fetch->outcome == platform::Download::Outcome::Done) {
                    read(fetch->bytes, fetch->url);
                } else if (fetch->outcome == platform::Download::Outcome::Cancelled) {
                    tell("Se canceló la descarga: no se bajó nada.");
                } else {
                    tell(qs("No se pudo bajar la página de categorías: " + fetch->problem +
                            ". Si la tiene guardada, ábrala con «Abrir página guardada...»."));
                }
                emit downloadEnded();
            },
            Qt::QueuedConnection);
    });
}

void ScaleUpdateDialog::cancelDownload()
{
    m_stop = true;
}

void ScaleUpdateDialog::openSavedPage()
{
    const std::string path =
        m_services.dialogs.ShowOpen({"Abrir la página de categorías guardada", "Páginas web", "", "",
                                     QStandardPaths::writableLocation(QStandardPaths::DownloadLocation).toStdString()});
    if (path.empty()) {
        return;
    }
    if (m_services.files.size(path).value_or(0) > PageSizeLimit) {
        tell(qs(path + " no es la página de categorías de ARCA: pasa de " +
                std::to_string(PageSizeLimit / (1024 * 1024)) + " MB."));
        return;
    }
    const auto bytes = m_services.files.read(path);
    if (!bytes) {
        tell(qs("No se puede leer el archivo " + path + "."));
        return;
    }
    read(*bytes, path);
}

void ScaleUpdateDialog::read(const std::string& bytes, const std::string& source)
{
    m_page.reset();
    m_save->setEnabled(false);
    AgencyPageReading page = readAgencyPage(bytes);
    if (!page.problem.empty()) {
        tell(qs(page.problem + " Nada se guardó."));
        return;
    }
    const ScaleAddition addition = planAddition(m_services.inUse, page.date, page.table);
    std::string text = additionSummary(page.date, page.table, addition);
    if (addition.kind != ScaleAddition::Kind::Same) {
        text += "¿Guardarla? Con «Guardar» se agrega a " + std::string(ScaleFileName) + " en la carpeta del programa.";
        m_page = std::move(page);
        m_source = source;
        m_save->setEnabled(true);
        m_save->setDefault(true);
    }
    tell(qs(text));
}

void ScaleUpdateDialog::save()
{
    if (!m_page) {
        return;
    }
    const std::string date = shownDate(m_page->date);
    const std::string note =
        "Vigente desde el " + date + ": leída de " + m_source + " el " + shownDate(m_services.today()) + ".";
    const std::string problem =
        saveTableInFolder(m_services.files, m_services.programFolder, m_page->date, m_page->table, note);
    m_page.reset();
    m_save->setEnabled(false);
    if (!problem.empty()) {
        tell(qs("No se guardó la escala del " + date + ": " + problem + "."));
        return;
    }
    tell(qs("Se guardó la escala del " + date + " en " + m_services.programFolder + ". Sumafac ya la usa."));
    emit scaleSaved();
}

} // namespace sumafac::gui
