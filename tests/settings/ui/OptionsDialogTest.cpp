#include "OptionsFixture.h"

#include "TestLibrary.h"
#include "settings/SpeedDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

#include <functional>

namespace vesrin::test {
namespace {

using Dialog = TFormOptions;

// One control of the dialog: what the player does with it, what the settings then hold
// (false for the defaults, so the case cannot pass by doing nothing), and the host call
// that carries the change outside the dialog.
struct ControlCase {
    const char* Name;
    std::function<void(Dialog&)> Change;
    std::function<bool(const Settings&)> Holds;
    const char* HostCall; // nullptr: the change stays in the settings
};

// Picks the first font family of the list other than the one shown.
std::string OtherFont(Dialog& d) {
    for (int i = 0; i < d.ComboBoxFont->count(); ++i) {
        const QString family = d.ComboBoxFont->itemText(i);
        if (i != d.ComboBoxFont->currentIndex() && family.toLatin1() == family.toUtf8()) {
            d.ComboBoxFont->setCurrentIndex(i);
            return family.toStdString();
        }
    }
    return {};
}

// Moves the slider of the speed dialog that the speed button opens, then closes it.
void SetSpeedInDialog(Dialog& d, int speed) {
    QTimer::singleShot(0, [speed] {
        auto* dialog = qobject_cast<TFormSpeed*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->TrackBar1->setValue(speed);
        dialog->ButtonOk->click();
    });
    d.ButtonSpeed->click();
}

class OptionsControls : public OptionsFixture {
protected:
    void SetUp() override { ASSERT_TRUE(folder.AddGraphicsLibrary()); }
};

TEST_F(OptionsControls, EachControlChangesItsSettingAndTheFileKeepsIt) {
    std::string font;
    const ControlCase cases[] = {
        {"language", [](Dialog& d) { d.ComboBoxLan->setCurrentIndex(2); },
         [](const Settings& s) { return s.Language == 2; }, "RetranslateMainWindow"},
        {"window size", [](Dialog& d) { d.ComboBoxSize->setCurrentIndex(3); },
         [](const Settings& s) { return s.WindowSize == 4; }, "ApplyWindowSize"},
        {"full screen", [](Dialog& d) { d.ComboBoxSize->setCurrentIndex(1); },
         [](const Settings& s) { return s.WindowSize == 2; }, "ApplyWindowSize"},
        {"sound", [](Dialog& d) { d.CheckSound->click(); }, [](const Settings& s) { return !s.SoundOn && s.MusicOn; },
         nullptr},
        {"music", [](Dialog& d) { d.CheckMusic->click(); }, [](const Settings& s) { return s.SoundOn && !s.MusicOn; },
         "ApplyMusic"},
        {"gif animation", [](Dialog& d) { d.CheckGif->click(); }, [](const Settings& s) { return !s.GifAnimation; },
         "ApplyGifAnimation"},
        {"flying cards", [](Dialog& d) { d.CheckFly->click(); }, [](const Settings& s) { return !s.CardFlight; },
         nullptr},
        {"red cursor", [](Dialog& d) { d.CheckCursor->click(); }, [](const Settings& s) { return !s.OwnCursor; },
         "ApplyCursors"},
        {"new buttons", [](Dialog& d) { d.CheckNewButtons->click(); }, [](const Settings& s) { return s.NewButtons; },
         "ApplyButtonLook"},
        {"multiplayer", [](Dialog& d) { d.CheckNetMode->click(); }, [](const Settings& s) { return s.NetMode; },
         "ApplyNetMode"},
        {"speed", [](Dialog& d) { SetSpeedInDialog(d, 6); }, [](const Settings& s) { return s.Speed == 6; }, nullptr},
        {"face set", [](Dialog& d) { d.ComboBoxFaces->setCurrentIndex(20); },
         [](const Settings& s) { return s.FaceSet == 20; }, "ReloadFaces"},
        {"back set", [](Dialog& d) { d.ComboBoxBacks->setCurrentIndex(5); },
         [](const Settings& s) { return s.BackSet == 5; }, "ReloadBacks"},
        {"always one back", [](Dialog& d) { d.RadioModification->Item(1)->click(); },
         [](const Settings& s) { return s.BackFixed; }, nullptr},
        {"shooting the moon", [](Dialog& d) { d.CheckShootMoon->click(); },
         [](const Settings& s) { return !s.ShootMoon; }, nullptr},
        {"short game", [](Dialog& d) { d.CheckLimit50->click(); }, [](const Settings& s) { return s.Limit50; },
         nullptr},
        {"cards at the end", [](Dialog& d) { d.CheckShowHands->click(); },
         [](const Settings& s) { return !s.ShowHandsAtEnd; }, nullptr},
        {"font of the first special kind",
         [&font](Dialog& d) {
             d.ComboBoxFontKind->setCurrentIndex(2);
             font = OtherFont(d);
         },
         [&font](const Settings& s) { return !font.empty() && s.FontName[2] == font; }, "ApplyFonts"},
        {"scale of the small font",
         [](Dialog& d) {
             d.ComboBoxFontKind->setCurrentIndex(1);
             d.SpinScale->setValue(135);
         },
         [](const Settings& s) { return s.FontPercent[1] == 135 && s.FontPercent[0] == 100; }, "ApplyFonts"},
        {"background", [](Dialog& d) { d.ComboBoxBackground->setCurrentIndex(9); },
         [](const Settings& s) { return s.BackgroundNo == 10; }, "ReloadBackground"},
        {"tint", [](Dialog& d) { d.ComboBoxTint->setCurrentIndex(3); },
         [](const Settings& s) { return s.BackgroundTint == 3; }, "ReloadBackground"},
        {"save games as GIF", [](Dialog& d) { d.CheckSaveGif->click(); }, [](const Settings& s) { return s.SaveGif; },
         nullptr},
        {"recorded area",
         [](Dialog& d) {
             d.CheckSaveGif->click();
             d.RadioGifArea->Item(1)->click();
         },
         [](const Settings& s) { return s.SaveGif && s.SaveGifArea == 2; }, nullptr},
        {"frame delay",
         [](Dialog& d) {
             d.CheckSaveGif->click();
             d.SpinGifDelay->setValue(250);
         },
         [](const Settings& s) { return s.SaveGifDelay == 250; }, nullptr},
        {"radio list from disk", [](Dialog& d) { d.RadioRadioList->Item(1)->click(); },
         [](const Settings& s) { return !s.RadioListFromServer; }, nullptr},
        {"purple main menu", [](Dialog& d) { d.RadioMenuDesign->Item(1)->click(); },
         [](const Settings& s) { return s.MenuDesign == 2; }, "ApplyMenuDesign"},
        {"purple table", [](Dialog& d) { d.RadioTableDesign->Item(1)->click(); },
         [](const Settings& s) { return s.TableDesign == 2; }, "ApplyTableDesign"},
        {"gray concise windows", [](Dialog& d) { d.RadioAuxDesign->Item(1)->click(); },
         [](const Settings& s) { return s.AuxDesign == 1 && !s.AuxDesignPurple; }, nullptr},
        {"gray windows with ribbons", [](Dialog& d) { d.RadioAuxDesign->Item(2)->click(); },
         [](const Settings& s) { return s.AuxDesign == 3 && !s.AuxDesignPurple; }, nullptr},
        {"purple windows", [](Dialog& d) { d.RadioAuxDesign->Item(3)->click(); },
         [](const Settings& s) { return s.AuxDesignPurple; }, nullptr},
        {"salute on buttons", [](Dialog& d) { d.CheckSaluteButtons->click(); },
         [](const Settings& s) { return s.ClickEffectButtons && !s.ClickEffectCards; }, nullptr},
        {"salute on cards", [](Dialog& d) { d.CheckSaluteCards->click(); },
         [](const Settings& s) { return s.ClickEffectCards && !s.ClickEffectButtons; }, nullptr},
    };
    for (const ControlCase& c : cases) {
        SCOPED_TRACE(c.Name);
        settings = Settings();
        ASSERT_FALSE(c.Holds(settings));
        auto dialog = Open();
        c.Change(*dialog);
        EXPECT_TRUE(c.Holds(settings));
        if (c.HostCall) {
            EXPECT_TRUE(host.Called(c.HostCall));
        }
        EXPECT_TRUE(host.Attentions.isEmpty());
        const Settings restarted = AfterRestart();
        EXPECT_TRUE(c.Holds(restarted));
        EXPECT_EQ(restarted, settings);
    }
}

TEST_F(OptionsControls, TheDefaultButtonBringsEveryFontBack) {
    settings.FontName = {"DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono", "Liberation Mono"};
    settings.FontPercent = {60, 70, 80, 150};
    auto dialog = Open();
    dialog->ComboBoxFontKind->setCurrentIndex(3);
    EXPECT_EQ(dialog->ComboBoxFont->currentText(), "Liberation Mono");
    EXPECT_EQ(dialog->SpinScale->value(), 150);
    dialog->ButtonFontDefault->click();
    EXPECT_EQ(settings.FontName, Settings().FontName);
    EXPECT_EQ(settings.FontPercent, Settings().FontPercent);
    EXPECT_EQ(dialog->ComboBoxFont->currentText(), "Courier New");
    EXPECT_EQ(dialog->SpinScale->value(), 100);
    EXPECT_TRUE(host.Called("ApplyFonts"));
    EXPECT_EQ(AfterRestart().FontName, Settings().FontName);
}

TEST_F(OptionsControls, AFontNameTheSettingsFileCannotHoldIsRefused) {
    auto dialog = Open();
    dialog->ComboBoxFont->addItem(QStringLiteral("字体"));
    dialog->ComboBoxFont->setCurrentIndex(dialog->ComboBoxFont->count() - 1);
    EXPECT_EQ(settings.FontName[0], "Comic Sans MS");
    EXPECT_EQ(dialog->ComboBoxFont->currentText(), "Comic Sans MS");
    EXPECT_FALSE(host.Called("ApplyFonts"));
}

TEST_F(OptionsControls, AStoredFontTheSystemLacksStillShows) {
    settings.FontName[2] = "FixedSys";
    auto dialog = Open();
    dialog->ComboBoxFontKind->setCurrentIndex(2);
    EXPECT_EQ(dialog->ComboBoxFont->currentText(), "FixedSys");
    EXPECT_EQ(settings.FontName[2], "FixedSys");
}

TEST_F(OptionsControls, TheSpeedButtonShowsTheNewSpeed) {
    auto dialog = Open();
    EXPECT_TRUE(dialog->ButtonSpeed->text().endsWith(" = 4"));
    SetSpeedInDialog(*dialog, 2);
    EXPECT_EQ(settings.Speed, 2);
    EXPECT_EQ(dialog->ButtonSpeed->text(), "Speed = 2");
}

TEST_F(OptionsControls, ASpeedDialogThatDropsThePurpleDesignTakesTheOptionsAlong) {
    // A graphics library without the speed dialog's background picture.
    ASSERT_TRUE(BuildLibrary(folder.Path(QStringLiteral("QorCGraph1.dll")),
                             {{QStringLiteral("gicon48opt"), PngData(QImage(480, 48, QImage::Format_ARGB32))}}));
    settings.AuxDesignPurple = true;
    auto dialog = Open();
    ASSERT_EQ(dialog->Look(), AuxLook::Purple);
    SetSpeedInDialog(*dialog, 5);
    EXPECT_FALSE(settings.AuxDesignPurple);
    EXPECT_EQ(dialog->Look(), AuxLook::Design2);
    EXPECT_EQ(dialog->height(), 375);
    EXPECT_EQ(dialog->RadioAuxDesign->ItemIndex(), 0);
}

TEST_F(OptionsControls, PassportOpensTheIdentityDialog) {
    auto dialog = Open();
    dialog->ButtonPassport->click();
    EXPECT_EQ(host.Calls, std::vector<std::string>{"OpenPassport"});
}

TEST_F(OptionsControls, OkWithTheSaluteShowsTheEffectAndCloses) {
    settings.ClickEffectButtons = true;
    auto dialog = Open();
    dialog->show();
    dialog->ButtonOk->click();
    EXPECT_TRUE(host.Called("ShowClickEffect"));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(OptionsControls, OkWithoutTheSaluteJustCloses) {
    auto dialog = Open();
    dialog->show();
    dialog->ButtonOk->click();
    EXPECT_FALSE(host.Called("ShowClickEffect"));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(OptionsControls, EscapeCloses) {
    auto dialog = Open();
    dialog->show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialog.get(), &escape);
    EXPECT_FALSE(dialog->isVisible());
}

class OptionsFallbacks : public OptionsFixture {};

TEST_F(OptionsFallbacks, AFaceSetWhoseLibraryIsMissingReturnsToTheFirstEntry) {
    host.FacesLoad = false;
    auto dialog = Open();
    dialog->ComboBoxFaces->setCurrentIndex(33);
    EXPECT_EQ(settings.FaceSet, 0);
    EXPECT_EQ(dialog->ComboBoxFaces->currentIndex(), 0);
    EXPECT_EQ(AfterRestart().FaceSet, 0);
}

TEST_F(OptionsFallbacks, ABackSetWhoseLibraryIsMissingReturnsToTheFirstEntry) {
    host.BacksLoad = false;
    auto dialog = Open();
    dialog->ComboBoxBacks->setCurrentIndex(4);
    EXPECT_EQ(settings.BackSet, 0);
    EXPECT_EQ(dialog->ComboBoxBacks->currentIndex(), 0);
}

TEST_F(OptionsFallbacks, AMissingBackgroundLibraryGivesTheBuiltInBackground) {
    host.BackgroundLoads = false;
    auto dialog = Open();
    dialog->ComboBoxBackground->setCurrentIndex(6);
    EXPECT_EQ(settings.BackgroundNo, 2);
    EXPECT_EQ(settings.BackgroundTint, 0);
    EXPECT_EQ(dialog->ComboBoxBackground->currentIndex(), 1);
    dialog->ComboBoxTint->setCurrentIndex(4);
    EXPECT_EQ(settings.BackgroundTint, 0);
    EXPECT_EQ(dialog->ComboBoxTint->currentIndex(), 0);
}

TEST_F(OptionsFallbacks, BackgroundsWaitWhileTheMenuShowsItsDesignPicture) {
    settings.MenuDesign = 2;
    auto dialog = Open();
    EXPECT_TRUE(dialog->ComboBoxBackground->isEnabled());
    dialog->ComboBoxBackground->setCurrentIndex(4);
    dialog->ComboBoxTint->setCurrentIndex(2);
    EXPECT_EQ(settings.BackgroundNo, 5);
    EXPECT_EQ(settings.BackgroundTint, 2);
    EXPECT_FALSE(host.Called("ReloadBackground"));
}

TEST_F(OptionsFallbacks, BackgroundListsAreOffWhileBothDesignsArePurple) {
    settings.MenuDesign = 2;
    ASSERT_TRUE(folder.AddGraphicsLibrary());
    auto dialog = Open();
    EXPECT_TRUE(dialog->ComboBoxTint->isEnabled());
    dialog->RadioTableDesign->Item(1)->click();
    EXPECT_FALSE(dialog->ComboBoxBackground->isEnabled());
    EXPECT_FALSE(dialog->ComboBoxTint->isEnabled());
    dialog->RadioMenuDesign->Item(0)->click();
    EXPECT_TRUE(dialog->ComboBoxBackground->isEnabled());
}

TEST_F(OptionsFallbacks, AMenuDesignThatCannotLoadPutsEveryDesignBack) {
    host.MenuDesignLoads = false;
    settings.TableDesign = 2;
    auto dialog = Open();
    dialog->RadioMenuDesign->Item(1)->click();
    EXPECT_EQ(settings.MenuDesign, 1);
    EXPECT_EQ(settings.TableDesign, 1);
    EXPECT_EQ(dialog->RadioMenuDesign->ItemIndex(), 0);
    EXPECT_EQ(dialog->RadioTableDesign->ItemIndex(), 0);
}

TEST_F(OptionsFallbacks, ThePurpleTableNeedsTheGraphicsLibrary) {
    settings.MenuDesign = 2;
    auto dialog = Open();
    dialog->RadioTableDesign->Item(1)->click();
    EXPECT_EQ(settings.TableDesign, 1);
    EXPECT_EQ(settings.MenuDesign, 1);
    EXPECT_EQ(host.Attentions, QStringList{"Can`t find the file QorCGraph1.dll"});
    // The menu had the design picture: its background comes back.
    EXPECT_TRUE(host.Called("ApplyMenuDesign"));
    EXPECT_EQ(dialog->RadioTableDesign->ItemIndex(), 0);
}

TEST_F(OptionsFallbacks, WindowDesignsFromTheLibraryNeedIt) {
    auto dialog = Open();
    for (int index : {1, 2, 3}) {
        SCOPED_TRACE(index);
        host.Clear();
        dialog->RadioAuxDesign->Item(index)->click();
        EXPECT_EQ(host.Attentions, QStringList{"Can`t find the file QorCGraph1.dll"});
        EXPECT_EQ(settings.AuxDesign, 2);
        EXPECT_FALSE(settings.AuxDesignPurple);
        EXPECT_EQ(dialog->RadioAuxDesign->ItemIndex(), 0);
        EXPECT_EQ(dialog->Look(), AuxLook::Design2);
    }
}

TEST_F(OptionsFallbacks, ASavedPurpleDesignWithoutTheLibraryOpensInGray) {
    settings.AuxDesignPurple = true;
    RecordingHost quiet(settings);
    TFormOptions dialog(settings, quiet, folder.Places(), QSize(1920, 1080));
    EXPECT_EQ(dialog.Look(), AuxLook::Design2);
    EXPECT_FALSE(settings.AuxDesignPurple);
    EXPECT_EQ(settings.AuxDesign, 2);
    EXPECT_EQ(quiet.Attentions, QStringList{"Can`t find the file QorCGraph1.dll"});
}

TEST_F(OptionsFallbacks, TheWindowSizeStepSwitchesTheRecordingOff) {
    settings.SaveGif = true;
    auto dialog = Open();
    EXPECT_TRUE(dialog->CheckSaveGif->isChecked());
    EXPECT_TRUE(dialog->SpinGifDelay->isEnabled());
    dialog->ComboBoxSize->setCurrentIndex(2);
    EXPECT_FALSE(dialog->CheckSaveGif->isChecked());
    EXPECT_FALSE(dialog->SpinGifDelay->isEnabled());
    EXPECT_FALSE(dialog->RadioGifArea->isEnabled());
}

TEST_F(OptionsFallbacks, TheWindowSizeListHoldsOnlyWhatTheScreenAllows) {
    settings.WindowSize = 3;
    auto dialog = Open(QSize(1280, 800));
    EXPECT_EQ(dialog->OfferedSizes(), (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(dialog->ComboBoxSize->count(), 3);
    EXPECT_EQ(dialog->ComboBoxSize->currentIndex(), 2);
    EXPECT_EQ(dialog->ComboBoxSize->itemText(1), "Full screen");
    EXPECT_EQ(dialog->ComboBoxSize->itemData(2, Qt::ToolTipRole).toString(), "990 x 650");
    EXPECT_EQ(dialog->ComboBoxSize->itemData(1, Qt::ToolTipRole).toString(), "");
    EXPECT_EQ(dialog->ComboBoxSize->toolTip(), "990 x 650");
}

TEST_F(OptionsFallbacks, ASizeTheScreenCannotHoldIsNotShownAsChosen) {
    settings.WindowSize = 5;
    auto dialog = Open(QSize(980, 700));
    EXPECT_EQ(dialog->ComboBoxSize->count(), 2);
    EXPECT_EQ(dialog->ComboBoxSize->currentIndex(), -1);
    EXPECT_EQ(settings.WindowSize, 5);
}

TEST_F(OptionsFallbacks, TenPictureBackSetsAreDealtAtRandom) {
    settings.BackFixed = true;
    auto dialog = Open();
    RadioGroup& modification = *dialog->RadioModification;
    EXPECT_EQ(modification.ItemIndex(), 1);
    EXPECT_FALSE(modification.Item(2)->isEnabled());
    dialog->ComboBoxBacks->setCurrentIndex(9);
    EXPECT_EQ(modification.ItemIndex(), 2);
    EXPECT_TRUE(modification.Item(2)->isEnabled());
    EXPECT_FALSE(modification.Item(0)->isEnabled());
    EXPECT_FALSE(modification.Item(1)->isEnabled());
    // Back to a seven-picture set: random is left for the stored choice.
    dialog->ComboBoxBacks->setCurrentIndex(12);
    EXPECT_EQ(modification.ItemIndex(), 1);
    EXPECT_FALSE(modification.Item(2)->isEnabled());
    EXPECT_TRUE(modification.Item(0)->isEnabled());
}

TEST_F(OptionsFallbacks, TheLibraryButtonsOfferOnlyWhatIsMissing) {
    folder.AddFile(QStringLiteral("QorCards06B.dll"));
    folder.AddFile(QStringLiteral("../QorRadio.rad"));
    auto dialog = Open();
    for (int kind = 1; kind <= TFormOptions::LibraryCount; ++kind) {
        SCOPED_TRACE(kind);
        DialogButton* button = dialog->ButtonLibrary[std::size_t(kind - 1)];
        const bool present = kind == 2 || kind == 5;
        EXPECT_EQ(button->text(), TFormOptions::LibraryFile(kind));
        EXPECT_EQ(button->isEnabled(), !present);
        EXPECT_EQ(ButtonLookOf(*button).KLight, present ? 50 : 0);
        EXPECT_EQ(button->toolTip(), present ? QString(TFormOptions::LibraryFile(kind))
                                             : QStringLiteral("Download ") + TFormOptions::LibraryFile(kind));
    }
    EXPECT_TRUE(dialog->ButtonCards[0]->isEnabled());
    EXPECT_FALSE(dialog->ButtonCards[1]->isEnabled());
    EXPECT_TRUE(dialog->ButtonCards[2]->isEnabled());
    dialog->ButtonCards[2]->click();
    dialog->ButtonLibrary[8]->click();
    EXPECT_EQ(host.Calls, (std::vector<std::string>{"DownloadLibrary 8", "DownloadLibrary 9"}));
}

TEST_F(OptionsFallbacks, TheSaluteNeedsTheGraphicsLibraryFile) {
    settings.ClickEffectButtons = true;
    settings.ClickEffectCards = true;
    {
        auto dialog = Open();
        EXPECT_FALSE(dialog->GroupSalute->isEnabled());
        EXPECT_FALSE(dialog->CheckSaluteButtons->isChecked());
        EXPECT_FALSE(settings.ClickEffectButtons);
        EXPECT_FALSE(settings.ClickEffectCards);
    }
    folder.AddFile(QStringLiteral("../QorCGraph1.dll"));
    auto dialog = Open();
    EXPECT_TRUE(dialog->GroupSalute->isEnabled());
}

TEST_F(OptionsFallbacks, ThePreviewShowsTheFaceSetThatLoaded) {
    settings.FaceSet = 13; // its library is not there: the preview shows the built-in faces
    auto dialog = Open();
    const QImage preview = dialog->PreviewPicture();
    QImage jack;
    ASSERT_TRUE(LoadPngFromLibrary(QStringLiteral("Ch2J"), QString(), jack, LibraryPlaces{}));
    ASSERT_EQ(preview.size(), QSize(260, 96));
    const QImage shown = preview.convertToFormat(QImage::Format_ARGB32);
    const QImage expected = jack.convertToFormat(QImage::Format_ARGB32);
    // The jack lies first; the queen covers it from x 63 on.
    int differing = 0;
    for (int y = 0; y < 94; ++y)
        for (int x = 0; x < 61; ++x)
            if (shown.pixel(x + 1, y + 1) != expected.pixel(x, y)) ++differing;
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(QColor(shown.pixel(2, 0)), QColor(0, 0, 0)); // the frame
}

TEST_F(OptionsFallbacks, NewButtonsChangeTheDialogsOwnButtons) {
    auto dialog = Open();
    EXPECT_FALSE(ButtonLookOf(*dialog->ButtonOk).Nata);
    dialog->CheckNewButtons->click();
    for (DialogButton* button : {dialog->ButtonOk, dialog->ButtonSpeed, dialog->ButtonLibrary[0]})
        EXPECT_TRUE(ButtonLookOf(*button).Nata);
}

} // namespace
} // namespace vesrin::test
