#include "records/PasswordWindow.h"

#include "UiTestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vesrin {
namespace {

using test::ModalScript;

class PasswordWindow : public ::testing::Test, public test::WindowsFixture {
protected:
    std::string AnnaLine() const { return MakeRosterLine("Anna", 5.25, 57, 120, EncodePassword("ab")); }
};

// Types into the welcome dialog and presses Ok; gives the status line, empty when the
// dialog accepted.
QString Confirm(TFormPassword& dialog, const QString& name, const QString& password, const QString& again) {
    if (!dialog.Edit1()->isReadOnly()) dialog.Edit1()->setText(name);
    dialog.Edit2()->setText(password);
    dialog.Edit3()->setText(again);
    dialog.Button1()->click();
    return dialog.result() == QDialog::Accepted ? QString() : dialog.Label4()->text();
}

TEST_F(PasswordWindow, NewPlayerRefusals) {
    struct Case {
        const char* Name;
        QString PlayerName, Password, Again;
        QString Refusal; // empty: accepted
    };
    const Case cases[] = {
        {"empty name", "", "ab", "ab", "Incorrect name!"},
        {"blank name", "   ", "ab", "ab", "Incorrect name!"},
        {"name code page 1251 cannot hold", QString::fromUtf8("李"), "ab", "ab", "Incorrect name!"},
        {"passwords differ", "Zed", "ab", "ac", "The passwords do not coincide!"},
        {"password code page 1251 cannot hold", "Zed", QString::fromUtf8("李"), QString::fromUtf8("李"),
         "The incorrect password!"},
        {"accepted", "Zed", "ab", "ab", ""},
        {"Cyrillic name accepted", QString::fromUtf8("Борис"), QString::fromUtf8("пар"), QString::fromUtf8("пар"),
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TFormPassword dialog(context, PasswordMode::NewPlayer, 6, std::string());
        dialog.show();
        EXPECT_EQ(Confirm(dialog, c.PlayerName, c.Password, c.Again), c.Refusal);
        EXPECT_EQ(dialog.Label4()->isVisible(), !c.Refusal.isEmpty() && dialog.isVisible());
        EXPECT_EQ(dialog.Result().has_value(), c.Refusal.isEmpty());
    }
}

TEST_F(PasswordWindow, NewPlayerResultIsTheLineToBe) {
    TFormPassword dialog(context, PasswordMode::NewPlayer, 6, std::string());
    dialog.show();
    EXPECT_EQ(dialog.Edit1()->text(), "Mr.X") << "the name given last time, at first the default";
    EXPECT_EQ(dialog.Edit1()->maxLength(), 20);
    EXPECT_EQ(dialog.Edit2()->maxLength(), 5);
    EXPECT_EQ(dialog.Edit2()->echoMode(), QLineEdit::Password);
    ASSERT_EQ(Confirm(dialog, QString::fromUtf8("Борис"), "ab", "ab"), QString());
    const LoginResult& result = *dialog.Result();
    EXPECT_EQ(result.Slot, 6);
    EXPECT_EQ(result.Name, std::string("\xC1\xEE\xF0\xE8\xF1") + std::string(15, ' '));
    EXPECT_EQ(result.EncodedPassword, "331332266266266");
    EXPECT_EQ(settings.DefaultPlayerName, "\xC1\xEE\xF0\xE8\xF1") << "offered at the next opening";
}

TEST_F(PasswordWindow, RosterPlayerPasswordCheck) {
    TFormPassword dialog(context, PasswordMode::RosterPlayer, 2, AnnaLine());
    dialog.show();
    EXPECT_EQ(dialog.Edit1()->text(), "Anna");
    EXPECT_TRUE(dialog.Edit1()->isReadOnly());
    EXPECT_FALSE(dialog.Edit3()->isVisible());
    for (const char* wrong : {"", "a", "abc", "AB"}) {
        SCOPED_TRACE(wrong);
        EXPECT_EQ(Confirm(dialog, {}, wrong, {}), "The incorrect password!");
        EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
    }
    settings.Language = 1;
    EXPECT_EQ(Confirm(dialog, {}, "x", {}), QString::fromUtf8("Неверный пароль!"))
        << "a refusal is fetched in the language of its moment";
    EXPECT_EQ(Confirm(dialog, {}, "ab", {}), QString());
    const LoginResult& result = *dialog.Result();
    EXPECT_EQ(result.Slot, 2);
    EXPECT_EQ(result.Name, "Anna                ");
    EXPECT_EQ(result.RosterLine, AnnaLine());
    EXPECT_EQ(result.EncodedPassword, EncodePassword("ab"));
}

TEST_F(PasswordWindow, EnterConfirmsLikeOk) {
    TFormPassword dialog(context, PasswordMode::RosterPlayer, 1, AnnaLine());
    dialog.show();
    dialog.Edit2()->setText("ab");
    QTest::keyClick(dialog.Edit2(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(PasswordWindow, EmptyRosterSlotOpensNothing) {
    WriteRecords(LocalFile(), {AnnaLine()});
    ModalScript script({});
    EXPECT_FALSE(LoginRosterPlayer(nullptr, context, 2).has_value());
    EXPECT_EQ(script.Unexpected(), 0);
}

TEST_F(PasswordWindow, LoginReadsTheSlotOfTheFileInUse) {
    WriteRecords(LocalFile(), {AnnaLine()});
    WriteRecords(NetFile(), {MakeRosterLine("Nets", 1, 1, 1, EncodePassword("nn"))});
    settings.NetMode = true;
    QString shownName;
    ModalScript script({[&](QWidget& window) {
        auto& dialog = dynamic_cast<TFormPassword&>(window);
        shownName = dialog.Edit1()->text();
        Confirm(dialog, {}, "nn", {});
    }});
    const auto login = LoginRosterPlayer(nullptr, context, 1);
    ASSERT_TRUE(login.has_value());
    EXPECT_EQ(shownName, "Nets");
    EXPECT_EQ(login->Name.substr(0, 4), "Nets");
}

// A stand-in for the network table part of the dialog.
class FakeNetwork : public PasswordNetworkHook {
public:
    void AddControls(TFormPassword&, QWidget* area) override { this->area = area; }
    bool Confirm(TFormPassword& dialog) override {
        ++confirms;
        if (!joins) dialog.ShowStatus("Incorrect Port!", dialog.Edit1());
        return joins;
    }
    QWidget* area = nullptr;
    bool joins = false;
    int confirms = 0;
};

TEST_F(PasswordWindow, NetworkModeLimitsTheNameAndLetsTheNetworkPartFinish) {
    settings.NetMode = true;
    settings.DefaultPlayerName = "Anna Long";
    FakeNetwork network;
    TFormPassword dialog(context, PasswordMode::NewPlayer, 6, std::string(), nullptr, &network);
    dialog.show();
    EXPECT_EQ(dialog.Edit1()->maxLength(), 4);
    EXPECT_EQ(dialog.Edit1()->text(), "Mr.X") << "a name too long for a seat is not offered";
    ASSERT_NE(network.area, nullptr);
    EXPECT_TRUE(network.area->isVisible());

    EXPECT_EQ(Confirm(dialog, "", "a", "a"), "Incorrect name!");
    EXPECT_EQ(network.confirms, 0) << "the network part runs only after the name and password";
    EXPECT_EQ(Confirm(dialog, "Bob", "a", "a"), "Incorrect Port!");
    EXPECT_EQ(network.confirms, 1);
    network.joins = true;
    EXPECT_EQ(Confirm(dialog, "Bob", "a", "a"), QString());
    EXPECT_EQ(dialog.Result()->Name, "Bob                 ");

    settings.DefaultPlayerName = "Bob";
    TFormPassword next(context, PasswordMode::NewPlayer, 6, std::string(), nullptr, &network);
    next.show();
    EXPECT_EQ(next.Edit1()->text(), "Bob");
}

TEST_F(PasswordWindow, ChangeNameMovesThePlayerAndTheNewPasswordLogsIn) {
    const std::string anna = MakeRosterLine("Anna", 5.0, 57, 120, EncodePassword("ab"));
    const std::string bob = MakeRosterLine("Bob", 3.0, 10, 5, EncodePassword("bb"));
    WriteRecords(LocalFile(), {anna, bob});
    QString message;
    std::optional<RosterRename> renamed;
    {
        ModalScript script({[&](QWidget& window) {
                                auto& dialog = dynamic_cast<TFormPassword&>(window);
                                EXPECT_EQ(dialog.Edit1()->text(), "Bob");
                                EXPECT_EQ(dialog.windowTitle(), "To change a name");
                                Confirm(dialog, "Zed", "zz", "zz");
                            },
                            test::CloseBox(&message)});
        renamed = ChangeName(nullptr, context, 2, bob, LocalFile());
    }
    ASSERT_TRUE(renamed.has_value());
    EXPECT_EQ(renamed->Status, RecordsWriteStatus::Ok);
    EXPECT_EQ(renamed->Slot, 2);
    EXPECT_EQ(message, "Your name and/or the password were successfully changed!\nNew name: Zed");
    EXPECT_EQ(Read(LocalFile()).Roster[1], renamed->Line);

    // The renamed player logs in with the new password only.
    QString refusal;
    ModalScript login({[&](QWidget& window) {
        auto& dialog = dynamic_cast<TFormPassword&>(window);
        EXPECT_EQ(dialog.Edit1()->text(), "Zed");
        refusal = Confirm(dialog, {}, "bb", {});
        Confirm(dialog, {}, "zz", {});
    }});
    const auto player = LoginRosterPlayer(nullptr, context, renamed->Slot);
    EXPECT_EQ(refusal, "The incorrect password!");
    ASSERT_TRUE(player.has_value());
    EXPECT_EQ(player->Name.substr(0, 3), "Zed");
}

TEST_F(PasswordWindow, ChangeNameOnADamagedFileKeepsThePlayer) {
    const std::string bob = MakeRosterLine("Bob", 3.0, 10, 5, EncodePassword("bb"));
    WriteRecords(LocalFile(), {bob});
    test::WriteBytes(LocalFile(), "damaged");
    QString message;
    ModalScript script({[&](QWidget& window) { Confirm(dynamic_cast<TFormPassword&>(window), "Zed", "z", "z"); },
                        test::CloseBox(&message)});
    const auto renamed = ChangeName(nullptr, context, 1, bob, LocalFile());
    ASSERT_TRUE(renamed.has_value());
    EXPECT_EQ(renamed->Status, RecordsWriteStatus::Damaged);
    EXPECT_EQ(renamed->Slot, 1);
    EXPECT_EQ(renamed->Line, bob);
    EXPECT_TRUE(message.startsWith("The incorrect file \"")) << message.toStdString();
}

TEST_F(PasswordWindow, CancelledChangeNameChangesNothing) {
    const std::string bob = MakeRosterLine("Bob", 3.0, 10, 5, EncodePassword("bb"));
    WriteRecords(LocalFile(), {bob});
    const RecordsFile before = Read(LocalFile());
    ModalScript script({[](QWidget& window) { dynamic_cast<QDialog&>(window).reject(); }});
    EXPECT_FALSE(ChangeName(nullptr, context, 1, bob, LocalFile()).has_value());
    EXPECT_EQ(Read(LocalFile()).Roster, before.Roster);
}

} // namespace
} // namespace vesrin
