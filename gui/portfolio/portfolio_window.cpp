// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/portfolio/portfolio_window.h"

#include "gui/portfolio/portfolio_export.h"
#include "gui/portfolio/portfolio_file_list.h"
#include "gui/portfolio/portfolio_reader.h"
#include "gui/portfolio/portfolio_table_model.h"
#include "gui/portfolio/portfolio_table_view.h"
#include "gui/shared/file_places.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTableWidget>

#include <limits>

namespace sumafac::gui {
namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

const char* kindWord(SourceKind kind)
{
    switch (kind) {
    case SourceKind::Export:
        return "exportación de Mis Comprobantes";
    case SourceKind::HeaderArchive:
        return "archivo mensual (Cabecera.txt)";
    case SourceKind::SavedFile:
        return "archivo guardado (.sa1)";
    }
    return "";
}

QWidget* group(const QString& title, QWidget* first, QWidget* second = nullptr)
{
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(first);
    if (second != nullptr) {
        layout->addWidget(second);
    }
    return box;
}

QString counted(qint64 count, const char* one, const char* many)
{
    return QString("%1 %2").arg(count).arg(count == 1 ? one : many);
}

QString summary(const Portfolio& portfolio)
{
    if (portfolio.cancelled) {
        return "Lectura cancelada: no se muestra ningún cliente.";
    }
    if (!portfolio.folderProblem.empty()) {
        return qs(portfolio.folderProblem);
    }
    if (portfolio.clients.empty() && portfolio.unread.empty()) {
        return "La carpeta no tiene ningún archivo bajado de ARCA o de la AFIP, ni archivos guardados de Sumafac.";
    }
    QString text = counted(static_cast<qint64>(portfolio.clients.size()), "cliente.", "clientes.");
    if (!portfolio.unread.empty()) {
        text += " " +
                counted(static_cast<qint64>(portfolio.unread.size()), "archivo no se pudo leer",
                        "archivos no se pudieron leer") +
                ": ver abajo por qué.";
    }
    if (portfolio.otherFiles > 0) {
        text += " " + counted(portfolio.otherFiles, "archivo que no es una descarga, pasado por alto.",
                              "archivos que no son descargas, pasados por alto.");
    }
    return text;
}

} // namespace

// A list of files that shows every text whole: a long path or reason wraps within its column and its row grows to hold
// it, so that nothing scrolls away sideways. The columns are laid out again whenever the list changes width: the capped
// one as wide as its texts up to its share of the width, the stretched one taking what the others leave.
PortfolioWindow::PortfolioWindow(PortfolioServices services, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ownDialogs(this), m_services{dialogsOver(services.dialogs, m_ownDialogs),
                                                                  services.files,
                                                                  std::move(services.programFolder),
                                                                  std::move(services.scale),
                                                                  std::move(services.options),
                                                                  std::move(services.clientChosen)},
      m_reader(new PortfolioReader(this)), m_clients(new PortfolioTableModel(this)), m_filter(new PortfolioFilter(this))
{
    setObjectName("Cartera");
    setWindowTitle("Sumafac: cartera");
    resize(1100, 700);

    m_folderLabel = new QLabel;
    m_folderLabel->setTextFormat(Qt::PlainText);
    m_filterText = new QLineEdit;
    m_filterText->setObjectName("Filtro");
    m_filterText->setPlaceholderText("Filtrar por CUIT o nombre");
    m_filterText->setClearButtonEnabled(true);
    m_filterText->setMinimumWidth(m_filterText->fontMetrics().horizontalAdvance(m_filterText->placeholderText()) + 40);
    m_count = new QLabel;
    m_count->setObjectName("Mostrados");
    m_export = new QPushButton("&Exportar...");
    m_export->setObjectName("Exportar");
    auto* top = new QHBoxLayout;
    top->addWidget(m_folderLabel, 1);
    top->addWidget(m_filterText);
    top->addWidget(m_count);
    top->addWidget(m_export);

    m_progress = new QProgressBar;
    m_progress->setObjectName("Progreso");
    m_progress->setFormat("%v de %m archivos");
    m_cancel = new QPushButton("&Cancelar");
    m_cancel->setObjectName("Cancelar");
    m_summary = new QLabel;
    m_summary->setObjectName("Resumen");
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    auto* progress = new QHBoxLayout;
    progress->addWidget(m_progress, 1);
    progress->addWidget(m_cancel);

    m_filter->setSourceModel(m_clients);
    // The CUIT and the name stay in view while the other columns scroll.
    m_table = new PortfolioTableView(PortfolioTableModel::Name + 1);
    m_table->setObjectName("Clientes");
    m_table->setModel(m_filter);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(PortfolioTableModel::Cuit, Qt::AscendingOrder);
    m_table->setToolTip("Doble clic: ver el cliente en la ventana principal");

    // A kind may take two lines ("exportación de / Mis Comprobantes"), leaving the path room.
    m_clientFiles = new PortfolioFileList("ArchivosCliente", {"Archivo", "Tipo", "Meses\ntomados"}, 0, 1, 0.25);
    m_clientError = new QLabel;
    m_clientError->setObjectName("ErrorCliente");
    m_clientError->setTextFormat(Qt::PlainText);
    m_clientError->setWordWrap(true);
    m_clientError->setStyleSheet("color: rgb(180, 0, 0)");
    m_clientError->hide();
    // The paths take what they need up to two fifths of the list, the reasons the rest.
    m_unread = new PortfolioFileList("NoLeidos", {"Archivo", "Motivo"}, 1, 0, 0.4);
    auto* files = new QSplitter(Qt::Horizontal);
    files->addWidget(group("Archivos del cliente elegido", m_clientFiles, m_clientError));
    files->addWidget(group("Archivos que no se pudieron leer", m_unread));
    auto* panes = new QSplitter(Qt::Vertical);
    panes->addWidget(m_table);
    panes->addWidget(files);
    panes->setStretchFactor(0, 3);
    panes->setStretchFactor(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(progress);
    layout->addWidget(m_summary);
    layout->addWidget(panes, 1);

    connect(m_filterText, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_filter->setText(text);
        showCount();
    });
    connect(m_export, &QPushButton::clicked, this, &PortfolioWindow::exportTable);
    connect(m_cancel, &QPushButton::clicked, m_reader, &PortfolioReader::cancel);
    connect(m_reader, &PortfolioReader::progressed, this, &PortfolioWindow::showProgress);
    connect(m_reader, &PortfolioReader::finished, this, [this] {
        m_portfolio = m_reader->result();
        showPortfolio();
    });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &PortfolioWindow::showClientFiles);
    connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        const Client& client = m_clients->client(m_filter->mapToSource(index).row());
        // The main window would be emptied for nothing.
        if (client.months.empty()) {
            m_services.dialogs.MsgBox("El CUIT " + client.cuit + " no tiene meses con cifras para mostrar." +
                                          (client.error.empty() ? "" : " " + errorSentence(client).toStdString()),
                                      platform::vbCritical);
            return;
        }
        if (m_services.clientChosen) {
            m_services.clientChosen(client);
        }
    });
}

PortfolioWindow::~PortfolioWindow() = default;

bool PortfolioWindow::reading() const
{
    return m_reader->reading();
}

void PortfolioWindow::open(const std::string& folder)
{
    m_folder = folder;
    m_portfolio = {};
    m_clients->setClients({});
    m_unread->setRows({});
    showClientFiles();
    showCount();
    m_folderLabel->setText("Carpeta: " + qs(folder));
    m_summary->setText("Buscando archivos...");
    m_export->setEnabled(false);
    m_progress->setRange(0, 0);
    m_progress->show();
    m_cancel->show();
    m_cancel->setEnabled(true);
    m_reader->start(folder, m_services.scale, m_services.options);
}

void PortfolioWindow::showProgress(qint64 done, qint64 found)
{
    // A bar counts in int; a folder of more files than that is shown in proportion.
    const qint64 scale = found / std::numeric_limits<int>::max() + 1;
    m_progress->setRange(0, static_cast<int>(found / scale));
    m_progress->setValue(static_cast<int>(done / scale));
    m_summary->setText(QString("Leyendo archivos: %1 de %2").arg(done).arg(found));
}

void PortfolioWindow::showPortfolio()
{
    m_progress->hide();
    m_cancel->hide();
    m_clients->setClients(m_portfolio.clients);
    m_table->resizeColumnsToContents();
    std::vector<QStringList> unread;
    for (const UnreadFile& file : m_portfolio.unread) {
        unread.push_back({qs(file.path), qs(file.message)});
    }
    m_unread->setRows(unread);
    m_export->setEnabled(!m_portfolio.cancelled && m_portfolio.folderProblem.empty());

    m_summary->setText(summary(m_portfolio));
    showCount();
}

void PortfolioWindow::showCount()
{
    // While a filter is typed: how many clients it leaves of how many.
    const int all = m_clients->rowCount();
    m_count->setText(
        m_filterText->text().trimmed().isEmpty()
            ? QString()
            : QString("%1 de %2 %3").arg(m_filter->rowCount()).arg(all).arg(all == 1 ? "cliente" : "clientes"));
    m_count->setVisible(!m_count->text().isEmpty());
}

void PortfolioWindow::showClientFiles()
{
    m_clientFiles->setRows({});
    m_clientError->hide();
    const QModelIndex current = m_table->selectionModel()->currentIndex();
    if (!current.isValid()) {
        return;
    }
    const Client& client = m_clients->client(m_filter->mapToSource(current).row());
    std::vector<QStringList> files;
    for (const SourceFile& file : client.files) {
        files.push_back({qs(file.path), kindWord(file.kind), QString::number(file.monthsUsed)});
    }
    m_clientFiles->setRows(files);
    m_clientError->setText(errorSentence(client));
    m_clientError->setVisible(!client.error.empty());
}

void PortfolioWindow::exportTable()
{
    // The CSV and the PDF list every client, the filter aside, in the order on screen.
    QSortFilterProxyModel ordered;
    ordered.setSourceModel(m_clients);
    ordered.setSortRole(PortfolioTableModel::SortRole);
    ordered.setSortCaseSensitivity(Qt::CaseInsensitive);
    ordered.sort(m_filter->sortColumn(), m_filter->sortOrder());
    const std::string written =
        exportPortfolio(m_portfolio, ordered, m_folder, m_services.dialogs, m_services.files, m_services.programFolder);
    if (!written.empty()) {
        m_summary->setText(summary(m_portfolio) + "\n" + writtenNote(written));
    }
}

void PortfolioWindow::closeEvent(QCloseEvent* event)
{
    // Nothing is left reading behind a closed window.
    m_reader->cancel();
    QWidget::closeEvent(event);
}

} // namespace sumafac::gui
