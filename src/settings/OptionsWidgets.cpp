#include "settings/OptionsWidgets.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLayout>
#include <QPainter>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vesrin {

namespace {

constexpr QRgb kGradientTop = qRgb(200, 180, 255);
constexpr QRgb kGradientBottom = qRgb(240, 220, 255);
constexpr int kTabHeight = 22;

int Blend(int top, int bottom, int row, int span) {
    if (span <= 0) return top;
    return top + (bottom - top) * row / span;
}

} // namespace

QColor PageGradientColour(int row, int height) {
    const int span = height - 1;
    return QColor(Blend(qRed(kGradientTop), qRed(kGradientBottom), row, span),
                  Blend(qGreen(kGradientTop), qGreen(kGradientBottom), row, span),
                  Blend(qBlue(kGradientTop), qBlue(kGradientBottom), row, span));
}

OptionsPage::OptionsPage(QWidget* parent) : QWidget(parent) {}

void OptionsPage::SetGradient(bool on) {
    gradient_ = on;
    update();
}

void OptionsPage::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!gradient_) return;
    QPainter painter(this);
    for (int row = 0; row < height(); ++row) {
        painter.setPen(PageGradientColour(row, height()));
        painter.drawLine(0, row, width() - 1, row);
    }
}

PageControl::PageControl(int pageCount, QWidget* parent) : QWidget(parent) {
    tabGroup_ = new QButtonGroup(this);
    tabGroup_->setExclusive(true);
    stack_ = new QStackedWidget(this);
    stack_->setFrameShape(QFrame::StyledPanel);
    for (int i = 0; i < pageCount; ++i) {
        auto* tab = new QToolButton(this);
        tab->setCheckable(true);
        tab->setAutoRaise(false);
        tab->setToolButtonStyle(Qt::ToolButtonTextOnly);
        tab->setObjectName(QStringLiteral("PageTab"));
        tabGroup_->addButton(tab, i);
        tabs_.push_back(tab);
        auto* page = new OptionsPage(stack_);
        stack_->addWidget(page);
        pages_.push_back(page);
    }
    if (!tabs_.isEmpty()) tabs_.front()->setChecked(true);
    connect(tabGroup_, &QButtonGroup::idClicked, this, [this](int id) { stack_->setCurrentIndex(id); });
}

void PageControl::SetTitles(const QStringList& titles) {
    for (int i = 0; i < tabs_.size() && i < titles.size(); ++i) tabs_[i]->setText(titles[i]);
    ArrangeTabs();
}

QString PageControl::Title(int index) const { return tabs_[index]->text(); }

int PageControl::CurrentIndex() const { return stack_->currentIndex(); }

void PageControl::SetCurrentIndex(int index) {
    if (index < 0 || index >= Count()) return;
    tabs_[index]->setChecked(true);
    stack_->setCurrentIndex(index);
}

QSize PageControl::PageSize() const { return stack_->contentsRect().size(); }

int PageControl::FitPageFont(int index, const QFont& font) {
    const QSize room = PageSize();
    OptionsPage* page = pages_[index];
    QFont fitted = font;
    page->setFont(fitted);
    QLayout* layout = page->layout();
    if (!layout) return fitted.pixelSize();
    while (fitted.pixelSize() > 9) {
        layout->invalidate();
        const QSize minimum = layout->totalMinimumSize();
        const int height = layout->hasHeightForWidth() ? layout->totalHeightForWidth(room.width()) : minimum.height();
        if (minimum.width() <= room.width() && std::max(height, minimum.height()) <= room.height()) break;
        fitted.setPixelSize(fitted.pixelSize() - 1);
        page->setFont(fitted);
    }
    return fitted.pixelSize();
}

void PageControl::FitPageFonts(const QFont& font) {
    for (int i = 0; i < Count(); ++i) FitPageFont(i, font);
}

void PageControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ArrangeTabs();
}

// The tabs stand in as few rows as their natural widths allow, spread evenly over the
// rows, and each row is widened to span the whole control, as a multi-line tab control does.
void PageControl::ArrangeTabs() {
    const int available = std::max(1, width());
    QList<int> natural;
    for (QAbstractButton* tab : tabs_) natural.push_back(QFontMetrics(tab->font()).horizontalAdvance(tab->text()) + 16);
    auto split = [&](int rowCount) {
        QList<QList<int>> rows;
        const int count = int(tabs_.size());
        int next = 0;
        for (int r = 0; r < rowCount; ++r) {
            const int size = (count - next + (rowCount - r) - 1) / (rowCount - r);
            QList<int> row;
            for (int i = 0; i < size; ++i) row.push_back(next++);
            rows.push_back(row);
        }
        return rows;
    };
    auto fits = [&](const QList<QList<int>>& rows) {
        for (const QList<int>& row : rows) {
            int sum = 0;
            for (int i : row) sum += natural[i];
            if (sum > available) return false;
        }
        return true;
    };
    QList<QList<int>> rows;
    for (int rowCount = 1; rowCount <= std::max(1, int(tabs_.size())); ++rowCount) {
        rows = split(rowCount);
        if (fits(rows)) break;
    }
    int top = 0;
    for (const QList<int>& row : rows) {
        int naturalSum = 0;
        for (int i : row) naturalSum += natural[i];
        int left = 0;
        for (int n = 0; n < row.size(); ++n) {
            const int i = row[n];
            const int width = n + 1 == row.size() ? available - left : natural[i] * available / std::max(1, naturalSum);
            tabs_[i]->setGeometry(left, top, width, kTabHeight);
            left += width;
        }
        top += kTabHeight;
    }
    stack_->setGeometry(0, top, available, std::max(1, height() - top));
}

RadioGroup::RadioGroup(int itemCount, QWidget* parent, int columns) : QGroupBox(parent) {
    group_ = new QButtonGroup(this);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 2, 4, 2);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(1);
    for (int i = 0; i < itemCount; ++i) {
        auto* item = new QRadioButton(this);
        group_->addButton(item, i);
        items_.push_back(item);
    }
    SetColumns(columns);
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::ItemClicked);
}

void RadioGroup::SetColumns(int columns) {
    auto* layout = static_cast<QGridLayout*>(this->layout());
    columns = std::max(1, columns);
    for (QRadioButton* item : items_) layout->removeWidget(item);
    for (int i = 0; i < items_.size(); ++i) layout->addWidget(items_[i], i / columns, i % columns);
    for (int c = 0; c < layout->columnCount(); ++c) layout->setColumnStretch(c, c < columns ? 1 : 0);
}

void RadioGroup::SetTexts(const QString& title, const QStringList& items) {
    setTitle(title);
    for (int i = 0; i < items_.size() && i < items.size(); ++i) items_[i]->setText(items[i]);
}

int RadioGroup::ItemIndex() const { return group_->checkedId(); }

void RadioGroup::SetItemIndex(int index) {
    if (index >= 0 && index < items_.size()) {
        items_[index]->setChecked(true);
        return;
    }
    // No choice: an exclusive group keeps one button checked, so lift it for a moment.
    group_->setExclusive(false);
    for (QRadioButton* item : items_) item->setChecked(false);
    group_->setExclusive(true);
}

} // namespace vesrin
