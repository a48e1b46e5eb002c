#include "records/RecordsMessages.h"

#include "records/WindowWords.h"

#include <QMessageBox>

namespace vesrin {

namespace {

QString Caption(const Settings& settings) {
    return WordText(settings, Word::TitleMixed);
}

} // namespace

void ShowRecordsError(QWidget* parent, const Settings& settings, const QString& text) {
    QMessageBox::critical(parent, Caption(settings), text, QMessageBox::Ok);
}

void ShowRecordsInformation(QWidget* parent, const Settings& settings, const QString& text) {
    QMessageBox::information(parent, Caption(settings), text, QMessageBox::Ok);
}

bool AskRecordsQuestion(QWidget* parent, const Settings& settings, const QString& text) {
    return QMessageBox::question(parent, Caption(settings), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

QString RecordsCheckMessage(const Settings& settings, const RecordsCheck& check, const std::filesystem::path& file) {
    const QString path = QString::fromStdString(file.string());
    const QString quoted = QStringLiteral(" \"") + path + QStringLiteral("\"!");
    switch (check.Status) {
    case RecordsFileStatus::Missing: return WordText(settings, Word::FileCantFind) + quoted;
    case RecordsFileStatus::Incorrect: return WordText(settings, Word::FileIncorrect) + quoted;
    case RecordsFileStatus::Ok: break;
    }
    if (!check.IncorrectAttributes) return {};
    return WordText(settings, Word::FileNameOpen) + path + WordText(settings, Word::FileBadAttributes);
}

} // namespace vesrin
