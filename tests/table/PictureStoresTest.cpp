#include "table/PictureStores.h"

#include "table/CardPainter.h"

#include "TestLibrary.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vesrin {
namespace {

QImage BuiltIn(const QString& name) {
    const std::optional<ResourceLibrary> program = ResourceLibrary::Open(QString(), LibraryPlaces{});
    return program->ReadPicture(name);
}

// Pictures compared by their colours (formats of equal pixels may differ in name).
bool SamePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return false;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32), y = b.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
            if (x.pixel(col, row) != y.pixel(col, row)) return false;
    return true;
}

class PictureStoresTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        programFolder = root.filePath("games/vesrin");
        QDir().mkpath(programFolder);
    }
    PictureLoader Loader() {
        MissingLibraryNotice notice;
        notice.Show = [this](const QString& line) { notices.append(line); };
        return PictureLoader(stores, geometry, choice, LibraryPlaces::Beside(programFolder), notice);
    }
    void UseScale(double scale, int windowSize, int width, int height) {
        choice.Scale = scale;
        choice.WindowSize = windowSize;
        choice.TableWidth = width;
        choice.TableHeight = height;
        SetCardCells(geometry, scale);
    }
    // A face library holding set `set` made from the built-in faces, stored the way
    // libraries store them: with the ellipse inverted.
    QList<test::LibraryEntry> ScrambledFaces(int set, int mode, const QString& leaveOut = {}) {
        QList<test::LibraryEntry> entries;
        for (int card = 1; card <= 52; ++card) {
            const QString name = FaceResourceName(set, card, mode);
            if (name == leaveOut) continue;
            QImage face = BuiltIn(FaceResourceName(0, card, mode));
            UnscrambleFace(face, mode, IsWideFaceSet(set));
            entries.append({name, test::PngData(face)});
        }
        return entries;
    }

    // Large faces of the narrow set 30 in one colour.
    static QList<test::LibraryEntry> NarrowFaces() {
        QImage face(126, 198, QImage::Format_ARGB32);
        face.fill(QColor(10, 90, 10));
        const QByteArray png = test::PngData(face);
        QList<test::LibraryEntry> entries;
        for (int card = 1; card <= 52; ++card) entries.append({FaceResourceName(30, card, CardPictureNative), png});
        return entries;
    }

    QTemporaryDir root;
    QString programFolder;
    PictureStores stores;
    CardGeometry geometry;
    PictureChoice choice;
    QStringList notices;
};

TEST_F(PictureStoresTest, BuiltInSetLoadsInBothSizes) {
    UseScale(1.0, 1, 760, 500);
    EXPECT_TRUE(Loader().LoadFaces());
    EXPECT_TRUE(notices.isEmpty());
    for (int card : {1, 37, 44, 52}) {
        SCOPED_TRACE(card);
        EXPECT_EQ(stores.Face(card).size(), QSize(69, 94));
        EXPECT_TRUE(SamePixels(stores.Face(card), BuiltIn(CardPictureCode(card))));
    }
    EXPECT_EQ(stores.BackPictures[6].size(), QSize(69, 94));
    UseScale(2.0, 5, 1520, 1000);
    EXPECT_TRUE(Loader().LoadFaces());
    EXPECT_EQ(stores.FaceLarge(44).size(), QSize(146, 198));
    EXPECT_EQ(stores.BackPicturesLarge[0].size(), QSize(146, 198));
    EXPECT_EQ(geometry.CardWidth, 146);
    EXPECT_EQ(geometry.FaceInset, 0);
}

TEST_F(PictureStoresTest, LibraryFacesAreUnscrambledAndTakeTheirSetCodes) {
    // Set 20 takes its pips and aces from the seasons ("Sea") and its courts from its own
    // pictures ("Ves"); the library holds only those names.
    QList<test::LibraryEntry> entries = ScrambledFaces(20, CardPictureSmall);
    entries += ScrambledFaces(20, CardPictureLarge);
    ASSERT_TRUE(test::BuildLibrary(root.filePath("games/QorCards06A.dll"), entries));
    choice.FaceSet = 20;

    UseScale(1.0, 1, 760, 500);
    EXPECT_TRUE(Loader().LoadFaces());
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_EQ(choice.FaceSet, 20);
    for (int card = 1; card <= 52; ++card) {
        SCOPED_TRACE(card);
        ASSERT_TRUE(SamePixels(stores.Face(card), BuiltIn(FaceResourceName(0, card, CardPictureSmall))));
    }

    UseScale(1.7, 4, 1290, 850);
    EXPECT_TRUE(Loader().LoadFaces());
    EXPECT_TRUE(geometry.WideFaces);
    EXPECT_EQ(geometry.CardWidth, 121);
    for (int card = 1; card <= 52; ++card) {
        SCOPED_TRACE(card);
        ASSERT_TRUE(SamePixels(stores.FaceLarge(card), BuiltIn(FaceResourceName(0, card, CardPictureLarge))));
    }
}

TEST_F(PictureStoresTest, MissingFaceLibraryFallsBackToTheBuiltInSet) {
    choice.FaceSet = 5;
    UseScale(1.0, 1, 760, 500);
    EXPECT_FALSE(Loader().LoadFaces());
    EXPECT_EQ(choice.FaceSet, 0);
    EXPECT_EQ(notices, QStringList{"Can`t find the file QorCards06A.dll"});
    EXPECT_TRUE(SamePixels(stores.Face(1), BuiltIn("CH02")));
    EXPECT_TRUE(geometry.WideFaces);
}

TEST_F(PictureStoresTest, ALibraryWithoutOneFaceCountsAsMissing) {
    ASSERT_TRUE(test::BuildLibrary(root.filePath("games/vesrin/QorCards06A.dll"),
                                   ScrambledFaces(20, CardPictureLarge, "Pi5ASeaB")));
    choice.FaceSet = 20;
    UseScale(1.3, 3, 990, 650);
    EXPECT_FALSE(Loader().LoadFaces());
    EXPECT_EQ(choice.FaceSet, 0);
    EXPECT_EQ(notices, QStringList{"Can`t find the file QorCards06A.dll"});
    EXPECT_TRUE(SamePixels(stores.FaceLarge(52), BuiltIn("PI5AB")));
}

TEST_F(PictureStoresTest, MissingBackLibraryFallsBackToTheBuiltInBacks) {
    choice.BackSet = 3;
    UseScale(1.0, 1, 760, 500);
    EXPECT_TRUE(Loader().LoadFaces()); // the faces were found; the backs report apart
    EXPECT_EQ(choice.BackSet, 0);
    EXPECT_EQ(notices, QStringList{"Can`t find the file QorCards06B.dll"});
    EXPECT_TRUE(SamePixels(stores.BackPictures[0], BuiltIn("OB01MO")));
    notices.clear();
    choice.BackSet = 9;
    EXPECT_FALSE(Loader().LoadBacks());
    EXPECT_EQ(choice.BackSet, 0);
    EXPECT_EQ(notices.size(), 1);
}

TEST_F(PictureStoresTest, NarrowFacesWithoutTheirBacksFallBackToTheWideSet) {
    // Set 30 is narrow: in a large window its backs must come from the back library.
    ASSERT_TRUE(test::BuildLibrary(root.filePath("games/vesrin/QorCards06A.dll"), NarrowFaces()));
    choice.FaceSet = 30;
    UseScale(2.0, 5, 1520, 1000);
    EXPECT_TRUE(Loader().LoadFaces());
    EXPECT_EQ(notices, QStringList{"Can`t find the file QorCards06B.dll"});
    EXPECT_EQ(choice.FaceSet, 0);
    EXPECT_EQ(choice.BackSet, 0);
    EXPECT_TRUE(geometry.WideFaces);
    EXPECT_EQ(geometry.CardWidth, 146);
    EXPECT_TRUE(SamePixels(stores.FaceLarge(1), BuiltIn("CH02B")));
    EXPECT_TRUE(SamePixels(stores.BackPicturesLarge[0], BuiltIn("OB01MOB")));
}

TEST_F(PictureStoresTest, NarrowFacesWithTheirBacksKeepTheirProportion) {
    ASSERT_TRUE(test::BuildLibrary(root.filePath("games/QorCards06A.dll"), NarrowFaces()));
    QList<test::LibraryEntry> backs;
    for (int i = 1; i <= 7; ++i) {
        QImage back(126, 198, QImage::Format_ARGB32);
        back.fill(QColor(20 * i, 0, 90));
        backs.append({BackResourceName(0, i, CardPictureNative, false), test::PngData(back)});
    }
    ASSERT_TRUE(test::BuildLibrary(root.filePath("games/QorCards06B.dll"), backs));
    choice.FaceSet = 30;
    UseScale(2.0, 5, 1520, 1000);
    EXPECT_TRUE(Loader().LoadFaces());
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_FALSE(geometry.WideFaces);
    EXPECT_EQ(geometry.CardWidth, 126);
    EXPECT_EQ(geometry.FaceInset, 5);
    EXPECT_EQ(stores.BackPicturesLarge[2].pixelColor(60, 100), QColor(60, 0, 90));
}

TEST_F(PictureStoresTest, BackgroundFallsBackToTheBuiltInFelt) {
    UseScale(1.3, 3, 990, 650);
    choice.BackgroundNo = 5;
    choice.BackgroundTint = 1;
    EXPECT_FALSE(Loader().LoadBackground(false));
    EXPECT_EQ(notices, QStringList{"Can`t find the file QorBackG03.dll"});
    EXPECT_EQ(choice.BackgroundNo, 2);
    EXPECT_EQ(choice.BackgroundTint, 0);
    EXPECT_EQ(stores.TableBackground.size(), QSize(990, 650));

    notices.clear();
    UseScale(1.0, 1, 760, 500);
    EXPECT_TRUE(Loader().LoadBackground(false));
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_EQ(stores.TableBackground.size(), QSize(760, 500));

    // No background chosen: the picture stays as it is.
    choice.BackgroundNo = 0;
    stores.TableBackground = QImage(3, 3, QImage::Format_RGB32);
    EXPECT_TRUE(Loader().LoadBackground(false));
    EXPECT_EQ(stores.TableBackground.size(), QSize(3, 3));
}

TEST_F(PictureStoresTest, BackgroundsComeFromTheirLibrary) {
    QImage cloth(400, 300, QImage::Format_RGB32);
    cloth.fill(QColor(128, 0, 0));
    ASSERT_TRUE(test::BuildLibrary(root.filePath("games/QorBackG03.dll"), {{"Fon04ReB", test::JpegData(cloth)}}));
    UseScale(1.7, 4, 1290, 850);
    choice.BackgroundNo = 4;
    choice.BackgroundTint = 1;
    EXPECT_TRUE(Loader().LoadBackground(false));
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_EQ(stores.TableBackground.size(), QSize(1290, 850));
    const QColor middle = stores.TableBackground.pixelColor(600, 400);
    EXPECT_NEAR(middle.red(), 128, 4);
    EXPECT_NEAR(middle.green(), 0, 4);
}

TEST_F(PictureStoresTest, DesignBackgroundNeedsTheGraphicsLibrary) {
    UseScale(1.0, 1, 760, 500);
    choice.MainMenuDesign = 2;
    choice.TableDesign = 2;
    choice.AuxDesignPurple = true;
    EXPECT_FALSE(Loader().LoadBackground(true));
    EXPECT_EQ(notices, QStringList{"Can`t find the file QorCGraph1.dll"});
    EXPECT_EQ(choice.MainMenuDesign, 1);
    EXPECT_EQ(choice.TableDesign, 1);
    EXPECT_FALSE(choice.AuxDesignPurple);
    EXPECT_EQ(stores.TableBackground.size(), QSize(760, 500)); // the ordinary felt instead

    notices.clear();
    QImage lilac(300, 200, QImage::Format_RGB32);
    lilac.fill(QColor(120, 0, 200));
    ASSERT_TRUE(test::BuildLibrary(programFolder + "/QorCGraph1.dll", {{"BGLilu", test::JpegData(lilac)}}));
    choice.MainMenuDesign = 2;
    EXPECT_TRUE(Loader().LoadBackground(true));
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_EQ(choice.MainMenuDesign, 2);
    EXPECT_EQ(stores.TableBackground.size(), QSize(760, 500));
    EXPECT_NEAR(stores.TableBackground.pixelColor(380, 250).blue(), 200, 4);
}

TEST_F(PictureStoresTest, BackPictureFollowsTheWeekday) {
    PictureLoader loader = Loader();
    loader.ChooseBackPicture(QDate(2026, 12, 9)); // a Wednesday
    EXPECT_EQ(geometry.BackPicture, 3);
    loader.ChooseBackPicture(QDate(2026, 12, 13)); // a Sunday
    EXPECT_EQ(geometry.BackPicture, 7);
    choice.BackFixed = true;
    loader.ChooseBackPicture(QDate(2026, 12, 7));
    EXPECT_EQ(geometry.BackPicture, 7);
    // Back sets of ten pictures choose at random, whatever the option says.
    choice.BackSet = 9;
    loader.ChooseBackPicture(QDate(2026, 12, 7), [](int count) { return count - 1; });
    EXPECT_EQ(geometry.BackPicture, 10);
    loader.ChooseBackPicture(QDate(2026, 12, 7), [](int) { return 0; });
    EXPECT_EQ(geometry.BackPicture, 1);
}

} // namespace
} // namespace vesrin
