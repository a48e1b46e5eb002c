#include "OptionsFixture.h"

#include "settings/SpeedDialog.h"
#include "words/Language.h"

#include <QLabel>
#include <QSlider>

namespace vesrin::test {
namespace {

class SpeedDialog : public OptionsFixture {};

// The digits stand where the design puts them, and the slider's positions lie over
// their middles (within two pixels: the design's digits are not quite evenly spaced).
void ExpectMarksUnderDigits(const TFormSpeed& dialog, std::array<int, 6> lefts, int top) {
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i + 1);
        const QLabel* digit = dialog.LabelDigits[std::size_t(i)];
        EXPECT_EQ(digit->pos(), QPoint(lefts[std::size_t(i)], top));
        EXPECT_NEAR(SliderMarkCentre(*dialog.TrackBar1, i + 1), digit->x() + digit->width() / 2, 2);
    }
}

TEST_F(SpeedDialog, EveryMoveOfTheSliderSetsTheSpeed) {
    TFormSpeed dialog(settings, host, folder.Places());
    EXPECT_EQ(dialog.TrackBar1->minimum(), 1);
    EXPECT_EQ(dialog.TrackBar1->maximum(), 6);
    EXPECT_EQ(dialog.TrackBar1->value(), 4);
    for (int speed : {1, 6, 3}) {
        dialog.TrackBar1->setValue(speed);
        EXPECT_EQ(settings.Speed, speed);
        EXPECT_EQ(dialog.ImPicture->pixmap().toImage(), PaintSpeedDial(speed));
    }
    EXPECT_EQ(AfterRestart().Speed, 3);
}

TEST_F(SpeedDialog, TextsComeFromTheWordTable) {
    settings.Language = 2;
    TFormSpeed dialog(settings, host, folder.Places());
    EXPECT_EQ(dialog.windowTitle(), "Tempo wählen");
    EXPECT_EQ(dialog.LabelPrompt->text(), "Fluggeschwindigkeit der Karten wählen:");
    for (int i = 0; i < 6; ++i) EXPECT_EQ(dialog.LabelDigits[std::size_t(i)]->text(), QString::number(i + 1));
}

TEST_F(SpeedDialog, ThePromptFitsItsBoxInEveryLanguage) {
    for (int index = 0; index < LanguageCount; ++index) {
        SCOPED_TRACE(index);
        settings.Language = index;
        TFormSpeed dialog(settings, host, folder.Places());
        QLabel& prompt = *dialog.LabelPrompt;
        const QRect needed = QFontMetrics(prompt.font()).boundingRect(
            QRect(QPoint(0, 0), prompt.size()), Qt::AlignCenter | Qt::TextWordWrap, prompt.text());
        EXPECT_LE(needed.width(), prompt.width());
        EXPECT_LE(needed.height(), prompt.height());
    }
}

TEST_F(SpeedDialog, GrayDesignsByTheirOffsets) {
    ASSERT_TRUE(folder.AddGraphicsLibrary());
    struct Case {
        int Design, Height, PictureTop, PromptTop;
    } cases[] = {{1, 260, 70, 80}, {2, 275, 85, 95}, {3, 295, 105, 115}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Design);
        settings.AuxDesign = c.Design;
        TFormSpeed dialog(settings, host, folder.Places());
        EXPECT_EQ(dialog.Look(), AuxLook(c.Design));
        EXPECT_EQ(dialog.size(), QSize(310, c.Height));
        EXPECT_EQ(dialog.ImPicture->geometry(), QRect(10, c.PictureTop, 128, 128));
        EXPECT_EQ(dialog.LabelPrompt->pos(), QPoint(140, c.PromptTop));
        EXPECT_EQ(dialog.TrackBar1->y(), c.PromptTop + 40);
        ExpectMarksUnderDigits(dialog, {145, 170, 195, 220, 245, 270}, c.PromptTop + 80);
        EXPECT_EQ(dialog.ButtonOk->geometry(), QRect(5, c.PromptTop + 125, 300, 45));
        EXPECT_EQ(ButtonLookOf(*dialog.ButtonOk).Scheme, ButtonScheme::DRed);
        EXPECT_EQ(ButtonLookOf(*dialog.ButtonOk).Mouse, QColor(255, 255, 0));
        EXPECT_EQ(dialog.IconInterval(), 0);
    }
}

TEST_F(SpeedDialog, PurpleWithoutItsBackgroundFallsBackForGood) {
    settings.AuxDesignPurple = true;
    settings.AuxDesign = 3;
    TFormSpeed dialog(settings, host, folder.Places());
    EXPECT_EQ(dialog.Look(), AuxLook::Design2);
    EXPECT_FALSE(settings.AuxDesignPurple);
    EXPECT_EQ(settings.AuxDesign, 2);
    EXPECT_EQ(dialog.size(), QSize(310, 275));
    const Settings restarted = AfterRestart();
    EXPECT_FALSE(restarted.AuxDesignPurple);
    EXPECT_EQ(restarted.AuxDesign, 2);
}

TEST_F(SpeedDialog, PurpleIconTicksFasterForFasterSpeeds) {
    ASSERT_TRUE(folder.AddGraphicsLibrary());
    settings.AuxDesignPurple = true;
    settings.Speed = 1;
    TFormSpeed dialog(settings, host, folder.Places());
    EXPECT_EQ(dialog.Look(), AuxLook::Purple);
    EXPECT_EQ(dialog.size(), QSize(340, 280));
    EXPECT_EQ(dialog.ImPicture, nullptr);
    EXPECT_EQ(dialog.TrackBar1->y(), 164);
    EXPECT_EQ(dialog.TrackBar1->height(), 30);
    ExpectMarksUnderDigits(dialog, {162, 187, 212, 236, 260, 285}, 195);
    EXPECT_EQ(dialog.ButtonOk->geometry(), QRect(10, 225, 320, 45));
    EXPECT_EQ(ButtonLookOf(*dialog.ButtonOk).Scheme, ButtonScheme::DCards);
    EXPECT_EQ(ButtonLookOf(*dialog.ButtonOk).Text, QColor(200, 175, 50));
    const int intervals[6] = {110, 95, 80, 65, 40, 25};
    EXPECT_EQ(dialog.IconInterval(), 110);
    for (int speed = 1; speed <= 6; ++speed) {
        dialog.TrackBar1->setValue(speed);
        EXPECT_EQ(dialog.IconInterval(), intervals[speed - 1]);
    }
}

TEST_F(SpeedDialog, OkShowsTheSaluteWhenItIsOn) {
    settings.ClickEffectButtons = true;
    TFormSpeed dialog(settings, host, folder.Places());
    dialog.show();
    dialog.ButtonOk->click();
    EXPECT_EQ(host.Calls, std::vector<std::string>{"ShowClickEffect"});
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace vesrin::test
