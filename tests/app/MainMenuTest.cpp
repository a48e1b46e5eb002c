#include "ProgramFixture.h"

#include "app/MenuTexts.h"
#include "app/SideWindows.h"
#include "settings/SpeedDialog.h"
#include "records/RecordsFile.h"
#include "records/Roster.h"
#include "records/WindowWords.h"
#include "table/Attention.h"
#include "table/TableGeometry.h"
#include "table/WordText.h"

#include <QLabel>
#include <QPointer>
#include <QSlider>
#include <QTest>

namespace vesrin::test {
namespace {

QString Row(std::string_view name, std::string_view rest) {
    std::string row(name);
    row.resize(20, ' ');
    return QString::fromStdString(row + std::string(rest));
}

class MainMenuTest : public ProgramTest {
protected:
    // Moves the mouse onto a corner icon; the one balloon then open, or none.
    const HintBalloon* Hover(MenuPicture* icon) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(icon, &enter);
        const auto open = form->Balloons().Open();
        return open.size() == 1 ? open.front() : nullptr;
    }
    void Leave(MenuPicture* icon) {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(icon, &leave);
    }
    void WriteClub() {
        files.WriteRecords(files.LocalFile(),
                           {PlayerLine("Boris", 3.5, 45, -12, "b"), PlayerLine("Anna", 1.25, 7, 30, "a")},
                           {MakeTopTenLine("Vera", 250), MakeTopTenLine("Oleg", 120), MakeTopTenLine("Ivan", 60)});
    }
};

TEST_F(MainMenuTest, TheClubListShowsTheRecordsFileInBothRankingKinds) {
    WriteClub();
    MakeProgram();
    ASSERT_TRUE(form->MenuShown());
    const QString empty = QString(20, QLatin1Char('#'));
    EXPECT_EQ(Menu().Panel4->text(), QStringLiteral(" The members of club    Games    Score "));
    EXPECT_EQ(Menu().ProfileButtons[0]->text(), Row("Boris", "      5       -12"));
    EXPECT_EQ(Menu().ProfileButtons[1]->text(), Row("Anna", "      7        30"));
    EXPECT_EQ(Menu().ProfileButtons[2]->text(), empty + QStringLiteral("    ###    ######"));
    EXPECT_EQ(Menu().RankingPanels[0]->Text(), Row("Vera", "     250"));
    EXPECT_EQ(Menu().RankingPanels[2]->Text(), Row("Ivan", "      60"));

    QTest::mouseClick(Menu().BMode, Qt::LeftButton);
    EXPECT_EQ(context->Options.RankingKind, 2);
    EXPECT_EQ(Menu().Panel4->text(), QStringLiteral(" The members of club    Games   Rating "));
    EXPECT_EQ(Menu().ProfileButtons[0]->text(), Row("Boris", "       45    3,50"));
    EXPECT_EQ(Menu().ProfileButtons[1]->text(), Row("Anna", "        7    1,25"));
    EXPECT_EQ(Menu().ProfileButtons[2]->text(), empty + QStringLiteral("  #######  ######"));
    EXPECT_EQ(TimesPlayed("WOpenFo"), 1);

    QTest::mouseClick(Menu().BMode, Qt::LeftButton);
    EXPECT_EQ(context->Options.RankingKind, 1);
    EXPECT_EQ(Menu().ProfileButtons[0]->text(), Row("Boris", "      5       -12"));
}

TEST_F(MainMenuTest, TheNetworkSwitchShowsTheNetworkClubAndBanner) {
    WriteClub();
    files.WriteRecords(files.NetFile(), {PlayerLine("Netty", 2, 3, 4, "n")});
    MakeProgram();
    const QImage localBanner = Menu().ImElite->Picture();
    context->Options.NetMode = true;
    form->Host().ApplyNetMode();
    EXPECT_EQ(Menu().ProfileButtons[0]->text(), Row("Netty", "      3         4"));
    EXPECT_NE(Menu().ImElite->Picture(), localBanner);
}

TEST_F(MainMenuTest, RowsAreMeasuredInTheFixedFontNotInTheirOwn) {
    // In the large window the rows are drawn at 32 pixels, far wider than 361; the cut
    // measures them in the fixed font at height 11, where they fit.
    files.WriteRecords(files.LocalFile(), {PlayerLine("Konstantin Ivanovich", 3.5, 45, -12, "k")});
    Settings large;
    large.WindowSize = 5;
    WriteBytes(SettingsFile(), FormatSettings(large));
    MakeProgram();
    ASSERT_EQ(context->Scale.WindowSize, 5);
    EXPECT_EQ(Menu().ProfileButtons[0]->text(), Row("Konstantin Ivanovich", "      5       -12"));
    EXPECT_GT(QFontMetrics(Menu().ProfileButtons[0]->font()).horizontalAdvance(Menu().ProfileButtons[0]->text()),
              ProfileRowLimit);
    EXPECT_EQ(Menu().ProfileButtons[0]->geometry(), QRect(360, 530, 800, 60));
}

TEST_F(MainMenuTest, ACaptionClickAdvancesTheColourScheme) {
    MakeProgram();
    const QImage before = Menu().ImCaption->Picture();
    QTest::mouseClick(Menu().ImCaption, Qt::LeftButton);
    EXPECT_EQ(context->Options.CaptionScheme, 2);
    EXPECT_NE(Menu().ImCaption->Picture(), before);
}

TEST_F(MainMenuTest, CornerIconsShowTheirBalloonsAndUnbuiltOnesDoNothingElse) {
    MakeProgram();
    struct Case {
        const char* Name;
        MenuPicture* Icon;
        QString Title;
    };
    const Case cases[] = {
        {"more games", Menu().ImageAdvL1, QStringLiteral("More games!")},
        {"help", Menu().ImHp, QStringLiteral("Help")},
        {"tournament", Menu().ImTR, QStringLiteral("Online-Tournament")},
        {"statistics", Menu().ImageAdvR3, QStringLiteral("Statistics")},
        {"account", Menu().ImAc, QStringLiteral("You are not logged in to your account!")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const HintBalloon* balloon = Hover(c.Icon);
        ASSERT_NE(balloon, nullptr);
        EXPECT_EQ(balloon->Title(), c.Title);
        Leave(c.Icon);
        EXPECT_TRUE(form->Balloons().Open().empty());
    }
    EXPECT_FALSE(Menu().ImageAdvL3->isVisible()) << "no store address is known";

    // Clicks on icons whose feature is not part of the program change nothing.
    QTest::mouseClick(Menu().ImageAdvR2, Qt::LeftButton);
    EXPECT_TRUE(form->MenuShown());
    EXPECT_TRUE(sound->Played.empty());

    // Not signed in, the tournament icon asks for the account.
    QString said;
    ModalScript script({[&said](QWidget& box) {
        if (auto* attention = qobject_cast<AttentionBox*>(&box)) said = attention->Line(0)->text();
        static_cast<QDialog&>(box).accept();
    }});
    QTest::mouseClick(Menu().ImTR, Qt::LeftButton);
    EXPECT_EQ(said, QStringLiteral("Log in to your account!"));
    EXPECT_EQ(TimesPlayed("WOpenFo"), 1);
}

TEST_F(MainMenuTest, TheWindowGoesAwayWithAMenuBalloonOpen) {
    // The menu closes the window's balloons when it is hidden; the window being taken
    // down hides the menu, so the balloon list must still be there at that moment.
    MakeProgram();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(Menu().ImHp, &enter);
    ASSERT_EQ(form->Balloons().Open().size(), 1u);
    const QPointer<HintBalloon> balloon = form->Balloons().Open().front();
    form.reset();
    EXPECT_TRUE(balloon.isNull());
}

TEST_F(MainMenuTest, TheOwnCursorsPointWhereTheirPicturesPoint) {
    MakeProgram();
    context->Options.OwnCursor = true;
    form->ApplyCursors();
    EXPECT_EQ(form->cursor().hotSpot(), QPoint(1, 1)) << "the arrow's tip";
    EXPECT_EQ(Menu().Button6->cursor().hotSpot(), QPoint(11, 2)) << "the hand's finger tip";
    EXPECT_EQ(Menu().ImHp->cursor().hotSpot(), QPoint(11, 2));
}

// Every caption of the main menu fits inside its button's rounded bar in every language, the
// 100-pixel side buttons ("Top Ten", "Options", "Exit", "Mode", "History") above all.
TEST_F(MainMenuTest, CaptionsFitTheirButtonsInEveryLanguage) {
    MakeProgram();
    // The rounded ends of the bar take this much on either side.
    constexpr int EndMargin = 4;
    for (int index = 0; index < LanguageCount; ++index) {
        const auto language = static_cast<Language>(index);
        SCOPED_TRACE(std::string(LanguageColumnName(language)));
        context->Options.Language = index;
        Menu().SetTexts();
        for (TQorCardsButton* button :
             {Menu().Button6, Menu().Button9, Menu().Button10, Menu().Button11, Menu().BMode, Menu().BHistory}) {
            ASSERT_FALSE(button->text().isEmpty());
            const int advance = QFontMetrics(button->font()).horizontalAdvance(button->text());
            EXPECT_LE(advance + 2 * EndMargin, button->width())
                << button->text().toStdString() << " needs " << advance << " of " << button->width();
        }
        // The table's step buttons carry the same font, 170 design pixels wide.
        const int stepWidth = PlaceStepButtons(context->Scale).Button7.width();
        for (Word caption :
             {Word::FlowToBegin, Word::FlowStartPass, Word::FlowNextRound, Word::FlowSumUp, Word::MenuExitToMenu}) {
            const QString text = WordText(caption, language);
            const int advance = QFontMetrics(form->Button7->font()).horizontalAdvance(text);
            EXPECT_LE(advance + 2 * EndMargin, stepWidth) << text.toStdString() << " needs " << advance;
        }
    }
}

// The help and statistics balloons say "Online-Help" and "World-Statistics" in English; every
// other language has its own whole phrase, not the English prefix glued to its word.
TEST_F(MainMenuTest, BalloonTextsAreWholeRowsInEveryLanguage) {
    MakeProgram();
    struct Case {
        const char* Name;
        MenuPicture* Icon;
        Word Title;
        Word Text;
    };
    const Case cases[] = {
        {"help", Menu().ImHp, Word::MenuHelp, Word::MenuOnlineHelp},
        {"statistics", Menu().ImageAdvR3, Word::StatCaption, Word::StatWorldStatistics},
    };
    for (int index = 0; index < LanguageCount; ++index) {
        const auto language = static_cast<Language>(index);
        SCOPED_TRACE(std::string(LanguageColumnName(language)));
        context->Options.Language = index;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.Name);
            const HintBalloon* balloon = Hover(c.Icon);
            ASSERT_NE(balloon, nullptr);
            EXPECT_EQ(balloon->Title(), WordText(c.Title, language));
            EXPECT_EQ(balloon->Text(), WordText(c.Text, language));
            Leave(c.Icon);
        }
    }
    // Glued together, these read "Online-Справка" and "World-Статистика".
    context->Options.Language = int(Language::Russian);
    const std::pair<MenuPicture*, QString> russian[] = {
        {Menu().ImHp, QString::fromUtf8("Онлайн-справка")},
        {Menu().ImageAdvR3, QString::fromUtf8("Мировая статистика")},
    };
    for (const auto& [icon, text] : russian) {
        const HintBalloon* balloon = Hover(icon);
        ASSERT_NE(balloon, nullptr);
        EXPECT_EQ(balloon->Text(), text);
        Leave(icon);
    }
}

TEST_F(MainMenuTest, TheSpeedItemOpensTheSpeedDialog) {
    MakeProgram();
    ModalScript script({[](QWidget& window) {
        auto& speed = dynamic_cast<TFormSpeed&>(window);
        speed.TrackBar1->setValue(2);
        speed.accept();
    }});
    form->MSpeed->trigger();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(context->Options.Speed, 2);
}

TEST(HelpPage, IsFoundBesideTheProgramOrInTheInstallationContent) {
    TempFolder root;
    const std::filesystem::path bin = root / "bin";
    const std::filesystem::path share = root / "share" / "vesrin";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(share);
    EXPECT_TRUE(FindHelpPage(bin).empty());
    WriteBytes(share / "Vesrin.html", "<html></html>");
    EXPECT_EQ(FindHelpPage(bin), share / "Vesrin.html");
    WriteBytes(bin / "Vesrin.html", "<html></html>");
    EXPECT_EQ(FindHelpPage(bin), bin / "Vesrin.html") << "a portable copy's own page comes first";

    const QUrl address = HelpAddress(bin / "Vesrin.html", 5);
    EXPECT_TRUE(address.isLocalFile());
    EXPECT_EQ(address.fragment(), QStringLiteral("context-5"));
}

TEST_F(MainMenuTest, HelpWithoutItsPageSaysWhichFileIsMissing) {
    MakeProgram();
    // The tests run beside no help page.
    QString said;
    ModalScript script({[&said](QWidget& box) {
        if (auto* attention = qobject_cast<AttentionBox*>(&box)) said = attention->Line(0)->text();
        static_cast<QDialog&>(box).accept();
    }});
    form->Help->trigger();
    EXPECT_EQ(said, QStringLiteral("Can`t find the file Vesrin.html"));
    EXPECT_TRUE(opened.empty());
}

} // namespace
} // namespace vesrin::test
