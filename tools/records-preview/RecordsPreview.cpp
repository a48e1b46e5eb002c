// vesrin-records-preview OUTDIR [LANGUAGE] [DESIGN]
// Opens each records window on prepared records and history files in a real window,
// waits until it is on the screen and saves what the screen shows as OUTDIR/<window>.png.

#include "base/SafeFile.h"
#include "records/CountWindow.h"
#include "records/EndGameWindow.h"
#include "records/History.h"
#include "records/HistoryWindow.h"
#include "records/InstallContent.h"
#include "records/PasswordWindow.h"
#include "records/RecordsFile.h"
#include "records/Roster.h"
#include "records/TopTenWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

#include <cstdio>
#include <functional>

using namespace vesrin;

namespace {

void Prepare(const std::filesystem::path& folder) {
    RecordsFile file = *ParseRecordsFile(InstallationRecordsContent());
    file.Roster[0] = MakeRosterLine("Anna", 5.25, 57, 120, EncodePassword("ab"));
    file.Roster[1] = MakeRosterLine("\xC1\xEE\xF0\xE8\xF1", 3.1, 19, -35, EncodePassword("cd"));
    file.TopTen[0] = MakeTopTenLine("Anna", 310);
    file.TopTen[3] = MakeTopTenLine("\xC1\xEE\xF0\xE8\xF1", 150);
    ReplaceFileContents(folder / kLocalRecordsFileName, FormatRecordsFile(file));
    ReplaceFileContents(folder / kNetRecordsFileName, FormatRecordsFile(file));
    const HistoryStamp stamp{9, 5, "11.12.2025"};
    const std::pair<const char*, GameKind> games[] = {
        {"Anna", GameKind::Local},      {"Bob/Cid/Anna", GameKind::Network}, {"Incognito", GameKind::Account},
        {"T1/T2/T3/Anna", GameKind::Tournament}, {"Anna", GameKind::Local}};
    for (int n = 0; n < 24; ++n) {
        const auto& [name, kind] = games[n % 5];
        HisStr entry{name, 1, (n % 3 - 1) * (10 + n), 2.5 + n / 10.0, kind};
        AppendHistoryEntry(folder, std::span<const HisStr>(&entry, 1), stamp);
    }
}

// Each window starts from the design asked for: a fallback of one window (no graphics
// library here) would otherwise carry over to the next.
Settings* gSettings = nullptr;
bool gPurple = false;
int gDesign = 2;

void Grab(QWidget& window, const QString& file) {
    gSettings->AuxDesignPurple = gPurple;
    gSettings->AuxDesign = gDesign;
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 400) QApplication::processEvents(QEventLoop::AllEvents, 20);
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    std::printf("%s %dx%d %s\n", qPrintable(file), shot.width(), shot.height(), shot.save(file) ? "saved" : "FAILED");
    window.hide();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: vesrin-records-preview OUTDIR [LANGUAGE 0..9] [DESIGN 1|2|3|purple]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    Settings settings;
    settings.Language = argc > 2 ? std::atoi(argv[2]) : 0;
    const std::string design = argc > 3 ? argv[3] : "2";
    settings.AuxDesignPurple = design == "purple";
    if (!settings.AuxDesignPurple) settings.AuxDesign = std::atoi(design.c_str());
    gSettings = &settings;
    gPurple = settings.AuxDesignPurple;
    gDesign = settings.AuxDesign;
    QTemporaryDir folder;
    const std::filesystem::path programFolder = folder.path().toStdString();
    Prepare(programFolder);
    RecordsWindowContext context{settings, programFolder, LibraryPlaces::Beside(folder.path()), {}, {}};
    const auto at = [&](const char* name) { return out + QLatin1Char('/') + QLatin1String(name) + ".png"; };

    HistoryViewerMemory memory;
    { TFHistory window(context, memory); Grab(window, at("history")); }
    {
        GameCountsView game{{GameKind::Local, 40, 85, -12, 3.456, 0, 0}, 2};
        TFormCount window(context, game);
        Grab(window, at("count"));
    }
    {
        GameCountsView game{{GameKind::Account, 7, 30, 15, 0, 6, 12.6}, 3};
        TFormCount window(context, game);
        Grab(window, at("count-account"));
    }
    const CycleReport reports[] = {{GameKind::Local, 1, 310, 0, 0}, {GameKind::Network, 4, 150, 0, 0},
                                   {GameKind::Local, 0, -40, 0, 0}, {GameKind::Account, 2, 220, 2, 10},
                                   {GameKind::Account, 0, 20, 37, 0}};
    const char* reportNames[] = {"report-best", "report-good", "report-bad", "report-account", "report-account-bad"};
    for (int i = 0; i < 5; ++i) {
        TFormEndGame window(context, reports[i]);
        Grab(window, at(reportNames[i]));
    }
    { TFormTopTen window(context); Grab(window, at("topten")); }
    {
        TFormPassword window(context, PasswordMode::RosterPlayer, 1, *ReadRosterLine(programFolder / kLocalRecordsFileName, 1));
        window.Edit2()->setText("x");
        window.Button1Click();
        Grab(window, at("password-roster"));
    }
    {
        TFormPassword window(context, PasswordMode::NewPlayer, 6, std::string());
        window.Edit2()->setText("abc");
        window.Edit3()->setText("abd");
        window.Button1Click();
        Grab(window, at("password-new"));
    }
    {
        TFormPassword window(context, PasswordMode::ChangeName, 1, *ReadRosterLine(programFolder / kLocalRecordsFileName, 1));
        Grab(window, at("changename"));
    }
    return 0;
}
