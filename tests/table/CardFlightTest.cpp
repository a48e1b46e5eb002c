#include "table/CardFlight.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

namespace vesrin {
namespace {

// The window as a picture: what the flight shows lands in `Screen`.
class PictureSurface : public FlightSurface {
public:
    explicit PictureSurface(QImage table) : Table(std::move(table)), Screen(Table.copy()) {}
    QImage Grab() override { return Table.copy(); }
    void Begin(const QImage& saved) override {
        ++Begins;
        Screen = saved.copy();
    }
    void Show(const QImage& source, const QRect& rect) override {
        Shown.push_back(rect);
        QPainter p(&Screen);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        const QRect r = rect.intersected(Screen.rect());
        p.drawImage(r.topLeft(), source, r);
    }
    void End() override { ++Ends; }

    QImage Table;
    QImage Screen;
    std::vector<QRect> Shown;
    int Begins = 0;
    int Ends = 0;
};

// Records after which step a pause came and how long it was.
class StepCounter : public FlightPacer {
public:
    void StepPause(int ms) override {
        ++steps;
        Pauses.push_back({steps, ms});
    }
    void StepWithoutPause() override { ++steps; }
    struct Pause {
        int AfterStep;
        int Ms;
        bool operator==(const Pause&) const = default;
    };
    std::vector<Pause> Pauses;
    int steps = 0;
};

QImage Table() {
    QImage table(760, 500, QImage::Format_RGB32);
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 760; ++x) table.setPixel(x, y, qRgb(0, 100 + x % 50, y % 200));
    return table;
}

struct FlightFixture {
    FlightFixture() : surface(Table()), flight(surface, pacer) {
        PictureLoader loader(stores, cards, choice, LibraryPlaces{}, {});
        loader.LoadFaces();
    }
    TableLook Look() const { return {scale, stores, cards, fonts}; }

    PictureSurface surface;
    StepCounter pacer;
    CardFlight flight;
    TableScale scale;
    PictureStores stores;
    CardGeometry cards;
    PictureChoice choice;
    FontKinds fonts;
};

TEST(FlightLine, OnePixelAlongTheLongerAxis) {
    struct Case {
        const char* Name;
        QPoint Start, Target;
    };
    const Case cases[] = {{"horizontal", {100, 200}, {500, 200}},
                          {"left and up", {500, 300}, {100, 100}},
                          {"steep", {300, 400}, {320, 100}},
                          {"steep down", {10, 10}, {40, 300}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        QPoint at = c.Start;
        int steps = 0;
        const int dx = c.Target.x() - c.Start.x(), dy = c.Target.y() - c.Start.y();
        while (at != c.Target && steps < 10000) {
            const QPoint next = CardFlight::NextStep(at, c.Start, c.Target);
            if (std::abs(dx) >= std::abs(dy)) {
                EXPECT_EQ(std::abs(next.x() - at.x()), 1);
                EXPECT_EQ(next.y(), RoundHalfEven(double(dy) * (next.x() - c.Start.x()) / dx + c.Start.y()));
            } else {
                EXPECT_EQ(std::abs(next.y() - at.y()), 1);
            }
            EXPECT_LE(std::abs(next.x() - at.x()), 1);
            EXPECT_LE(std::abs(next.y() - at.y()), 1);
            at = next;
            ++steps;
        }
        EXPECT_EQ(at, c.Target);
        EXPECT_EQ(steps, std::max(std::abs(dx), std::abs(dy)));
    }
    EXPECT_EQ(CardFlight::NextStep({5, 5}, {5, 5}, {5, 5}), QPoint(5, 5));
}

TEST(FlyCard, AHorizontalFlightKeepsItsRowAndItsMargins) {
    FlightFixture f;
    f.flight.Speed = 6;
    f.flight.FlyCard({100, 200}, {150, 200}, "2\xF7", true, f.Look());
    // One show for the start and one per step, each the old rectangle with 2 pixels
    // around it.
    ASSERT_EQ(f.surface.Shown.size(), 1u + 50u + 1u);
    EXPECT_EQ(f.surface.Shown[0], QRect(98, 198, 75, 100));
    EXPECT_EQ(f.surface.Shown[1], QRect(98, 198, 75, 100));
    EXPECT_EQ(f.surface.Shown[2], QRect(99, 198, 75, 100));
    EXPECT_EQ(f.surface.Shown.back(), QRect(148, 198, 73, 98)) << "the sprite erased at the end";
    // Restored at the end: the window shows the table without the card again.
    EXPECT_EQ(f.surface.Screen, f.surface.Table);
    EXPECT_EQ(f.surface.Begins, 1);
    EXPECT_EQ(f.surface.Ends, 0) << "covered until the caller drew the destination";
    f.flight.Finish();
    EXPECT_EQ(f.surface.Ends, 1);
}

TEST(FlyCard, TheCardStaysAtTheTargetAndTheRestOfTheTableIsUntouched) {
    FlightFixture f;
    f.flight.Speed = 5;
    f.flight.FlyCard({300, 400}, {320, 100}, "00", false, f.Look());
    const QRect card(320, 100, 71, 96);
    QImage screen = f.surface.Screen;
    EXPECT_EQ(screen.pixel(320, 150), qRgb(0, 0, 0)) << "the frame of the back";
    EXPECT_NE(screen.pixel(350, 150), f.surface.Table.pixel(350, 150));
    // The small sprite's corners stay transparent.
    EXPECT_EQ(screen.pixel(320, 100), f.surface.Table.pixel(320, 100));
    EXPECT_EQ(screen.pixel(390, 195), f.surface.Table.pixel(390, 195));
    QPainter p(&screen);
    p.drawImage(card.topLeft(), f.surface.Table, card);
    p.end();
    EXPECT_EQ(screen, f.surface.Table);
}

TEST(FlyCard, SpeedsPauseByTheTable) {
    struct Case {
        int Speed;
        int Steps;
        std::vector<StepCounter::Pause> Pauses;
    };
    const Case cases[] = {
        {1, 3, {{1, 2}, {2, 2}, {3, 2}}},
        {2, 2, {{1, 1}, {2, 1}}},
        {3, 10, {{2, 1}, {4, 1}, {6, 1}, {8, 1}, {10, 1}}},
        {4, 7, {{3, 1}, {6, 1}}},
        {5, 20, {}},
        {6, 20, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Speed);
        FlightFixture f;
        f.flight.Speed = c.Speed;
        f.flight.FlyCard({100, 100}, {100 + c.Steps, 100}, "2\xF7", true, f.Look());
        EXPECT_EQ(f.pacer.Pauses, c.Pauses);
        EXPECT_EQ(f.pacer.steps, c.Steps);
    }
}

TEST(FlyCard, ThePacingPhaseCarriesOverToTheNextFlight) {
    FlightFixture f;
    f.flight.Speed = 3;
    f.flight.FlyCard({100, 100}, {103, 100}, "2\xF7", true, f.Look()); // pause after step 2
    EXPECT_EQ(f.flight.PacingPhase(), 1);
    f.flight.FlyCard({100, 100}, {103, 100}, "2\xF7", true, f.Look()); // steps 4, 5, 6: pauses after 4 and 6
    EXPECT_EQ(f.pacer.Pauses, (std::vector<StepCounter::Pause>{{2, 1}, {4, 1}, {6, 1}}));
}

TEST(FlyCard, AFlightToItsOwnStartPaintsTheCardOnce) {
    FlightFixture f;
    f.flight.FlyCard({200, 200}, {200, 200}, "2\xF7", false, f.Look());
    EXPECT_EQ(f.surface.Shown.size(), 1u);
    EXPECT_EQ(f.surface.Screen.pixel(200, 250), qRgb(0, 0, 0));
}

TEST(FlyCard, CodesWithoutAPictureFlyAnEmptySprite) {
    for (const char* code : {"##", "No", "--", "zz"}) {
        SCOPED_TRACE(code);
        FlightFixture f;
        f.flight.FlyCard({100, 100}, {130, 110}, code, false, f.Look());
        EXPECT_EQ(f.surface.Screen, f.surface.Table);
    }
}

TEST(FlyCards, AllCardsMoveTogetherUntilEveryOneHasArrived) {
    FlightFixture f;
    f.flight.Speed = 6;
    QImage& prepared = f.flight.PrepareSnapshot();
    prepared.fill(qRgb(10, 20, 30)); // the caller's picture of the table without the cards
    const QImage clean = prepared.copy();
    std::array<FlyingCard, 12> cards;
    cards[0] = {"2\xF7", {300, 200}, {-71, 178}};
    cards[1] = {"00", {377, 150}, {-71, 178}};
    cards[5] = {"\xC4\xEF", {404, 250}, {-71, 178}};
    f.flight.FlyCards(cards, f.Look());
    // The longest line decides the number of steps: 404 + 71 = 475.
    EXPECT_EQ(f.surface.Shown.size(), 475u);
    EXPECT_EQ(f.pacer.steps, 475);
    // The first box holds every card with 10 pixels around them.
    // After one step the cards lie at x 299, 376, 403 and y 200, 150, 250.
    EXPECT_EQ(f.surface.Shown[0], QRect(299 - 10, 150 - 10, 403 + 71 - 299 + 20, 250 + 96 - 150 + 20));
    // Every card has left the window: it shows the prepared picture again.
    EXPECT_EQ(f.surface.Screen.copy(0, 0, 760, 500), clean);
    f.flight.Finish();
    EXPECT_EQ(f.surface.Ends, 1);
}

TEST(FlyCards, NoCardsMeansNoDrawing) {
    FlightFixture f;
    f.flight.PrepareSnapshot();
    f.flight.FlyCards({}, f.Look());
    EXPECT_TRUE(f.surface.Shown.empty());
    EXPECT_EQ(f.surface.Begins, 0);
    EXPECT_EQ(f.pacer.steps, 0);
}

TEST(TSprite, SmallSpritesHaveAMaskAndAFramedPicture) {
    FlightFixture f;
    const TSprite sprite("2\xF7", 10, 20, 81, 116, f.Look());
    EXPECT_EQ(sprite.FWidth, 71);
    EXPECT_EQ(sprite.FHeight, 96);
    EXPECT_EQ(sprite.FLeft, 10);
    EXPECT_EQ(sprite.FTop, 20);
    EXPECT_EQ(sprite.FAndImage.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(sprite.FAndImage.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(sprite.FAndImage.pixel(70, 94), qRgb(255, 255, 255));
    EXPECT_EQ(sprite.FOrImage.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(sprite.FOrImage.pixel(0, 50), qRgb(0, 0, 0)) << "the one-pixel frame";
    EXPECT_EQ(sprite.FOrImage.pixel(1, 1), f.stores.Face(1).pixel(0, 0));
    EXPECT_FALSE(sprite.IsEmpty());
    EXPECT_TRUE(TSprite("##", 0, 0, 71, 96, f.Look()).IsEmpty());
}

} // namespace
} // namespace vesrin
