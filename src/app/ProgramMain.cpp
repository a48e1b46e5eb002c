#include "app/ProgramMain.h"

#include "app/ProgramContext.h"
#include "app/TForm1.h"
#include "base/ProgramFolders.h"
#include "resources/BuiltInResources.h"
#include "settings/SettingsFile.h"
#include "table/WordText.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

#include <cstdlib>
#include <cstring>

namespace vesrin {

namespace {

// Error boxes of the plain libraries, in the current language.
class WindowMessages : public MessageSink {
public:
    explicit WindowMessages(const Settings& options) : options_(options) {}
    void ShowError(std::string_view englishRow) override {
        const Language language = LanguageFromIndex(options_.Language).value_or(Language::English);
        const std::vector<Word> rows = FindWordsByEnglish(englishRow);
        const QString text = rows.empty() ? QString::fromUtf8(englishRow.data(), qsizetype(englishRow.size()))
                                          : WordText(rows.front(), language);
        QMessageBox::critical(nullptr, WordText(Word::TitleMixed, language), text);
    }

private:
    const Settings& options_;
};

ProgramFolders FoldersOfThisProgram() {
    const std::filesystem::path executable = QCoreApplication::applicationDirPath().toStdString();
    const char* home = std::getenv("HOME");
    return ResolveProgramFolders(executable, IsFolderWritable(executable),
                                 DataHomeFolder(std::getenv("XDG_DATA_HOME"), home ? home : "."));
}

} // namespace

int ProgramMain(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vesrin"));
    RegisterBuiltInResources();

    bool startTable = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--table") == 0) startTable = true;

    const ProgramFolders folders = FoldersOfThisProgram();
    std::error_code error;
    std::filesystem::create_directories(folders.Program, error);
    const std::filesystem::path settingsFile = folders.Program / std::string(kSettingsFileName);

    auto context = std::make_unique<ProgramContext>();
    context->Options = ReadSettings(settingsFile);
    context->Places = LibraryPlaces::Beside(QString::fromStdString(folders.Program.string()));
    context->Sound = std::make_unique<ClipSoundPlayer>(context->Places, ClipSoundPlayer::OutputAvailable());
    WindowMessages messages(context->Options);
    context->Hooks.SaveSettings = [&](const Settings& options) {
        WriteSettings(settingsFile, options, RecordsState::Usable, messages);
    };

    TForm1 form(*context);
    context->State.CurrentScreen = Screen::Menu;
    form.ApplyWindowSize();
    form.LayoutMainMenu();
    context->State.Timer1 = {true, 20};
    form.SetHeartbeat();
    form.show();
    if (startTable) QTimer::singleShot(0, &form, [&form] { form.StartGame(6); });
    return application.exec();
}

} // namespace vesrin
