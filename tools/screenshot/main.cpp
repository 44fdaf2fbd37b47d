// SPDX-License-Identifier: GPL-3.0-or-later
// sumafac-screenshot: a picture of the real window after dropping the given archives, for the README; with --chart,
// of the chart window that "Ver → Gráfico" opens; with --report, the PDF that "Archivo → Exportar informe..." writes.
//   sumafac-screenshot OUTPUT [--tab N] [--chart | --report] [ARCHIVE...]
// The window runs over a temporary program folder, so the user's own files are never touched, and every message
// box is written to the standard error instead of waiting for a click.
#include "gui/main_window.h"
#include "gui/program_look.h"
#include "platform/native.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QPixmap>
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
    std::string reportPath;
};

int usage()
{
    std::fputs("uso: sumafac-screenshot SALIDA [--tab N] [--chart | --report] [ARCHIVO...]\n", stderr);
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
    settle();

    if (!shown->grab().save(output, "PNG")) {
        std::fprintf(stderr, "sumafac-screenshot: no se pudo escribir %s\n", output.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
