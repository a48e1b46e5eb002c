// The main window's side of a network table: the link's events, the table chat and the
// hidden hand view.

#include "app/TForm1.h"
#include "app/TableView.h"
#include "base/Cp1251.h"
#include "net/ConnectDialog.h"
#include "table/WordText.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>

namespace vesrin {

namespace {

// The colour of a chat line by its speaker's seat number.
QColor SeatColour(int seat) {
    switch (seat) {
    case 1: return QColor(128, 0, 0);   // maroon
    case 2: return QColor(0, 0, 128);   // navy
    case 3: return QColor(0, 128, 0);   // green
    default: return QColor(128, 128, 0); // olive
    }
}

Language LanguageOf(const Settings& options) { return LanguageFromIndex(options.Language).value_or(Language::English); }

} // namespace

void TForm1::MakeChatLine() {
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(15);
    BitBtn1 = new TQorCardsButton(this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setText(QStringLiteral(">"));
    connect(Edit1, &QLineEdit::returnPressed, this, &TForm1::SendChatLine);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::SendChatLine);
    BitBtn1->installEventFilter(this);
    Edit1->hide();
    BitBtn1->hide();
    ShowMessage = [this](const QString& text) {
        QMessageBox box(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
        box.exec();
    };
}

void TForm1::InstallLinkHooks() {
    TableLinkHooks& hooks = link_->Hooks;
    hooks.RunStep = [this](std::function<void()> work) {
        // Socket events wait while a flight, a pause or a question runs.
        if (context_.Blocking.Active()) {
            QTimer::singleShot(20, this, [this, work = std::move(work)]() mutable { link_->Hooks.RunStep(std::move(work)); });
            return;
        }
        BlockingSteps::Scope scope(context_.Blocking);
        work();
    };
    hooks.ChatReceived = [this](int seat, const std::string& text) {
        view_->PlaySound("WToMenK", false);
        AddChatLine(seat, text);
    };
    hooks.BrokenOff = [this] { NetGameBrokenOff(); };
    // A deal that comes before the game is on the table starts it.
    hooks.NewGame = [this] { StartTableGame(context_.Player.Slot); };
}

std::unique_ptr<PasswordNetworkHook> TForm1::NetworkPart() {
    if (!context_.Options.NetMode) return nullptr;
    return std::make_unique<ConnectPart>(context_.Options, context_.State, *link_);
}

void TForm1::NetGameBrokenOff() {
    HideChatLine();
    // A gathering that breaks up is the waiting dialog's affair.
    if (!context_.State.InGame()) return;
    view_->PlaySound("WWrongs", false);
    const Language language = LanguageOf(context_.Options);
    // Nothing of the broken game is recorded: the records files stay as they were.
    // Chinese and Japanese write the sentence without a blank between its two halves.
    const bool noBlank = language == Language::Chinese || language == Language::Japanese;
    ShowMessage(WordText(Word::NetOneOfPlayers, language) + (noBlank ? QString() : QStringLiteral(" ")) +
                WordText(Word::NetHasInterrupted, language) + QStringLiteral("\n\r") +
                WordText(Word::NetPressOkForMenu, language));
    LeaveToMenu();
}

void TForm1::ShowChatLine(bool clearHistory) {
    const TableScale& scale = context_.Scale;
    if (clearHistory) chat_.Clear();
    Edit1->setGeometry(scale.Place(615, 124, 104, 22));
    BitBtn1->setGeometry(scale.Place(721, 124, 24, 22));
    Edit1->setFont(context_.Fonts.Font(TextKind::Serif, scale.Len(13), false));
    BitBtn1->setFont(Edit1->font());
    for (QWidget* widget : {static_cast<QWidget*>(Edit1), static_cast<QWidget*>(BitBtn1)}) {
        widget->setEnabled(true);
        widget->show();
        widget->raise();
    }
    ImageMemo->show();
    DrawMemo();
}

void TForm1::HideChatLine() {
    Edit1->setEnabled(false);
    BitBtn1->setEnabled(false);
    Edit1->hide();
    BitBtn1->hide();
}

void TForm1::SendChatLine() {
    const QString line = Edit1->text();
    if (line.isEmpty() || !Edit1->isEnabled()) return;
    // A character code page 1251 cannot hold does not go out replaced by another.
    const std::optional<std::string> bytes = Utf8ToCp1251(line.toStdString());
    if (!bytes) return;
    const GameState& s = context_.State;
    link_->SendChat(*bytes);
    AddChatLine(s.TourMode ? s.TourSeat : s.NetSeat, *bytes);
    Edit1->clear();
}

void TForm1::AddChatLine(int seat, const std::string& text) {
    const QFont font = context_.Fonts.Font(TextKind::Serif, context_.Scale.Len(14), false);
    const QFontMetrics metrics(font);
    chat_.Add(text, seat, [&](std::string_view bytes) { return metrics.horizontalAdvance(FileText(bytes)); },
              context_.Scale.Len(85));
    DrawMemo();
}

void TForm1::DrawMemo() {
    const TableScale& scale = context_.Scale;
    PictureElement& memo = *ImageMemo;
    memo.CopyBackground();
    QImage frame;
    const bool small = context_.Options.WindowSize == 1;
    if (LoadPngFromLibrary(small ? QStringLiteral("RamkaERSm") : QStringLiteral("RamkaERBg"), QString(), frame,
                           context_.Places)) {
        QPainter p(&memo.Picture);
        if (small)
            p.drawImage(0, 0, frame);
        else
            p.drawImage(memo.Picture.rect(), frame);
    }
    QPainter p(&memo.Picture);
    p.setFont(context_.Fonts.Font(TextKind::Serif, scale.Len(14), false));
    const auto& lines = chat_.Lines();
    for (int j = 1; j <= 4; ++j) {
        const auto& line = lines[std::size_t(j - 1)];
        if (line.Seat == 0) continue;
        p.setPen(SeatColour(line.Seat));
        p.drawText(QRect(scale.Len(20), scale.Len(14 * j + 3), memo.Picture.width(), scale.Len(16)),
                   Qt::AlignLeft | Qt::AlignTop, FileText(line.Text));
    }
    p.end();
    memo.Refresh();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == BitBtn1) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) hiddenKeys_.Clear();
        if (event->type() == QEvent::KeyPress) {
            const QString typed = static_cast<QKeyEvent*>(event)->text();
            GameState& s = context_.State;
            for (const QChar c : typed) {
                if (!hiddenKeys_.Type(c.toLatin1())) continue;
                // Only against the computer: at a network or tournament table the view
                // would show other people's cards.
                if (!s.IsLocalGame() || !s.InGame()) continue;
                s.OtherHandsFaceUp = !s.OtherHandsFaceUp;
                for (int seat = 1; seat <= 3; ++seat) view_->DrawHandOf(seat);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vesrin
