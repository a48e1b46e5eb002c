#include "app/StartUp.h"

#include "app/AppOptionsHost.h"
#include "app/StartTrace.h"
#include "app/TForm1.h"
#include "base/FileBytes.h"
#include "records/RecordsFile.h"
#include "records/RecordsMessages.h"
#include "settings/LanguageSwitch.h"
#include "settings/SettingsFile.h"
#include "words/StartLanguage.h"

#include <QApplication>
#include <QPalette>
#include <QProxyStyle>
#include <QToolTip>

namespace vesrin {

namespace {

// Plain hints come up a quarter of a second after the mouse stops.
class HintTimingStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return 250;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

void SetHintLook() {
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, QColor(255, 0, 0));
    palette.setColor(QPalette::ToolTipText, QColor(255, 255, 255));
    QToolTip::setPalette(palette);
    if (!dynamic_cast<HintTimingStyle*>(QApplication::style())) QApplication::setStyle(new HintTimingStyle);
}

// The steps of the features that come with later parts of the program.
void InitRadio() {}
void ShowStartAnnouncement() {}
void CountStart() {}
void SignInAtStart() {}
void LoadPlaylist() {}
void PrepareBackgroundMusic() {}

// The language read from the settings, unless the records file says otherwise.
void SettleLanguage(ProgramContext& context) {
    Settings& o = context.Options;
    const std::optional<std::string> records = ReadFileBytes(context.Files.Program / kLocalRecordsFileName);
    const StartLanguage start =
        SettleStartLanguage(records ? std::optional<std::string_view>(*records) : std::nullopt,
                            LanguageFromIndex(o.Language).value_or(Language::English));
    o.Language = LanguageIndex(start.Chosen);
    if (start.RecordsFileUnusable) context.Files.Records = RecordsState::Unusable;
}

// False when a records file is unusable: the user has been told.
bool CheckRecordsFiles(TForm1& window, ProgramContext& context) {
    for (std::string_view name : {kLocalRecordsFileName, kNetRecordsFileName}) {
        const std::filesystem::path file = context.Files.Program / name;
        const RecordsCheck check = CheckRecordsFile(file);
        const QString message = RecordsCheckMessage(context.Options, check, file);
        if (check.Status != RecordsFileStatus::Ok) {
            context.Files.Records = RecordsState::Unusable;
            ShowRecordsError(&window, context.Options, message);
            return false;
        }
        // A read-only file is only a warning.
        if (!message.isEmpty()) ShowRecordsError(&window, context.Options, message);
    }
    return true;
}

} // namespace

void StartUp(TForm1& window, ProgramContext& context) {
    NoteStartMoment("start-up");
    context.Options = ReadSettings(context.Files.SettingsFile);
    SettleLanguage(context);
    TakeFontSettings(context);

    NoteStartMoment("settings");
    window.ShowStartPicture();
    NoteStartMoment("start picture composed");

    if (!CheckRecordsFiles(window, context)) {
        window.EndProgram(1);
        return;
    }

    NoteStartMoment("records checked");
    TakePictureChoice(context);
    PictureLoader loader(context.Stores, context.Cards, context.Choice, context.Places, LibraryNotice(context, window));
    loader.LoadBackground(context.Options.MenuDesign == 2);
    KeepPictureFallbacks(context);
    window.update();

    NoteStartMoment("background");
    InitRadio();
    window.ApplyButtonLook();
    SetHintLook();

    window.ApplyCursors();
    window.ApplyMainFonts();
    Retranslate(1, nullptr, window.Host());

    ShowStartAnnouncement();
    CountStart();
    SignInAtStart();
    LoadPlaylist();
    PrepareBackgroundMusic();
    NoteStartMoment("start-up done");
}

} // namespace vesrin
