#include "records/AuxWindowDesign.h"

#include "TestLibrary.h"
#include "UiTestSupport.h"
#include "records/CountWindow.h"
#include "records/HistoryWindow.h"
#include "records/PasswordWindow.h"
#include "table/QorCardsButton.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace vesrin {
namespace {

class AuxDesign : public ::testing::Test, public test::WindowsFixture {
protected:
    void BuildGraphicsLibrary(const QList<test::LibraryEntry>& entries) {
        ASSERT_TRUE(test::BuildLibrary(QString::fromStdString((folder.Path() / kGraphicsLibraryName).string()),
                                       entries));
    }
    static QImage Picture(int width, int height) {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(QColor(90, 20, 120));
        return picture;
    }
};

TEST_F(AuxDesign, ADesignWithoutItsLibraryFallsBackToTheBuiltInRibbonsOnce) {
    const struct {
        const char* Name;
        bool Purple;
        int Design;
    } cases[] = {{"concise", false, 1}, {"ribbons", false, 3}, {"purple", true, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        settings.AuxDesignPurple = c.Purple;
        settings.AuxDesign = c.Design;
        missingLibraries.clear();
        HistoryViewerMemory memory;
        TFHistory viewer(context, memory);
        viewer.show();
        EXPECT_EQ(viewer.Design().Look, AuxLook::Design2);
        EXPECT_FALSE(settings.AuxDesignPurple);
        EXPECT_EQ(settings.AuxDesign, 2) << "the fallback goes into the settings";
        EXPECT_EQ(missingLibraries, std::vector<QString>{"Can`t find the file QorCGraph1.dll"});
        TFHistory again(context, memory);
        again.show();
        EXPECT_EQ(missingLibraries.size(), 1u) << "reported once";
    }
}

TEST_F(AuxDesign, WindowsWithoutLibraryPicturesKeepEveryDesign) {
    for (int design : {1, 3}) {
        SCOPED_TRACE(design);
        settings.AuxDesign = design;
        TFormCount window(context, GameCountsView{});
        window.show();
        EXPECT_EQ(window.Design().Look, AuxLook(design));
        EXPECT_TRUE(missingLibraries.empty());
    }
}

TEST_F(AuxDesign, LibraryPicturesAreChosenByTheLanguageCode) {
    BuildGraphicsLibrary({{"gformhistory", test::JpegData(Picture(785, 420))},
                          {"gformhistoryeng", test::PngData(Picture(785, 70))},
                          {"gformpasseng", test::PngData(Picture(370, 100))},
                          {"historyeng", test::PngData(Picture(300, 48))}});
    struct Case {
        const char* Name;
        bool Purple;
        int Design;
        int Language;
        AuxLook Look;
    };
    const Case cases[] = {
        {"purple in English", true, 2, 0, AuxLook::Purple},
        {"purple in Japanese takes the English pictures", true, 2, 8, AuxLook::Purple},
        {"concise in English", false, 1, 0, AuxLook::Design1},
        {"purple in Russian lacks its header", true, 2, 1, AuxLook::Design2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        settings.AuxDesignPurple = c.Purple;
        settings.AuxDesign = c.Design;
        settings.Language = c.Language;
        HistoryViewerMemory memory;
        TFHistory viewer(context, memory);
        viewer.show();
        EXPECT_EQ(viewer.Design().Look, c.Look);
        if (c.Look == AuxLook::Purple) {
            EXPECT_EQ(viewer.Design().Background.size(), QSize(785, 420));
            EXPECT_EQ(viewer.Design().Header.size(), QSize(785, 70));
            EXPECT_EQ(viewer.Design().ContentTop, 80);
            EXPECT_TRUE(viewer.Design().Buttons.Cards);
        }
    }

    settings.AuxDesignPurple = false;
    settings.AuxDesign = 3;
    settings.Language = 0;
    TFormPassword dialog(context, PasswordMode::NewPlayer, 6, std::string());
    dialog.show();
    EXPECT_EQ(dialog.Design().Look, AuxLook::Design3);
    EXPECT_EQ(dialog.Design().Header.size(), QSize(370, 100));
    EXPECT_EQ(dialog.Design().BarTop, 108);
}

TEST_F(AuxDesign, ButtonsAreTheProgramsOwnInTheColoursOfTheDesign) {
    struct Case {
        const char* Name;
        bool Purple;
        bool NewButtons;
        TColorSB Scheme;
        QColor Text;
    };
    const Case cases[] = {{"grey", false, false, TColorSB::DRed, QColor(255, 255, 255)},
                          {"grey with new buttons", false, true, TColorSB::DRed, QColor(255, 255, 255)},
                          {"purple", true, false, TColorSB::DCards, QColor(200, 175, 50)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        settings.AuxDesignPurple = c.Purple;
        settings.NewButtons = c.NewButtons;
        TFormCount window(context, GameCountsView{});
        window.show();
        auto* ok = qobject_cast<TQorCardsButton*>(window.OkButton());
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->ColorSB(), c.Scheme);
        EXPECT_EQ(ok->FontColor, c.Text);
        EXPECT_EQ(ok->ColorMouse, QColor(255, 255, 0));
        EXPECT_EQ(ok->Nata, c.NewButtons);
        EXPECT_EQ(ok->height(), 30);
    }
}

} // namespace
} // namespace vesrin
