#include "ProgramFixture.h"

#include "base/FileBytes.h"
#include "records/InstallContent.h"
#include "records/RecordsFile.h"
#include "records/Roster.h"
#include "settings/OptionsDialog.h"
#include "settings/SettingsFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>
#include <QTest>

namespace vesrin::test {
namespace {

QString Quoted(const std::filesystem::path& file) { return QStringLiteral(" \"%1\"!").arg(QString::fromStdString(file.string())); }

// The records file as it comes with the program, with one change.
std::string RecordsWith(const std::function<void(RecordsFile&)>& change) {
    RecordsFile records = *ParseRecordsFile(InstallationRecordsContent());
    change(records);
    return FormatRecordsFile(records);
}

class StartUpTest : public ProgramTest {};

TEST_F(StartUpTest, AnUnusableRecordsFileEndsTheStartAndNoSettingsAreWritten) {
    struct Case {
        const char* Name;
        std::function<void(const WindowsFixture&)> Spoil;
        std::string File;
        const char* Message;
    };
    const Case cases[] = {
        {"a changed character",
         [](const WindowsFixture& f) {
             std::string bytes = *ReadFileBytes(f.LocalFile());
             bytes[3] = bytes[3] == 'x' ? 'y' : 'x';
             WriteBytes(f.LocalFile(), bytes);
         },
         "Vesrin.clb", "The incorrect file"},
        {"a line too few",
         [](const WindowsFixture& f) {
             const std::string bytes = *ReadFileBytes(f.LocalFile());
             WriteBytes(f.LocalFile(), bytes.substr(bytes.find('\n') + 1));
         },
         "Vesrin.clb", "The incorrect file"},
        {"the network file missing", [](const WindowsFixture& f) { std::filesystem::remove(f.NetFile()); },
         "Vesrin.net", "Can`t find the file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        files.WriteRecords(files.LocalFile(), {});
        WriteBytes(files.NetFile(), InstallationRecordsContent());
        c.Spoil(files);
        Settings chosen;
        chosen.WindowSize = 3;
        chosen.Language = 0;
        // A header the program would write otherwise, so that any rewrite shows.
        std::string settingsBefore = FormatSettings(chosen);
        settingsBefore.replace(settingsBefore.find("<# Cards>"), 9, "<# Karten>");
        WriteBytes(SettingsFile(), settingsBefore);

        MakeProgram(false);
        QString said;
        ModalScript script({CloseBox(&said)});
        RunStartUp();
        EXPECT_EQ(said, QString::fromLatin1(c.Message) + Quoted(files.folder / c.File));
        EXPECT_FALSE(form->isVisible()) << "the program ends";
        EXPECT_EQ(context->ExitCode, 1);
        EXPECT_FALSE(form->Menu->isVisible());
        EXPECT_EQ(ReadFileBytes(SettingsFile()), settingsBefore) << "the settings are not written";
        // Closing once more (the window's destruction) writes nothing either.
        form->close();
        EXPECT_EQ(ReadFileBytes(SettingsFile()), settingsBefore);
        form.reset();
        context.reset();
    }
}

TEST_F(StartUpTest, WithoutASettingsFileARefusedStartLeavesNone) {
    std::filesystem::remove(files.LocalFile());
    MakeProgram(false);
    ModalScript script({CloseBox(nullptr)});
    RunStartUp();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
}

TEST(StartPictureVersion, TheVersionStandsBelowLine315) {
    // The gold version text is written from y 315 down, centred between x 230 and 530,
    // inside the inner frame (which ends at y 350).
    StartPicture picture(nullptr);
    picture.Compose(QStringLiteral("VESRIN"), QStringLiteral("2026"), QStringLiteral("Comic Sans MS"));
    const QImage& image = picture.Background();
    int top = -1;
    int bottom = -1;
    for (int y = 240; y < 350 && top < 0; ++y)
        for (int x = 231; x < 530; ++x)
            if (image.pixelColor(x, y) == QColor(255, 215, 0)) {
                top = y;
                break;
            }
    for (int y = 349; y > 240 && bottom < 0; --y)
        for (int x = 231; x < 530; ++x)
            if (image.pixelColor(x, y) == QColor(255, 215, 0)) {
                bottom = y;
                break;
            }
    ASSERT_GE(top, 0) << "the version is drawn";
    EXPECT_GE(top, 315);
    EXPECT_LT(bottom, 345) << "the text stays inside the inner frame";
}

TEST_F(StartUpTest, TheStartPictureWaitsForAKeyOrAClick) {
    Settings large;
    large.WindowSize = 5;
    WriteBytes(SettingsFile(), FormatSettings(large));
    for (bool byKey : {true, false}) {
        SCOPED_TRACE(byKey ? "a key" : "a click");
        MakeProgram(false);
        RunStartUp();
        ASSERT_TRUE(form->Image1->isVisible());
        EXPECT_EQ(State().CurrentScreen, Screen::Intro);
        EXPECT_FALSE(form->Menu->isVisible());
        EXPECT_EQ(form->size(), QSize(760, 500)) << "the window size waits for the menu";
        const QImage first = form->Image1->Frame();
        const QImage background = form->Image1->Background();
        form->Timer1Timer();
        form->Timer1Timer();
        EXPECT_NE(form->Image1->Frame(), first) << "the title letters move on every tick";
        EXPECT_EQ(form->Image1->Background(), background) << "the picture itself is composed once";

        if (byKey)
            PressKeyOnStartPicture();
        else
            QTest::mouseClick(form->Image1, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        EXPECT_TRUE(form->MenuShown());
        EXPECT_FALSE(form->Image1->isVisible());
        EXPECT_TRUE(form->Menu->isVisible());
        EXPECT_EQ(form->size(), QSize(1520, 1000));
        EXPECT_EQ(form->Timer1.interval(), 20);
        EXPECT_TRUE(form->Timer1.isActive());
        EXPECT_EQ(Menu().Button6->text(), QStringLiteral("New Player"));
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Vesrin"));
        form.reset();
        context.reset();
    }
}

TEST_F(StartUpTest, TheFirstPaintRunsTheStartUpOnce) {
    MakeProgram(false);
    int runs = 0;
    const auto startUp = context->Hooks.StartUp;
    context->Hooks.StartUp = [&] {
        ++runs;
        startUp();
    };
    form->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return runs > 0; }, 5000));
    form->repaint();
    form->update();
    QTest::qWait(50);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(form->Image1->isVisible());
}

TEST_F(StartUpTest, ARussianDistributionStartsInRussianWhateverTheSettingsSay) {
    WriteBytes(files.LocalFile(), RecordsWith([](RecordsFile& r) { r.ChecksumLine[0] = '1'; }));
    Settings german;
    german.Language = 2;
    WriteBytes(SettingsFile(), FormatSettings(german));
    MakeProgram();
    EXPECT_EQ(context->Options.Language, 1);
    EXPECT_EQ(Menu().Button6->text(), QString::fromUtf8("Новый Игрок"));
}

TEST_F(StartUpTest, AChangeInTheOptionsSurvivesARestart) {
    MakeProgram();
    ModalScript script({[](QWidget& window) {
        auto& options = dynamic_cast<TFormOptions&>(window);
        options.ComboBoxLan->setCurrentIndex(int(Language::German));
        options.CheckNewButtons->click();
        options.ButtonOk->click();
    }});
    QTest::mouseClick(Menu().Button10, Qt::LeftButton);
    ASSERT_TRUE(script.Done());
    // The main window took the language and the look at once.
    EXPECT_EQ(Menu().Button6->text(), QStringLiteral("Neuer Spieler"));
    EXPECT_EQ(Menu().Panel4->text(), QString::fromUtf8(" Mitglieder des Clubs  Spiele   Punkte "));
    EXPECT_EQ(form->Quit->text(), QString::fromUtf8("Zum Menü"));
    EXPECT_TRUE(Menu().Button9->Nata);
    EXPECT_TRUE(form->Button7->Nata);

    form->close();
    const Settings written = ParseSettings(ReadFileBytes(SettingsFile()).value_or(std::string()));
    EXPECT_EQ(written.Language, 2);
    EXPECT_TRUE(written.NewButtons);

    form.reset();
    context.reset();
    MakeProgram();
    EXPECT_EQ(context->Options.Language, 2);
    EXPECT_TRUE(context->Options.NewButtons);
    EXPECT_EQ(Menu().Button6->text(), QStringLiteral("Neuer Spieler"));
    EXPECT_TRUE(Menu().Button9->Nata);
}

} // namespace
} // namespace vesrin::test
