#include "table/ScoreDisplays.h"

#include "table/PictureElement.h"
#include "table/ResourceLibrary.h"
#include "table/WordText.h"

#include <QPainter>

namespace vesrin {

namespace {

const OneBased<QPoint, 4> TrickSpotDesign = {QPoint(), QPoint(0, 50), QPoint(77, 0), QPoint(154, 50),
                                             QPoint(77, 100)};
const OneBased<OneBased<QPoint, 3>, 4> PassSpotDesign = {{
    {},
    {QPoint(), QPoint(1, 40), QPoint(1, 60), QPoint(1, 80)},
    {QPoint(), QPoint(75, 1), QPoint(95, 1), QPoint(115, 1)},
    {QPoint(), QPoint(189, 40), QPoint(189, 60), QPoint(189, 80)},
    {QPoint(), QPoint(75, 121), QPoint(95, 121), QPoint(115, 121)},
}};

QImage Builtin(const QString& name) {
    QImage picture;
    LoadPngFromLibrary(name, QString(), picture, LibraryPlaces{});
    return picture;
}

// A design rectangle (left, top, right, bottom) in pixels.
QRect ScaledField(const TableScale& scale, int left, int top, int right, int bottom) {
    const int l = scale.Len(left);
    const int t = scale.Len(top);
    return QRect(l, t, scale.Len(right) - l, scale.Len(bottom) - t);
}

} // namespace

QPoint TrickSpot(int seat, int faceInset, const TableScale& scale) {
    const QPoint design = TrickSpotDesign[std::size_t(std::clamp(seat, 1, 4))];
    return QPoint(scale.Len(design.x() + faceInset), scale.Len(design.y()));
}

QPoint PassSpot(int seat, int r, const TableScale& scale) {
    const QPoint design = PassSpotDesign[std::size_t(std::clamp(seat, 1, 4))][std::size_t(std::clamp(r, 1, 3))];
    return QPoint(scale.Len(design.x()), scale.Len(design.y()));
}

void ClearTableCentre(PictureElement& stol) {
    stol.CopyBackground();
    stol.Refresh();
}

void ClearTrickSpot(PictureElement& stol, int seat, const TableLook& look) {
    stol.CopyBackground(QRect(TrickSpot(seat, look.Cards.FaceInset, look.Scale),
                              QSize(look.Cards.CardWidth, look.Cards.CardHeight)));
    stol.Refresh();
}

QRect PassSpotsRect(int seat, const TableLook& look) {
    const QPoint first = PassSpot(seat, 1, look.Scale);
    const QPoint third = PassSpot(seat, 3, look.Scale);
    return QRect(first, QSize(third.x() - first.x() + look.Cards.CardWidth,
                              third.y() - first.y() + look.Cards.CardHeight));
}

void ClearPassSpot(PictureElement& stol, int seat, const TableLook& look) {
    stol.CopyBackground(PassSpotsRect(seat, look));
    stol.Refresh();
}

QString PassArrowPicture(int passDir) {
    switch (passDir) {
    case 1: return QStringLiteral("ArrowYLeft");
    case 2: return QStringLiteral("ArrowYRight");
    case 3: return QStringLiteral("ArrowYUp");
    default: return {};
    }
}

void DrawPassArrow(PictureElement& stol, int passDir, const TableScale& scale) {
    const QString name = PassArrowPicture(passDir);
    if (name.isEmpty()) return;
    QPainter p(&stol.Picture);
    p.drawImage(RoundHalfEven(stol.Picture.width() / 2.0) - 24, scale.Len(150), Builtin(name));
    p.end();
    stol.Refresh();
}

QString TabletTotalText(int total) {
    return total > 0 ? QStringLiteral("+") + QString::number(total) : QString::number(total);
}

QString TabletHandText(int points) { return QString::number(points); }

QRect TabletTotalField(const TableScale& scale) { return ScaledField(scale, 15, 15, 140, 46); }
QRect TabletLeadField(const TableScale& scale) { return ScaledField(scale, 15, 50, 50, 81); }
QRect TabletHandField(const TableScale& scale) { return ScaledField(scale, 105, 50, 140, 81); }

void ScoreTablet::ClearFieldRect(const QRect& field) {
    if (clean_.isNull()) {
        element_.CopyBackground(field);
        return;
    }
    QPainter p(&element_.Picture);
    p.drawImage(field.topLeft(), clean_, field);
}

void ScoreTablet::Draw(int seat, int leadSign, bool repaint, int handValue, int totalValue, bool resultsShown,
                       const TableLook& look) {
    const TableScale& scale = look.Scale;
    const bool small = scale.WindowSize == 1;
    QImage& picture = element_.Picture;
    if (repaint || clean_.size() != picture.size()) {
        element_.CopyBackground();
        QPainter p(&picture);
        const QImage tablet = Builtin(small ? QStringLiteral("TabloSm") : QStringLiteral("TabloBg"));
        if (small)
            p.drawImage(0, 0, tablet);
        else
            p.drawImage(picture.rect(), tablet);
        p.end();
        clean_ = picture.copy();
    }

    if (leadSign == 1) {
        QPainter p(&picture);
        const bool upright = seat == 1 || seat == 3;
        if (small) {
            // Image 1 of the two-picture strips.
            if (upright)
                p.drawImage(22, 49, Builtin(QStringLiteral("ImageList3")), 0, 0, 20, 30);
            else
                p.drawImage(18, 54, Builtin(QStringLiteral("ImageList3Add")), 0, 0, 30, 20);
        } else if (upright) {
            p.drawImage(ScaledField(scale, 23, 49, 43, 79), Builtin(QStringLiteral("Hand_Up")));
        } else {
            p.drawImage(ScaledField(scale, 18, 54, 48, 74), Builtin(QStringLiteral("Hand_Right")));
        }
    } else if (leadSign == 2) {
        ClearFieldRect(TabletLeadField(scale));
    }

    // A value field: cleared, and unless the value is the clear command, written in the
    // "decor" font centred between left and right.
    auto writeField = [&](const QRect& field, int value, const QString& text, int size, QColor colour, int left,
                          int right, int top) {
        if (value == KeepField) return;
        ClearFieldRect(field);
        if (value == ClearField) return;
        QPainter p(&picture);
        const QFont font = look.Fonts.Font(TextKind::Decor, look.Fonts.ScaleFontSize(scale.Len(size), TextKind::Decor));
        DrawTextAt(p, font, colour, CentredLeft(font, text, left, right), top, text);
    };
    writeField(TabletTotalField(scale), totalValue, TabletTotalText(totalValue), 30,
               resultsShown ? QColor(255, 0, 0) : QColor(255, 0, 255), 0, scale.Len(155), scale.Len(16));
    writeField(TabletHandField(scale), handValue, TabletHandText(handValue), 20, QColor(0, 0, 255), scale.Len(105),
               scale.Len(142), scale.Len(54));
    element_.Refresh();
}

void DrawScorePanel(PictureElement& panel, int handNo, int gameScore, Language language, const TableLook& look) {
    const TableScale& scale = look.Scale;
    QImage& picture = panel.Picture;
    const int width = picture.width();
    panel.CopyBackground();
    QPainter p(&picture);
    if (scale.WindowSize == 1)
        p.drawImage(0, 0, Builtin(QStringLiteral("RamkaABSm")));
    else
        p.drawImage(picture.rect(), Builtin(QStringLiteral("RamkaABBg")));

    const QString round = WordText(Word::FlowRound, language) + QStringLiteral(" ") + QString::number(handNo);
    const QFont roundFont = look.Fonts.Font(TextKind::Decor, look.Fonts.ScaleFontSize(scale.Len(24), TextKind::Decor));
    DrawTextAt(p, roundFont, QColor(0, 0, 255), CentredLeft(roundFont, round, 0, width), scale.Len(15), round);

    const QString score = QString::number(gameScore) + QStringLiteral(" $");
    const QFont scoreFont = look.Fonts.Font(TextKind::Decor, look.Fonts.ScaleFontSize(scale.Len(20), TextKind::Decor));
    DrawTextAt(p, scoreFont, QColor(255, 255, 0), CentredLeft(scoreFont, score, 0, width), scale.Len(120), score);

    const QImage bank = Builtin(QStringLiteral("GBank"));
    if (scale.Scale >= 2) {
        p.drawImage(RoundHalfEven((width - 150) / 2.0), scale.Len(45), bank);
    } else {
        const int side = RoundHalfEven(width - 35 * scale.Scale);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(RoundHalfEven((width - side) / 2.0), scale.Len(45), side, side), bank);
    }
    p.end();
    panel.Refresh();
}

PanelBalloon ScorePanelBalloon(PanelGameKind kind, int gameNo, int cycleGame, Language language) {
    const QString lineBreak = QStringLiteral("\n\r");
    const int inCycle = cycleGame % 20 == 0 ? 20 : cycleGame % 20;
    const QString first = WordText(Word::InfoGameNumber, language) + QStringLiteral(" ") + QString::number(gameNo);
    const QString cycle =
        WordText(Word::InfoGameInCycle, language) + QStringLiteral(" ") + QString::number(inCycle) + QStringLiteral(" / 20");
    const QString session = WordText(Word::InfoGameInSession, language) + QStringLiteral(" 1 / 1");
    QString text;
    switch (kind) {
    case PanelGameKind::Local: text = first + lineBreak + cycle; break;
    case PanelGameKind::Account:
    case PanelGameKind::Network: text = first + lineBreak + cycle + lineBreak + session; break;
    case PanelGameKind::Tournament: text = first + lineBreak + session; break;
    }
    return {WordText(Word::FlowCurrentGame, language), text};
}

} // namespace vesrin
