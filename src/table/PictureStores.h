#pragma once

#include "table/ResourceLibrary.h"
#include "table/ResourceNames.h"

#include <QDate>
#include <QImage>
#include <QString>

#include <array>
#include <functional>

namespace vesrin {

// The decoded card, back and table pictures, made once with the main window and filled
// again on every reload. Faces are kept by deck number 1..52 (56 slots as the stores
// were always made; the last four stay empty); backs by picture number 1..10.
struct PictureStores {
    std::array<QImage, 56> FacePictures;      // 69 x 94, small mode
    std::array<QImage, 56> FacePicturesLarge; // large modes
    std::array<QImage, 10> BackPictures;      // 69 x 94, small mode
    std::array<QImage, 10> BackPicturesLarge; // large modes
    QImage TableBackground;

    QImage& Face(int deckNumber) { return FacePictures[std::size_t(deckNumber - 1)]; }
    const QImage& Face(int deckNumber) const { return FacePictures[std::size_t(deckNumber - 1)]; }
    QImage& FaceLarge(int deckNumber) { return FacePicturesLarge[std::size_t(deckNumber - 1)]; }
    const QImage& FaceLarge(int deckNumber) const { return FacePicturesLarge[std::size_t(deckNumber - 1)]; }
};

// The card cell geometry read by the table layout and the card flights.
struct CardGeometry {
    int CardPictureMode = CardPictureSmall;
    bool WideFaces = true;
    int CardWidth = 71;
    int CardHeight = 96;
    int FaceInset = 0;
    int BackPicture = 1; // 1..10
};

// Card cell size and picture mode for a table scale (the window-size step).
void SetCardCells(CardGeometry& geometry, double scale);

// The settings and table values the loaders read; the loaders write their fallbacks
// back here (face set 0, back set 0, background 2 with tint 0, designs 1), and the
// caller stores them in the settings so a missing library is reported once.
struct PictureChoice {
    int FaceSet = 0;
    int BackSet = 0;
    bool BackFixed = false;
    int BackgroundNo = 2;
    int BackgroundTint = 0;
    int WindowSize = 1;
    int MainMenuDesign = 1;
    int TableDesign = 1;
    bool AuxDesignPurple = false;
    double Scale = 1.0;
    int TableWidth = 760;
    int TableHeight = 500;
};

// Tells the user that a library is missing: one line for the attention box, made of
// the missing-file word of the current language and the library's file name.
struct MissingLibraryNotice {
    QString MissingFileWord = QStringLiteral("Can`t find the file");
    std::function<void(const QString& line)> Show;
};

// Fills the picture stores from the program's own resources and the libraries.
class PictureLoader {
public:
    PictureLoader(PictureStores& stores, CardGeometry& geometry, PictureChoice& choice, LibraryPlaces places,
                  MissingLibraryNotice notice)
        : stores_(stores), geometry_(geometry), choice_(choice), places_(std::move(places)),
          notice_(std::move(notice)) {}

    // Faces of FaceSet for the current picture mode, then the backs. False when the
    // set's library was missing or lacked a face: the built-in set was loaded instead
    // and FaceSet is 0.
    bool LoadFaces();
    // Backs of BackSet; false when the library was missing (BackSet is then 0).
    bool LoadBacks();
    // The table background (the design picture with main-menu design 2); false when a
    // library was missing.
    bool LoadBackground(bool menuDesign);
    // The back picture of the next deal: the weekday (Monday 1 .. Sunday 7), 7 when one
    // back is kept, a random one of ten for the back sets with ten pictures.
    void ChooseBackPicture(const QDate& today, const std::function<int(int count)>& random = {});

private:
    void Tell(const QString& line) const;

    PictureStores& stores_;
    CardGeometry& geometry_;
    PictureChoice& choice_;
    LibraryPlaces places_;
    MissingLibraryNotice notice_;
};

} // namespace vesrin
