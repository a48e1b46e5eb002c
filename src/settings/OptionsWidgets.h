#pragma once

#include <QGroupBox>
#include <QList>
#include <QRadioButton>
#include <QStringList>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;

class QStackedWidget;

namespace vesrin {

// Small controls of the options dialog.

// One page of the options dialog. In the purple design its background is a vertical
// gradient from (200, 180, 255) at the top to (240, 220, 255) at the bottom.
class OptionsPage : public QWidget {
    Q_OBJECT
public:
    explicit OptionsPage(QWidget* parent = nullptr);
    void SetGradient(bool on);
    bool Gradient() const { return gradient_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool gradient_ = false;
};

// The gradient colour of a pixel row: each channel interpolated linearly from the top
// colour to the bottom one.
QColor PageGradientColour(int row, int height);

// The tab control: the page names stand in as many rows as they need (long names in
// some languages do not fit one row of a 360-pixel control), every name always visible.
class PageControl : public QWidget {
    Q_OBJECT
public:
    PageControl(int pageCount, QWidget* parent = nullptr);

    int Count() const { return int(pages_.size()); }
    OptionsPage* Page(int index) const { return pages_[index]; }
    void SetTitles(const QStringList& titles);
    QString Title(int index) const;
    int CurrentIndex() const;
    void SetCurrentIndex(int index);
    // The room a page has under the tabs.
    QSize PageSize() const;
    // Each page takes the font, one pixel smaller at a time (down to 9 pixels) until its
    // controls fit the room: a long translation is shown smaller rather than cut off.
    void FitPageFonts(const QFont& font);
    // The same for one page; gives the pixel size it took.
    int FitPageFont(int index, const QFont& font);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ArrangeTabs();

    QList<OptionsPage*> pages_;
    QList<QAbstractButton*> tabs_;
    QButtonGroup* tabGroup_ = nullptr;
    QStackedWidget* stack_ = nullptr;
};

// A titled group of choices of which one is chosen, like the platform's radio group:
// ItemIndex is the chosen one (-1 none). Only a click reports a choice; setting the
// index from the program does not. The items fill the columns row by row.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(int itemCount, QWidget* parent = nullptr, int columns = 1);

    void SetTexts(const QString& title, const QStringList& items);
    int ItemIndex() const;
    void SetItemIndex(int index);
    QRadioButton* Item(int index) const { return items_[index]; }
    int Count() const { return int(items_.size()); }
    // Lays the items out again in that many columns, row by row.
    void SetColumns(int columns);

signals:
    void ItemClicked(int index);

private:
    QList<QRadioButton*> items_;
    QButtonGroup* group_ = nullptr;
};

} // namespace vesrin
