#include "TableWindowFixture.h"

#include "engine/HandQueries.h"
#include "table/ResourceNames.h"
#include "table/ScoreDisplays.h"

#include <QCoreApplication>
#include <QTimer>

namespace vesrin::test {
namespace {

TEST_F(TableWindowTest, TheStepButtonsFollowTheFlow) {
    MakeWindow();
    StartGame();
    EXPECT_EQ(form->Button7->text(), QStringLiteral("To Begin"));
    EXPECT_TRUE(form->Button7->isEnabled());
    EXPECT_TRUE(form->Button7->isVisible());
    EXPECT_EQ(form->Button8->text(), QStringLiteral("Exit to menu"));
    EXPECT_FALSE(form->Button8->isEnabled());
    EXPECT_FALSE(form->Timer1.isActive()) << "the computer seats wait for \"To Begin\"";

    form->Button7Click();
    ASSERT_EQ(State().Phase, PhaseOf::Passing);
    EXPECT_EQ(form->Button7->text(), QStringLiteral("Start sharing"));
    EXPECT_FALSE(form->Button7->isEnabled());
    EXPECT_TRUE(form->Timer1.isActive());
    EXPECT_EQ(form->Timer1.interval(), 200);

    ClickSlot(1);
    ClickSlot(2);
    EXPECT_FALSE(form->Button7->isEnabled());
    ClickSlot(3);
    EXPECT_TRUE(form->Button7->isEnabled());
    ClickSlot(2); // unpicked again
    EXPECT_FALSE(form->Button7->isEnabled());
    ClickSlot(5);
    EXPECT_TRUE(form->Button7->isEnabled());
    form->Button7Click();
    EXPECT_EQ(form->Button7->text(), QStringLiteral("OK"));
    EXPECT_FALSE(form->Button7->isEnabled());
}

TEST_F(TableWindowTest, CaptionsComeFromTheWordTable) {
    MakeWindow();
    context->Options.Language = 1; // Russian
    StartGame();
    EXPECT_EQ(form->Button7->text(), QString::fromUtf8("Начать"));
    EXPECT_EQ(form->Button8->text(), QString::fromUtf8("Выход в меню"));
}

TEST_F(TableWindowTest, PickingAPassCardMarksItAndUnpickingRestoresIt) {
    MakeWindow();
    StartGame();
    form->Button7Click();
    const QImage before = form->ImageCards[4]->Picture.copy();
    ClickSlot(4);
    EXPECT_NE(form->ImageCards[4]->Picture, before);
    EXPECT_EQ(State().PassPick[1], 4);
    ClickSlot(4);
    EXPECT_EQ(form->ImageCards[4]->Picture, before);
    EXPECT_EQ(State().PassPick[1], 0);
}

TEST_F(TableWindowTest, TheBottomHandShowsTheHandCursorOverPlayableCardsOnly) {
    MakeWindow();
    StartGame();
    ASSERT_TRUE(PlayUntil([&] { return State().Phase == LocalSeat && State().StartState == 2; }));
    const GameState& s = State();
    int allowed = 0, refused = 0;
    for (int slot = 1; slot <= s.HandCount[4]; ++slot) {
        const int x = form->View().HandX(4)[std::size_t(slot)] + 2;
        form->ImageCards4MouseMove(QPoint(x, 20));
        const bool playable = form->Flow().HumanCardError(slot) == 0;
        EXPECT_EQ(form->BottomHandCursorShape(), playable ? Qt::PointingHandCursor : Qt::ArrowCursor) << slot;
        (playable ? allowed : refused) += 1;
    }
    EXPECT_GT(allowed, 0);
    // Beyond the last card: the arrow.
    form->ImageCards4MouseMove(QPoint(form->ImageCards[4]->width() - 1, 20));
    EXPECT_EQ(form->BottomHandCursorShape(), Qt::ArrowCursor);
}

TEST_F(TableWindowTest, AClickDuringAComputerSeatsTurnDoesNothing) {
    MakeWindow();
    StartAtAComputerSeatsTurn();
    ASSERT_NE(State().Phase, LocalSeat);
    const GameState before = State();
    ClickSlot(1);
    EXPECT_EQ(State().HandCount[4], before.HandCount[4]);
    EXPECT_EQ(State().TrickPos, before.TrickPos);
    EXPECT_EQ(State().Phase, before.Phase);
}

TEST_F(TableWindowTest, ARightClickSpeaksTheCardAndNeverPlaysIt) {
    MakeWindow();
    StartGame();
    ASSERT_TRUE(PlayUntil([&] { return State().Phase == LocalSeat && State().StartState == 2; }));
    const int count = State().HandCount[4];
    const CardCode card = State().HandCards[4][1];
    ClickSlot(1, Qt::RightButton);
    EXPECT_EQ(State().HandCount[4], count);
    ASSERT_EQ(sound->Spoken.size(), 1u);
    EXPECT_EQ(sound->Spoken[0], CardPictureCode(DeckNumber(card)) + QStringLiteral("VoiceEng"));
}

TEST_F(TableWindowTest, ARightClickOnATableCardSpeaksThatCard) {
    MakeWindow();
    StartGame();
    ASSERT_TRUE(PlayUntil([&] { return State().Phase == LocalSeat && State().StartState == 2 && State().TrickPos > 1; }));
    const int leader = State().PrevLeader;
    const QPoint spot = TrickSpot(leader, 0, context->Scale) + QPoint(30, 40);
    form->ImageStolMouseUp(Qt::RightButton, spot);
    ASSERT_EQ(sound->Spoken.size(), 1u);
    EXPECT_EQ(sound->Spoken[0], CardPictureCode(DeckNumber(State().Trick[1])) + QStringLiteral("VoiceEng"));
    // The empty spot of the local player says nothing.
    form->ImageStolMouseUp(Qt::RightButton, TrickSpot(4, 0, context->Scale) + QPoint(30, 40));
    EXPECT_EQ(sound->Spoken.size(), 1u);
}

TEST_F(TableWindowTest, HeartbeatsThatFallDueDuringABlockingStepReturnAtOnce) {
    MakeWindow();
    StartAtAComputerSeatsTurn();
    ASSERT_NE(State().Phase, LocalSeat);
    const int trickPos = State().TrickPos;
    {
        BlockingSteps::Scope scope(context->Blocking);
        form->Timer1Timer();
    }
    EXPECT_EQ(State().TrickPos, trickPos);

    // A real pause: the timer's tick comes, finds the pause running and plays nothing.
    context->Blocking.InstantPauses = false;
    bool ticked = false;
    QTimer::singleShot(5, form.get(), [&] {
        form->Timer1Timer();
        ticked = true;
    });
    context->Blocking.Pause(60);
    EXPECT_TRUE(ticked);
    EXPECT_EQ(State().TrickPos, trickPos);
    form->Timer1Timer();
    EXPECT_NE(State().TrickPos, trickPos);
}

TEST_F(TableWindowTest, LeavingAGameAsksAndOnYesReturnsToTheMenu) {
    MakeWindow();
    StartGame();
    ASSERT_TRUE(PlayUntil([&] { return State().Phase == LocalSeat && State().StartState == 2; }));
    answer = false;
    form->QuitClick();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0],
              QStringLiteral("You want to leave in the main menu?\nAll datas for want of it will be lost!"));
    EXPECT_TRUE(State().InGame());
    EXPECT_EQ(abandoned, 0);

    answer = true;
    form->QuitClick();
    EXPECT_FALSE(State().InGame());
    EXPECT_TRUE(form->MenuShown());
    EXPECT_EQ(abandoned, 1);
    EXPECT_EQ(finished, 0) << "nothing is recorded for an abandoned game";
    EXPECT_FALSE(form->ImageCards[4]->isVisible());
    EXPECT_FALSE(form->Button7->isVisible());
    EXPECT_FALSE(form->Quit->isEnabled());
    EXPECT_TRUE(form->Timer1.isActive());
    EXPECT_EQ(form->Timer1.interval(), 20);
}

TEST_F(TableWindowTest, ClosingTheWindowFromAGameAsksFirst) {
    MakeWindow();
    StartGame();
    answer = false;
    EXPECT_FALSE(form->FormCloseQuery());
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], QStringLiteral("You want to leave from game? All datas for want of it will be lost!"));
    EXPECT_EQ(settingsSaved, 0);
    answer = true;
    EXPECT_TRUE(form->FormCloseQuery());
    EXPECT_EQ(settingsSaved, 1);
    EXPECT_EQ(abandoned, 1);
}

TEST_F(TableWindowTest, ClosingTheWindowFromTheMenuDoesNotAsk) {
    MakeWindow();
    EXPECT_TRUE(form->FormCloseQuery());
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(settingsSaved, 1);
    EXPECT_EQ(abandoned, 0);
}

TEST_F(TableWindowTest, ACloseDuringABlockingStepWaitsUntilItIsOver) {
    MakeWindow();
    StartGame();
    {
        BlockingSteps::Scope scope(context->Blocking);
        EXPECT_FALSE(form->close());
        EXPECT_TRUE(questions.empty());
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(TableWindowTest, AWholeGameEndsWithTheResultsAndExitToMenuRecordsIt) {
    MakeWindow();
    context->Options.Limit50 = true;
    StartGame(11);
    // "Exit to menu" does nothing until the game is finished.
    ASSERT_TRUE(PlayUntil([&] { return State().Phase == PhaseOf::HandAccounted; }));
    form->Button8Click();
    EXPECT_TRUE(State().InGame());
    EXPECT_EQ(finished, 0);

    ASSERT_TRUE(PlayUntil([&] { return State().Phase == PhaseOf::GameFinished; }, 50000));
    const GameState& s = State();
    EXPECT_EQ(s.Totals[1] + s.Totals[2] + s.Totals[3] + s.Totals[4], 0) << "relative results";
    EXPECT_TRUE(s.ResultsShown);
    EXPECT_FALSE(form->Button7->isEnabled());
    EXPECT_TRUE(form->Button8->isEnabled());
    EXPECT_EQ(form->Button8->text(), QStringLiteral("Exit to menu"));
    form->Button8->click();
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(form->MenuShown());
    EXPECT_FALSE(form->ImageTab[1]->isVisible());
}

TEST_F(TableWindowTest, TheScorePanelBalloonTellsTheGame) {
    MakeWindow();
    StartGame();
    EXPECT_EQ(form->ImageKon->toolTip(), QStringLiteral("Game: 1 / 20")) << "the plain hint";
    form->ImageKon->MouseEnter();
    const std::vector<HintBalloon*> open = form->Balloons().Open();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0]->Title(), QStringLiteral("Current game"));
    EXPECT_EQ(open[0]->Text(),
              QStringLiteral("General number of game: 1\n\rNumber of round in a current cycle: 1 / 20"));
    form->ImageKon->MouseLeave();
    EXPECT_TRUE(form->Balloons().Open().empty());
}

TEST_F(TableWindowTest, EveryWindowSizePlacesTheTable) {
    struct Case {
        int WindowSize;
        int CardHeight;
    };
    for (const Case c : {Case{1, 96}, Case{3, 125}, Case{4, 163}, Case{5, 198}}) {
        SCOPED_TRACE(c.WindowSize);
        MakeWindow(c.WindowSize);
        StartGame();
        const TableScale& scale = context->Scale;
        EXPECT_EQ(form->size(), QSize(scale.TableWidth, scale.TableHeight));
        const TableLayout layout = LayoutTable(scale, context->Cards.CardHeight, false);
        for (int seat = 1; seat <= 4; ++seat) {
            EXPECT_EQ(form->ImageCards[seat]->geometry(), layout.HandArea[seat].Rect());
            EXPECT_EQ(form->ImageTab[seat]->geometry(), layout.TabArea[seat].Rect());
            EXPECT_EQ(form->ImageSay[seat]->geometry(), layout.PlateArea[seat].Rect());
            EXPECT_EQ(form->ImageCards[seat]->Picture.size(), layout.HandArea[seat].Rect().size());
        }
        EXPECT_EQ(form->ImageStol->geometry(), layout.Stol);
        EXPECT_EQ(form->ImageKon->geometry(), layout.Kon);
        const StepButtonPlaces buttons = PlaceStepButtons(scale);
        EXPECT_EQ(form->Button7->geometry(), buttons.Button7);
        EXPECT_EQ(form->Button8->geometry(), buttons.Button8);
        EXPECT_EQ(context->Cards.CardHeight, c.CardHeight);
    }
}

TEST_F(TableWindowTest, TheTabletsShowTheTotalsAndThePanelTheRound) {
    MakeWindow();
    StartGame();
    ASSERT_TRUE(PlayUntil([&] { return State().Phase == PhaseOf::HandAccounted; }));
    // The tablets and the panel were drawn over their pictures: they differ from the
    // plain background under them.
    for (int seat = 1; seat <= 4; ++seat) {
        PictureElement& tab = *form->ImageTab[seat];
        QImage background = tab.Picture.copy();
        tab.CopyBackground();
        EXPECT_NE(tab.Picture, background) << seat;
    }
    EXPECT_TRUE(TableCentreIsClear()) << "the last trick was swept";
}

} // namespace
} // namespace vesrin::test
