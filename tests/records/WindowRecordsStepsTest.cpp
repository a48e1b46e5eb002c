#include "records/WindowRecordsSteps.h"

#include "UiTestSupport.h"
#include "records/EndGameWindow.h"
#include "records/HistoryWindow.h"
#include "records/PasswordWindow.h"
#include "records/RecordsMessages.h"
#include "records/TopTenWindow.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace vesrin {
namespace {

using test::ModalScript;

class WindowSteps : public ::testing::Test, public test::WindowsFixture {
protected:
    FinishedGame AnnasGame(int gameNo, int result, int runningScore) const {
        FinishedGame game;
        game.Kind = GameKind::Local;
        game.ProgramFolder = folder.Path();
        game.ProfileSlot = 2;
        game.Name = "Anna";
        game.EncodedPassword = EncodePassword("ab");
        game.GameNo = gameNo;
        game.GameResult = result;
        game.RunningScore = runningScore;
        game.StartRating = 2.0;
        game.Stamp = HistoryStampAt(QDateTime(QDate(2025, 12, 11), QTime(21, 7)));
        return game;
    }
};

TEST_F(WindowSteps, TheTwentiethGameShowsTheReportAndTheWindowsShowTheNewRecords) {
    WriteRecords(LocalFile(), {MakeRosterLine("Bob", 5.0, 40, 0, EncodePassword("bb")),
                               MakeRosterLine("Anna", 2.0, 19, 100, EncodePassword("ab"))});
    QStringList reportLines;
    GameRecordsResult result;
    {
        ModalScript script({[&](QWidget& window) {
            auto& report = dynamic_cast<TFormEndGame&>(window);
            reportLines = report.Lines();
            report.accept();
        }});
        WindowRecordsSteps steps(nullptr, context);
        result = FinishGameRecords(AnnasGame(20, 50, 150), steps);
        EXPECT_TRUE(script.Done());
        EXPECT_EQ(script.Unexpected(), 0);
    }
    EXPECT_EQ(result.TopTenPlace, 4);
    EXPECT_EQ(reportLines,
              (QStringList{"CONGRATULATIONS!!!", "Good result!", "Result: 150", "You have hitted in top ten players!"}));
    EXPECT_EQ(sounds, std::vector<std::string>{"WFiGood"}) << "the cycle's sound, not the game's";

    TFormTopTen topTen(context);
    topTen.show();
    EXPECT_EQ(topTen.NameText(4), "Anna");
    EXPECT_EQ(topTen.ScoreText(4), "150");
    EXPECT_EQ(topTen.ScoreText(5), "140") << "the entries below moved down";

    HistoryViewerMemory memory;
    TFHistory history(context, memory);
    history.show();
    ASSERT_EQ(history.SG()->rowCount(), 1);
    EXPECT_EQ(history.SG()->item(0, 0)->text(), "21:07");
    EXPECT_EQ(history.SG()->item(0, 1)->text(), "11.12.2025");
    EXPECT_EQ(history.SG()->item(0, 4)->text().trimmed(), "50");
    EXPECT_EQ(history.SG()->item(0, 5)->text().trimmed(), "2,15");
    EXPECT_EQ(history.SG()->item(0, 6)->text(), "Local");

    // The roster keeps Anna in slot 2 with the cycle started afresh; her password still logs in.
    QString shownName;
    ModalScript login({[&](QWidget& window) {
        auto& dialog = dynamic_cast<TFormPassword&>(window);
        shownName = dialog.Edit1()->text();
        dialog.Edit2()->setText("ab");
        dialog.Button1Click();
    }});
    const auto player = LoginRosterPlayer(nullptr, context, 2);
    ASSERT_TRUE(player.has_value());
    EXPECT_EQ(shownName, "Anna");
    const auto start = StartFromRosterLine(player->RosterLine);
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->GameNo, 21);
    EXPECT_EQ(start->BaseScore, 0);
}

TEST_F(WindowSteps, AGameWithinTheCycleOnlySounds) {
    WriteRecords(LocalFile(), {MakeRosterLine("Anna", 2.0, 18, 100, EncodePassword("ab"))});
    ModalScript script({});
    WindowRecordsSteps steps(nullptr, context);
    FinishedGame game = AnnasGame(19, 30, 130);
    game.ProfileSlot = 1;
    FinishGameRecords(game, steps);
    EXPECT_EQ(script.Unexpected(), 0);
    EXPECT_EQ(sounds, std::vector<std::string>{"WKoGood"});
}

TEST_F(WindowSteps, ErrorsAndQuestionsInTheCurrentLanguage) {
    WindowRecordsSteps steps(nullptr, context);
    QString error, history, question;
    ModalScript script({test::CloseBox(&error), test::CloseBox(&history),
                        test::AnswerBox(&question, QMessageBox::Yes)});
    settings.Language = 1;
    steps.ShowError(kErrorOfDiskWriting);
    steps.ShowError(kCantSaveHistory);
    EXPECT_TRUE(steps.AskRepeat(kUnableToWriteResult));
    EXPECT_EQ(error, QString::fromUtf8("Ошибка записи на диск!"));
    EXPECT_EQ(history, "Cann`t save history!") << "a text without a word row stays as it is";
    EXPECT_TRUE(question.endsWith(QString::fromUtf8(" Повторить?"))) << question.toStdString();
}

TEST_F(WindowSteps, AHistoryThatCannotBeWrittenIsReported) {
    WriteRecords(LocalFile(), {MakeRosterLine("Anna", 2.0, 18, 100, EncodePassword("ab"))});
    test::WriteBytes(folder.Path() / "History", "a file where the folder should be");
    QString message;
    ModalScript script({test::CloseBox(&message)});
    WindowRecordsSteps steps(nullptr, context);
    FinishedGame game = AnnasGame(19, -5, 95);
    game.ProfileSlot = 1;
    const GameRecordsResult result = FinishGameRecords(game, steps);
    EXPECT_EQ(message, "Cann`t save history!");
    EXPECT_EQ(result.RosterStatus, RecordsWriteStatus::Ok) << "the other steps go on";
    EXPECT_EQ(sounds, std::vector<std::string>{"WKoBads"});
}

TEST_F(WindowSteps, StartUpMessagesAboutTheRecordsFiles) {
    const auto path = LocalFile();
    const QString quoted = QStringLiteral("\"") + QString::fromStdString(path.string()) + QStringLiteral("\"");
    test::WriteBytes(path, "damaged");
    EXPECT_EQ(RecordsCheckMessage(settings, CheckRecordsFile(path), path),
              QStringLiteral("The incorrect file ") + quoted + "!");
    std::filesystem::remove(path);
    EXPECT_EQ(RecordsCheckMessage(settings, CheckRecordsFile(path), path),
              QStringLiteral("Can`t find the file ") + quoted + "!");
    EXPECT_EQ(RecordsCheckMessage(settings, RecordsCheck{RecordsFileStatus::Ok, "idd", true}, path),
              QStringLiteral("The file ") + quoted +
                  " has incorrect attributes!\nThe work of the program will be incorrect!");
    EXPECT_TRUE(RecordsCheckMessage(settings, RecordsCheck{RecordsFileStatus::Ok, "idd", false}, path).isEmpty());
}

TEST(HistoryStamp, TimeAndShortDate) {
    const HistoryStamp stamp = HistoryStampAt(QDateTime(QDate(2025, 3, 4), QTime(7, 5)));
    EXPECT_EQ(stamp.Hour, 7);
    EXPECT_EQ(stamp.Minute, 5);
    EXPECT_EQ(stamp.DateText, "04.03.2025");
}

} // namespace
} // namespace vesrin
