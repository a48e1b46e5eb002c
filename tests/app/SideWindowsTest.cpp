#include "ProgramFixture.h"
#include "app/SupportWindows.h"
#include "table/WordText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace vesrin::test {
namespace {

class SideWindowsTest : public ProgramTest {
protected:
    // The side window a click opens, looked at while it is up.
    template <typename Window>
    void ClickAndLook(MenuPicture* icon, const std::function<void(Window&)>& look) {
        shown = 0;
        form->ShowSideWindow = [&](QDialog& window) {
            ++shown;
            auto* typed = qobject_cast<Window*>(&window);
            ASSERT_NE(typed, nullptr);
            look(*typed);
        };
        QTest::mouseClick(icon, Qt::LeftButton);
        EXPECT_EQ(shown, 1);
    }
    int shown = 0;
};

TEST_F(SideWindowsTest, TheCornerIconsOpenTheOtherGamesAndTheSupportWindows) {
    MakeProgram();
    for (MenuPicture* icon : {Menu().ImageAdvL1, Menu().ImageAdvR1})
        EXPECT_EQ(icon->cursor().shape(), form->HandPointer().shape()) << icon->objectName().toStdString();

    ClickAndLook<OtherGamesWindow>(Menu().ImageAdvL1, [](OtherGamesWindow& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Our other games"));
        QStringList links;
        for (QLabel* label : window.findChildren<QLabel*>())
            if (label->openExternalLinks()) links << label->text();
        ASSERT_EQ(links.size(), 4);
        EXPECT_TRUE(links[1].contains(QStringLiteral("http://127.0.0.1:8042/news.html"))) << links[1].toStdString();
    });
    EXPECT_EQ(TimesPlayed("WOpenFo"), 1);

    ClickAndLook<SupportWindow>(Menu().ImageAdvR1, [&](SupportWindow& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Support"));
        QTest::mouseClick(window.CopyButton(), Qt::LeftButton);
        EXPECT_EQ(window.Copied()->text(), QStringLiteral("The system report is on the clipboard."));
        const QString report = QGuiApplication::clipboard()->text();
        EXPECT_TRUE(report.startsWith(QStringLiteral("Vesrin V 5.7f"))) << report.toStdString();
        EXPECT_TRUE(report.contains(QString::fromStdString(ProgramFolder().string()))) << report.toStdString();
        EXPECT_TRUE(report.contains(QStringLiteral("Help page: not found")));
    });
    EXPECT_EQ(TimesPlayed("WOpenFo"), 2);
}

TEST_F(SideWindowsTest, HelpInAnotherLanguageThanEnglishFirstSaysItIsInEnglish) {
    struct Case {
        const char* Name;
        int Language;
        bool Excused;
    };
    const Case cases[] = {{"English", 0, false}, {"Japanese", 8, true}, {"Russian", 1, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        MakeProgram();
        context->Options.Language = c.Language;
        QStringList told;
        form->Inform = [&told](const QString& text) { told << text; };
        ModalScript script({[](QWidget& box) { static_cast<QDialog&>(box).accept(); }});
        form->Help->trigger();
        ASSERT_EQ(told.size(), c.Excused ? 1 : 0);
        if (c.Excused) {
            EXPECT_EQ(told[0], WordText(Word::HelpNotInLanguage, LanguageFromIndex(c.Language).value()));
        }
    }
}

} // namespace
} // namespace vesrin::test
