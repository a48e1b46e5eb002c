#include "table/PictureStores.h"

#include "table/CardPainter.h"
#include "table/Rounding.h"

#include <QPainter>
#include <QRandomGenerator>

namespace vesrin {

namespace {

// A small-mode bitmap made from a library's PNG: the picture is painted into a white
// 69 x 94 cell at its top-left corner.
QImage SmallFromPng(const QImage& png) {
    QImage cell(69, 94, QImage::Format_RGB32);
    cell.fill(Qt::white);
    QPainter p(&cell);
    p.drawImage(0, 0, png);
    return cell;
}

// Reads all named pictures of a module; false as soon as one is missing, so a library
// with a hole is treated like a missing one and the stores keep their old pictures.
template <std::size_t N>
bool ReadAll(const ResourceLibrary& module, const std::array<QString, N>& names, std::size_t count,
             std::array<QImage, N>& pictures) {
    for (std::size_t i = 0; i < count; ++i) {
        pictures[i] = module.ReadPicture(names[i]);
        if (pictures[i].isNull()) return false;
    }
    return true;
}

} // namespace

void SetCardCells(CardGeometry& geometry, double scale) {
    geometry.CardWidth = 71;
    geometry.CardHeight = 96;
    geometry.CardPictureMode = CardPictureSmall;
    if (scale >= 1.3) {
        geometry.CardWidth = RoundHalfEven((geometry.WideFaces ? 71 : 61) * scale);
        geometry.CardHeight = RoundHalfEven(96 * scale);
        geometry.CardPictureMode = CardPictureLarge;
    }
    if (scale >= 2) {
        geometry.CardWidth = geometry.WideFaces ? 146 : 126;
        geometry.CardHeight = 198;
        geometry.CardPictureMode = CardPictureNative;
    }
}

void PictureLoader::Tell(const QString& line) const {
    if (notice_.Show) notice_.Show(line);
}

bool PictureLoader::LoadFaces() {
    if (choice_.FaceSet < 0 || choice_.FaceSet >= FaceSetCount) choice_.FaceSet = 0;
    bool result = true;
    const bool small = geometry_.CardPictureMode == CardPictureSmall;
    std::array<QImage, 56> loaded;
    bool fromLibrary = false;

    const QString libraryName = FaceSetLibrary(choice_.FaceSet);
    std::optional<ResourceLibrary> module;
    if (!libraryName.isEmpty()) {
        module = ResourceLibrary::Open(libraryName, places_);
        if (module) {
            std::array<QString, 56> names;
            for (int card = 1; card <= 52; ++card)
                names[std::size_t(card - 1)] = FaceResourceName(choice_.FaceSet, card, geometry_.CardPictureMode);
            fromLibrary = ReadAll(*module, names, 52, loaded);
        }
        if (!fromLibrary) {
            Tell(notice_.MissingFileWord + " " + libraryName);
            result = false;
            choice_.FaceSet = 0;
        }
    }
    if (!fromLibrary) {
        module = ResourceLibrary::Open(QString(), places_);
        std::array<QString, 56> names;
        for (int card = 1; card <= 52; ++card)
            names[std::size_t(card - 1)] = FaceResourceName(0, card, geometry_.CardPictureMode);
        ReadAll(*module, names, 52, loaded);
    }
    module.reset();

    geometry_.WideFaces = true;
    if (fromLibrary) geometry_.WideFaces = IsWideFaceSet(choice_.FaceSet);
    for (int card = 1; card <= 52; ++card) {
        QImage picture = std::move(loaded[std::size_t(card - 1)]);
        if (small && fromLibrary) picture = SmallFromPng(picture);
        // Library faces are stored with an ellipse of inverted pixels; the built-in ones
        // are plain.
        if (fromLibrary) UnscrambleFace(picture, geometry_.CardPictureMode, geometry_.WideFaces);
        (small ? stores_.Face(card) : stores_.FaceLarge(card)) = std::move(picture);
    }

    geometry_.FaceInset = geometry_.WideFaces || choice_.WindowSize == 1 ? 0 : 5;
    geometry_.CardWidth = 71;
    if (choice_.Scale >= 1.3) geometry_.CardWidth = RoundHalfEven((geometry_.WideFaces ? 71 : 61) * choice_.Scale);
    if (choice_.Scale >= 2) geometry_.CardWidth = geometry_.WideFaces ? 146 : 126;

    LoadBacks();
    return result;
}

bool PictureLoader::LoadBacks() {
    if (choice_.BackSet < 0 || choice_.BackSet >= BackSetCount) choice_.BackSet = 0;
    bool result = true;
    const bool small = geometry_.CardPictureMode == CardPictureSmall;
    const bool programItself = choice_.BackSet == 0 && (geometry_.WideFaces || small);
    std::array<QImage, 10> loaded;
    const int count = BackSet(choice_.BackSet).Pictures;
    auto namesFor = [&](int set) {
        std::array<QString, 10> names;
        for (int i = 1; i <= 10; ++i)
            names[std::size_t(i - 1)] = BackResourceName(set, i, geometry_.CardPictureMode, geometry_.WideFaces);
        return names;
    };

    bool fromLibrary = false;
    if (!programItself) {
        if (std::optional<ResourceLibrary> module = ResourceLibrary::Open(FacesLibraryB, places_))
            fromLibrary = ReadAll(*module, namesFor(choice_.BackSet), std::size_t(count), loaded);
        if (!fromLibrary) {
            Tell(notice_.MissingFileWord + " " + FacesLibraryB);
            result = false;
            if (choice_.BackSet == 0) {
                // A narrow face set in a large mode needs the library's narrow backs:
                // without them the faces fall back to the built-in wide set as well.
                choice_.FaceSet = 0;
                LoadFaces();
            }
            choice_.BackSet = 0;
        }
    }
    int loadedCount = count;
    if (!fromLibrary) {
        loadedCount = BackSet(0).Pictures;
        const std::optional<ResourceLibrary> module = ResourceLibrary::Open(QString(), places_);
        ReadAll(*module, namesFor(0), std::size_t(loadedCount), loaded);
    }
    for (int i = 0; i < loadedCount; ++i) {
        QImage picture = std::move(loaded[std::size_t(i)]);
        if (small && fromLibrary) picture = SmallFromPng(picture);
        (small ? stores_.BackPictures : stores_.BackPicturesLarge)[std::size_t(i)] = std::move(picture);
    }
    return result;
}

bool PictureLoader::LoadBackground(bool menuDesign) {
    bool result = true;
    auto fitToTable = [&] {
        if (stores_.TableBackground.isNull()) return;
        stores_.TableBackground = stores_.TableBackground
                                      .convertToFormat(QImage::Format_RGB32)
                                      .scaled(choice_.TableWidth, choice_.TableHeight, Qt::IgnoreAspectRatio,
                                              Qt::SmoothTransformation);
    };
    if (menuDesign) {
        QImage design;
        if (LoadJpegFromLibrary(QStringLiteral("BGLilu"), GraphicsLibrary, design, places_)) {
            stores_.TableBackground = std::move(design);
            fitToTable();
            return true;
        }
        Tell(notice_.MissingFileWord + " " + GraphicsLibrary);
        choice_.AuxDesignPurple = false;
        choice_.MainMenuDesign = 1;
        choice_.TableDesign = 1;
        result = false;
    }
    if (choice_.BackgroundNo == 0) return result;
    // A number or tint outside the lists names no picture: the built-in one is used.
    if (choice_.BackgroundNo < 0 || choice_.BackgroundNo > 10 || choice_.BackgroundTint < 0 ||
        choice_.BackgroundTint > 6) {
        choice_.BackgroundNo = 2;
        choice_.BackgroundTint = 0;
    }
    QImage picture;
    bool loaded = false;
    if (!IsBuiltInBackground(choice_.BackgroundNo, choice_.BackgroundTint)) {
        if (std::optional<ResourceLibrary> module = ResourceLibrary::Open(BackgroundsLibrary, places_))
            loaded = LoadJpegResource(*module,
                                      BackgroundResourceName(choice_.BackgroundNo, choice_.BackgroundTint,
                                                             choice_.WindowSize),
                                      picture);
        if (!loaded) {
            // The blank before the file name belongs to this message's literal.
            Tell(notice_.MissingFileWord + " " + BackgroundsLibrary);
            choice_.BackgroundNo = 2;
            choice_.BackgroundTint = 0;
            result = false;
        }
    }
    if (!loaded) {
        const std::optional<ResourceLibrary> module = ResourceLibrary::Open(QString(), places_);
        LoadJpegResource(*module, BackgroundResourceName(2, 0, choice_.WindowSize), picture);
    }
    stores_.TableBackground = std::move(picture);
    if (choice_.WindowSize != 1) fitToTable();
    return result;
}

void PictureLoader::ChooseBackPicture(const QDate& today, const std::function<int(int count)>& random) {
    geometry_.BackPicture = today.isValid() ? today.dayOfWeek() : 1;
    if (choice_.BackFixed) geometry_.BackPicture = 7;
    if (choice_.BackSet >= 8 && choice_.BackSet <= 11) {
        const int pick = random ? random(10) : int(QRandomGenerator::global()->bounded(10));
        geometry_.BackPicture = std::clamp(pick, 0, 9) + 1;
    }
}

} // namespace vesrin
