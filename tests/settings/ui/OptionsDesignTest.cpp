#include "OptionsFixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>

namespace vesrin::test {
namespace {

class OptionsDesigns : public OptionsFixture {
protected:
    void SetUp() override { ASSERT_TRUE(folder.AddGraphicsLibrary()); }
};

TEST_F(OptionsDesigns, EachSecondaryWindowDesignLaysTheDialogOut) {
    struct Case {
        const char* Name;
        int AuxDesign;
        bool Purple;
        int Height, HeaderHeight, BarTop, TabTop, AnimationTop, OkTop;
    } cases[] = {
        {"gray concise", 1, false, 360, 48, 55, 80, 170, 315},
        {"gray aristocratic", 2, false, 375, 64, 73, 95, 185, 330},
        {"gray with ribbons", 3, false, 410, 90, 108, 130, 220, 365},
        {"purple", 2, true, 400, 0, 0, 120, 210, 355},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        settings = Settings();
        settings.AuxDesign = c.AuxDesign;
        settings.AuxDesignPurple = c.Purple;
        auto dialog = Open();
        EXPECT_EQ(dialog->size(), QSize(500, c.Height));
        EXPECT_EQ(dialog->PageControl1->geometry(), QRect(10, c.TabTop, 360, 270));
        EXPECT_EQ(dialog->ImFlag->geometry(), QRect(390, c.TabTop, 100, 68));
        EXPECT_EQ(dialog->ImAnimation->y(), c.AnimationTop);
        EXPECT_TRUE(dialog->ImAnimation->isVisibleTo(dialog.get()));
        EXPECT_EQ(dialog->ButtonOk->geometry().topLeft(), QPoint(390, c.OkTop));
        EXPECT_EQ(dialog->ImHeader->isVisibleTo(dialog.get()), !c.Purple);
        EXPECT_EQ(dialog->RedBar->isVisibleTo(dialog.get()), !c.Purple);
        if (!c.Purple) {
            EXPECT_EQ(dialog->ImHeader->geometry(), QRect(5, 0, 490, c.HeaderHeight));
            EXPECT_EQ(dialog->RedBar->geometry(), QRect(5, c.BarTop, 490, 6));
        }
        for (int page = 0; page < 9; ++page) EXPECT_EQ(dialog->PageControl1->Page(page)->Gradient(), c.Purple);
        EXPECT_EQ(dialog->palette().color(QPalette::Window) == QColor(0, 0, 0), c.Purple);

        const ButtonLook ok = ButtonLookOf(*dialog->ButtonOk);
        const ButtonLook speed = ButtonLookOf(*dialog->ButtonSpeed);
        const ButtonLook library = ButtonLookOf(*dialog->ButtonLibrary[0]);
        if (c.Purple) {
            EXPECT_EQ(ok.Scheme, ButtonScheme::DCards);
            EXPECT_EQ(ok.Text, QColor(200, 175, 50));
            EXPECT_EQ(speed.Scheme, ButtonScheme::DCards);
            EXPECT_EQ(speed.Text, QColor(200, 175, 50));
            EXPECT_EQ(library.Scheme, ButtonScheme::DCards);
            EXPECT_EQ(library.Text, QColor(255, 255, 0));
        } else {
            EXPECT_EQ(ok.Scheme, ButtonScheme::DRed);
            EXPECT_EQ(ok.Text, QColor(255, 255, 255));
            EXPECT_EQ(ok.Mouse, QColor(255, 255, 0));
            EXPECT_EQ(speed.Scheme, ButtonScheme::DRed);
            EXPECT_EQ(library.Scheme, ButtonScheme::DRed);
        }
    }
}

TEST_F(OptionsDesigns, ChoosingADesignRelaysTheOpenDialog) {
    auto dialog = Open();
    EXPECT_EQ(dialog->Look(), AuxLook::Design2);
    dialog->RadioAuxDesign->Item(3)->click();
    EXPECT_EQ(dialog->Look(), AuxLook::Purple);
    EXPECT_EQ(dialog->height(), 400);
    EXPECT_EQ(dialog->RadioAuxDesign->ItemIndex(), 3);
    dialog->RadioAuxDesign->Item(2)->click();
    EXPECT_EQ(dialog->Look(), AuxLook::Design3);
    EXPECT_EQ(dialog->height(), 410);
    EXPECT_TRUE(host.Attentions.isEmpty());
}

TEST_F(OptionsDesigns, TheGrayAristocraticHeaderWritesTheWordInCapitals) {
    auto dialog = Open();
    const QImage header = dialog->ImHeader->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(header.size(), QSize(490, 64));
    int yellow = 0;
    int shadow = 0;
    for (int y = 0; y < header.height(); ++y)
        for (int x = 0; x < header.width(); ++x) {
            const QColor c = header.pixelColor(x, y);
            if (c == QColor(255, 255, 0)) ++yellow;
            if (c == QColor(127, 127, 0)) ++shadow;
        }
    EXPECT_GT(yellow, 200);
    EXPECT_GT(shadow, 20);
}

TEST_F(OptionsDesigns, ThePurpleIconTurnsWithTheDecorationTimer) {
    settings.AuxDesignPurple = true;
    auto dialog = Open();
    const QImage first = dialog->ImAnimation->pixmap().toImage();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 1000 && dialog->ImAnimation->pixmap().toImage() == first)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_NE(dialog->ImAnimation->pixmap().toImage(), first);
}

} // namespace
} // namespace vesrin::test
