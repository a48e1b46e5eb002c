#include "ProgramFixture.h"

#include "base/FileBytes.h"
#include "records/PasswordWindow.h"
#include "records/Roster.h"
#include "settings/SettingsFile.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>

namespace vesrin::test {
namespace {

// The "Multiplayer" switch picks the network roster and makes every game a network game:
// whatever the switch does later, a game books into the roster file of its own kind, and
// into its player's slot.
class NetworkSwitchTest : public ProgramTest {
protected:
    void SetUp() override {
        files.WriteRecords(files.LocalFile(), {PlayerLine("Boris", 3.5, 5, 40, "b1"), PlayerLine("Anna", 1, 3, 10, "a")});
        files.WriteRecords(files.NetFile(), {PlayerLine("Netty", 2, 3, 4, "n")});
    }
    void SwitchOnAtStart() {
        Settings options;
        options.NetMode = true;
        WriteBytes(SettingsFile(), FormatSettings(options));
    }
    std::string Bytes(const std::filesystem::path& file) const { return ReadFileBytes(file).value_or(std::string()); }
};

TEST_F(NetworkSwitchTest, WithTheSwitchOnAProfileGoesToTheNetworkTableAndNeverToTheLocalClub) {
    // A network roster player is welcomed by the dialog's network part (host or join);
    // he may still change his mind there. Nothing of the local club is touched either way.
    SwitchOnAtStart();
    MakeProgram();
    ASSERT_TRUE(context->Options.NetMode);
    const std::string local = Bytes(files.LocalFile());
    struct Case {
        const char* Name;
        QPushButton* Button;
    };
    const Case cases[] = {{"network roster player", Menu().ProfileButtons[0]}, {"new player", Menu().Button6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        bool networkPartShown = false;
        ModalScript script({[&networkPartShown](QWidget& window) {
            auto& dialog = dynamic_cast<TFormPassword&>(window);
            networkPartShown = dialog.findChild<QRadioButton*>() != nullptr;
            dialog.reject();
        }});
        QTest::mouseClick(c.Button, Qt::LeftButton);
        EXPECT_TRUE(networkPartShown);
        EXPECT_FALSE(State().InGame());
        EXPECT_TRUE(form->MenuShown());
        EXPECT_EQ(Bytes(files.LocalFile()), local) << "the local club keeps every line";
    }
}

TEST_F(NetworkSwitchTest, AfterTheSwitchIsTurnedDuringAGameItsOwnRosterIsKept) {
    // The options dialog can turn the switch while a local game runs; leaving the game
    // or renaming the player must still touch the local roster, in the player's slot.
    struct Case {
        const char* Name;
        std::function<void(TForm1&)> Act;
        std::string_view NewFirstLine; // the local roster's first name afterwards
    };
    const Case cases[] = {
        {"Exit to menu", [](TForm1& window) { window.QuitClick(); }, "Anna"},
        {"change of name",
         [](TForm1& window) {
             ModalScript rename({[](QWidget& shown) {
                                     auto& dialog = dynamic_cast<TFormPassword&>(shown);
                                     dialog.Edit1()->setText(QStringLiteral("Bob"));
                                     dialog.Edit2()->setText(QStringLiteral("b2"));
                                     dialog.Edit3()->setText(QStringLiteral("b2"));
                                     QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
                                 },
                                 [](QWidget& box) { static_cast<QDialog&>(box).accept(); }});
             window.ChangeNameClick();
         },
         "Bob"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        SetUp();
        std::filesystem::remove(SettingsFile());
        MakeProgram();
        const std::string net = Bytes(files.NetFile());
        {
            ModalScript login({[](QWidget& shown) {
                auto& dialog = dynamic_cast<TFormPassword&>(shown);
                dialog.Edit2()->setText(QStringLiteral("b1"));
                QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
            }});
            QTest::mouseClick(Menu().ProfileButtons[0], Qt::LeftButton);
        }
        ASSERT_TRUE(State().InGame());
        ASSERT_TRUE(PlayUntil([this] { return State().TrickNo >= 2; }));
        context->Options.NetMode = true;
        form->Host().ApplyNetMode();
        c.Act(*form);
        EXPECT_EQ(Bytes(files.NetFile()), net) << "the network club is not the game's";
        const std::optional<RosterEntry> first = ParseRosterLine(RosterLine(1));
        ASSERT_TRUE(first);
        EXPECT_TRUE(first->Name.starts_with(c.NewFirstLine)) << RosterLine(1);
        form.reset();
        context.reset();
    }
}

} // namespace
} // namespace vesrin::test
