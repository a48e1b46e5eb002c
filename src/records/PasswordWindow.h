#pragma once

#include "records/AuxWindow.h"
#include "records/Roster.h"

#include <QString>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vesrin {

class TFormPassword;

// What the welcome dialog is opened for: a roster player gives the password of the
// slot; a new player names himself and gives a password twice; changing the name
// during a game asks for a new name and password as for a new player.
enum class PasswordMode { RosterPlayer, NewPlayer, ChangeName };

// A confirmed welcome dialog.
struct LoginResult {
    int Slot = 6;                 // 1..5 roster, 6 new player
    std::string Name;             // code page 1251, padded with blanks to 20 (PlayerName)
    std::string EncodedPassword;  // columns 45-59 of the player's line
    std::string RosterLine;       // a roster player's line as read at login
};

// The network part of the welcome dialog (role, host address, port, own addresses),
// which the network table code supplies. With the network switch on, the dialog gives
// it room below the login fields and, once name and password are accepted, lets it
// finish the confirmation: listen or connect and wait for the table. The dialog closes
// with success only when Confirm gives true; on false the hook has written its error
// with ShowStatus, or the wait was cancelled, and the dialog stays open.
class PasswordNetworkHook {
public:
    virtual ~PasswordNetworkHook() = default;
    virtual int AreaHeight() const { return 160; }
    virtual void AddControls(TFormPassword& dialog, QWidget* area) = 0;
    virtual bool Confirm(TFormPassword& dialog) = 0;
};

// The welcome dialog: Edit1 the name (20 characters, 4 with the network switch on),
// Edit2 and Edit3 the password and its repetition (5 characters shown as "#"), the
// status line Label4 for refusals, Button1 "Ok" and Button2 "Cancel". Enter confirms,
// Escape cancels. Refusals keep the dialog open: "Incorrect name!", "The passwords do
// not coincide!", "The incorrect password!".
class TFormPassword : public AuxWindow {
    Q_OBJECT
public:
    // rosterLine is the slot's line for a roster player and the player's line as read
    // at the start of the game for a change of name; empty for a new player.
    TFormPassword(RecordsWindowContext& context, PasswordMode mode, int slot, std::string rosterLine,
                  QWidget* parent = nullptr, PasswordNetworkHook* network = nullptr);

    QLineEdit* Edit1() const { return edit1_; }
    QLineEdit* Edit2() const { return edit2_; }
    QLineEdit* Edit3() const { return edit3_; }
    QLabel* Label4() const { return label4_; }
    QPushButton* Button1() const { return button1_; }
    QPushButton* Button2() const { return button2_; }
    PasswordMode Mode() const { return mode_; }

    // The status line in lime; focus goes to the named field.
    void ShowStatus(const QString& text, QWidget* focus);
    // Button1Click: the checks in order; on success Result() holds the player.
    void Button1Click();
    const std::optional<LoginResult>& Result() const { return result_; }

    static constexpr int NameLength = 20;
    static constexpr int NetNameLength = 4;
    static constexpr int PasswordLength = 5;

protected:
    void SetTexts() override;
    QString HeaderWord() const override;

private:
    bool NetworkPart() const;

    PasswordMode mode_;
    int slot_;
    std::string rosterLine_;
    PasswordNetworkHook* network_;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QLineEdit* edit3_ = nullptr;
    QLabel* label4_ = nullptr;
    QPushButton* button1_ = nullptr;
    QPushButton* button2_ = nullptr;
    QWidget* networkArea_ = nullptr;
    bool networkBuilt_ = false;
    std::optional<LoginResult> result_;
};

// A roster button: nothing happens (nullopt, no dialog) for an empty slot; otherwise
// the dialog checks the slot's password.
std::optional<LoginResult> LoginRosterPlayer(QWidget* parent, RecordsWindowContext& context, int slot,
                                             PasswordNetworkHook* network = nullptr);
// The new-player button.
std::optional<LoginResult> LoginNewPlayer(QWidget* parent, RecordsWindowContext& context,
                                          PasswordNetworkHook* network = nullptr);

// Changing the name or password during a game, for the player in slot with the line
// read at the start of the game (a new player's line is made with MakeRosterLine). The
// records file of the running game (`rosterFile`, which the network switch may no
// longer name) is rewritten by RenameRosterPlayer and the success message shown, or
// the write error. nullopt when the dialog was cancelled; otherwise the player's slot
// and line from now on (both unchanged when Status is not Ok).
std::optional<RosterRename> ChangeName(QWidget* parent, RecordsWindowContext& context, int slot,
                                       std::string_view startLine, const std::filesystem::path& rosterFile);

} // namespace vesrin
