#include "UiTestSupport.h"

#include "base/FileBytes.h"
#include "base/SafeFile.h"
#include "records/InstallContent.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace vesrin::test {

WindowsFixture::WindowsFixture()
    : context{settings, folder.Path(), LibraryPlaces::Beside(QString::fromStdString(folder.Path().string())), {}, {}} {
    WriteBytes(LocalFile(), InstallationRecordsContent());
    WriteBytes(NetFile(), InstallationRecordsContent());
    context.PlaySound = [this](std::string_view name) { sounds.emplace_back(name); };
    context.MissingLibrary = [this](const QString& line) { missingLibraries.push_back(line); };
}

void WindowsFixture::WriteRecords(const std::filesystem::path& file, const std::vector<std::string>& roster,
                                  const std::vector<std::string>& topTen) const {
    RecordsFile records = *ParseRecordsFile(InstallationRecordsContent());
    for (std::size_t i = 0; i < roster.size(); ++i) records.Roster[i] = roster[i];
    for (std::size_t i = 0; i < topTen.size(); ++i) records.TopTen[i] = topTen[i];
    WriteBytes(file, FormatRecordsFile(records));
}

RecordsFile WindowsFixture::Read(const std::filesystem::path& file) const {
    return ParseRecordsFile(ReadFileBytes(file).value_or(std::string())).value_or(RecordsFile{});
}

ModalScript::ModalScript(std::deque<Action> actions) : actions_(std::move(actions)) {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalScript::Poll);
    timer_.start();
}

ModalScript::~ModalScript() = default;

void ModalScript::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == last_.data() || !modal->isVisible()) return;
    last_ = modal;
    if (actions_.empty()) {
        ++unexpected_;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        return;
    }
    Action action = std::move(actions_.front());
    actions_.pop_front();
    action(*modal);
}

ModalScript::Action AnswerBox(QString* text, int button) {
    return [text, button](QWidget& window) {
        auto* box = qobject_cast<QMessageBox*>(&window);
        if (!box) return;
        if (text) *text = box->text();
        if (QAbstractButton* chosen = box->button(QMessageBox::StandardButton(button))) chosen->click();
    };
}

ModalScript::Action CloseBox(QString* text) {
    return AnswerBox(text, QMessageBox::Ok);
}

} // namespace vesrin::test
