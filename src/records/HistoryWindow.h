#pragma once

#include "records/AuxWindow.h"

#include <QString>

class QListWidget;
class QPushButton;
class QTableWidget;

namespace vesrin {

// What the history viewer remembers for the rest of the run: the number of the file it
// showed last (0 at start, which stands for the last valid file; -1 when no file
// existed at the last opening). The application owns one for the whole run.
struct HistoryViewerMemory {
    int ShownFile = 0;
};

// The history viewer: the list of the valid history files on the left, the games of
// the chosen file in the grid SG (Time, Date, Player, Games, Result, Rating, Type), an
// Ok button under the list. Modal; Ok or Escape closes it.
class TFHistory : public AuxWindow {
    Q_OBJECT
public:
    TFHistory(RecordsWindowContext& context, HistoryViewerMemory& memory, QWidget* parent = nullptr);

    QListWidget* FileList() const { return list_; }
    QTableWidget* SG() const { return grid_; }
    QPushButton* OkButton() const { return ok_; }
    // The file number of each list item (empty when no file is listed).
    const std::vector<int>& ListedFiles() const { return listed_; }

    // Fills the list with the valid files and chooses the one to show.
    void ListHistoryFiles();
    // Fills the grid from a file: one row per game, one empty row for a file without games.
    void ShowHistoryFile(int number);

    static constexpr int ListWidth = 180;
    static constexpr int ListWidthWithScrollBar = 193; // beyond 16 files
    static constexpr int GridColumns = 7;

protected:
    void SetTexts() override;
    QString HeaderWord() const override;

private:
    void LayOut();
    void FitPlayerColumn();

    HistoryViewerMemory& memory_;
    QListWidget* list_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QPushButton* ok_ = nullptr;
    std::vector<int> listed_;
};

// Opens the viewer modally; it is destroyed when it closes.
void ShowHistoryViewer(QWidget* parent, RecordsWindowContext& context, HistoryViewerMemory& memory);

} // namespace vesrin
