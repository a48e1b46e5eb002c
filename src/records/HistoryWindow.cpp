#include "records/HistoryWindow.h"

#include "base/FileBytes.h"
#include "records/History.h"
#include "records/WindowWords.h"

#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <array>

namespace vesrin {

namespace {

constexpr int kPlayerColumn = 2;
constexpr std::array<int, TFHistory::GridColumns> kColumnWidths = {45, 65, 210, 45, 55, 55, 80};
constexpr int kPlayerWidthWithScrollBar = 190;
constexpr int kScrollBarWidth = 20;
constexpr int kGridWidth = 555 + 2;
constexpr int kVisibleFiles = 16;

// Columns 1-5, 6-15, 16-66, 67-69, 70-79 and 80-89 of an entry line.
struct Field {
    std::size_t Start;
    std::size_t Width;
};
constexpr std::array<Field, 6> kFields = {{{0, 5}, {5, 10}, {15, 51}, {66, 3}, {69, 10}, {79, 10}}};
constexpr std::size_t kKindColumn = 89;

struct KindCell {
    char Letter;
    const char* Text;
    QColor Colour; // invalid: the window-text colour
};
const std::array<KindCell, 4> kKinds = {{{'L', "Local", QColor()},
                                         {'N', "Net", QColor(0, 128, 0)},
                                         {'A', "Account", QColor(255, 0, 0)},
                                         {'T', "Tourney", QColor(0, 0, 255)}}};

// The Player column is drawn left-aligned 2 pixels from the cell's edge, every other
// cell centred; the cells keep their blanks, which only the drawing leaves out.
class HistoryCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        plain.text.clear();
        const QWidget* view = option.widget;
        QStyle* style = view ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, view);
        const QString text = index.data(Qt::DisplayRole).toString().trimmed();
        const QVariant foreground = index.data(Qt::ForegroundRole);
        QColor colour = foreground.isValid() ? foreground.value<QBrush>().color()
                                             : option.palette.color(QPalette::Text);
        if (option.state & QStyle::State_Selected) colour = option.palette.color(QPalette::HighlightedText);
        painter->save();
        painter->setClipRect(option.rect);
        painter->setFont(option.font);
        painter->setPen(colour);
        if (index.column() == kPlayerColumn)
            painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        else
            painter->drawText(option.rect, Qt::AlignCenter, text);
        painter->restore();
    }
};

QString DateOfFile(const std::filesystem::path& file) {
    const QDate date = QFileInfo(QString::fromStdString(file.string())).lastModified().date();
    return QString::fromStdString(FormatShortDate(date.year(), date.month(), date.day()));
}

} // namespace

TFHistory::TFHistory(RecordsWindowContext& context, HistoryViewerMemory& memory, QWidget* parent)
    : AuxWindow(context, {QStringLiteral("GFormHistory"), QStringLiteral("History")}, parent), memory_(memory) {
    list_ = new QListWidget(Content());
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_ = new QTableWidget(0, GridColumns, Content());
    grid_->setObjectName(QStringLiteral("SG"));
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->verticalScrollBar()->setFixedWidth(kScrollBarWidth);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setItemDelegate(new HistoryCellDelegate(grid_));
    grid_->setWordWrap(false);
    grid_->setShowGrid(true);
    ok_ = MakeOkButton();
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || row >= int(listed_.size())) return;
        memory_.ShownFile = listed_[std::size_t(row)];
        ShowHistoryFile(memory_.ShownFile);
    });
}

QString TFHistory::HeaderWord() const {
    return WordText(settings(), Word::MainHistory);
}

void TFHistory::SetTexts() {
    setWindowTitle(WordText(settings(), Word::HistCaption));
    const Word titles[GridColumns] = {Word::HistTime,   Word::HistDate,   Word::HistPlayer, Word::HistGames,
                                      Word::HistResult, Word::HistRating, Word::HistType};
    QStringList labels;
    for (Word title : titles) labels << WordText(settings(), title);
    grid_->setHorizontalHeaderLabels(labels);
    grid_->setFont(DecorFont(14));
    grid_->verticalHeader()->setDefaultSectionSize(QFontMetrics(grid_->font()).height() + 4);
    // One font for all titles, small enough for the longest of them in its column.
    QFont titleFont = DecorFont(14, true);
    for (int column = 0; column < GridColumns; ++column)
        titleFont = FitFontToWidth(titleFont, labels[column], kColumnWidths[std::size_t(column)] - 6);
    grid_->horizontalHeader()->setFont(titleFont);
    list_->setFont(DecorFont(15));
    ok_->setText(QStringLiteral("Ok"));
    StyleButton(*ok_);
    ListHistoryFiles();
}

void TFHistory::LayOut() {
    const int listWidth = listed_.size() > std::size_t(kVisibleFiles) ? ListWidthWithScrollBar : ListWidth;
    const int itemHeight = QFontMetrics(list_->font()).height() + 4;
    const int listHeight = kVisibleFiles * itemHeight + 2 * list_->frameWidth();
    const int gridHeight = listHeight + 10 + ok_->height();
    const int gridLeft = 10 + listWidth + 10;
    list_->setGeometry(10, 0, listWidth, listHeight);
    ok_->setGeometry(10, listHeight + 10, listWidth, ok_->height());
    grid_->setGeometry(gridLeft, 0, kGridWidth, gridHeight);
    SetContentSize(gridLeft + kGridWidth + 10, gridHeight + 10);
    FitPlayerColumn();
}

void TFHistory::FitPlayerColumn() {
    const int rowHeight = grid_->verticalHeader()->defaultSectionSize();
    const int room = grid_->height() - 2 * grid_->frameWidth() - grid_->horizontalHeader()->sizeHint().height();
    const bool scrolls = grid_->rowCount() * rowHeight > room;
    for (int column = 0; column < GridColumns; ++column)
        grid_->setColumnWidth(column, column == kPlayerColumn && scrolls ? kPlayerWidthWithScrollBar
                                                                         : kColumnWidths[std::size_t(column)]);
}

void TFHistory::ListHistoryFiles() {
    const QSignalBlocker quiet(list_);
    list_->clear();
    listed_.clear();
    for (const HistoryFileItem& item : ListValidHistoryFiles(context_.ProgramFolder)) {
        listed_.push_back(item.Number);
        list_->addItem(QStringLiteral("File I%1 %2")
                           .arg(item.Number, 4, 10, QLatin1Char('0'))
                           .arg(DateOfFile(HistoryFilePath(context_.ProgramFolder, item.Number))));
    }
    LayOut();
    if (listed_.empty()) {
        list_->addItem(QStringLiteral("No History Files"));
        list_->setEnabled(false);
        grid_->setRowCount(0);
        memory_.ShownFile = -1;
        return;
    }
    list_->setEnabled(true);
    const int chosen = ChooseHistoryFile(int(listed_.size()), memory_.ShownFile);
    memory_.ShownFile = listed_[std::size_t(chosen - 1)];
    list_->setCurrentRow(chosen - 1);
    ShowHistoryFile(memory_.ShownFile);
}

void TFHistory::ShowHistoryFile(int number) {
    std::vector<std::string> entries;
    if (const auto bytes = ReadFileBytes(HistoryFilePath(context_.ProgramFolder, number))) {
        for (std::string_view line : SplitLines(*bytes)) {
            if (line.starts_with('$')) break;
            std::string padded(line);
            padded.resize(std::max(padded.size(), kHistoryLineLength), ' ');
            entries.push_back(std::move(padded));
        }
    }
    grid_->clearContents();
    grid_->setRowCount(std::max<int>(1, int(entries.size())));
    for (std::size_t row = 0; row < entries.size(); ++row) {
        const std::string& line = entries[row];
        QColor colour;
        QString kindText;
        for (const KindCell& kind : kKinds) {
            if (line[kKindColumn] == kind.Letter) kindText = QString::fromLatin1(kind.Text), colour = kind.Colour;
        }
        for (std::size_t column = 0; column <= kFields.size(); ++column) {
            const QString text = column < kFields.size()
                                     ? FileText(std::string_view(line).substr(kFields[column].Start,
                                                                              kFields[column].Width))
                                     : kindText;
            auto* cell = new QTableWidgetItem(text);
            if (colour.isValid()) cell->setForeground(colour);
            grid_->setItem(int(row), int(column), cell);
        }
    }
    // The highlight of the chosen row means something only when there is a choice.
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(entries.size() > 1 ? QAbstractItemView::SingleSelection
                                               : QAbstractItemView::NoSelection);
    if (entries.size() > 1) grid_->selectRow(0);
    FitPlayerColumn();
}

void ShowHistoryViewer(QWidget* parent, RecordsWindowContext& context, HistoryViewerMemory& memory) {
    TFHistory viewer(context, memory, parent);
    viewer.exec();
}

} // namespace vesrin
