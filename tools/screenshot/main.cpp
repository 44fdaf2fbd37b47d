// SPDX-License-Identifier: GPL-3.0-or-later
// sumafac-screenshot: a picture of the real window after dropping the given archives, for the README; with --chart,
// of the chart window that "Ver → Gráfico" opens; with --report, the PDF that "Archivo → Exportar informe..." writes;
// with --cartera, of the portfolio window that "Archivo → Abrir cartera..." opens on FOLDER.
//   sumafac-screenshot OUTPUT [--tab N] [--chart | --report | --cartera FOLDER] [ARCHIVE...]
// The window runs over a temporary program folder, so the user's own files are never touched, and every message
// box is written to the standard error instead of waiting for a click.
#include "gui/portfolio/portfolio_table_model.h"
#include "gui/shared/program_look.h"
#include "gui/window/main_window.h"
#include "platform/native.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QPixmap>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <string>
#include <vector>

namespace {

class PrintedDialogs final : public sumafac::platform::Dialogs
{
  public:
    int MsgBox(const std::string& prompt, int style, const std::string&) override
    {
        std::fprintf(stderr, "sumafac-screenshot: mensaje: %s\n", prompt.c_str());
        return style == sumafac::platform::vbYesNoInformation ? sumafac::platform::vbNo : sumafac::platform::vbOK;
    }
    std::string InputBox(const std::string&) override { return {}; }
    std::string ShowOpen(const sumafac::platform::OpenFileRequest&) override { return {}; }
    // The report's save dialog, answered with this path.
    std::string ShowSave(const sumafac::platform::SaveFileRequest&) override { return reportPath; }
    // The portfolio's folder dialog, answered with this folder.
    std::string ChooseFolder(const std::string&, const std::string&) override { return portfolioFolder; }
    std::string reportPath;
    std::string portfolioFolder;
};

int usage()
{
    std::fputs("uso: sumafac-screenshot SALIDA [--tab N] [--chart | --report | --cartera CARPETA] [ARCHIVO...]\n",
               stderr);
    return 2;
}

// Lets the window lay itself out and paint before it is grabbed.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    sumafac::gui::setUpApplication();

    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        return usage();
    }
    const QString output = arguments.first();
    int tab = 0;
    bool chart = false;
    bool report = false;
    QString portfolio;
    std::vector<std::string> archives;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--tab") {
            bool ok = false;
            tab = i + 1 < arguments.size() ? arguments[++i].toInt(&ok) : -1;
            if (!ok || tab < 0 || tab > 2) {
                return usage();
            }
        } else if (arguments[i] == "--chart") {
            chart = true;
        } else if (arguments[i] == "--report") {
            report = true;
        } else if (arguments[i] == "--cartera") {
            if (i + 1 == arguments.size()) {
                return usage();
            }
            // As given: the window shows it, and a picture should not show this machine's folders.
            portfolio = arguments[++i];
        } else {
            // A drop always hands over full paths.
            archives.push_back(QFileInfo(arguments[i]).absoluteFilePath().toStdString());
        }
    }

    QTemporaryDir programFolder;
    if (!programFolder.isValid()) {
        std::fputs("sumafac-screenshot: no se pudo crear una carpeta temporal\n", stderr);
        return 1;
    }
    auto files = sumafac::platform::makeNativeFiles();
    auto processes = sumafac::platform::makeNativeProcessRunner();
    auto registry = sumafac::platform::makeNativeRegistry();
    PrintedDialogs dialogs;
    sumafac::WindowModel model;
    sumafac::gui::MainWindow window(model,
                                    {dialogs, *files, *processes, *registry, programFolder.path().toStdString()});
    window.show();
    settle();

    for (const std::string& archive : archives) {
        window.form1().Text1_OLEDragDrop({archive});
    }
    model.setSelectedTab(tab);
    if (report) {
        dialogs.reportPath = QFileInfo(output).absoluteFilePath().toStdString();
        window.findChild<QAction*>("MnInforme")->trigger();
        return QFileInfo::exists(output) ? 0 : 1;
    }
    QWidget* shown = &window;
    if (chart) {
        // Opened as a user opens it, from the menu.
        window.findChild<QAction*>("Mngrafico")->trigger();
        shown = window.findChild<QWidget*>("Grafico");
    }
    if (!portfolio.isEmpty()) {
        dialogs.portfolioFolder = portfolio.toStdString();
        window.findChild<QAction*>("MnCartera")->trigger();
        sumafac::gui::PortfolioView* view = window.portfolioWindow();
        while (view->reading()) {
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        // A client chosen, so that its files show below the table: the first with an error, whose message shows too.
        QWidget* cartera = view->widget();
        auto* table = cartera->findChild<QTableView*>("Clientes");
        int chosen = 0;
        for (int row = table->model()->rowCount() - 1; row >= 0; --row) {
            chosen =
                table->model()->index(row, sumafac::gui::PortfolioTableModel::Status).data() == "error" ? row : chosen;
        }
        table->setCurrentIndex(table->model()->index(chosen, 0));
        shown = cartera;
    }
    settle();

    if (!shown->grab().save(output, "PNG")) {
        std::fprintf(stderr, "sumafac-screenshot: no se pudo escribir %s\n", output.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
