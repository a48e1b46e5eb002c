#include "app/TableView.h"

#include "app/TForm1.h"
#include "table/WordText.h"
#include "engine/Seats.h"
#include "table/CardPainter.h"
#include "table/HandPicture.h"
#include "table/NamePlate.h"
#include "table/ResourceNames.h"

#include <QDate>
#include <QPainter>

namespace vesrin {

namespace {


} // namespace

TableView::TableView(TForm1& window, ProgramContext& context) : window_(window), context_(context) {
    tablets_.push_back(nullptr);
    for (int seat = 1; seat <= 4; ++seat) tablets_.push_back(std::make_unique<ScoreTablet>(*window_.ImageTab[seat]));
}

TableView::~TableView() = default;

TableLook TableView::Look() const { return {context_.Scale, context_.Stores, context_.Cards, context_.Fonts}; }

QPoint TableView::HandOrigin(int seat) const {
    const Area& area = layout_.HandArea[seat];
    return QPoint(area.Left, area.Top);
}

int TableView::HandCentre(int seat) const {
    const Area& area = layout_.HandArea[seat];
    return RoundHalfEven(area.Left + (area.Right - area.Left) / 2.0 - context_.Cards.CardWidth / 2.0);
}

QPoint TableView::PitchRightOfHand(int seat, int r) const {
    const HandXList& x = handX_[seat];
    return HandOrigin(seat) + QPoint(x[13 - r] + x[10] - x[9], 0);
}

QPoint TableView::TrickSpotOnWindow(int seat) const {
    return layout_.Stol.topLeft() + TrickSpot(seat, context_.Cards.FaceInset, context_.Scale);
}

CardCode TableView::TableCardOfSeat(int seat) const {
    const GameState& s = context_.State;
    const int pos = WrapSeat(seat - s.PrevLeader + 1);
    if (s.Phase >= 1 && s.Phase <= 4) return s.Trick[pos];
    if (s.Phase == PhaseOf::TrickFull) return s.LastTrick[pos];
    return EmptySlot;
}

void TableView::LayoutTable() {
    const GameState& s = context_.State;
    layout_ = vesrin::LayoutTable(context_.Scale, context_.Cards.CardHeight, s.NetMode || s.TourMode);
    for (int seat = 1; seat <= 4; ++seat) {
        window_.ImageCards[seat]->Place(layout_.HandArea[seat].Rect());
        window_.ImageTab[seat]->Place(layout_.TabArea[seat].Rect());
        window_.ImageSay[seat]->Place(layout_.PlateArea[seat].Rect());
    }
    window_.ImageKoloda->Place(layout_.Koloda);
    window_.ImageStol->Place(layout_.Stol);
    window_.ImageKon->Place(layout_.Kon);
    window_.ImageMemo->Place(layout_.Memo);
}

void TableView::DrawHandOf(int seat) {
    const GameState& s = context_.State;
    const bool faceUp = seat == LocalSeat || s.OtherHandsFaceUp || handsShownAtEnd_;
    handX_[seat] = DrawHand(*window_.ImageCards[seat], s.HandCards[seat], s.HandCount[seat], faceUp, Look());
    window_.ImageCards[seat]->Refresh();
}

void TableView::PrepareTableForHand() {
    GameState& s = context_.State;
    PictureLoader loader(context_.Stores, context_.Cards, context_.Choice, context_.Places, {});
    loader.ChooseBackPicture(QDate::currentDate());
    window_.Quit->setEnabled(true);
    window_.GenCount->setEnabled(true);
    window_.ChangeName->setEnabled(s.IsLocalGame() && s.AccountState != 3);
    handsShownAtEnd_ = false;
    window_.LayoutTable();
    for (int seat = 1; seat <= 4; ++seat) {
        window_.ImageCards[seat]->show();
        window_.ImageTab[seat]->show();
        window_.ImageSay[seat]->show();
    }
    window_.ImageStol->show();
    window_.ImageKon->show();
    vesrin::ClearTableCentre(*window_.ImageStol);
    for (int seat = 1; seat <= 4; ++seat) {
        window_.ImageSay[seat]->CopyBackground();
        window_.ImageSay[seat]->Refresh();
        window_.ImageCards[seat]->CopyBackground();
        window_.ImageCards[seat]->Refresh();
    }
}

ProfileFigures TableView::LoadProfileFigures(int profileSlot) {
    if (context_.Hooks.LoadProfile) return context_.Hooks.LoadProfile(profileSlot);
    ProfileFigures figures;
    figures.Name = context_.Options.DefaultPlayerName;
    return figures;
}

void TableView::DrawPassArrow(int passDir) { vesrin::DrawPassArrow(*window_.ImageStol, passDir, context_.Scale); }

void TableView::DrawNamePlates() {
    for (int seat = 1; seat <= 4; ++seat) DrawNamePlate(seat, NamePlateStyle::Yellow);
}

void TableView::DrawNamePlate(int seat, NamePlateStyle style) {
    if (seat < 1 || seat > 4) return;
    const QString name = FileText(context_.State.SeatNames[seat]).trimmed();
    vesrin::DrawNamePlate(*window_.ImageSay[seat], name, style == NamePlateStyle::Red ? 'r' : 'y', context_.Scale,
                          context_.Fonts);
}

PanelBalloon TableView::PanelHint() const {
    const GameState& s = context_.State;
    PanelGameKind kind = PanelGameKind::Local;
    if (s.TourMode)
        kind = PanelGameKind::Tournament;
    else if (s.NetMode)
        kind = PanelGameKind::Network;
    else if (s.AccountState == 3)
        kind = PanelGameKind::Account;
    const Language language = LanguageFromIndex(context_.Options.Language).value_or(Language::English);
    return ScorePanelBalloon(kind, s.GameNo, s.GameNo, language);
}

void TableView::HandOnShow() {
    // "Game: N / 20": the game of the cycle; a tournament plays one game.
    const GameState& s = context_.State;
    const Language language = LanguageFromIndex(context_.Options.Language).value_or(Language::English);
    window_.ImageKon->setToolTip(QStringLiteral("%1: %2 / %3")
                                     .arg(WordText(Word::FlowGame1, language))
                                     .arg(s.GameNo)
                                     .arg(s.TourMode ? 1 : 20));
}

void TableView::ButtonsChanged() { window_.ShowStepButtons(); }
void TableView::HeartbeatChanged() { window_.SetHeartbeat(); }
void TableView::RefreshCursor() { window_.RefreshCursor(); }
void TableView::ShowClickEffect() { window_.ShowClickEffect(); }

void TableView::HandChanged(int seat) {
    if (seat >= 1 && seat <= 4) DrawHandOf(seat);
}

void TableView::InvertCardSelection(int slot) {
    PictureElement& hand = *window_.ImageCards[LocalSeat];
    vesrin::InvertCardSelection(hand.Picture, handX_[LocalSeat], slot, context_.State.HandCount[LocalSeat],
                                context_.Cards, context_.Scale.Scale);
    hand.Refresh();
}

void TableView::ShowAllHandsFaceUp() {
    handsShownAtEnd_ = true;
    for (int seat = 1; seat <= 4; ++seat) DrawHandOf(seat);
}

void TableView::ClearTableCentre() { vesrin::ClearTableCentre(*window_.ImageStol); }

void TableView::RefreshTableCentre() { window_.ImageStol->Refresh(); }

void TableView::DrawScoreTablet(int seat, int leadSign, bool repaint, int handValue, int totalValue) {
    if (seat < 1 || seat > 4) return;
    tablets_[std::size_t(seat)]->Draw(seat, leadSign, repaint, handValue, totalValue, context_.State.ResultsShown,
                                      Look());
}

void TableView::DrawScorePanel() {
    const Language language = LanguageFromIndex(context_.Options.Language).value_or(Language::English);
    vesrin::DrawScorePanel(*window_.ImageKon, context_.State.HandNo, context_.State.GameScore, language, Look());
}

void TableView::PlaceStepButtons() {
    const StepButtonPlaces places = vesrin::PlaceStepButtons(context_.Scale);
    window_.Button7->setGeometry(places.Button7);
    window_.Button8->setGeometry(places.Button8);
}

void TableView::DrawOnTable(const QPoint& spot, const CardCode& card) {
    PictureElement& stol = *window_.ImageStol;
    QPainter p(&stol.Picture);
    DrawCard(p, spot.x(), spot.y(), card.Bytes(), context_.Stores, context_.Cards, context_.Scale.Scale);
    p.end();
    stol.Refresh();
}

void TableView::DrawBackOnTable(const QPoint& spot) {
    PictureElement& stol = *window_.ImageStol;
    QPainter p(&stol.Picture);
    DrawBack(p, spot.x(), spot.y(), context_.Stores, context_.Cards, context_.Scale.Scale);
    p.end();
    stol.Refresh();
}

void TableView::Fly(QPoint start, QPoint target, const std::string& code) {
    if (context_.InstantFlights) return;
    CardFlight& flight = window_.Flights();
    flight.Speed = context_.Options.Speed;
    flight.FlyCard(start, target, code, false, Look());
}

void TableView::PassCardGiven(int giver, int r, int slotBefore) {
    if (giver < 1 || giver > 4 || r < 1 || r > 3) return;
    const HandXList before = handX_[giver];
    DrawHandOf(giver);
    const QPoint start = giver == LocalSeat ? HandOrigin(giver) + QPoint(before[std::clamp(slotBefore, 1, 36)], 0)
                                            : PitchRightOfHand(giver, r);
    const QPoint spot = PassSpot(giver, r, context_.Scale);
    Fly(start, layout_.Stol.topLeft() + spot, "00");
    DrawBackOnTable(spot);
    window_.Flights().Finish();
}

void TableView::PassCardReceived(int giver, int r, int receiver, int slotAfter) {
    if (giver < 1 || giver > 4 || receiver < 1 || receiver > 4 || r < 1 || r > 3) return;
    const GameState& s = context_.State;
    PictureElement& stol = *window_.ImageStol;
    ClearPassSpot(stol, giver, Look());
    for (int left = 1; left < r; ++left) DrawBackOnTable(PassSpot(giver, left, context_.Scale));

    const QPoint start = layout_.Stol.topLeft() + PassSpot(giver, r, context_.Scale);
    QPoint target;
    std::string code = "00";
    if (receiver == LocalSeat) {
        const HandXList spread =
            SpreadHand(0, window_.ImageCards[LocalSeat]->Picture.width(), s.HandCount[LocalSeat], context_.Cards.CardWidth);
        const int slot = std::clamp(slotAfter, 1, 36);
        target = HandOrigin(LocalSeat) + QPoint(spread[slot], 0);
        code = s.HandCards[LocalSeat][std::clamp(slotAfter, 1, CardsPerHand)].Bytes();
    } else {
        target = PitchRightOfHand(receiver, r);
    }
    Fly(start, target, code);
    DrawHandOf(receiver);
    window_.Flights().Finish();
}

void TableView::CardPlayed(int seat, int slotBefore, CardCode card) {
    if (seat < 1 || seat > 4) return;
    const HandXList before = handX_[seat];
    DrawHandOf(seat);
    const QPoint spot = TrickSpot(seat, context_.Cards.FaceInset, context_.Scale);
    if (context_.State.CardFlight) {
        const QPoint start = seat == LocalSeat
                                 ? HandOrigin(seat) + QPoint(before[std::clamp(slotBefore, 1, 36)], 0)
                                 : QPoint(HandCentre(seat), layout_.HandArea[seat].Top);
        Fly(start, layout_.Stol.topLeft() + spot, card.Bytes());
    }
    DrawOnTable(spot, card);
    window_.Flights().Finish();
}

void TableView::SweepTrick(int winner) {
    const GameState& s = context_.State;
    const TableLook look = Look();
    for (int seat = 1; seat <= 4; ++seat) ClearTrickSpot(*window_.ImageStol, seat, look);
    if (context_.InstantFlights) return;

    const int w = context_.Cards.CardWidth;
    const int h = context_.Cards.CardHeight;
    QPoint target;
    switch (winner) {
    case 1: target = QPoint(-w, layout_.HandArea[1].Top); break;
    case 2: target = QPoint(HandCentre(2), -h); break;
    case 3: target = QPoint(context_.Scale.TableWidth + w, layout_.HandArea[3].Top); break;
    default: target = QPoint(HandCentre(4), context_.Scale.TableHeight); break;
    }
    std::array<FlyingCard, 12> cards;
    for (int seat = 1; seat <= 4; ++seat) {
        FlyingCard& card = cards[std::size_t(seat - 1)];
        card.Code = s.LastTrick[WrapSeat(seat - s.PrevLeader + 1)].Bytes();
        card.Start = TrickSpotOnWindow(seat);
        card.Target = target;
    }
    CardFlight& flight = window_.Flights();
    flight.Speed = context_.Options.Speed;
    flight.PrepareSnapshot();
    flight.FlyCards(cards, look);
    flight.Finish();
}

void TableView::PlaySound(std::string_view name, bool toEnd) {
    if (!context_.Options.SoundOn || !context_.Sound) return;
    const int ms = context_.Sound->Play(name);
    if (toEnd) context_.Blocking.Pause(ms);
}

void TableView::Pause(int ms) { context_.Blocking.Pause(ms); }

void TableView::ProcessPendingEvents() { context_.Blocking.ProcessPendingEvents(); }

void TableView::SpeakCard(CardCode card) {
    const int deck = DeckNumber(card);
    if (deck == 0 || !context_.Sound) return;
    const Language language = LanguageFromIndex(context_.Options.Language).value_or(Language::English);
    // Japanese and Korean have voices of their own, though their pictures use English.
    QString code;
    switch (language) {
    case Language::Japanese: code = QStringLiteral("Jap"); break;
    case Language::Korean: code = QStringLiteral("Kor"); break;
    default: {
        const std::string_view lc = LanguageCode(language);
        code = QString::fromLatin1(lc.data(), qsizetype(lc.size()));
    }
    }
    context_.Sound->Speak(CardPictureCode(deck) + QStringLiteral("Voice") + code);
}

void TableView::CloseGame() { window_.CloseGame(); }
void TableView::Announce(std::string_view payload) { window_.Link().SendToTable(payload); }
void TableView::ShowChatLine(bool clearHistory) { window_.ShowChatLine(clearHistory); }

} // namespace vesrin
