#include "records/CountWindow.h"

#include "records/WindowWords.h"

#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QPushButton>

namespace vesrin {

namespace {

constexpr int kWidth = 470;
constexpr int kRowHeight = 30;
constexpr int kPictureSize = 64;

} // namespace

QStringList CountKindPictures(GameKind kind, bool purple) {
    const QString family = purple ? QStringLiteral("Gif") : QStringLiteral("GClub");
    QStringList letters;
    switch (kind) {
    case GameKind::Account: letters = {QStringLiteral("A"), QStringLiteral("B")}; break;
    case GameKind::Local: letters = {QStringLiteral("C"), QStringLiteral("F")}; break;
    case GameKind::Tournament: letters = {QStringLiteral("E")}; break;
    case GameKind::Network: letters = {QStringLiteral("G")}; break;
    }
    QStringList names;
    for (const QString& letter : letters) names << family + letter;
    return names;
}

QString AccountLampPicture(int accountState) {
    switch (accountState) {
    case 3: return QStringLiteral("LampG24");
    case 2: return QStringLiteral("LampY24");
    default: return QStringLiteral("LampR24");
    }
}

TFormCount::TFormCount(RecordsWindowContext& context, const GameCountsView& game, QWidget* parent)
    : AuxWindow(context, {}, parent), game_(game) {
    for (int row = 0; row < Rows; ++row) {
        labels_[std::size_t(row)] = new QLabel(Content());
        values_[std::size_t(row)] = new QLabel(Content());
        values_[std::size_t(row)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (auto& picture : kindPictures_) {
        picture = new QLabel(Content());
        picture->setAlignment(Qt::AlignCenter);
    }
    emblem_ = new QLabel(Content());
    ok_ = MakeOkButton();
}

QString TFormCount::HeaderWord() const {
    return WordText(settings(), Word::InfoCaption);
}

QString TFormCount::LabelText(int row) const {
    return labels_[std::size_t(row)]->text();
}

QString TFormCount::ValueText(int row) const {
    return values_[std::size_t(row)]->text();
}

void TFormCount::SetTexts() {
    setWindowTitle(WordText(settings(), Word::InfoCaption));
    const Word rows[Rows] = {Word::InfoGameNumber,   Word::InfoGameInCycle,   Word::InfoInitialScore,
                             Word::InfoCurrentScore, Word::InfoGeneralScore,  Word::InfoInitialRating,
                             Word::InfoCurrentRating};
    const TCount count = MakeCountTexts(game_.Counts);
    const std::string* values[Rows] = {&count.Count_KonAll, &count.Count_KonCur, &count.Count_ScoBeg,
                                       &count.Count_ScoCur, &count.Count_ScoAll, &count.Count_ReiBeg,
                                       &count.Count_ReiCur};
    const int valueWidth = 90;
    const int textLeft = 10 + kPictureSize + 16;
    const int labelWidth = kWidth - textLeft - valueWidth - 10;
    for (int row = 0; row < Rows; ++row) {
        QLabel& label = *labels_[std::size_t(row)];
        QLabel& value = *values_[std::size_t(row)];
        label.setText(WordText(settings(), rows[row]));
        value.setText(QString::fromStdString(*values[row]).trimmed());
        StyleLabel(label, 17);
        StyleLabel(value, 18, true, Design().Look == AuxLook::Purple ? QColor() : QColor(0, 0, 128));
        // A long label keeps its whole text: the font gives way before the value column.
        label.setFont(FitFontToWidth(label.font(), label.text(), labelWidth));
        label.setGeometry(textLeft, row * kRowHeight, labelWidth, kRowHeight);
        value.setGeometry(kWidth - 10 - valueWidth, row * kRowHeight, valueWidth, kRowHeight);
    }

    // The kind of game and the account state in pictures, down the left edge.
    const bool purple = Design().Look == AuxLook::Purple;
    shownPictures_ = CountKindPictures(game_.Counts.Kind, purple);
    for (std::size_t i = 0; i < kindPictures_.size(); ++i) {
        QLabel& picture = *kindPictures_[i];
        picture.setGeometry(10, int(i) * (kPictureSize + 8), kPictureSize, kPictureSize);
        picture.setVisible(i < std::size_t(shownPictures_.size()));
        if (i >= std::size_t(shownPictures_.size())) continue;
        const QString& name = shownPictures_[qsizetype(i)];
        auto* movie = new QMovie(&picture);
        if (purple && LoadGifFromLibrary(name, QString::fromLatin1(kGraphicsLibraryName), *movie, context_.Libraries)) {
            picture.setMovie(movie);
            movie->start();
        } else {
            delete movie;
            // Without the library's animation the built-in picture of the same kind stands in.
            const QString builtIn = purple ? QStringLiteral("GClub") + name.mid(3) : name;
            if (purple) shownPictures_[qsizetype(i)] = builtIn;
            picture.setPixmap(QPixmap::fromImage(BuiltInPicture(builtIn)));
        }
    }
    QImage emblem = BuiltInPicture(QStringLiteral("Account48"));
    if (!emblem.isNull()) {
        QPainter painter(&emblem);
        painter.drawImage(24, 0, BuiltInPicture(AccountLampPicture(game_.AccountState)));
    }
    emblem_->setPixmap(QPixmap::fromImage(emblem));
    emblem_->setGeometry(10 + (kPictureSize - 48) / 2, 2 * (kPictureSize + 8), 48, 48);

    PlaceOkButtonLast(*ok_, kWidth, Rows * kRowHeight + 12);
}

void ShowGameCounts(QWidget* parent, RecordsWindowContext& context, const GameCountsView& game) {
    TFormCount window(context, game, parent);
    window.exec();
}

} // namespace vesrin
