// The network part of the welcome dialog and the waiting dialog, offscreen.

#include "LinkTestSupport.h"

#include "net/ConnectDialog.h"
#include "net/TableMessages.h"
#include "records/PasswordWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace vesrin::test {
namespace {

class ConnectDialog : public ::testing::Test {
protected:
    ConnectDialog() : context{settings, std::filesystem::temp_directory_path(), {}, {}, {}} {
        settings.NetMode = true;
        settings.DefaultPlayerName = "Sonya"; // five characters: too long for a seat
        part = std::make_unique<ConnectPart>(settings, copy.State, copy.Link);
        part->RunWait = [](TFormWait&) { return 0; };
        dialog = std::make_unique<TFormPassword>(context, PasswordMode::NewPlayer, 6, std::string(), nullptr, part.get());
        dialog->show();
    }
    ~ConnectDialog() override {
        dialog.reset();
        part.reset();
    }

    QString Confirm() {
        dialog->Button1Click();
        return dialog->Label4()->isVisible() ? dialog->Label4()->text() : QString();
    }

    Settings settings;
    RecordsWindowContext context;
    LinkedCopy copy;
    std::unique_ptr<ConnectPart> part;
    std::unique_ptr<TFormPassword> dialog;
};

TEST_F(ConnectDialog, OpensAsHostWithASeatSizedName) {
    EXPECT_EQ(dialog->Edit1()->text(), "Mr.X");
    EXPECT_EQ(dialog->Edit1()->maxLength(), 4);
    EXPECT_TRUE(part->RadioItems[0]->isChecked());
    EXPECT_EQ(copy.State.NetSeat, 1);
    EXPECT_FALSE(part->Edit4->isEnabled());
    EXPECT_EQ(part->Edit5->text(), "25666");
    EXPECT_FALSE(part->SpinEdit1->isEnabled());
    for (QLineEdit* box : part->EditIP) EXPECT_TRUE(box->isHidden());
}

TEST_F(ConnectDialog, AJoinersAddressAndThePortAreChecked) {
    part->RadioItems[1]->setChecked(true);
    EXPECT_EQ(copy.State.NetSeat, 2);
    EXPECT_EQ(part->Edit4->text(), "127.0.0.1");
    struct Case {
        const char* Address;
        const char* Port;
        const char* Status;
    };
    const Case cases[] = {
        {"1.2.3", "25666", "Incorrect IP-address!"},
        {"1.2.3.4.", "25666", "Incorrect IP-address!"},
        {"1.2.3.1234", "25666", "Incorrect IP-address!"},
        {"1.2.3.4", "", "Incorrect Port!"},
        {"999.1.1.1", "25666", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Address);
        dialog->Edit2()->setText("pw");
        dialog->Edit3()->setText("pw");
        part->Edit4->setText(c.Address);
        part->Edit5->setText(c.Port);
        EXPECT_EQ(Confirm(), c.Status);
        copy.Link.Close();
    }
    // A letter in the port field brings back the last port.
    part->Edit5->setText("25666");
    part->Edit5Change();
    part->Edit5->setText("256x");
    part->Edit5Change();
    EXPECT_EQ(part->Edit5->text(), "25666");
    part->Edit4->setText("10.0.a");
    part->Edit4Change();
    EXPECT_EQ(part->Edit4->text(), QString::fromStdString(settings.LastAddress));
}

TEST_F(ConnectDialog, OwnAddressesFillTheBoxesInOrder) {
    part->LocalAddresses = [] { return QStringList{"192.168.1.5", "10.0.0.7"}; };
    part->ExternalAddress = [] { return QString(); }; // no service answers
    part->Button3Click();
    EXPECT_EQ(part->EditIP[0]->text(), "192.168.1.5");
    EXPECT_EQ(part->EditIP[1]->text(), "10.0.0.7");
    EXPECT_EQ(part->EditIP[2]->text(), "");
    EXPECT_FALSE(part->EditIP[2]->isHidden());
    EXPECT_EQ(part->EditIP[3]->text(), "127.0.0.1");
    EXPECT_EQ(part->EditIP[3]->toolTip(), "Loop");
    EXPECT_TRUE(part->EditIP[4]->isHidden());
}

TEST_F(ConnectDialog, TheHostWaitsForAJoinerBeforeOk) {
    dialog->Edit2()->setText("pw");
    dialog->Edit3()->setText("pw");
    part->Edit5->setText("0"); // any free port
    bool okWasDisabled = false;
    std::string seating;
    part->RunWait = [&](TFormWait& wait) {
        okWasDisabled = !wait.Button1->isEnabled();
        EXPECT_EQ(wait.Label1->text(), "Expectation of connection of other players...");
        RawPeer joiner;
        EXPECT_TRUE(joiner.Connect(copy.Link.ListeningPort()));
        joiner.Send(EncodeHello("Anna"));
        seating = joiner.Take(26);
        EXPECT_TRUE(WaitFor([&] { return wait.Button1->isEnabled(); }));
        EXPECT_FALSE(wait.Button2->isEnabled());
        EXPECT_FALSE(wait.Labels[0]->isHidden());
        EXPECT_TRUE(wait.Labels[1]->isHidden());
        wait.Button1Click();
        return 1;
    };
    EXPECT_EQ(Confirm(), "");
    EXPECT_TRUE(okWasDisabled);
    EXPECT_EQ(seating, "connect2+2Mr.XAnnaPC  PC  ");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(ConnectDialog, AJoinerWithoutHostSeesThatNoGameAnswers) {
    part->RadioItems[1]->setChecked(true);
    dialog->Edit2()->setText("pw");
    dialog->Edit3()->setText("pw");
    part->Edit4->setText("127.0.0.1");
    part->Edit5->setText("1"); // nobody listens there
    part->RunWait = [&](TFormWait& wait) {
        EXPECT_EQ(wait.Label1->text(), "Expectation of game...");
        EXPECT_TRUE(WaitFor([&] { return copy.Link.ConnFailed() && wait.Label1->text() == "There are no accessible games"; }));
        wait.Button2Click();
        return 0;
    };
    EXPECT_EQ(Confirm(), "");
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(copy.Link.ConnPhase(), TableLink::Idle);
}

} // namespace
} // namespace vesrin::test
