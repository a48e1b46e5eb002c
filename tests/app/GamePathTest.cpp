#include "ProgramFixture.h"

#include "base/FileBytes.h"
#include "records/CountWindow.h"
#include "records/EndGameWindow.h"
#include "records/History.h"
#include "records/HistoryWindow.h"
#include "records/PasswordWindow.h"
#include "records/Roster.h"
#include "settings/OptionsDialog.h"
#include "settings/SettingsFile.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace vesrin::test {
namespace {

ModalScript::Action LogIn(QString name, QString password) {
    return [name, password](QWidget& window) {
        auto& dialog = dynamic_cast<TFormPassword&>(window);
        if (dialog.Mode() != PasswordMode::RosterPlayer) {
            dialog.Edit1()->setText(name);
            dialog.Edit3()->setText(password);
        }
        dialog.Edit2()->setText(password);
        QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
    };
}

class GamePathTest : public ProgramTest {
protected:
    // A click on a menu button that opens the welcome dialog, answered with the name
    // (for a new player or a change of name) and the password.
    void LogInThrough(QPushButton* button, QString name, QString password) {
        ModalScript script({LogIn(std::move(name), std::move(password))});
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_TRUE(script.Done());
    }
};

TEST_F(GamePathTest, ANewPlayersFinishedGameEntersTheClubAndTheHistory) {
    MakeProgram();
    LogInThrough(Menu().Button6, QStringLiteral("Anna"), QStringLiteral("rose"));
    ASSERT_TRUE(State().InGame());
    PlayToTheEnd();
    const int result = State().GameScore;
    ASSERT_EQ(result, State().Totals[4]);
    const int wonOrLost = result == 0 ? 0 : 1;
    EXPECT_EQ(TimesPlayed("WKoGood") + TimesPlayed("WKoBads"), wonOrLost) << "at the summing up";
    form->Button8Click();
    ASSERT_TRUE(form->MenuShown());

    // The club: a new player's first game puts him in the roster.
    const std::optional<RosterEntry> anna = ParseRosterLine(RosterLine(1));
    ASSERT_TRUE(anna);
    EXPECT_EQ(anna->Name, "Anna                ");
    EXPECT_EQ(anna->Games, 1);
    EXPECT_EQ(anna->CycleScore, result);
    EXPECT_NEAR(anna->Rating, result / 10.0, 1e-6);
    EXPECT_TRUE(PasswordMatches(RosterLine(1), "rose"));
    EXPECT_TRUE(Menu().ProfileButtons[0]->text().startsWith(QStringLiteral("Anna    ")));

    // The history: one file with the game.
    const std::filesystem::path history = files.folder / "History" / "Vesrin_I0001.hst";
    ASSERT_TRUE(std::filesystem::exists(history));
    EXPECT_EQ(CheckHistoryFile(files.folder.Path(), 1).Entries, 1);
    int rows = -1;
    QString player, type;
    ModalScript viewer({[&](QWidget& window) {
        auto& shown = dynamic_cast<TFHistory&>(window);
        rows = shown.SG()->rowCount();
        player = shown.SG()->item(0, 2)->text().trimmed();
        type = shown.SG()->item(0, 6)->text();
        QTest::mouseClick(shown.OkButton(), Qt::LeftButton);
    }});
    QTest::mouseClick(Menu().BHistory, Qt::LeftButton);
    EXPECT_TRUE(viewer.Done());
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(player, QStringLiteral("Anna"));
    EXPECT_EQ(type, QStringLiteral("Local"));

    // The won or lost sound plays when the game is summed up and again when the player
    // confirms the end of a game that does not end a cycle.
    EXPECT_EQ(TimesPlayed(result > 0 ? "WKoGood" : "WKoBads"), 2 * wonOrLost);
    EXPECT_EQ(TimesPlayed("WKoGood") + TimesPlayed("WKoBads"), 2 * wonOrLost);
}

TEST_F(GamePathTest, TheTwentiethGameEntersTheTopTenAndTheMenuShowsIt) {
    files.WriteRecords(files.LocalFile(), {PlayerLine("Boris", 3.5, 19, 900, "b1")});
    MakeProgram();
    LogInThrough(Menu().ProfileButtons[0], {}, QStringLiteral("b1"));
    ASSERT_EQ(State().GameNo, 20);
    PlayToTheEnd();
    const int cycle = 900 + State().GameScore;
    QStringList report;
    ModalScript reportScript({[&](QWidget& window) {
        auto& shown = dynamic_cast<TFormEndGame&>(window);
        report = shown.Lines();
        QTest::mouseClick(shown.OkButton(), Qt::LeftButton);
    }});
    form->Button8Click();
    EXPECT_TRUE(reportScript.Done()) << "the end of a cycle shows its report";
    EXPECT_TRUE(report.contains(QStringLiteral("Your result - the best!")));

    EXPECT_EQ(TopTenLine(1), MakeTopTenLine("Boris               ", cycle));
    const std::optional<RosterEntry> boris = ParseRosterLine(RosterLine(1));
    ASSERT_TRUE(boris);
    EXPECT_EQ(boris->Games, 20);
    EXPECT_EQ(boris->CycleScore, 0) << "the next cycle starts from zero";
    EXPECT_TRUE(Menu().RankingPanels[0]->Text().startsWith(QStringLiteral("Boris ")));
    EXPECT_TRUE(Menu().RankingPanels[0]->Text().endsWith(QString::number(cycle)));
    EXPECT_EQ(TimesPlayed("WFiBest"), 1);
}

TEST_F(GamePathTest, LeavingARunningGameRemovesThePlayerFromTheClub) {
    struct Case {
        const char* Name;
        std::function<void(TForm1&)> Leave;
        bool WritesSettings;
    };
    const Case cases[] = {
        {"Exit to menu from the table", [](TForm1& window) { window.QuitClick(); }, false},
        {"closing the window", [](TForm1& window) { window.close(); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        files.WriteRecords(files.LocalFile(),
                           {PlayerLine("Boris", 3.5, 19, 900, "b1"), PlayerLine("Anna", 1, 3, 10, "a")});
        std::filesystem::remove(SettingsFile());
        MakeProgram();
        LogInThrough(Menu().ProfileButtons[0], {}, QStringLiteral("b1"));
        ASSERT_TRUE(PlayUntil([this] { return State().TrickNo >= 3; }));
        questions.clear();
        c.Leave(*form);
        EXPECT_EQ(questions.size(), 1u) << "the player is asked first";
        EXPECT_TRUE(ParseRosterLine(RosterLine(1)).value_or(RosterEntry{}).Name.starts_with("Anna"))
            << "the lines below move up";
        EXPECT_EQ(RosterLine(2), std::string(kEmptySlotLine));
        EXPECT_EQ(CheckHistoryFile(files.folder.Path(), 1).Entries, 0) << "an abandoned game is not recorded";
        EXPECT_EQ(std::filesystem::exists(SettingsFile()), c.WritesSettings);
        if (!c.WritesSettings) {
            EXPECT_TRUE(Menu().ProfileButtons[0]->text().startsWith(QStringLiteral("Anna ")));
        }
        form.reset();
        context.reset();
    }
}

TEST_F(GamePathTest, ChangingTheNameDuringAGameCarriesIntoTheRecords) {
    files.WriteRecords(files.LocalFile(), {PlayerLine("Boris", 3.5, 5, 40, "b1")});
    MakeProgram();
    LogInThrough(Menu().ProfileButtons[0], {}, QStringLiteral("b1"));
    {
        ModalScript script({LogIn(QStringLiteral("Bob"), QStringLiteral("new")), CloseBox(nullptr)});
        form->ChangeName->trigger();
        ASSERT_TRUE(script.Done());
    }
    EXPECT_EQ(State().SeatNames[4], "Bob");
    PlayToTheEnd();
    form->Button8Click();
    const std::optional<RosterEntry> bob = ParseRosterLine(RosterLine(1));
    ASSERT_TRUE(bob);
    EXPECT_EQ(bob->Name, "Bob                 ");
    EXPECT_EQ(bob->Games, 6);
    EXPECT_TRUE(PasswordMatches(RosterLine(1), "new"));
    EXPECT_EQ(RosterLine(2), std::string(kEmptySlotLine)) << "the player is in the club once";
}

TEST_F(GamePathTest, TheOptionsOpenFromTheTablesPopUpMenuDuringAGame) {
    files.WriteRecords(files.LocalFile(), {PlayerLine("Boris", 3.5, 5, 40, "b1")});
    MakeProgram();
    LogInThrough(Menu().ProfileButtons[0], {}, QStringLiteral("b1"));
    ASSERT_TRUE(PlayUntil([this] { return State().TrickNo >= 2; }));
    const int trick = State().TrickNo;
    EXPECT_EQ(form->MOptions->text(), QStringLiteral("Options"));
    ModalScript script({[](QWidget& window) {
        auto& options = dynamic_cast<TFormOptions&>(window);
        options.ComboBoxLan->setCurrentIndex(int(Language::German));
        options.ButtonOk->click();
    }});
    form->MOptions->trigger();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(form->MOptions->text(), QStringLiteral("Optionen"));
    EXPECT_TRUE(State().InGame()) << "the game goes on";
    EXPECT_EQ(State().TrickNo, trick);
    EXPECT_EQ(TimesPlayed("WOpenFo"), 2) << "the welcome dialog's and the options' sound";
}

TEST_F(GamePathTest, TheCountWindowShowsTheRunningGame) {
    files.WriteRecords(files.LocalFile(), {PlayerLine("Boris", 3.5, 45, -12, "b1")});
    MakeProgram();
    EXPECT_FALSE(form->GenCount->isEnabled()) << "no game, no count";
    LogInThrough(Menu().ProfileButtons[0], {}, QStringLiteral("b1"));
    ASSERT_TRUE(form->GenCount->isEnabled());
    QString game, cycle, start;
    ModalScript script({[&](QWidget& window) {
        auto& count = dynamic_cast<TFormCount&>(window);
        game = count.ValueText(0);
        cycle = count.ValueText(1);
        start = count.ValueText(2);
        QTest::mouseClick(count.OkButton(), Qt::LeftButton);
    }});
    form->GenCount->trigger();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(game.trimmed(), QStringLiteral("46"));
    EXPECT_EQ(cycle.trimmed(), QStringLiteral("6"));
    EXPECT_EQ(start.trimmed(), QStringLiteral("-12"));
}

} // namespace
} // namespace vesrin::test
