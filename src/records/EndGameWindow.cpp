#include "records/EndGameWindow.h"

#include "records/WindowWords.h"

#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QPushButton>

namespace vesrin {

namespace {

constexpr int kWidth = 560;
constexpr int kAnimationWidth = 200;
constexpr int kAnimationHeight = 150;
constexpr int kLineHeight = 34;
constexpr int kCoinSize = 96;

Word RankTitle(GameKind kind) {
    switch (kind) {
    case GameKind::Network: return Word::EndBachelor;
    case GameKind::Account: return Word::EndVicePresident;
    default: return Word::EndMaster;
    }
}

} // namespace

TFormEndGame::TFormEndGame(RecordsWindowContext& context, const CycleReport& report, QWidget* parent)
    : AuxWindow(context, {QStringLiteral("GFormEndG"), QStringLiteral("EndGame")}, parent), report_(report) {
    animation_ = new QLabel(Content());
    animation_->setAlignment(Qt::AlignCenter);
    movie_ = new QMovie(animation_);
    medal_ = new QLabel(Content());
    emblem_ = new QLabel(Content());
    for (auto& line : lines_) {
        line = new QLabel(Content());
        line->setAlignment(Qt::AlignCenter);
    }
    coin_ = new QLabel(Content());
    bonusText_ = new QLabel(Content());
    bonusText_->setAlignment(Qt::AlignCenter);
    coinLettered_ = new QLabel(Content());
    ok_ = MakeOkButton();
    // A place reached is celebrated once; a missed one keeps raining.
    connect(movie_, &QMovie::frameChanged, this, [this](int frame) {
        if (!AnimationLoops() && movie_->frameCount() > 0 && frame == movie_->frameCount() - 1)
            movie_->setPaused(true);
    });
}

QString TFormEndGame::HeaderWord() const {
    return WordText(settings(), Word::EndCaption);
}

QString TFormEndGame::AnimationName() const {
    if (report_.Place == 1) return QStringLiteral("GEndBest");
    return MedalPlace() ? QStringLiteral("GEndGood") : QStringLiteral("GEndBads");
}

QString TFormEndGame::SoundName() const {
    if (report_.Place == 1) return QStringLiteral("WFiBest");
    return MedalPlace() ? QStringLiteral("WFiGood") : QStringLiteral("WFiBads");
}

bool TFormEndGame::ShowsBonus() const {
    return report_.Kind == GameKind::Account && report_.Bonus > 0;
}

QStringList TFormEndGame::Lines() const {
    QStringList shown;
    for (const QLabel* line : lines_) shown << line->text();
    if (ShowsBonus()) shown << bonusText_->text();
    return shown;
}

void TFormEndGame::setVisible(bool visible) {
    const bool opening = visible && !isVisible();
    AuxWindow::setVisible(visible);
    if (opening && !sounded_) {
        sounded_ = true;
        context_.Sound(SoundName().toStdString());
    }
}

void TFormEndGame::SetTexts() {
    const Settings& s = settings();
    setWindowTitle(WordText(s, Word::EndCaption));
    const int place = MedalPlace();
    const QString score = WordText(s, Word::EndResult) + QString::number(report_.Score);
    if (report_.Place == 1) {
        lines_[0]->setText(WordText(s, Word::EndCongratulations));
        lines_[1]->setText(WordText(s, Word::EndResultBest));
        lines_[2]->setText(score);
        lines_[3]->setText(WordText(s, RankTitle(report_.Kind)));
    } else if (place) {
        lines_[0]->setText(WordText(s, Word::EndCongratulations));
        lines_[1]->setText(WordText(s, Word::EndResultGood));
        lines_[2]->setText(score);
        lines_[3]->setText(WordText(s, Word::EndInTopTen));
    } else {
        lines_[0]->setText(WordText(s, Word::EndRegrets));
        lines_[1]->setText(WordText(s, Word::EndResultWishBetter));
        lines_[2]->setText(report_.Kind == GameKind::Account
                               ? score + QStringLiteral(" ; ") + WordText(s, Word::EndPlace) +
                                     QString::number(report_.WorldPlace)
                               : score);
        lines_[3]->setText(WordText(s, Word::EndNotInTopTen));
    }

    // The animation at the left, the medal at the right, the account emblem between.
    // Without a medal the animation stands in the middle.
    animation_->setGeometry(place ? 20 : (kWidth - kAnimationWidth) / 2, 0, kAnimationWidth, kAnimationHeight);
    movie_->stop();
    if (LoadGifFromLibrary(AnimationName(), QString(), *movie_, LibraryPlaces{})) {
        animation_->setMovie(movie_);
        movie_->start();
    }
    medal_->setVisible(place != 0);
    if (place) {
        QImage medal = BuiltInPicture(QStringLiteral("GMedal"));
        if (!medal.isNull()) {
            QPainter painter(&medal);
            painter.drawImage(0, 0, BuiltInPicture(QStringLiteral("GPlace%1").arg(place, 2, 10, QLatin1Char('0'))));
        }
        medal_->setPixmap(QPixmap::fromImage(medal));
        medal_->setGeometry(kWidth - 40 - medal.width(), 15, medal.width(), medal.height());
    }
    emblem_->setVisible(report_.Kind == GameKind::Account);
    emblem_->setPixmap(QPixmap::fromImage(BuiltInPicture(QStringLiteral("Account48"))
                                              .scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    emblem_->setGeometry(place ? kWidth / 2 - 16 : kWidth - 20 - 32, 10, 32, 32);

    int top = kAnimationHeight + 10;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        QLabel& line = *lines_[i];
        const bool first = i == 0;
        StyleLabel(line, first ? 26 : 20, true,
                   first && Design().Look != AuxLook::Purple ? QColor(200, 0, 0) : QColor());
        line.setFont(FitFontToWidth(line.font(), line.text(), kWidth - 20));
        line.setGeometry(10, top, kWidth - 20, kLineHeight);
        top += kLineHeight;
    }

    const bool bonus = ShowsBonus();
    for (QLabel* part : {coin_, bonusText_, coinLettered_}) part->setVisible(bonus);
    if (bonus) {
        top += 6;
        QImage coin = BuiltInPicture(QStringLiteral("GQors128"));
        if (!coin.isNull()) {
            QPainter painter(&coin);
            painter.setFont(ScaledKindFont(s, FontKind::Serif, 54, true));
            painter.setPen(QColor(120, 80, 0));
            painter.drawText(coin.rect(), Qt::AlignCenter, QString::number(report_.Bonus));
        }
        const auto scaled = [](const QImage& picture) {
            return QPixmap::fromImage(picture.scaled(kCoinSize, kCoinSize, Qt::KeepAspectRatio,
                                                     Qt::SmoothTransformation));
        };
        coin_->setPixmap(scaled(coin));
        coin_->setGeometry(30, top, kCoinSize, kCoinSize);
        coinLettered_->setPixmap(scaled(BuiltInPicture(QStringLiteral("GQorsT128"))));
        coinLettered_->setGeometry(kWidth - 30 - kCoinSize, top, kCoinSize, kCoinSize);
        bonusText_->setText(QStringLiteral("%1 %2 %3!!!")
                                .arg(WordText(s, Word::EndYouGet))
                                .arg(report_.Bonus)
                                .arg(WordText(s, Word::EndQors)));
        StyleLabel(*bonusText_, 22, true);
        bonusText_->setGeometry(40 + kCoinSize, top, kWidth - 2 * (40 + kCoinSize), kCoinSize);
        top += kCoinSize;
    }

    PlaceOkButtonLast(*ok_, kWidth, top + 12);
}

void ShowCycleReport(QWidget* parent, RecordsWindowContext& context, const CycleReport& report) {
    TFormEndGame window(context, report, parent);
    window.exec();
}

} // namespace vesrin
