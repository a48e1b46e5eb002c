#include "table/ResourceLibrary.h"

#include "TestLibrary.h"

#include <QMovie>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vesrin {
namespace {

QImage Solid(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class ResourceLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        programFolder = root.filePath("parent/program");
        QDir().mkpath(programFolder);
        places = LibraryPlaces::Beside(programFolder);
    }
    QTemporaryDir root;
    QString programFolder;
    LibraryPlaces places;
};

TEST_F(ResourceLibraryTest, ProgramResourcesAreFoundWithoutRegardToCase) {
    for (const char* name : {"GFree", "GFREE", "gfree"}) {
        SCOPED_TRACE(name);
        QImage picture;
        ASSERT_TRUE(LoadPngFromLibrary(name, QString(), picture, places));
        EXPECT_EQ(picture.size(), QSize(10, 10));
    }
    QImage felt;
    ASSERT_TRUE(LoadJpegFromLibrary("FONGB", QString(), felt, places));
    EXPECT_EQ(felt.size(), QSize(1920, 922));
}

TEST_F(ResourceLibraryTest, AMissingResourceCountsAsAMissingLibraryAndLeavesThePicture) {
    QImage picture = Solid(3, 3, Qt::red);
    EXPECT_FALSE(LoadPngFromLibrary("NoSuchPicture", QString(), picture, places));
    EXPECT_FALSE(LoadPngFromLibrary("GFree", "QorCGraph1.dll", picture, places));
    EXPECT_EQ(picture.size(), QSize(3, 3));
    EXPECT_EQ(picture.pixelColor(1, 1), QColor(Qt::red));
}

TEST_F(ResourceLibraryTest, LibrariesAreFoundBesideTheProgramThenInTheParentFolder) {
    ASSERT_TRUE(test::BuildLibrary(root.filePath("parent/QorCGraph1.dll"),
                                   {{"BGLilu", test::JpegData(Solid(40, 30, QColor(200, 0, 200)))},
                                    {"GFormOptEng", test::PngData(Solid(8, 6, Qt::blue))}}));
    QImage picture;
    ASSERT_TRUE(LoadPngFromLibrary("gformopteng", "QorCGraph1.dll", picture, places));
    EXPECT_EQ(picture.size(), QSize(8, 6));
    // A JPEG is no PNG: the wrong kind is not taken.
    EXPECT_FALSE(LoadPngFromLibrary("BGLilu", "QorCGraph1.dll", picture, places));
    QImage design;
    ASSERT_TRUE(LoadJpegFromLibrary("bglilu", "QorCGraph1.dll", design, places));
    EXPECT_EQ(design.size(), QSize(40, 30));

    // The copy beside the program wins over the one in the parent folder.
    ASSERT_TRUE(test::BuildLibrary(programFolder + "/QorCGraph1.dll",
                                   {{"GFormOptEng", test::PngData(Solid(5, 4, Qt::green))}}));
    ASSERT_TRUE(LoadPngFromLibrary("GFormOptEng", "QorCGraph1.dll", picture, places));
    EXPECT_EQ(picture.size(), QSize(5, 4));
}

// An installed copy's program folder is in the player's home; the libraries that came
// with the installation are found in its data folder, after the player's own.
TEST_F(ResourceLibraryTest, AnInstalledCopyFindsItsLibrariesInTheInstallationLast) {
    const QString installed = root.filePath("usr/share/vesrin");
    QDir().mkpath(installed);
    ASSERT_TRUE(test::BuildLibrary(installed + "/QorCGraph1.dll",
                                   {{"GFormOptEng", test::PngData(Solid(7, 7, Qt::blue))}}));
    QImage picture;
    EXPECT_FALSE(LoadPngFromLibrary("GFormOptEng", "QorCGraph1.dll", picture, places));
    places.InstallFolder = installed;
    ASSERT_TRUE(LoadPngFromLibrary("GFormOptEng", "QorCGraph1.dll", picture, places));
    EXPECT_EQ(picture.size(), QSize(7, 7));
    ASSERT_TRUE(test::BuildLibrary(root.filePath("parent/QorCGraph1.dll"),
                                   {{"GFormOptEng", test::PngData(Solid(3, 2, Qt::green))}}));
    ASSERT_TRUE(LoadPngFromLibrary("GFormOptEng", "QorCGraph1.dll", picture, places));
    EXPECT_EQ(picture.size(), QSize(3, 2));
}

TEST_F(ResourceLibraryTest, AFileThatIsNoArchiveDoesNotOpen) {
    QFile junk(programFolder + "/QorBackG03.dll");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("MZ this is not a resource archive");
    junk.close();
    EXPECT_FALSE(ResourceLibrary::Open("QorBackG03.dll", places).has_value());
}

TEST_F(ResourceLibraryTest, ALibraryIsReleasedWhenItGoes) {
    const QString file = programFolder + "/QorCGraph1.dll";
    ASSERT_TRUE(test::BuildLibrary(file, {{"GNew", test::PngData(Solid(4, 4, Qt::white))}}));
    {
        std::optional<ResourceLibrary> library = ResourceLibrary::Open("QorCGraph1.dll", places);
        ASSERT_TRUE(library.has_value());
        EXPECT_TRUE(library->Read("gnew").has_value());
        std::optional<ResourceLibrary> moved = std::move(library);
        EXPECT_TRUE(moved->Read("GNEW").has_value());
    }
    // Released: the file can be replaced and the new contents are read.
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(test::BuildLibrary(file, {{"GNew", test::PngData(Solid(7, 7, Qt::white))}}));
    QImage picture;
    ASSERT_TRUE(LoadPngFromLibrary("GNew", "QorCGraph1.dll", picture, places));
    EXPECT_EQ(picture.size(), QSize(7, 7));
}

TEST_F(ResourceLibraryTest, AnAnimationKeepsItsOwnCopyOfTheResource) {
    QByteArray gif;
    {
        // The smallest valid GIF: one 1 x 1 frame.
        const unsigned char bytes[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00,
                                       0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04, 0x00, 0x00,
                                       0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00,
                                       0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
        gif = QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
    }
    ASSERT_TRUE(test::BuildLibrary(programFolder + "/QorCGraph1.dll",
                                   {{"GifA", gif}, {"GNew", test::PngData(Solid(4, 4, Qt::white))}}));
    QMovie movie;
    ASSERT_TRUE(LoadGifFromLibrary("gifa", "QorCGraph1.dll", movie, places));
    EXPECT_TRUE(movie.jumpToFrame(0));
    EXPECT_EQ(movie.currentImage().size(), QSize(1, 1));
    EXPECT_FALSE(LoadGifFromLibrary("GNew", "QorCGraph1.dll", movie, places));
    EXPECT_FALSE(LoadGifFromLibrary("GifA", "QorCalendar01.dll", movie, places));
}

} // namespace
} // namespace vesrin
