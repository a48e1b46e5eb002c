#pragma once

#include "net/TableLink.h"
#include "records/PasswordWindow.h"
#include "settings/Settings.h"

#include <QDialog>
#include <QStringList>
#include <QTimer>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace vesrin {

// The waiting dialog of a network table: the host waits for its joiners and starts with
// "Ok"; a joiner waits for its seat, which closes the dialog. "Cancel" closes the socket.
// Every second the state text turns to "There are no accessible games" while the joiner
// has no seat or its connection failed.
class TFormWait : public QDialog {
    Q_OBJECT
public:
    TFormWait(const Settings& settings, TableLink& link, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    std::array<QLabel*, 3> Labels{}; // Label2..Label4
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QTimer Timer1;

    bool Joined() const { return joined_; }
    void Button1Click();
    void Button2Click();
    void Timer1Timer();
    // Host: a joiner was seated; NetRemotes tells how many.
    void ShowSeated(int netRemotes);
    // Joiner: the seat came.
    void JoinerSeated();

private:
    const Settings& settings_;
    TableLink& link_;
    bool joined_ = false;
};

// The network part of the welcome dialog: the role, the host's address and the port,
// the machine's own addresses and the router help. Confirming listens or connects and
// waits in TFormWait.
class ConnectPart : public QObject, public PasswordNetworkHook {
    Q_OBJECT
public:
    ConnectPart(Settings& settings, GameState& state, TableLink& link);

    int AreaHeight() const override { return 250; }
    void AddControls(TFormPassword& dialog, QWidget* area) override;
    bool Confirm(TFormPassword& dialog) override;

    QGroupBox* RadioGroup1 = nullptr;
    std::array<QRadioButton*, 2> RadioItems{};
    QLabel* Label5 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLabel* Label7 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    std::array<QLineEdit*, 6> EditIP{};

    void RadioGroup1Click(int item);
    void Edit4Change();
    void Edit5Change();
    void Button3Click();
    void Button4Click();

    // Replaceable for tests: the machine's addresses, the public one, the waiting
    // dialog's run (exec by default), the router help's opening.
    std::function<QStringList()> LocalAddresses;
    std::function<QString()> ExternalAddress;
    std::function<int(TFormWait&)> RunWait;
    std::function<void()> OpenRouterHelp;

private:
    Settings& settings_;
    GameState& state_;
    TableLink& link_;
    TFormPassword* dialog_ = nullptr;
};

} // namespace vesrin
