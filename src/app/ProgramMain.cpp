#include "app/ProgramMain.h"

#include "app/AppRecords.h"
#include "app/StartCheck.h"
#include "app/StartTrace.h"
#include "app/StartUp.h"
#include "records/RecordsFile.h"
#include "resources/BuiltInResources.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QIcon>

#include <array>
#include <cstdlib>

namespace vesrin {

namespace {

// The records files that come with the program: their presence marks a portable copy,
// and an installed copy's first start brings them into the player's folder.
constexpr std::array<std::string_view, 2> kRecordsFiles = {kLocalRecordsFileName, kNetRecordsFileName};

} // namespace

ProgramFolders FoldersOfThisProgram(const std::filesystem::path& executableFolder) {
    if (const char* chosen = std::getenv("VESRIN_PROGRAM_FOLDER"); chosen != nullptr && *chosen != '\0') {
        ProgramFolders folders;
        folders.Program = (std::filesystem::absolute(chosen) / "").lexically_normal();
        folders.Parent = folders.Program.parent_path().parent_path() / "";
        folders.Portable = true;
        return folders;
    }
    const char* home = std::getenv("HOME");
    return ResolveProgramFolders(executableFolder, IsPortableFolder(executableFolder, kRecordsFiles),
                                 DataHomeFolder(std::getenv("XDG_DATA_HOME"), home ? home : "."));
}

Program MakeProgram(const std::filesystem::path& programFolder, std::unique_ptr<SoundPlayer> sound) {
    Program program;
    program.Context = std::make_unique<ProgramContext>();
    ProgramContext& context = *program.Context;
    context.Files.Program = programFolder;
    context.Files.SettingsFile = programFolder / std::string(kSettingsFileName);
    context.Places = LibraryPlaces::Beside(QString::fromStdString(programFolder.string()));
    context.Sound = std::move(sound);

    program.Window = std::make_unique<TForm1>(context);
    TForm1& window = *program.Window;
    InstallRecordsHooks(context, window);
    context.Hooks.StartUp = [&window, &context] { StartUp(window, context); };
    context.State.Timer1 = {true, 20};
    window.SetHeartbeat();
    return program;
}

int ProgramMain(int argc, char** argv) {
    NoteStartMoment("main");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vesrin"));
    NoteStartMoment("application");
    // The desktop entry and the icon that the installation puts into the icon theme.
    QGuiApplication::setDesktopFileName(QStringLiteral("vesrin"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("vesrin")));
    RegisterBuiltInResources();
    NoteStartMoment("resources");

    const std::filesystem::path executable = QCoreApplication::applicationDirPath().toStdString();
    const ProgramFolders folders = FoldersOfThisProgram(executable);
    PrepareProgramFolder(folders, InstallContentFolder(executable), kRecordsFiles);

    LibraryPlaces places = LibraryPlaces::Beside(QString::fromStdString(folders.Program.string()));
    // The resource libraries that come with an installed copy stay in its data folder.
    if (!folders.Portable) places.InstallFolder = QString::fromStdString(InstallContentFolder(executable).string());
    Program program =
        MakeProgram(folders.Program, std::make_unique<ClipSoundPlayer>(places, ClipSoundPlayer::OutputAvailable()));
    program.Context->Places = places;
    std::unique_ptr<StartCheck> check;
    if (StartCheck::Requested(QCoreApplication::arguments()))
        check = std::make_unique<StartCheck>(*program.Window, *program.Context);
    NoteStartMoment("window");
    program.Window->show();
    const int code = application.exec();
    const int programCode = code != 0 ? code : program.Context->ExitCode;
    return check ? check->ExitCode(programCode) : programCode;
}

} // namespace vesrin
