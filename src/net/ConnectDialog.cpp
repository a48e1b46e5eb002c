#include "net/ConnectDialog.h"

#include "net/ConnectChecks.h"
#include "net/NetAddresses.h"
#include "records/WindowWords.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QUrl>

namespace vesrin {

namespace {

constexpr int kLeft = 20;
constexpr int kWidth = 320;

} // namespace

// --- the waiting dialog ---

TFormWait::TFormWait(const Settings& settings, TableLink& link, QWidget* parent)
    : QDialog(parent), settings_(settings), link_(link) {
    setObjectName(QStringLiteral("FormWait"));
    setWindowTitle(WordText(settings_, Word::WaitPleaseWait));
    setFixedSize(340, 200);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(10, 10, 320, 40);
    Label1->setWordWrap(true);
    const Word rows[] = {Word::WaitSecondConnected, Word::WaitThirdConnected, Word::WaitFourthConnected};
    for (std::size_t i = 0; i < Labels.size(); ++i) {
        Labels[i] = new QLabel(WordText(settings_, rows[i]), this);
        Labels[i]->setObjectName(QStringLiteral("Label%1").arg(i + 2));
        Labels[i]->setGeometry(10, 55 + int(i) * 25, 320, 22);
        Labels[i]->hide();
    }
    Button1 = new QPushButton(QStringLiteral("Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(20, 150, 140, 32);
    Button1->setEnabled(false);
    Button2 = new QPushButton(WordText(settings_, Word::LoginCancel), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(180, 150, 140, 32);
    connect(Button1, &QPushButton::clicked, this, &TFormWait::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFormWait::Button2Click);
    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &TFormWait::Timer1Timer);
    Timer1.start();
}

void TFormWait::Button1Click() {
    if (!Button1->isEnabled()) return;
    joined_ = true;
    accept();
}

void TFormWait::Button2Click() {
    link_.Close();
    reject();
}

void TFormWait::Timer1Timer() {
    if (link_.ConnFailed()) Label1->setText(WordText(settings_, Word::WaitNoGames));
}

void TFormWait::ShowSeated(int netRemotes) {
    Button1->setEnabled(true);
    Button2->setEnabled(false);
    for (int i = 0; i < 3; ++i) Labels[std::size_t(i)]->setVisible(netRemotes >= i);
}

void TFormWait::JoinerSeated() {
    joined_ = true;
    accept();
}

// --- the network part of the welcome dialog ---

ConnectPart::ConnectPart(Settings& settings, GameState& state, TableLink& link)
    : settings_(settings), state_(state), link_(link) {
    LocalAddresses = [] { return ListLocalAddresses(); };
    // The service address comes with the online part; until then the box stays empty.
    ExternalAddress = [] { return AskExternalAddress(QString()); };
    RunWait = [](TFormWait& wait) { return wait.exec(); };
    OpenRouterHelp = [] { QDesktopServices::openUrl(QUrl(QStringLiteral("http://127.0.0.1:8042/downloads/any/routerc.doc"))); };
}

void ConnectPart::AddControls(TFormPassword& dialog, QWidget* area) {
    dialog_ = &dialog;
    const Settings& s = settings_;
    RadioGroup1 = new QGroupBox(WordText(s, Word::NetServerClient), area);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(kLeft, 0, kWidth, 62);
    const Word items[] = {Word::NetServerCreates, Word::NetClientJoins};
    for (int i = 0; i < 2; ++i) {
        RadioItems[std::size_t(i)] = new QRadioButton(WordText(s, items[i]), RadioGroup1);
        RadioItems[std::size_t(i)]->setGeometry(10, 18 + 20 * i, kWidth - 20, 20);
        connect(RadioItems[std::size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) RadioGroup1Click(i);
        });
    }
    Label5 = new QLabel(WordText(s, Word::NetEnterServerIp), area);
    Label5->setGeometry(kLeft, 68, 170, 22);
    Edit4 = new QLineEdit(area);
    Edit4->setObjectName(QStringLiteral("Edit4"));
    Edit4->setGeometry(kLeft + 175, 66, kWidth - 175, 24);
    Label6 = new QLabel(WordText(s, Word::NetEnterServerPort), area);
    Label6->setGeometry(kLeft, 96, 170, 22);
    Edit5 = new QLineEdit(area);
    Edit5->setObjectName(QStringLiteral("Edit5"));
    Edit5->setGeometry(kLeft + 175, 94, 90, 24);
    Button4 = new QPushButton(QStringLiteral("?"), area);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setGeometry(kLeft + kWidth - 40, 94, 40, 24);
    Label7 = new QLabel(WordText(s, Word::NetNumberOfGames), area);
    Label7->setGeometry(kLeft, 124, 170, 22);
    SpinEdit1 = new QSpinBox(area);
    SpinEdit1->setGeometry(kLeft + 175, 122, 60, 24);
    Button3 = new QPushButton(WordText(s, Word::NetGetIpAddresses), area);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(kLeft, 152, kWidth, 26);
    for (std::size_t k = 0; k < EditIP.size(); ++k) {
        EditIP[k] = new QLineEdit(area);
        EditIP[k]->setObjectName(QStringLiteral("EditIP%1").arg(k + 1));
        EditIP[k]->setReadOnly(true);
        EditIP[k]->setGeometry(kLeft + int(k % 3) * 108, 184 + int(k / 3) * 28, 104, 24);
        EditIP[k]->hide();
    }
    connect(Edit4, &QLineEdit::textEdited, this, &ConnectPart::Edit4Change);
    connect(Edit5, &QLineEdit::textEdited, this, &ConnectPart::Edit5Change);
    connect(Button3, &QPushButton::clicked, this, &ConnectPart::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &ConnectPart::Button4Click);
    // Enter in the address and port fields confirms like "Ok" too.
    for (QLineEdit* edit : {Edit4, Edit5}) connect(edit, &QLineEdit::returnPressed, &dialog, &TFormPassword::Button1Click);

    // Opening: the host's role, no address, the last port; the number of games is not
    // chosen at a network table.
    RadioItems[0]->setChecked(true);
    RadioGroup1Click(0);
    Edit5->setText(QString::fromStdString(settings_.LastPort));
    SpinEdit1->setEnabled(false);
    Label7->setEnabled(false);
}

void ConnectPart::RadioGroup1Click(int item) {
    const bool joiner = item == 1;
    state_.NetSeat = joiner ? 2 : 1;
    Label5->setEnabled(joiner);
    Edit4->setEnabled(joiner);
    Edit4->setText(joiner ? QString::fromStdString(settings_.LastAddress) : QString());
}

void ConnectPart::Edit4Change() {
    const std::string text = Edit4->text().toStdString();
    if (!OnlyDigitsAndPoints(text)) {
        Edit4->setText(QString::fromStdString(settings_.LastAddress));
    } else if (state_.NetSeat == 2 && !text.empty()) {
        settings_.LastAddress = text;
    }
    if (dialog_) dialog_->ShowStatus(QString(), nullptr);
}

void ConnectPart::Edit5Change() {
    const std::string text = Edit5->text().toStdString();
    if (!OnlyDigits(text) || text.size() > 5)
        Edit5->setText(QString::fromStdString(settings_.LastPort));
    else
        settings_.LastPort = text;
}

void ConnectPart::Button3Click() {
    const QStringList own = LocalAddresses();
    std::size_t box = 0;
    for (const QString& address : own) {
        if (box == EditIP.size()) break;
        EditIP[box]->setText(address);
        EditIP[box++]->show();
    }
    if (box < EditIP.size()) {
        EditIP[box]->setText(ExternalAddress());
        EditIP[box]->setToolTip(QStringLiteral("Vesrin"));
        EditIP[box++]->show();
    }
    if (box < EditIP.size()) {
        EditIP[box]->setText(QStringLiteral("127.0.0.1"));
        EditIP[box]->setToolTip(QStringLiteral("Loop"));
        EditIP[box]->show();
    }
}

void ConnectPart::Button4Click() {
    if (OpenRouterHelp) OpenRouterHelp();
}

bool ConnectPart::Confirm(TFormPassword& dialog) {
    const Settings& s = settings_;
    const bool joiner = RadioItems[1]->isChecked();
    // A seat number left from an earlier game goes back to a joiner's first.
    if (state_.NetSeat > 2) state_.NetSeat = 2;
    const std::string address = Edit4->text().toStdString();
    if (joiner && !ValidHostAddress(address)) {
        dialog.ShowStatus(WordText(s, Word::LoginIncorrectIp), Edit4);
        return false;
    }
    const QString portText = Edit5->text();
    bool portOk = false;
    const uint port = portText.toUInt(&portOk);
    if (portText.isEmpty() || !portOk || port > 65535) {
        dialog.ShowStatus(WordText(s, Word::LoginIncorrectPort), Edit5);
        return false;
    }
    const std::string name = dialog.Result() ? dialog.Result()->Name : std::string("Mr.X");

    TFormWait wait(s, link_, &dialog);
    const TableLinkHooks kept = link_.Hooks;
    link_.Hooks.SeatingChanged = [&] {
        if (link_.IsHost()) wait.ShowSeated(state_.NetRemotes);
    };
    link_.Hooks.Seated = [&] { wait.JoinerSeated(); };
    link_.Hooks.ConnectionFailed = [&] { wait.Timer1Timer(); };
    link_.Hooks.BrokenOff = [&] { wait.Button2Click(); };
    if (joiner) {
        settings_.LastAddress = address;
        wait.Label1->setText(WordText(s, Word::WaitGame));
        link_.JoinTable(QString::fromStdString(address), quint16(port), name);
    } else {
        wait.Label1->setText(WordText(s, Word::WaitOtherPlayers));
        if (!link_.HostTable(quint16(port), name)) {
            link_.Hooks = kept;
            dialog.ShowStatus(WordText(s, Word::LoginIncorrectPort), Edit5);
            return false;
        }
    }
    settings_.LastPort = portText.toStdString();
    RunWait(wait);
    link_.Hooks = kept;
    if (!wait.Joined()) {
        link_.Close();
        return false;
    }
    return true;
}

} // namespace vesrin
