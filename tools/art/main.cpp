// vesrin-art OUTPUT-FOLDER [FLAG-FOLDER]
// Draws every picture of the program into OUTPUT-FOLDER, with art.qrc listing them for the
// resource compiler and art.list (name, kind, size) for the manifest check.

#include "ArtOutput.h"
#include "Fonts.h"
#include "Generators.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: vesrin-art OUTPUT-FOLDER [FLAG-FOLDER]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    vesrin::art::LoadArtFonts();
    vesrin::art::ArtOutput out(QString::fromLocal8Bit(argv[1]));
    vesrin::art::MakeCards(out);
    vesrin::art::MakeTable(out);
    vesrin::art::MakeButtons(out);
    vesrin::art::MakeMenu(out);
    vesrin::art::MakeFlags(out, argc > 2 ? argv[2] : "");
    vesrin::art::MakeCursors(out);
    vesrin::art::MakeWindowPictures(out);
    vesrin::art::MakeAnimations(out);
    vesrin::art::MakeCalendar(out);
    if (!out.Finish("art.qrc", "art.list")) return 1;
    return 0;
}
