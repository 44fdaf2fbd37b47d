// SPDX-License-Identifier: GPL-3.0-or-later
// "Ver → Gráfico" and "Archivo → Exportar informe..." on the real window after real drops: what the chart draws,
// and the report read back from its PDF, written whole or not at all.
#include "gui/window/module_loader.h"
#include "gui/window/report_export.h"
#include "scale/scale_in_use.h"
#include "tests/gui/window_fixture.h"
#include "tests/support/faulty_files.h"
#include "totals/category_text.h"
#include "totals/chart_series.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QProcess>
#include <QStandardPaths>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace sumafac {
namespace {

class ChartReportTest : public testing::WindowFixture
{
  protected:
    // Drops a month ("202307") of count invoices (three digits) for amount pesos (thirteen digits) and 50 cents.
    void drop(const std::string& yearMonth, const std::string& count, const std::string& amount)
    {
        WindowFixture::drop(
            {"11", yearMonth.substr(0, 4), yearMonth.substr(4), "00000" + count, "20123456789", amount, "50"});
    }
    QAction* action(const char* name) const { return window.findChild<QAction*>(name); }
};

TEST_F(ChartReportTest, TheChartOpensFromTheMenuAndFollowsEveryPosting)
{
    // Before any month: what to do, and no empty axis.
    action("Mngrafico")->trigger();
    action("Mngrafico")->trigger();
    ASSERT_EQ(window.findChildren<QChartView*>().size(), 1);
    QChart* chart = window.findChild<QChartView*>()->chart();
    EXPECT_TRUE(chart->title().contains("Arrastre sobre el recuadro rosa")) << chart->title().toStdString();
    const QList<QAbstractSeries*> series = chart->series();
    EXPECT_FALSE(chart->axes(Qt::Vertical)[0]->isVisible() || chart->legend()->isVisible() || series[4]->isVisible());
    const qreal emptyTitle = chart->titleFont().pointSizeF();

    drop("202307", "011", "0000001111111");
    QBarSet* bars = qobject_cast<QBarSeries*>(series[0])->barSets()[0];
    auto* totals = qobject_cast<QLineSeries*>(series[1]);
    EXPECT_EQ(bars->count(), 12);
    EXPECT_TRUE(chart->axes(Qt::Vertical)[0]->isVisible() && chart->legend()->isVisible());
    EXPECT_LT(chart->titleFont().pointSizeF(), emptyTitle);
    // Every series drawn against the months and the amounts.
    EXPECT_TRUE(
        std::all_of(series.begin(), series.end(), [](auto* shown) { return shown->attachedAxes().size() == 2; }));
    // 2023 serves January 2024, on the table from 1 January 2024. No twelve months reach past July, the last with an
    // amount; from there July's pace carried on gives December's.
    EXPECT_TRUE(totals->points().isEmpty());
    EXPECT_EQ(series[2]->name(), "Tope de la categoría A: 2.108.288,01");
    EXPECT_TRUE(chart->title().endsWith("<br>Topes de la escala desde 01/01/2024 (solapa 2023)"))
        << chart->title().toStdString();
    EXPECT_EQ(qobject_cast<QLineSeries*>(series[2])->points(),
              (QList<QPointF>{QPointF(-0.5, 2108288.01), QPointF(11.5, 2108288.01)}));
    const auto* projection = qobject_cast<QLineSeries*>(series[4]);
    EXPECT_EQ(projection->points(), QList<QPointF>{QPointF(11, 6666669.0)});
    EXPECT_TRUE(projection->pointsVisible());
    // The legend draws each line's own stroke and the bars' filled square; the projection's is not the total's.
    EXPECT_EQ(chart->legend()->markerShape(), QLegend::MarkerShapeFromSeries);
    EXPECT_EQ(chart->legend()->markers(series[0]).constFirst()->shape(), QLegend::MarkerShapeRectangle);
    EXPECT_NE(totals->pen().color(), projection->pen().color());

    drop("202403", "022", "0000002222222");
    EXPECT_EQ(bars->count(), 24);
    // From December 2023 to March 2024.
    EXPECT_EQ(totals->count(), 4);
    model.setSelectedTab(SecondYearTab);
    EXPECT_EQ(qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal)[0])->categories().first(), "ene 2023");
    EXPECT_EQ(series[2]->name(), "Tope de la categoría A: 7.813.063,45");
    EXPECT_EQ(series[3]->name(), "Tope de la categoría B: 11.447.046,44");
    EXPECT_TRUE(chart->title().endsWith("(solapa 2024)")) << chart->title().toStdString();
    // The ceiling's letter is written at each end of its line.
    for (const int ceiling : {2, 3}) {
        EXPECT_TRUE(qobject_cast<QLineSeries*>(series[ceiling])->pointLabelsVisible()) << ceiling;
    }
    EXPECT_EQ(qobject_cast<QLineSeries*>(series[3])->pointLabelsFormat(), "B");
    EXPECT_GE(qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical)[0])->max(), 11447046.44);
}

// The axis takes every bar: a month below 0 (credit notes over invoices) however the months after it lift the totals;
// in a year with no scale table, once nothing is left invoiced, it runs from 0 to 1, whatever it ran to.
TEST_F(ChartReportTest, TheAxisHoldsEveryBarAndRunsFromZeroToOneOverNothing)
{
    WindowFixture::drop({"11", "2015", "03", "00000001", "20123456789", "0000005000000", "00"});
    model.setCell(FirstYearTable, 1, MonthTable::AmountColumn, "-300000,00");
    action("Mngrafico")->trigger();
    const auto* axis = qobject_cast<QValueAxis*>(window.findChild<QChartView*>()->chart()->axes(Qt::Vertical)[0]);
    EXPECT_LE(axis->min(), -300000.0);
    EXPECT_GE(axis->max(), 5000000.0);
    model.setCell(FirstYearTable, 1, MonthTable::AmountColumn, "");
    model.setCell(FirstYearTable, 3, MonthTable::AmountColumn, "0,00");
    EXPECT_EQ(axis->min(), 0.0);
    EXPECT_EQ(axis->max(), 1.0);
}

TEST_F(ChartReportTest, TheReportHoldsEveryFigureAndCategoryLineAndIsWrittenWholeOrNotAtAll)
{
    EXPECT_FALSE(action("MnInforme")->isEnabled());
    drop("202307", "011", "0000001111111");
    drop("202403", "022", "0000002222222");
    drop("202411", "033", "0000003333333");
    QString problem;
    EXPECT_EQ(gui::loadChartModule({"/sin-modulo"}, problem), nullptr);
    EXPECT_TRUE(problem.endsWith("en /sin-modulo. Vuelva a instalar Sumafac.")) << problem.toStdString();
    gui::ChartModule* charts = gui::loadChartModule(gui::moduleFolders(), problem);
    ASSERT_NE(charts, nullptr) << problem.toStdString();

    // Half a page written, or a page that cannot take the place of the old one, or no folder: a message, and the
    // old file as it was.
    const std::string report = folder.put("informe.pdf", "anterior");
    testing::FaultyFiles faulty;
    faulty.failWrite = "informe.pdf.tmp";
    dialogs.saveAnswers = {report, report, folder.file("no-existe/informe.pdf"), report};
    gui::exportReport(model, shippedScale(), {}, *charts, dialogs, faulty, folder.path());
    faulty.failWrite.clear();
    faulty.failReplace = "informe.pdf";
    gui::exportReport(model, shippedScale(), {}, *charts, dialogs, faulty, folder.path());
    action("MnInforme")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[2].prompt.rfind("No se pudo escribir el informe " + folder.file("no-existe"), 0), 0u);
    EXPECT_EQ(files->list(folder.path()), std::vector<std::string>{"informe.pdf"});
    EXPECT_EQ(folder.get("informe.pdf"), "anterior");
    // Nothing went anywhere: nothing is said.
    EXPECT_EQ(window.findChild<QLabel*>("ArchivoEscrito"), nullptr);

    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) no está instalado: no se puede leer el informe";
    }
    model.setSelectedTab(SecondYearTab);
    action("MnInforme")->trigger();
    // A full path in a folder that exists, the user's documents or the program folder.
    // Where it went, in a path that may wrap at its separators.
    const auto* written = window.findChild<QLabel*>("ArchivoEscrito");
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(written->text().remove(QChar(0x200B)),
              "Guardado en: " + QDir::toNativeSeparators(QString::fromStdString(report)));
    const QFileInfo proposed(QString::fromStdString(dialogs.saveRequests[3].proposedPath));
    EXPECT_EQ(proposed.fileName(), "20123456789_2023_2024.pdf");
    EXPECT_TRUE(proposed.isAbsolute() && proposed.dir().exists()) << proposed.filePath().toStdString();
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", QString::fromStdString(report), "-"});
    ASSERT_TRUE(pdftotext.waitForFinished() && pdftotext.exitCode() == 0) << folder.get("informe.pdf").size();
    const std::string text = pdftotext.readAllStandardOutput().simplified().toStdString();
    std::istringstream words(text);
    const std::set<std::string> wordSet{std::istream_iterator<std::string>(words), {}};
    // The chart's axis starts at 0,00, written as in Argentina.
    for (const std::string& word : {std::string("20123456789"), std::string("2024/2023"), std::string("C.FACTURAS"),
                                    QDate::currentDate().toString("dd/MM/yyyy").toStdString(), std::string("0,00")}) {
        EXPECT_TRUE(wordSet.contains(word)) << word;
    }
    // The chart on the page, with the ceilings of the tab on screen and where they come from.
    EXPECT_NE(text.find("Tope de la categoría B: 11.447.046,44"), std::string::npos);
    EXPECT_NE(text.find(ceilingsCaption(chartSeries(model, shippedScale()))), std::string::npos);
    for (int table = FirstYearTable; table <= TableCount; ++table) {
        for (int row = 1; row < MonthTable::Rows; ++row) {
            for (const int column : FigureColumns) {
                const std::string& figure = model.cell(table, row, column);
                EXPECT_TRUE(figure.empty() || wordSet.contains(figure)) << table << " " << row << " " << figure;
            }
        }
        const std::string line = categoryLine(categoryFacts(model, table, shippedScale()), localToday());
        EXPECT_NE(text.find(QString::fromStdString(line).simplified().toStdString()), std::string::npos) << line;
    }
    // Until a figure changes: the file no longer holds what the tables show.
    drop("202412", "001", "0000000000001");
    EXPECT_EQ(written->text(), "");
}

TEST(ReportFolder, IsTheDocumentsFolderWhenItExistsElseTheProgramFolder)
{
    const testing::TempFolder documents;
    for (const auto& [given, expected] : {std::pair{documents.path(), documents.path()},
                                          {documents.file("no-existe"), std::string("programa")},
                                          {std::string("."), std::string("programa")},
                                          {std::string(), std::string("programa")}}) {
        EXPECT_EQ(gui::startFolder(given, "programa"), expected) << given;
    }
}

} // namespace
} // namespace sumafac
