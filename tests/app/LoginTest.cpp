#include "ProgramFixture.h"

#include "records/PasswordWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace vesrin::test {
namespace {

struct Attempt {
    const char* Name;
    QString Player;
    QString Password;
    QString Again;
    QString Refusal; // empty: accepted
};

// Types each attempt into the welcome dialog and presses "Ok"; after the last one the
// dialog is cancelled unless that attempt was accepted. The status line after each
// attempt is written down.
ModalScript::Action TypeAttempts(std::vector<Attempt> attempts, std::vector<QString>& statuses, bool& stayedOpen) {
    return [attempts = std::move(attempts), &statuses, &stayedOpen](QWidget& window) {
        auto& dialog = dynamic_cast<TFormPassword&>(window);
        for (const Attempt& a : attempts) {
            if (dialog.Edit1()->isEnabled() && dialog.Mode() != PasswordMode::RosterPlayer) dialog.Edit1()->setText(a.Player);
            dialog.Edit2()->setText(a.Password);
            if (dialog.Edit3()->isVisible()) dialog.Edit3()->setText(a.Again);
            dialog.Label4()->clear();
            QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
            statuses.push_back(dialog.Label4()->text());
            if (a.Refusal.isEmpty()) return;
            stayedOpen = stayedOpen && dialog.isVisible();
        }
        QTest::mouseClick(dialog.Button2(), Qt::LeftButton);
    };
}

class LoginTest : public ProgramTest {
protected:
    void SetUp() override {
        files.WriteRecords(files.LocalFile(), {PlayerLine("Boris", 3.5, 45, -12, "b1")});
        MakeProgram();
    }
};

TEST_F(LoginTest, AnEmptyRosterSlotOpensNothing) {
    ModalScript none({});
    for (int slot = 2; slot <= 5; ++slot) QTest::mouseClick(Menu().ProfileButtons[std::size_t(slot - 1)], Qt::LeftButton);
    EXPECT_EQ(none.Unexpected(), 0);
    EXPECT_TRUE(form->MenuShown());
    EXPECT_TRUE(sound->Played.empty());
}

TEST_F(LoginTest, AWrongPasswordKeepsTheDialogOpenAndStartsNoGame) {
    std::vector<QString> statuses;
    bool stayedOpen = true;
    ModalScript script({TypeAttempts({{"wrong", {}, "b2", {}, "The incorrect password!"},
                                      {"padded", {}, "b1 x", {}, "The incorrect password!"}},
                                     statuses, stayedOpen)});
    QTest::mouseClick(Menu().ProfileButtons[0], Qt::LeftButton);
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(statuses, (std::vector<QString>{QStringLiteral("The incorrect password!"),
                                              QStringLiteral("The incorrect password!")}));
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(form->MenuShown()) << "a cancelled dialog starts no game";
    EXPECT_EQ(TimesPlayed("WOpenFo"), 1);
}

TEST_F(LoginTest, TheRightPasswordStartsTheGameFromTheRosterFigures) {
    std::vector<QString> statuses;
    bool stayedOpen = true;
    ModalScript script({TypeAttempts({{"right", {}, "b1", {}, {}}}, statuses, stayedOpen)});
    QTest::mouseClick(Menu().ProfileButtons[0], Qt::LeftButton);
    ASSERT_TRUE(script.Done());
    ASSERT_TRUE(State().InGame());
    EXPECT_FALSE(form->Menu->isVisible());
    EXPECT_EQ(State().ProfileSlot, 1);
    EXPECT_EQ(State().SeatNames[4], "Boris");
    EXPECT_EQ(State().GameNo, 46);
    EXPECT_EQ(State().BaseScore, -12);
    EXPECT_DOUBLE_EQ(State().StartRating, 3.5);
    EXPECT_EQ(TimesPlayed("WOpenFo"), 1) << "the window's sound plays once, before the dialog";
}

TEST_F(LoginTest, ANewPlayerIsRefusedUntilNameAndPasswordsAgree) {
    std::vector<QString> statuses;
    bool stayedOpen = true;
    ModalScript script({TypeAttempts({{"no name", "", "ab", "ab", "Incorrect name!"},
                                      {"only blanks", "   ", "ab", "ab", "Incorrect name!"},
                                      {"passwords differ", "Anna", "ab", "ac", "The passwords do not coincide!"},
                                      {"accepted", "Anna", "ab", "ab", {}}},
                                     statuses, stayedOpen)});
    QTest::mouseClick(Menu().Button6, Qt::LeftButton);
    ASSERT_TRUE(script.Done());
    ASSERT_EQ(statuses.size(), 4u);
    EXPECT_EQ(statuses[0], QStringLiteral("Incorrect name!"));
    EXPECT_EQ(statuses[1], QStringLiteral("Incorrect name!"));
    EXPECT_EQ(statuses[2], QStringLiteral("The passwords do not coincide!"));
    EXPECT_TRUE(stayedOpen);
    ASSERT_TRUE(State().InGame());
    EXPECT_EQ(State().ProfileSlot, 6);
    EXPECT_EQ(State().SeatNames[4], "Anna");
    EXPECT_EQ(State().GameNo, 1);
    EXPECT_EQ(RosterLine(2), std::string(kEmptySlotLine)) << "a new player joins the club only with a finished game";
}

} // namespace
} // namespace vesrin::test
