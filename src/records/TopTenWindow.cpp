#include "records/TopTenWindow.h"

#include "base/FileBytes.h"
#include "records/RecordsFile.h"
#include "records/WindowWords.h"

#include <QLabel>
#include <QPushButton>

namespace vesrin {

namespace {

constexpr int kWidth = 440;
constexpr int kRowHeight = 26;
const QColor kPodium(255, 0, 0);
const QColor kOthers(0, 0, 128);

} // namespace

TFormTopTen::TFormTopTen(RecordsWindowContext& context, QWidget* parent) : AuxWindow(context, {}, parent) {
    title_ = new QLabel(Content());
    title_->setAlignment(Qt::AlignCenter);
    // The list stands on a light sheet, so red and navy read in every design.
    sheet_ = new QWidget(Content());
    sheet_->setAutoFillBackground(true);
    QPalette paper = sheet_->palette();
    paper.setColor(QPalette::Window, QColor(255, 255, 240));
    sheet_->setPalette(paper);
    nameTitle_ = new QLabel(sheet_);
    scoreTitle_ = new QLabel(sheet_);
    scoreTitle_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    message_ = new QLabel(sheet_);
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignCenter);
    for (Row& row : rows_) {
        row.Place = new QLabel(sheet_);
        row.Place->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.Name = new QLabel(sheet_);
        row.Score = new QLabel(sheet_);
        row.Score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    ok_ = MakeOkButton();
}

QString TFormTopTen::HeaderWord() const {
    return WordText(settings(), Word::MainTopTen);
}

QString TFormTopTen::Title() const {
    return title_->text();
}
QString TFormTopTen::PlaceText(int place) const {
    return rows_[std::size_t(place - 1)].Place->text();
}
QString TFormTopTen::NameText(int place) const {
    return rows_[std::size_t(place - 1)].Name->text();
}
QString TFormTopTen::ScoreText(int place) const {
    return rows_[std::size_t(place - 1)].Score->text();
}
QColor TFormTopTen::PlaceColour(int place) const {
    return rows_[std::size_t(place - 1)].Name->palette().color(QPalette::WindowText);
}
QString TFormTopTen::FileMessage() const {
    return message_->isHidden() ? QString() : message_->text();
}

void TFormTopTen::SetTexts() {
    const Settings& s = settings();
    const bool net = s.NetMode;
    setWindowTitle(WordText(s, Word::MainTopTen));
    title_->setText(WordText(s, net ? Word::FixedTitleNetGames : Word::FixedTitleLocalGames));
    StyleLabel(*title_, 20, true);
    title_->setGeometry(10, 0, kWidth - 20, 30);

    const int sheetWidth = kWidth - 20;
    const int sheetHeight = (Places + 1) * kRowHeight + 16;
    sheet_->setGeometry(10, 36, sheetWidth, sheetHeight);
    nameTitle_->setText(WordText(s, Word::MainTopTen));
    scoreTitle_->setText(WordText(s, Word::MenuScore));
    for (QLabel* heading : {nameTitle_, scoreTitle_}) StyleLabel(*heading, 17, true, QColor(0, 0, 0));
    nameTitle_->setGeometry(60, 6, 220, kRowHeight);
    scoreTitle_->setGeometry(sheetWidth - 130, 6, 110, kRowHeight);

    const auto file = RecordsFilePath(context_.ProgramFolder, net);
    const auto bytes = ReadFileBytes(file);
    const auto records = bytes ? ParseRecordsFile(*bytes) : std::nullopt;
    message_->setVisible(!records);
    if (!records) {
        message_->setText(WordText(s, bytes ? Word::FileIncorrect : Word::FileCantFind) + QStringLiteral(" \"") +
                          QString::fromStdString(file.string()) + QStringLiteral("\"!"));
        StyleLabel(*message_, 16, true, QColor(128, 0, 0));
        message_->setGeometry(10, kRowHeight + 10, sheetWidth - 20, sheetHeight - kRowHeight - 20);
    }
    for (int place = 1; place <= Places; ++place) {
        Row& row = rows_[std::size_t(place - 1)];
        const std::string& line = records ? records->TopTen[std::size_t(place - 1)] : std::string();
        const QColor colour = place <= 3 ? kPodium : kOthers;
        row.Place->setText(records ? QStringLiteral("%1.").arg(place) : QString());
        row.Name->setText(records ? FileText(line.substr(0, 20)).trimmed() : QString());
        row.Score->setText(records ? FileText(line.substr(20, 6)).trimmed() : QString());
        const int top = 6 + place * kRowHeight;
        for (QLabel* cell : {row.Place, row.Name, row.Score}) StyleLabel(*cell, 17, place <= 3, colour);
        row.Place->setGeometry(10, top, 40, kRowHeight);
        row.Name->setGeometry(60, top, 240, kRowHeight);
        row.Score->setGeometry(sheetWidth - 130, top, 110, kRowHeight);
    }

    PlaceOkButtonLast(*ok_, kWidth, 36 + sheetHeight + 12);
}

void ShowLocalTopTen(QWidget* parent, RecordsWindowContext& context) {
    TFormTopTen window(context, parent);
    window.exec();
}

} // namespace vesrin
