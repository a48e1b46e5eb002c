#include "records/HistoryWindow.h"

#include "UiTestSupport.h"
#include "base/FileBytes.h"
#include "records/History.h"

#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace vesrin {
namespace {

using test::WindowsFixture;

std::string Entry(const char* name, int result, double rating, GameKind kind) {
    return *HistoryEntryLine(HisStr{name, 1, result, rating, kind}, HistoryStamp{9, 5, "11.12.2025"});
}

void WriteHistory(const std::filesystem::path& folder, int number, const std::vector<std::string>& entries) {
    std::filesystem::create_directories(HistoryFolder(folder));
    test::WriteBytes(HistoryFilePath(folder, number), FormatHistoryFile(entries));
}

QStringList Row(const QTableWidget& grid, int row) {
    QStringList cells;
    for (int column = 0; column < grid.columnCount(); ++column) {
        const QTableWidgetItem* cell = grid.item(row, column);
        cells << (cell ? cell->text() : QStringLiteral("<none>"));
    }
    return cells;
}

class HistoryWindow : public ::testing::Test, public WindowsFixture {};

TEST_F(HistoryWindow, NoFilesShowADisabledListAndAnEmptyGrid) {
    HistoryViewerMemory memory;
    TFHistory viewer(context, memory);
    viewer.show();
    ASSERT_EQ(viewer.FileList()->count(), 1);
    EXPECT_EQ(viewer.FileList()->item(0)->text(), "No History Files");
    EXPECT_FALSE(viewer.FileList()->isEnabled());
    EXPECT_EQ(viewer.SG()->rowCount(), 0);
    EXPECT_EQ(memory.ShownFile, -1);
    EXPECT_EQ(viewer.FileList()->width(), TFHistory::ListWidth);
    EXPECT_EQ(viewer.OkButton()->width(), TFHistory::ListWidth);
    QTest::keyClick(&viewer, Qt::Key_Escape);
    EXPECT_FALSE(viewer.isVisible()) << "Escape closes the viewer";
}

TEST_F(HistoryWindow, ListsValidFilesUpToTheFirstDamagedOneAndShowsTheLast) {
    WriteHistory(folder.Path(), 1,
                 {Entry("Anna", -10, 2.5, GameKind::Local), Entry("Bob/Cid/Anna", 40, 8.22, GameKind::Network),
                  Entry("Incognito", 12, -0.05, GameKind::Account)});
    WriteHistory(folder.Path(), 2, {Entry("T1/T2/T3/Anna", -7, 0.004, GameKind::Tournament)});
    std::string damaged = FormatHistoryFile({Entry("Anna", 1, 1, GameKind::Local)});
    damaged[20] = 'X';
    test::WriteBytes(HistoryFilePath(folder.Path(), 3), damaged);
    WriteHistory(folder.Path(), 4, {Entry("Later", 1, 1, GameKind::Local)}); // after the gap: not listed

    HistoryViewerMemory memory;
    TFHistory viewer(context, memory);
    viewer.show();
    QListWidget& list = *viewer.FileList();
    ASSERT_EQ(list.count(), 2);
    EXPECT_TRUE(list.item(0)->text().startsWith("File I0001 "));
    EXPECT_TRUE(list.item(1)->text().startsWith("File I0002 "));
    EXPECT_EQ(list.item(0)->text().size(), QString("File I0001 dd.mm.yyyy").size());
    EXPECT_TRUE(list.isEnabled());
    EXPECT_EQ(list.currentRow(), 1) << "the first opening shows the last valid file";
    EXPECT_EQ(memory.ShownFile, 2);

    const QTableWidget& grid = *viewer.SG();
    ASSERT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(Row(grid, 0), (QStringList{"09:05", "11.12.2025", QString("T1/T2/T3/Anna").leftJustified(51), "  1",
                                         "        -7", "      0,00", "Tourney"}));
    EXPECT_EQ(grid.item(0, 6)->foreground().color(), QColor(0, 0, 255));

    list.setCurrentRow(0);
    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(memory.ShownFile, 1);
    struct Expected {
        const char* Rating;
        const char* Type;
        QColor Colour;
    };
    const Expected rows[] = {{"      2,50", "Local", QColor()},
                             {"      8,22", "Net", QColor(0, 128, 0)},
                             {"     -0,05", "Account", QColor(255, 0, 0)}};
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(grid.item(row, 5)->text(), rows[row].Rating);
        EXPECT_EQ(grid.item(row, 6)->text(), rows[row].Type);
        if (rows[row].Colour.isValid())
            EXPECT_EQ(grid.item(row, 2)->foreground().color(), rows[row].Colour);
        else
            EXPECT_EQ(grid.item(row, 2)->foreground().style(), Qt::NoBrush) << "the window-text colour";
    }
    EXPECT_EQ(grid.selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(grid.columnWidth(2), 210) << "no scroll bar for three games";

    // The viewer reopens on the file shown last.
    TFHistory again(context, memory);
    again.show();
    EXPECT_EQ(again.FileList()->currentRow(), 0);
    EXPECT_EQ(again.SG()->rowCount(), 3);
}

TEST_F(HistoryWindow, RememberedFileBeyondTheLastValidOneFallsBackToTheLast) {
    WriteHistory(folder.Path(), 1, {Entry("Anna", 1, 1, GameKind::Local)});
    WriteHistory(folder.Path(), 2, {});
    HistoryViewerMemory memory{5};
    TFHistory viewer(context, memory);
    viewer.show();
    EXPECT_EQ(memory.ShownFile, 2);
    ASSERT_EQ(viewer.SG()->rowCount(), 1) << "a file without games shows one empty row";
    EXPECT_EQ(viewer.SG()->item(0, 0), nullptr);
    EXPECT_EQ(viewer.SG()->selectionMode(), QAbstractItemView::NoSelection);
}

TEST_F(HistoryWindow, ManyFilesWidenTheListAndManyGamesNarrowThePlayerColumn) {
    std::vector<std::string> games(60, Entry("Anna", 1, 1, GameKind::Local));
    for (int number = 1; number <= 17; ++number) WriteHistory(folder.Path(), number, games);
    HistoryViewerMemory memory;
    TFHistory viewer(context, memory);
    viewer.show();
    EXPECT_EQ(viewer.FileList()->count(), 17);
    EXPECT_EQ(viewer.FileList()->width(), TFHistory::ListWidthWithScrollBar);
    EXPECT_EQ(viewer.OkButton()->width(), TFHistory::ListWidthWithScrollBar);
    EXPECT_EQ(viewer.SG()->rowCount(), 60);
    EXPECT_EQ(viewer.SG()->columnWidth(2), 190);
    const int widths[] = {45, 65, 190, 45, 55, 55, 80};
    for (int column = 0; column < 7; ++column) EXPECT_EQ(viewer.SG()->columnWidth(column), widths[column]);
}

TEST_F(HistoryWindow, TitlesFollowTheLanguageEachTimeTheViewerIsShown) {
    HistoryViewerMemory memory;
    TFHistory viewer(context, memory);
    const auto titles = [&] {
        QStringList shown;
        for (int column = 0; column < 7; ++column) shown << viewer.SG()->horizontalHeaderItem(column)->text();
        return shown;
    };
    viewer.show();
    EXPECT_EQ(titles(), (QStringList{"Time", "Date", "Player", "Games", "Result", "Rating", "Type"}));
    EXPECT_EQ(viewer.windowTitle(), "History of games");
    viewer.hide();
    settings.Language = 1;
    viewer.show();
    EXPECT_EQ(titles()[2], QString::fromUtf8("Игрок"));
    EXPECT_EQ(viewer.windowTitle(), QString::fromUtf8("История игр"));
    viewer.hide();
    settings.Language = 9;
    viewer.show();
    EXPECT_EQ(titles()[2], QString()) << "the Korean Player title is empty on purpose";
}

} // namespace
} // namespace vesrin
