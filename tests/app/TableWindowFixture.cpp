#include "TableWindowFixture.h"

namespace vesrin::test {

void TableWindowTest::MakeWindow(int windowSize, bool flights) {
    ASSERT_TRUE(folder.isValid());
    context = std::make_unique<ProgramContext>();
    context->Options.WindowSize = windowSize;
    context->Options.Speed = 6;
    context->Places = LibraryPlaces::Beside(folder.path());
    auto player = std::make_unique<SilentSoundPlayer>(0);
    sound = player.get();
    context->Sound = std::move(player);
    context->Blocking.InstantPauses = true;
    context->InstantFlights = !flights;
    context->Hooks.GameAbandoned = [this](const GameState&) { ++abandoned; };
    context->Hooks.GameFinished = [this](const GameState&) { ++finished; };
    context->Hooks.SaveSettings = [this](const Settings&) { ++settingsSaved; };
    form = std::make_unique<TForm1>(*context);
    form->AskYesNo = [this](const QString& question) {
        questions.push_back(question);
        return answer;
    };
    context->State.CurrentScreen = Screen::Menu;
    form->ApplyWindowSize();
    form->LayoutMainMenu();
    form->show();
}

void TableWindowTest::StartGame(std::uint64_t seed) {
    form->Flow().Reseed(seed);
    form->StartGame(6);
}

void TableWindowTest::ClickSlot(int slot, Qt::MouseButton button) {
    const int x = form->View().HandX(LocalSeat)[std::size_t(slot)] + 2;
    form->ImageCards4MouseUp(button, QPoint(x, 10));
}

bool TableWindowTest::Step() {
    GameState& s = State();
    if (!s.InGame()) return false;
    if (s.StartState == 1) {
        if (!s.Button7.Enabled) return false;
        form->Button7Click();
        return true;
    }
    if (s.Phase == PhaseOf::Passing) {
        const int picked = (s.PassPick[1] != 0) + (s.PassPick[2] != 0) + (s.PassPick[3] != 0);
        if (picked == 0) picks_ = players_.ChoosePass(s, LocalSeat);
        if (picked < 3)
            ClickSlot(picks_[std::size_t(picked + 1)]);
        else
            form->Button7Click();
        return true;
    }
    if (s.Phase == LocalSeat) {
        ClickSlot(players_.ChooseCard(s, LocalSeat, s.TrickPos, quiet_));
        return true;
    }
    if (s.Phase >= 1 && s.Phase <= 3) {
        form->Timer1Timer();
        return true;
    }
    if (s.Button7.Enabled) {
        form->Button7Click();
        return true;
    }
    return false;
}

void TableWindowTest::StartAtAComputerSeatsTurn() {
    for (std::uint64_t seed = 1; seed < 40; ++seed) {
        StartGame(seed);
        ASSERT_TRUE(PlayUntil([&] { return State().StartState == 2 && State().Phase >= 1 && State().Phase <= 4; }));
        if (State().Phase != LocalSeat) return;
    }
    FAIL() << "no deal gave a computer seat the first move";
}

bool TableWindowTest::TableCentreIsClear() {
    PictureElement& stol = *form->ImageStol;
    const QImage centre = stol.Picture.copy();
    stol.CopyBackground();
    const bool clear = stol.Picture == centre;
    stol.Picture = centre;
    return clear;
}

bool TableWindowTest::PlayUntil(const std::function<bool()>& done, int limit) {
    for (int i = 0; i < limit; ++i) {
        if (done()) return true;
        if (!Step()) return done();
    }
    return done();
}

} // namespace vesrin::test
