// SPDX-License-Identifier: GPL-3.0-or-later
// Files dragged from the file manager onto Text1 of the real window.
#include "tests/gui/gui_fixture.h"
#include "tests/support/archive_builder.h"
#include "tests/support/header_builder.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QMimeData>
#include <QTableView>
#include <QUrl>

#include <filesystem>

namespace sumafac {
namespace {

using testing::GuiTest;

class DropOnWindow : public GuiTest
{
  protected:
    // An AFIP download for one month of 2015, with the detail file beside the header as AFIP sends it.
    QUrl download(const std::string& name, const std::string& month)
    {
        testing::HeaderRecord record;
        record.month = month;
        const std::string path = downloads.file(name);
        EXPECT_TRUE(testing::makeArchive(
            path, {{"Cabecera.txt", testing::headerFile({record})}, {"Detalle.txt", std::string(300, 'D')}}));
        return QUrl::fromLocalFile(QString::fromStdString(path));
    }

    // What a file manager sends: the files as text/uri-list.
    static std::unique_ptr<QMimeData> fileDrag(const QList<QUrl>& urls)
    {
        auto mime = std::make_unique<QMimeData>();
        mime->setUrls(urls);
        return mime;
    }

    bool dragEnter(const QMimeData& mime)
    {
        QDragEnterEvent enter(center(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(label("Text1"), &enter);
        return enter.isAccepted();
    }

    void dropOn(const QMimeData& mime)
    {
        QDropEvent drop(QPointF(center()), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(label("Text1"), &drop);
    }

    QPoint center() { return label("Text1")->rect().center(); }

    QString cell(int row, int column)
    {
        return child<QTableView>("MSHFlexGrid1")->model()->index(row, column).data().toString();
    }

    testing::TempFolder downloads{"sumafac-downloads"};
};

TEST_F(DropOnWindow, ImportsOnlyTheFirstOfThreeDraggedFiles)
{
    auto mime = fileDrag({download("marzo.zip", "03"), download("abril.zip", "04"), download("mayo.zip", "05")});
    ASSERT_TRUE(mime->hasFormat("text/uri-list"));
    ASSERT_TRUE(dragEnter(*mime));
    dropOn(*mime);

    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().prompt;
    EXPECT_EQ(label("Label3")->text(), "20123456789");
    EXPECT_EQ(child<QTabWidget>("SSTab1")->tabText(0), "2015");
    EXPECT_EQ(cell(3, 1), "12");
    EXPECT_EQ(cell(3, 2), "12345,67");
    EXPECT_EQ(cell(4, 1), "");
    EXPECT_EQ(cell(5, 1), "");
    EXPECT_FALSE(child<QFrame>("Frame1")->isHidden());
    EXPECT_EQ(label("Label8")->text(), "TOTAL FACT:12345,67");
    EXPECT_EQ(label("Text1")->text(), "Arrastra aqui los archivos bajados de la AFIP");
    EXPECT_TRUE(action("MnGrabar")->isEnabled());
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        EXPECT_NE(entry.path().filename(), "borrar.zip");
        EXPECT_NE(entry.path().filename(), "Cabecera.txt");
    }
}

TEST_F(DropOnWindow, RefusesADragThatCarriesNoFile)
{
    QMimeData text;
    text.setText("20123456789");
    EXPECT_FALSE(dragEnter(text));
    auto remote = fileDrag({QUrl("https://example.invalid/F2002.zip")});
    EXPECT_FALSE(dragEnter(*remote));
}

} // namespace
} // namespace sumafac
