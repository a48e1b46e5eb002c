#include "ProgramFixture.h"

#include "records/Roster.h"

#include <QTest>

#include <algorithm>

namespace vesrin::test {

void ProgramTest::MakeProgram(bool start) {
    auto player = std::make_unique<SilentSoundPlayer>(0);
    sound = player.get();
    Program program = vesrin::MakeProgram(files.folder.Path(), std::move(player));
    context = std::move(program.Context);
    form = std::move(program.Window);
    context->Blocking.InstantPauses = true;
    context->InstantFlights = true;
    form->AskYesNo = [this](const QString& question) {
        questions.push_back(question);
        return answer;
    };
    form->OpenUrl = [this](const QUrl& address) { opened.push_back(address); };
    if (!start) return;
    RunStartUp();
    PressKeyOnStartPicture();
}

void ProgramTest::RunStartUp() {
    form->show();
    context->Hooks.StartUp();
}

void ProgramTest::PressKeyOnStartPicture() { QTest::keyClick(form->Image1, Qt::Key_Space); }

std::string ProgramTest::RosterLine(int slot) const {
    return files.Read(files.LocalFile()).Roster[std::size_t(slot - 1)];
}

std::string ProgramTest::TopTenLine(int place) const {
    return files.Read(files.LocalFile()).TopTen[std::size_t(place - 1)];
}

void ProgramTest::PlayToTheEnd() {
    ASSERT_TRUE(PlayUntil([this] { return State().Phase == PhaseOf::GameFinished; }, 20000));
}

int ProgramTest::TimesPlayed(std::string_view name) const {
    return int(std::count(sound->Played.begin(), sound->Played.end(), std::string(name)));
}

std::string PlayerLine(std::string_view name, double rating, int games, int cycleScore, std::string_view password) {
    std::string padded(name);
    padded.resize(20, ' ');
    return MakeRosterLine(padded, rating, games, cycleScore, EncodePassword(password));
}

} // namespace vesrin::test
