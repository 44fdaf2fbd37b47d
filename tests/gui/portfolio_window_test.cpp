// SPDX-License-Identifier: GPL-3.0-or-later
// "Archivo → Abrir cartera..." on the real window over a folder of exports made for real: the table sorted, filtered
// and double-clicked, the reading cancelled, and the export as CSV and PDF written whole or not at all.
#include "core/cuit.h"
#include "gui/portfolio/portfolio_table_model.h"
#include "gui/shared/file_places.h"
#include "gui/shared/program_look.h"
#include "gui/shared/qt_dialogs.h"
#include "gui/window/module_loader.h"
#include "portfolio/portfolio_sheet.h"
#include "scale/scale_in_use.h"
#include "tests/gui/window_fixture.h"
#include "totals/category_text.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <thread>

namespace sumafac {
namespace {

struct Export
{
    std::string cuit;
    std::string date;
    std::string amount;
};

// Three clients whose amounts sort one way as text ("12..." < "500..." < "9...") and another as numbers.
const Export Exports[] = {{"20184639271", "2025-03-10", "12000000,00"},
                          {"27314578622", "2025-04-10", "9000000,00"},
                          {"20281940350", "2025-05-10", "500000,00"}};

// An export of one voucher, number 1 of point of sale 1 unless told.
std::string exportOf(const Export& each, const std::string& number = "1")
{
    return "\"Fecha de Emisión\";\"Tipo de Comprobante\";\"Punto de Venta\";\"Número Desde\";\"Número "
           "Hasta\";\"Tipo Cambio\";\"Imp. Total\"\n" +
           each.date + ";11;1;" + number + ";" + number + ";1;" + each.amount + "\n";
}

// A client's error as the portfolio window writes it: a sentence, its first letter a capital.
QString errorSentence(const Client& client)
{
    const QString error = QString::fromStdString(client.error);
    return error.left(1).toUpper() + error.mid(1);
}

// pdftotext's text of a PDF; the arguments go before the file.
QString pdfText(const std::string& path, QStringList arguments = {})
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", arguments << QString::fromStdString(path) << "-");
    EXPECT_TRUE(pdftotext.waitForFinished() && pdftotext.exitCode() == 0);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

class PortfolioWindowTest : public testing::WindowFixture
{
  protected:
    PortfolioWindowTest()
    {
        for (const Export& each : Exports) {
            downloads.put("Mis Comprobantes Emitidos - CUIT " + each.cuit + ".csv", exportOf(each));
        }
        // The last client is in the list alone, without figures.
        downloads.put("cartera.csv", "cuit;nombre;categoria\n27314578622;Acosta, Lucía;C\n27441852636;López, Ana;B\n");
        downloads.put("Mis Comprobantes Emitidos - CUIT 20267384518.zip", "no es un zip");
        downloads.put("Mis Comprobantes Recibidos - CUIT 20184639271.csv", exportOf(Exports[0]));
    }

    // Opens the portfolio from the menu, the folder dialog answered with the downloads, and waits for the reading.
    gui::PortfolioView* openPortfolio()
    {
        dialogs.folderAnswers = {downloads.path()};
        window.findChild<QAction*>("MnCartera")->trigger();
        gui::PortfolioView* shown = window.portfolioWindow();
        EXPECT_NE(shown, nullptr);
        EXPECT_TRUE(shown->widget()->isVisible());
        return waitForReading(*shown);
    }
    // The module's window, made as the main window makes it.
    std::unique_ptr<gui::PortfolioView> portfolioWindow(platform::Dialogs& shownDialogs, PortfolioOptions options = {})
    {
        QString problem;
        gui::PortfolioModule* module = gui::loadPortfolioModule(gui::moduleFolders(), problem);
        EXPECT_NE(module, nullptr) << problem.toStdString();
        return module->makePortfolioWindow(
            {shownDialogs, *files, folder.path(), shippedScale(), std::move(options), {}});
    }
    gui::PortfolioView* waitForReading(gui::PortfolioView& shown)
    {
        QElapsedTimer waited;
        waited.start();
        while (shown.reading() && waited.elapsed() < 20000) {
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        EXPECT_FALSE(shown.reading());
        table = shown.widget()->findChild<QTableView*>("Clientes");
        return &shown;
    }
    std::vector<std::string> cuits() const
    {
        std::vector<std::string> shown;
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            shown.push_back(table->model()->index(row, gui::PortfolioTableModel::Cuit).data().toString().toStdString());
        }
        return shown;
    }
    int column(const QString& header) const
    {
        for (int column = 0; column < table->model()->columnCount(); ++column) {
            if (table->model()->headerData(column, Qt::Horizontal).toString() == header) {
                return column;
            }
        }
        ADD_FAILURE() << header.toStdString();
        return 0;
    }

    QStringList column(int index) const
    {
        QStringList cells;
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            cells << table->model()->index(row, index).data().toString();
        }
        return cells;
    }

    QTableView* table = nullptr;
};

TEST_F(PortfolioWindowTest, ShowsSortsAndFiltersTheClientsAndTheirFiles)
{
    window.findChild<QAction*>("MnCartera")->trigger();
    EXPECT_EQ(dialogs.folderTitles, std::vector<std::string>{"Abrir cartera"});
    gui::PortfolioView* cartera = openPortfolio();
    EXPECT_EQ(cartera->widget()->windowTitle(), "Sumafac: cartera");
    EXPECT_EQ(cuits(), (std::vector<std::string>{"20184639271", "20281940350", "27314578622", "27441852636"}));
    const QModelIndex acosta = table->model()->index(2, gui::PortfolioTableModel::Status);
    // The status's word, then what it compared.
    const Client& compared = cartera->portfolio().clients[2];
    EXPECT_FALSE(compared.comparison.empty());
    EXPECT_TRUE(acosta.data().toString().startsWith(statusWord(compared.status)));
    EXPECT_TRUE(acosta.data().toString().contains(QString::fromStdString(compared.comparison)));
    EXPECT_FALSE(
        table->model()->headerData(gui::PortfolioTableModel::Status, Qt::Horizontal, Qt::ToolTipRole).isNull());
    EXPECT_TRUE(table->model()->headerData(gui::PortfolioTableModel::Cuit, Qt::Horizontal, Qt::ToolTipRole).isNull());
    EXPECT_EQ(acosta.data(Qt::DecorationRole).value<QColor>(), gui::statusColor(compared.status));
    EXPECT_EQ(table->model()->index(2, gui::PortfolioTableModel::Name).data().toString(), "Acosta, Lucía");
    // The fee of the latest July to June period.
    EXPECT_EQ(table->model()->index(2, column("Cuota\njul.–jun.")).data().toString(),
              QString::fromStdString(feeCellText(compared.julyToJune->facts, groupedAmountText)));
    EXPECT_FALSE(table->model()->index(2, column("Cuota\njul.–jun.")).data().toString().isEmpty());

    const auto* unread = cartera->widget()->findChild<QTableWidget*>("NoLeidos");
    ASSERT_EQ(unread->rowCount(), 2);
    EXPECT_EQ(unread->item(0, 0)->text(), "Mis Comprobantes Emitidos - CUIT 20267384518.zip");
    EXPECT_EQ(unread->item(1, 0)->text(), "Mis Comprobantes Recibidos - CUIT 20184639271.csv");
    EXPECT_EQ(unread->item(1, 1)->text().toStdString(), cartera->portfolio().unread[1].message);

    EXPECT_EQ(cartera->widget()->findChild<QLabel*>("Resumen")->text(),
              "4 clientes. 2 archivos no se pudieron leer: ver abajo por qué.");

    // Amounts sort as numbers, both ways, a client without figures below any.
    for (const char* total : {"Total\njul.–jun.", "Total\naño"}) {
        table->sortByColumn(column(total), Qt::AscendingOrder);
        EXPECT_EQ(cuits(), (std::vector<std::string>{"27441852636", "20281940350", "27314578622", "20184639271"}));
        table->sortByColumn(column(total), Qt::DescendingOrder);
        EXPECT_EQ(cuits(), (std::vector<std::string>{"20184639271", "27314578622", "20281940350", "27441852636"}));
    }

    // Figures (amounts, counts, months) line up at the right; words, the CUIT and the periods' names at the left.
    const QRegularExpression figure("^[\\d.,/ ]+$");
    for (int index = 0; index < table->model()->columnCount(); ++index) {
        const bool name = index == gui::PortfolioTableModel::Cuit ||
                          index == gui::PortfolioTableModel::column(gui::PortfolioTableModel::Year,
                                                                    gui::PortfolioTableModel::Caption) ||
                          index == gui::PortfolioTableModel::column(gui::PortfolioTableModel::JulyToJune,
                                                                    gui::PortfolioTableModel::Caption);
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            const QModelIndex cell = table->model()->index(row, index);
            if (!cell.data().toString().isEmpty()) {
                EXPECT_EQ((cell.data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight) != 0,
                          !name && figure.match(cell.data().toString()).hasMatch())
                    << index << " " << cell.data().toString().toStdString();
            }
        }
    }

    table->setCurrentIndex(table->model()->index(1, 0));
    const auto* clientFiles = cartera->widget()->findChild<QTableWidget*>("ArchivosCliente");
    ASSERT_EQ(clientFiles->rowCount(), 1);
    EXPECT_EQ(clientFiles->item(0, 0)->text(), "Mis Comprobantes Emitidos - CUIT 27314578622.csv");

    // Accents and letter case aside; the count beside the box while something is typed.
    auto* filter = cartera->widget()->findChild<QLineEdit*>("Filtro");
    const auto* count = cartera->widget()->findChild<QLabel*>("Mostrados");
    for (const auto& [typed, expected, counted] :
         {std::tuple{"3145786", std::vector<std::string>{"27314578622"}, "1 de 4 clientes"},
          {"20-18463927-1", {"20184639271"}, "1 de 4 clientes"},
          {"lucía", {"27314578622"}, "1 de 4 clientes"},
          {"LUCIA", {"27314578622"}, "1 de 4 clientes"},
          {" lopez ", {"27441852636"}, "1 de 4 clientes"},
          {"a", {"27314578622", "27441852636"}, "2 de 4 clientes"},
          {"nadie", {}, "0 de 4 clientes"},
          {"", {"20184639271", "27314578622", "20281940350", "27441852636"}, ""}}) {
        filter->setText(typed);
        EXPECT_EQ(cuits(), expected) << typed;
        EXPECT_EQ(count->text(), counted) << typed;
        EXPECT_EQ(count->isVisible(), !count->text().isEmpty()) << typed;
    }
}

// Every reason is read whole, wrapped in its column, however narrow the window gets; so is every path and kind.
TEST_F(PortfolioWindowTest, UnreadFilesShowTheirReasonsWhole)
{
    gui::PortfolioView* cartera = openPortfolio();
    table->setCurrentIndex(table->model()->index(0, 0));
    for (const int width : {1100, 700}) {
        cartera->widget()->resize(width, 700);
        QApplication::processEvents();
        for (auto* list : cartera->widget()->findChildren<QTableWidget*>()) {
            ASSERT_GT(list->rowCount(), 0) << list->objectName().toStdString();
            // Each row already as tall as its cells' wrapped lines, as the table lays them out (a face's metrics
            // alone break lines elsewhere where its stand-ins are wide, as under Wine).
            std::vector<int> heights;
            for (int row = 0; row < list->rowCount(); ++row) {
                heights.push_back(list->rowHeight(row));
            }
            list->resizeRowsToContents();
            for (int row = 0; row < list->rowCount(); ++row) {
                EXPECT_EQ(list->rowHeight(row), heights[static_cast<std::size_t>(row)]) << row;
            }
            for (int row = 0; row < list->rowCount(); ++row) {
                for (int column = 0; column < list->columnCount(); ++column) {
                    // The margin a cell keeps on each side, which depends on the style.
                    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
                    const QRect room = list->visualItemRect(list->item(row, column)).adjusted(margin, 0, -margin, 0);
                    const QRect needed = list->fontMetrics().boundingRect(
                        room.adjusted(0, 0, 0, 1000), Qt::TextWordWrap, list->item(row, column)->text());
                    const std::string where = list->objectName().toStdString() + " " + std::to_string(width) + " " +
                                              std::to_string(row) + " " + std::to_string(column);
                    EXPECT_LE(needed.width(), room.width()) << where;
                    EXPECT_LE(room.right(), list->viewport()->width()) << where;
                }
            }
        }
    }
}

// A left click at point of widget, with modifiers.
void click(QWidget* widget, const QPoint& point, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, point, widget->mapToGlobal(point), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, modifiers);
        QApplication::sendEvent(widget, &event);
    }
}

// The CUIT and the name stay at the left, over the table and lined up with its rows, while its other columns scroll
// sideways under them; clicks on them select, sort and open as on the table.
TEST_F(PortfolioWindowTest, TheCuitAndTheNameStayInView)
{
    gui::PortfolioView* cartera = openPortfolio();
    cartera->widget()->resize(700, 250);
    QApplication::processEvents();
    QTableView* frozen = table->findChild<QTableView*>("ClientesFijos");
    ASSERT_TRUE(frozen->isVisible());
    for (int index = 0; index < table->model()->columnCount(); ++index) {
        EXPECT_EQ(frozen->isColumnHidden(index), index > gui::PortfolioTableModel::Name) << index;
    }
    const int frozenWidth =
        table->columnWidth(gui::PortfolioTableModel::Cuit) + table->columnWidth(gui::PortfolioTableModel::Name);
    EXPECT_EQ(frozen->geometry(), QRect(table->frameWidth(), table->frameWidth(), frozenWidth,
                                        table->horizontalHeader()->height() + table->viewport()->height()));
    EXPECT_EQ(frozen->horizontalHeader()->height(), table->horizontalHeader()->height());
    EXPECT_EQ(frozen->viewport()->width(), frozenWidth);
    // Where a cell's corner is, in the table's own coordinates.
    const auto corner = [this](QTableView* view, int row) {
        return view->viewport()->mapTo(table, view->visualRect(view->model()->index(row, 0)).topLeft());
    };
    EXPECT_EQ(corner(frozen, 3), corner(table, 3));
    table->setRowHeight(2, 60);
    table->verticalScrollBar()->setValue(table->verticalScrollBar()->maximum());
    EXPECT_GT(frozen->verticalScrollBar()->value(), 0);
    EXPECT_EQ(corner(frozen, 3), corner(table, 3));
    frozen->verticalScrollBar()->setValue(0);
    EXPECT_EQ(table->verticalScrollBar()->value(), 0);

    // The last column and one in the middle come into view whole beside the frozen ones; a frozen cell moves no column.
    const int last = table->model()->columnCount() - 1;
    for (const int shown : {last, int{gui::PortfolioTableModel::Status}, last, int{gui::PortfolioTableModel::Cuit}}) {
        const int before = table->horizontalScrollBar()->value();
        table->scrollTo(table->model()->index(3, shown));
        const QRect cell = table->visualRect(table->model()->index(3, shown));
        if (shown == gui::PortfolioTableModel::Cuit) {
            EXPECT_EQ(table->horizontalScrollBar()->value(), before);
        } else {
            EXPECT_GE(cell.left(), frozenWidth) << shown;
            EXPECT_LT(cell.right(), table->viewport()->width()) << shown;
        }
    }
    EXPECT_GT(table->horizontalScrollBar()->value(), 0);

    // A click selects the whole row, one row only.
    cartera->widget()->resize(700, 400);
    QApplication::processEvents();
    click(frozen->viewport(), frozen->visualRect(frozen->model()->index(1, 0)).center());
    click(frozen->viewport(), frozen->visualRect(frozen->model()->index(0, 0)).center(), Qt::ControlModifier);
    ASSERT_EQ(table->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(table->selectionModel()->selectedIndexes().size(), table->model()->columnCount());
    // The frozen part is headed by the CUIT and the name, rows having no heading; its Nombre sorts the table by name,
    // the nameless first, the table's header showing it too, and the other way round.
    EXPECT_EQ(frozen->model()->headerData(gui::PortfolioTableModel::Cuit, Qt::Horizontal).toString(), "CUIT");
    EXPECT_EQ(frozen->model()->headerData(gui::PortfolioTableModel::Name, Qt::Horizontal).toString(), "Nombre");
    EXPECT_EQ(frozen->model()->headerData(gui::PortfolioTableModel::Cuit, Qt::Vertical).toInt(), 1);
    table->sortByColumn(gui::PortfolioTableModel::Cuit, Qt::DescendingOrder);
    EXPECT_EQ(frozen->horizontalHeader()->sortIndicatorSection(), gui::PortfolioTableModel::Cuit);
    EXPECT_EQ(frozen->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    click(frozen->horizontalHeader()->viewport(),
          QPoint(frozen->columnViewportPosition(gui::PortfolioTableModel::Name) + 10, 5));
    EXPECT_EQ(table->horizontalHeader()->sortIndicatorSection(), gui::PortfolioTableModel::Name);
    const std::vector<std::string> byName = cuits();
    EXPECT_EQ(std::vector<std::string>(byName.begin() + 2, byName.end()),
              (std::vector<std::string>{"27314578622", "27441852636"}));
    emit frozen->doubleClicked(table->model()->index(2, gui::PortfolioTableModel::Name));
    EXPECT_EQ(model.cuit(), "27314578622");
}

// With Qt's own dialogs, the message of a client without figures shows over the portfolio, its error a sentence.
TEST_F(PortfolioWindowTest, AClientsMessageShowsOverThePortfolio)
{
    // One voucher with two amounts.
    downloads.put("Mis Comprobantes Emitidos - CUIT 20281940350 - otra.csv", exportOf(Exports[1]));
    gui::QtDialogs qtDialogs(&window);
    const auto shown = portfolioWindow(qtDialogs);
    shown->open(downloads.path());
    shown->widget()->show();
    waitForReading(*shown);
    for (const auto& [row, expected] :
         {std::pair{1, QString("El CUIT 20281940350 no tiene meses con cifras para mostrar. El comprobante tipo 11")},
          {3, QString("El CUIT 27441852636 no tiene meses con cifras para mostrar.")}}) {
        QWidget* over = nullptr;
        QString said;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            over = box->parentWidget();
            said = box->text();
            box->accept();
        });
        emit table->doubleClicked(table->model()->index(row, 0));
        EXPECT_EQ(over, shown->widget()) << row;
        EXPECT_TRUE(said.startsWith(expected)) << said.toStdString();
    }
    // Chosen, the client shows its error under its files, wrapped within the window, until no client is chosen.
    const auto* error = shown->widget()->findChild<QLabel*>("ErrorCliente");
    table->setCurrentIndex(table->model()->index(1, 0));
    EXPECT_EQ(error->text(), errorSentence(shown->portfolio().clients[1]));
    EXPECT_FALSE(error->isHidden());
    QApplication::processEvents();
    // Wrapped within the window, however long the message.
    EXPECT_GT(error->heightForWidth(error->width()), 0) << "a label that does not wrap";
    EXPECT_LE(error->geometry().right(), shown->widget()->width());
    shown->widget()->findChild<QLineEdit*>("Filtro")->setText("nadie");
    EXPECT_TRUE(error->isHidden());
}

// A reading tells its progress; one under way gives way to a new one, whose end alone shows; closing the window cancels
// it, and a window that goes while reading waits for it to stop.
TEST_F(PortfolioWindowTest, ANewReadingOrTheWindowsEndStopsTheOneUnderWay)
{
    PortfolioOptions slow;
    slow.progress = [](std::size_t, std::size_t) { std::this_thread::sleep_for(std::chrono::milliseconds(20)); };
    auto shown = portfolioWindow(dialogs, slow);
    testing::TempFolder other;
    other.put("Mis Comprobantes Emitidos - CUIT 20184639271.csv", exportOf(Exports[0]));
    shown->open(downloads.path());
    shown->open(other.path());
    waitForReading(*shown);
    EXPECT_EQ(cuits(), std::vector<std::string>{"20184639271"});
    const auto* summary = shown->widget()->findChild<QLabel*>("Resumen");
    EXPECT_EQ(summary->text(), "1 cliente.");
    EXPECT_TRUE(shown->widget()->findChild<QProgressBar*>("Progreso")->isHidden());

    shown->open(downloads.path());
    EXPECT_EQ(shown->widget()->findChild<QProgressBar*>("Progreso")->maximum(), 0);
    QElapsedTimer waited;
    waited.start();
    while (!summary->text().startsWith("Leyendo archivos: ") && waited.elapsed() < 20000) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_TRUE(summary->text().startsWith("Leyendo archivos: ")) << summary->text().toStdString();
    shown->widget()->close();
    waitForReading(*shown);
    EXPECT_TRUE(shown->portfolio().cancelled);
    shown->open(downloads.path());
    EXPECT_TRUE(shown->reading());
    shown.reset();
}

TEST(PortfolioColours, EachStatusHasTheColourTheReadmeNames)
{
    // Orange, green, blue, red, violet, and grey for the two without a verdict.
    const std::pair<ClientStatus, QColor> colours[] = {
        {ClientStatus::Up, {230, 126, 0}},        {ClientStatus::Down, {46, 160, 67}},
        {ClientStatus::Same, {52, 101, 200}},     {ClientStatus::Excluded, {200, 30, 30}},
        {ClientStatus::Error, {140, 20, 140}},    {ClientStatus::NoScale, {150, 150, 150}},
        {ClientStatus::NoBasis, {150, 150, 150}},
    };
    for (const auto& [status, colour] : colours) {
        EXPECT_EQ(gui::statusColor(status), colour) << statusWord(status);
    }
}

// A folder is named as it is, never read as markup, wherever a system lets its name hold one.
TEST_F(PortfolioWindowTest, TheFoldersNameShowsAsWritten)
{
    const std::string named = downloads.file("<i>socios");
    std::error_code failed;
    if (!std::filesystem::create_directory(named, failed)) {
        GTEST_SKIP() << "this system allows no < in a folder's name: " << failed.message();
    }
    dialogs.folderAnswers = {named};
    window.findChild<QAction*>("MnCartera")->trigger();
    waitForReading(*window.portfolioWindow());
    QLabel* shown = nullptr;
    for (QLabel* label : window.portfolioWindow()->widget()->findChildren<QLabel*>()) {
        shown = label->text().startsWith("Carpeta: ") ? label : shown;
    }
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->text().endsWith("<i>socios")) << shown->text().toStdString();
    // Drawn as markup, the tags would take no room.
    EXPECT_GE(shown->sizeHint().width(), shown->fontMetrics().horizontalAdvance(shown->text()));
}

TEST_F(PortfolioWindowTest, CancelledAtOnceShowsNothing)
{
    // The reading is held at its first file until Cancelar has been clicked.
    std::promise<void> clicked;
    PortfolioOptions options;
    options.progress = [gate = clicked.get_future().share()](std::size_t, std::size_t) { gate.wait(); };
    const auto shown = portfolioWindow(dialogs, options);
    shown->open(downloads.path());
    shown->widget()->findChild<QPushButton*>("Cancelar")->click();
    clicked.set_value();
    gui::PortfolioView* cartera = waitForReading(*shown);
    EXPECT_TRUE(cartera->portfolio().cancelled);
    EXPECT_EQ(table->model()->rowCount(), 0);
    EXPECT_FALSE(cartera->widget()->findChild<QPushButton*>("Exportar")->isEnabled());
    EXPECT_EQ(cartera->widget()->findChild<QLabel*>("Resumen")->text(),
              "Lectura cancelada: no se muestra ningún cliente.");
}

TEST_F(PortfolioWindowTest, DoubleClickShowsTheClientInTheMainWindow)
{
    openPortfolio();
    emit table->doubleClicked(table->model()->index(3, 0));
    EXPECT_EQ(dialogs.prompts(),
              std::vector<std::string>{"El CUIT 27441852636 no tiene meses con cifras para mostrar."});
    EXPECT_EQ(model.cuit(), "");
    // What was on screen goes, as with a load.
    drop(month("2019", "03"));
    emit table->doubleClicked(table->model()->index(1, 0));
    EXPECT_EQ(model.cuit(), "20281940350");
    EXPECT_EQ(model.tabCaption(FirstYearTab), "2025");
    EXPECT_EQ(model.cell(FirstYearTable, 5, MonthTable::AmountColumn), "500000,00");
}

TEST_F(PortfolioWindowTest, ExportsTheTableWholeOrNotAtAll)
{
    gui::PortfolioView* cartera = openPortfolio();
    dialogs.saveAnswers = {folder.file("no-existe/cartera.csv"), folder.file("cartera.csv"),
                           folder.file("cartera.pdf")};
    auto* exportButton = cartera->widget()->findChild<QPushButton*>("Exportar");
    const auto* summary = cartera->widget()->findChild<QLabel*>("Resumen");
    const QString read = summary->text();
    exportButton->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(summary->text(), read);
    EXPECT_EQ(dialogs.messages[0].prompt.rfind("No se pudo escribir " + folder.file("no-existe"), 0), 0u);
    EXPECT_EQ(dialogs.saveRequests[0].filter, "Planilla CSV (*.csv);;Documento PDF (*.pdf)");

    exportButton->click();
    EXPECT_EQ(folder.get("cartera.csv"), portfolioSheet(cartera->portfolio()));
    // Where it went, under what was read.
    EXPECT_EQ(summary->text(), read + "\n" + gui::writtenNote(folder.file("cartera.csv")));

    EXPECT_EQ(dialogs.messages.size(), 1u);
}

// Both exports list every client in the order on screen, the filter aside; the CSV writes months as the table does.
// The PDF takes the pages it needs, in a type read at arm's length, its headings atop each, then the client in error
// and the files that could not be read, with why.
TEST_F(PortfolioWindowTest, TheExportsFollowTheScreen)
{
    std::vector<std::string> more;
    for (long long number = 20300000000; more.size() < 40; ++number) {
        const std::string cuit = std::to_string(number);
        if (validCuit(cuit)) {
            more.push_back(cuit);
            downloads.put("Mis Comprobantes Emitidos - CUIT " + cuit + ".csv",
                          exportOf({cuit, "2025-0" + std::to_string(more.size() % 9 + 1) + "-10",
                                    std::to_string(more.size() * 250000) + ",00"}));
        }
    }
    // One voucher with two amounts.
    downloads.put("Mis Comprobantes Emitidos - CUIT 20281940350 - otra.csv", exportOf(Exports[1]));
    gui::PortfolioView* cartera = openPortfolio();
    table->sortByColumn(column("Total\naño"), Qt::DescendingOrder);
    const std::vector<std::string> order = cuits();
    const QStringList firstMonths = column(gui::PortfolioTableModel::FirstMonth);
    const QStringList crosses =
        column(gui::PortfolioTableModel::column(gui::PortfolioTableModel::Year, gui::PortfolioTableModel::Crosses));
    cartera->widget()->findChild<QLineEdit*>("Filtro")->setText("acosta");
    dialogs.saveAnswers = {folder.file("cartera.csv"), folder.file("cartera.pdf")};
    cartera->widget()->findChild<QPushButton*>("Exportar")->click();
    QStringList rows = QString::fromStdString(folder.get("cartera.csv")).split("\r\n", Qt::SkipEmptyParts).mid(1);
    ASSERT_EQ(rows.size(), static_cast<qsizetype>(order.size()));
    for (std::size_t row = 0; row < order.size(); ++row) {
        const QStringList fields = rows[static_cast<qsizetype>(row)].split(';');
        EXPECT_EQ(fields[0].toStdString(), order[row]);
        EXPECT_EQ(fields[3], firstMonths[static_cast<qsizetype>(row)]) << order[row];
        EXPECT_EQ(fields[18], crosses[static_cast<qsizetype>(row)]) << order[row];
    }

    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) no está instalado: no se puede leer el PDF";
    }
    cartera->widget()->findChild<QPushButton*>("Exportar")->click();
    const QString text = pdfText(folder.file("cartera.pdf")).simplified();
    const QStringList pages = pdfText(folder.file("cartera.pdf")).split('\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].simplified().startsWith("Cartera de clientes")) << pages[0].left(80).toStdString();
    for (qsizetype page = 0; page < pages.size(); ++page) {
        for (const QString& heading : {QString("CUIT"), QString("Estado"), QString("Período"), QString("Margen"),
                                       QString("Página %1").arg(page + 1)}) {
            EXPECT_TRUE(pages[page].contains(heading)) << page << " " << heading.toStdString();
        }
    }
    qsizetype at = 0;
    for (const std::string& cuit : order) {
        EXPECT_GT(text.indexOf(QString::fromStdString(cuit), at), at) << cuit;
        at = std::max(at, text.indexOf(QString::fromStdString(cuit), at));
    }
    // The statuses tell what they compared.
    EXPECT_TRUE(text.contains("→"));
    const auto& portfolio = cartera->portfolio();
    const auto error = std::find_if(portfolio.clients.begin(), portfolio.clients.end(),
                                    [](const Client& client) { return !client.error.empty(); });
    ASSERT_NE(error, portfolio.clients.end());
    QStringList after{"Clientes con error", QString::fromStdString(error->cuit), errorSentence(*error),
                      "Archivos que no se pudieron leer"};
    for (const UnreadFile& file : portfolio.unread) {
        after << QString::fromStdString(file.path) << QString::fromStdString(file.message);
    }
    for (const QString& expected : after) {
        EXPECT_GT(text.indexOf(expected, at), at) << expected.toStdString();
        at = std::max(at, text.indexOf(expected, at));
    }
    // Each figure's box as tall as a 9-point type's.
    const QRegularExpression box(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">(\d{11})</word>)re");
    int measured = 0;
    for (const auto& word : box.globalMatch(pdfText(folder.file("cartera.pdf"), {"-bbox"}))) {
        EXPECT_GE(word.captured(2).toDouble() - word.captured(1).toDouble(), 9.0) << word.captured(3).toStdString();
        ++measured;
    }
    EXPECT_GE(measured, static_cast<int>(order.size()));
}

} // namespace
} // namespace sumafac

namespace sumafac {
namespace {

using ZipDropTest = testing::WindowFixture;

// The window reads a zipped export with the zip reader of its module, loaded on the first zip. Without the module a
// month's header archive still reads, through 7z alone, and an export is refused with what is missing.
TEST_F(ZipDropTest, AnExportReadsThroughTheModuleAndWithoutItOnlyHeaderArchivesDo)
{
    const std::string zip = downloads.file("Mis Comprobantes Emitidos - CUIT 20123456786.zip");
    ASSERT_TRUE(testing::makeArchive(zip, {{"exportacion.csv", "Fecha;Tipo;Imp. Total\n2024-05-10;11;100,00\n"}}));
    window.form1().Text1_OLEDragDrop({zip});
    EXPECT_EQ(model.cell(FirstYearTable, 5, MonthTable::AmountColumn), "100,00");

    WindowModel bare;
    gui::ModuleZipReader missing({"/sin-modulo"});
    Form1 form1{HandlerContext{bare, dialogs, *files, *processes, missing, folder.path()}, window};
    form1.Form_Load();
    form1.Text1_OLEDragDrop({archive(month("2024", "03"))});
    form1.Text1_OLEDragDrop({zip});
    EXPECT_EQ(bare.cell(FirstYearTable, 3, MonthTable::AmountColumn), "12345,67");
    EXPECT_EQ(bare.cell(FirstYearTable, 5, MonthTable::AmountColumn), "");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].prompt.ends_with("en /sin-modulo. Vuelva a instalar Sumafac."))
        << dialogs.messages[0].prompt;
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

} // namespace
} // namespace sumafac
