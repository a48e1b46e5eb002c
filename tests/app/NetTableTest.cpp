// The main window at a network table, offscreen, with bare connections on 127.0.0.1 as
// the other copies.

#include "LinkTestSupport.h"
#include "TableWindowFixture.h"

#include "net/TableMessages.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QKeyEvent>

#include <algorithm>

namespace vesrin::test {
namespace {

class NetTableWindow : public TableWindowTest {
protected:
    // The window hosts a table, a bare joiner takes the seat across and the game starts.
    void HostWithJoiner() {
        MakeWindow();
        form->ShowMessage = [this](const QString& text) { messages.push_back(text); };
        context->Options.NetMode = true;
        ASSERT_TRUE(form->Link().HostTable(0, "Hana", QHostAddress::LocalHost));
        ASSERT_TRUE(joiner.Connect(form->Link().ListeningPort()));
        joiner.Send(EncodeHello("Juri"));
        ASSERT_EQ(joiner.Take(26), "connect2+2HanaJuriPC  PC  ");
        form->StartGame(6);
        ASSERT_EQ(joiner.Take(211).substr(0, 1), "b");
    }

    RawPeer joiner;
    std::vector<QString> messages;
};

TEST_F(NetTableWindow, AJoinerLeavingMidHandTakesTheHostBackToTheMenuWithoutRecords) {
    HostWithJoiner();
    EXPECT_TRUE(State().IsNetHost());
    EXPECT_EQ(State().SeatNames[2], "Juri");
    form->Button7Click(); // "To Begin"
    EXPECT_EQ(joiner.Take(9), "h10000001");

    joiner.Socket().disconnectFromHost();
    ASSERT_TRUE(WaitFor([&] { return !State().InGame(); }));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "One of player has interrupted game!\n\rPress OK for exit to the main menu...");
    EXPECT_TRUE(form->MenuShown());
    EXPECT_EQ(finished, 0);
    EXPECT_EQ(abandoned, 0);
    EXPECT_FALSE(form->Edit1->isVisible());
    EXPECT_NE(std::find(sound->Played.begin(), sound->Played.end(), "WWrongs"), sound->Played.end());
    EXPECT_EQ(form->Link().ConnPhase(), TableLink::Idle);
}

TEST_F(NetTableWindow, TheBrokenOffMessageJoinsItsHalvesAsEachLanguageWrites) {
    struct Case {
        const char* Name;
        int Language;
        const char* FirstLine;
    };
    const Case cases[] = {
        {"Russian", 1, "Один из игроков прервал игру!"},
        {"Japanese", 8, "プレーヤーの一人がゲームを中断しました！"},
        {"Chinese", 5, "一名玩家中断了游戏！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        messages.clear();
        HostWithJoiner();
        context->Options.Language = c.Language;
        joiner.Socket().disconnectFromHost();
        ASSERT_TRUE(WaitFor([&] { return !State().InGame(); }));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].section(QStringLiteral("\n"), 0, 0), QString::fromUtf8(c.FirstLine));
    }
}

TEST_F(NetTableWindow, ChatLinesGoBothWaysInTheSpeakersColourOrder) {
    HostWithJoiner();
    EXPECT_TRUE(form->Edit1->isVisible());
    EXPECT_EQ(form->Edit1->maxLength(), 15);

    joiner.Send(EncodeChat(2, "hello Hana"));
    ASSERT_TRUE(WaitFor([&] { return form->ChatLines().Lines()[0].Seat != 0; }));
    EXPECT_EQ(form->ChatLines().Lines()[0].Text, "hello Hana");
    EXPECT_EQ(form->ChatLines().Lines()[0].Seat, 2);
    EXPECT_NE(std::find(sound->Played.begin(), sound->Played.end(), "WToMenK"), sound->Played.end());

    form->Edit1->setText(QStringLiteral("hi Juri"));
    form->SendChatLine();
    EXPECT_EQ(joiner.Take(17), "s1hi Juri        ");
    EXPECT_EQ(form->ChatLines().Lines()[1].Text, "hi Juri");
    EXPECT_EQ(form->ChatLines().Lines()[1].Seat, 1);
    EXPECT_TRUE(form->Edit1->text().isEmpty());
}

void TypeCode(QWidget* target) {
    for (const char c : std::string("47391")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + (c - '0'), Qt::NoModifier, QString(QChar(c)));
        QCoreApplication::sendEvent(target, &press);
    }
}

TEST_F(NetTableWindow, TheHiddenHandViewNeverOpensAtANetworkTable) {
    HostWithJoiner();
    TypeCode(form->BitBtn1);
    EXPECT_FALSE(State().OtherHandsFaceUp);
}

TEST_F(TableWindowTest, TheAccessCodeShowsTheOtherHandsAgainstTheComputer) {
    MakeWindow();
    StartGame();
    TypeCode(form->BitBtn1);
    EXPECT_TRUE(State().OtherHandsFaceUp);
    TypeCode(form->BitBtn1);
    EXPECT_FALSE(State().OtherHandsFaceUp);
}

} // namespace
} // namespace vesrin::test
