#pragma once

#include "settings/DialogDesigns.h"
#include "settings/Settings.h"
#include "table/ResourceLibrary.h"
#include "words/WordTable.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>

namespace vesrin {

// The header picture of a secondary window in designs 1 to 3 (the purple design draws
// none): design 1 an inscription picture from the graphics library, design 2 the
// built-in caption strip with the window's word written over it in capitals, design 3
// the built-in ribbon with the window's header picture from the library over it.
struct HeaderSpec {
    int Width = 490;
    QString Inscription;    // design 1: this name and the language code ("Options" + "Eng")
    QPoint InscriptionAt;
    int CaptionX = 0;       // design 2: where "GCap300" lies
    int RibbonX = 0;        // design 3: where "GLenta280x090" lies
    QString HeaderPicture;  // design 3: this name and the language code ("GFormOpt" + "Eng")
    QPoint HeaderPictureAt;
    Word Title = Word::MainOptions; // design 2: the word in capitals
};

// The headers of the two dialogs: the options dialog's 490-pixel header and the speed
// dialog's 300-pixel one, with their pictures and where they lie.
HeaderSpec OptionsHeader();
HeaderSpec SpeedHeader();

// Header height of a design: 48, 64, 90; 0 for the purple design.
int HeaderHeight(AuxLook look);

// The header on a background of the window's face colour. A library picture that cannot
// be had is left out.
QImage PaintSecondaryHeader(const HeaderSpec& spec, AuxLook look, const Settings& settings,
                            const LibraryPlaces& places, QColor face);

// The name of a lettered picture of the graphics library in the current language.
QString LetteredPictureName(const QString& base, const Settings& settings);

} // namespace vesrin
