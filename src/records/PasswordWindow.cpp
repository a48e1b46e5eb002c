#include "records/PasswordWindow.h"

#include "base/Cp1251.h"
#include "base/TextFields.h"
#include "records/RecordsMessages.h"
#include "records/WindowWords.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vesrin {

namespace {

constexpr int kWidth = 360;
constexpr int kFieldLeft = 20;
constexpr int kFieldWidth = kWidth - 2 * kFieldLeft;

std::string ToCp1251(const QString& text, bool& fits) {
    const auto bytes = Utf8ToCp1251(text.toStdString());
    fits = bytes.has_value();
    return bytes.value_or(std::string());
}

} // namespace

TFormPassword::TFormPassword(RecordsWindowContext& context, PasswordMode mode, int slot, std::string rosterLine,
                             QWidget* parent, PasswordNetworkHook* network)
    : AuxWindow(context, {QStringLiteral("GFormPass"), QStringLiteral("Passport")}, parent), mode_(mode),
      slot_(slot), rosterLine_(std::move(rosterLine)), network_(network) {
    label1_ = new QLabel(Content());
    label2_ = new QLabel(Content());
    label3_ = new QLabel(Content());
    edit1_ = new QLineEdit(Content());
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit2_ = new QLineEdit(Content());
    edit2_->setObjectName(QStringLiteral("Edit2"));
    edit3_ = new QLineEdit(Content());
    edit3_->setObjectName(QStringLiteral("Edit3"));
    for (QLineEdit* password : {edit2_, edit3_}) {
        password->setMaxLength(PasswordLength);
        password->setEchoMode(QLineEdit::Password);
        password->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 35; }"));
    }
    label4_ = new QLabel(Content());
    label4_->setObjectName(QStringLiteral("Label4"));
    label4_->setAlignment(Qt::AlignCenter);
    label4_->setAutoFillBackground(true);
    label4_->hide();
    button1_ = MakeWindowButton(Content());
    button1_->setDefault(true);
    button2_ = MakeWindowButton(Content());
    connect(button1_, &QPushButton::clicked, this, &TFormPassword::Button1Click);
    connect(button2_, &QPushButton::clicked, this, &QDialog::reject);
    networkArea_ = new QWidget(Content());

    // The name field starts from the player's name, or for a new player from the name
    // given last time ("Mr.X" in network play when that name is too long for a seat).
    const bool roster = mode_ == PasswordMode::RosterPlayer;
    if (roster || mode_ == PasswordMode::ChangeName) {
        edit1_->setText(FileText(std::string_view(rosterLine_).substr(0, 20)).trimmed());
    } else {
        const QString last = FileText(context_.Values.DefaultPlayerName);
        edit1_->setText(NetworkPart() && last.size() > NetNameLength ? WordText(settings(), Word::LoginDefaultName)
                                                                      : last);
    }
    edit1_->setMaxLength(NetworkPart() && !roster ? NetNameLength : NameLength);
    edit1_->setReadOnly(roster);
    label3_->setVisible(!roster);
    edit3_->setVisible(!roster);
}

bool TFormPassword::NetworkPart() const {
    return settings().NetMode && mode_ != PasswordMode::ChangeName;
}

QString TFormPassword::HeaderWord() const {
    return WordText(settings(), mode_ == PasswordMode::ChangeName ? Word::MenuChangeName : Word::LoginWelcome);
}

void TFormPassword::SetTexts() {
    const Settings& s = settings();
    setWindowTitle(HeaderWord());
    label1_->setText(WordText(s, Word::LoginEnterName));
    label2_->setText(WordText(s, Word::LoginEnterPassword));
    label3_->setText(WordText(s, Word::LoginRepeatPassword));
    button1_->setText(QStringLiteral("Ok"));
    button2_->setText(WordText(s, Word::LoginCancel));

    int top = 0;
    const auto place = [&](QLabel* label, QLineEdit* edit) {
        if (label->isHidden()) return;
        StyleLabel(*label, 17);
        label->setGeometry(kFieldLeft, top, kFieldWidth, 24);
        edit->setFont(DecorFont(18, true));
        edit->setGeometry(kFieldLeft, top + 24, kFieldWidth, 30);
        top += 60;
    };
    place(label1_, edit1_);
    place(label2_, edit2_);
    place(label3_, edit3_);

    // Refusals in lime, on a dark strip so that they read on the grey designs too.
    label4_->setFont(DecorFont(16, true));
    QPalette status = label4_->palette();
    status.setColor(QPalette::WindowText, QColor(0, 255, 0));
    status.setColor(QPalette::Window, QColor(0, 0, 0));
    label4_->setPalette(status);
    label4_->setGeometry(kFieldLeft, top, kFieldWidth, 26);
    top += 34;

    const int buttonWidth = (kFieldWidth - 10) / 2;
    for (QPushButton* button : {button1_, button2_}) StyleButton(*button);
    button1_->setGeometry(kFieldLeft, top, buttonWidth, button1_->height());
    button2_->setGeometry(kFieldLeft + buttonWidth + 10, top, buttonWidth, button2_->height());
    top += button1_->height() + 10;

    const bool network = NetworkPart() && network_;
    networkArea_->setVisible(network);
    if (network) {
        networkArea_->setGeometry(0, top, kWidth, network_->AreaHeight());
        if (!networkBuilt_) network_->AddControls(*this, networkArea_), networkBuilt_ = true;
        top += network_->AreaHeight();
    }
    SetContentSize(kWidth, top);
    (mode_ == PasswordMode::RosterPlayer ? edit2_ : edit1_)->setFocus();
}

void TFormPassword::ShowStatus(const QString& text, QWidget* focus) {
    label4_->setText(text);
    label4_->setVisible(!text.isEmpty());
    if (focus) focus->setFocus();
}

void TFormPassword::Button1Click() {
    const Settings& s = settings();
    bool nameFits = false;
    const std::string name = ToCp1251(edit1_->text(), nameFits);
    if (!nameFits || TrimRight(name).empty()) return ShowStatus(WordText(s, Word::LoginIncorrectName), edit1_);

    bool passwordFits = false;
    const std::string password = ToCp1251(edit2_->text(), passwordFits);
    if (mode_ == PasswordMode::RosterPlayer) {
        if (!passwordFits || !PasswordMatches(rosterLine_, password))
            return ShowStatus(WordText(s, Word::LoginIncorrectPassword), edit2_);
    } else {
        if (edit2_->text() != edit3_->text())
            return ShowStatus(WordText(s, Word::LoginPasswordsDiffer), edit2_);
        if (!passwordFits) return ShowStatus(WordText(s, Word::LoginIncorrectPassword), edit2_);
    }

    context_.Values.DefaultPlayerName = std::string(TrimRight(name));
    LoginResult result;
    result.Slot = slot_;
    result.Name = FitLeft(name, NameLength);
    if (mode_ == PasswordMode::RosterPlayer) {
        result.RosterLine = rosterLine_;
        result.EncodedPassword = rosterLine_.substr(44, 15);
    } else {
        result.EncodedPassword = EncodePassword(password);
    }
    result_ = std::move(result);
    ShowStatus(QString(), nullptr);
    if (NetworkPart() && network_ && !network_->Confirm(*this)) return;
    accept();
}

std::optional<LoginResult> LoginRosterPlayer(QWidget* parent, RecordsWindowContext& context, int slot,
                                             PasswordNetworkHook* network) {
    const auto line = ReadRosterLine(RecordsFilePath(context.ProgramFolder, context.Values.NetMode), slot);
    if (!line || IsEmptySlot(*line)) return std::nullopt;
    TFormPassword dialog(context, PasswordMode::RosterPlayer, slot, *line, parent, network);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
}

std::optional<LoginResult> LoginNewPlayer(QWidget* parent, RecordsWindowContext& context,
                                          PasswordNetworkHook* network) {
    TFormPassword dialog(context, PasswordMode::NewPlayer, 6, std::string(), parent, network);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
}

std::optional<RosterRename> ChangeName(QWidget* parent, RecordsWindowContext& context, int slot,
                                       std::string_view startLine, const std::filesystem::path& rosterFile) {
    TFormPassword dialog(context, PasswordMode::ChangeName, slot, std::string(startLine), parent);
    if (dialog.exec() != QDialog::Accepted || !dialog.Result()) return std::nullopt;
    bool fits = false;
    const std::string password = ToCp1251(dialog.Edit2()->text(), fits);
    const std::filesystem::path& file = rosterFile;
    RosterRename renamed = RenameRosterPlayer(file, slot, startLine, dialog.Result()->Name, password);
    const Settings& s = context.Values;
    if (renamed.Status == RecordsWriteStatus::Ok) {
        ShowRecordsInformation(parent, s,
                               WordText(s, Word::LoginNameChanged) +
                                   FileText(TrimRight(std::string_view(renamed.Line).substr(0, 20))));
    } else {
        ShowRecordsError(parent, s,
                         renamed.Status == RecordsWriteStatus::Damaged
                             ? RecordsCheckMessage(s, RecordsCheck{RecordsFileStatus::Incorrect, {}, false}, file)
                             : WordText(s, Word::FileDiskWriteError));
        renamed.Slot = slot;
        renamed.Line = std::string(startLine);
    }
    return renamed;
}

} // namespace vesrin
