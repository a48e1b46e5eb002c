// vesrin-options-preview LANG OUT.png [--design 1|2|3|purple] [--speed] [--library FOLDER]
//
// LANG is a language column name of the word table ("eng", "rus", "chi", ...) or its
// number 0..9. Without --speed the picture holds the options dialog once per page, three
// pages a row; with --speed the speed dialog. --library names a folder whose resource
// libraries the dialogs may use (none by default, as in a fresh install).

#include "resources/BuiltInResources.h"
#include "settings/OptionsDialog.h"
#include "settings/OptionsHost.h"
#include "settings/SpeedDialog.h"
#include "words/Language.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace {

using namespace vesrin;

// The dialogs alone, without a main window: every effect outside them is dropped.
class PreviewHost : public OptionsHost {
public:
    void ApplyWindowSize() override {}
    bool ReloadFaces() override { return true; }
    bool ReloadBacks() override { return true; }
    bool ReloadBackground() override { return true; }
    bool ApplyMenuDesign() override { return true; }
    void ApplyFonts() override {}
    void RetranslateMainWindow() override {}
    void ApplyButtonLook() override {}
    void ApplyCursors(QWidget&) override {}
    void ApplyMusic() override {}
    void ApplyGifAnimation() override {}
    void ApplyNetMode() override {}
    void OpenPassport(QWidget&) override {}
    void ShowAttention(const QString& line) override { std::fprintf(stderr, "attention: %s\n", qPrintable(line)); }
};

std::optional<int> ParseLanguage(const char* text) {
    for (int i = 0; i < LanguageCount; ++i) {
        const Language language = *LanguageFromIndex(i);
        if (LanguageColumnName(language) == text || std::to_string(i) == text) return i;
    }
    return std::nullopt;
}

// Shows the widget on the screen, waits until the window system has drawn it, and takes
// the screen's picture of it.
QImage Shoot(QWidget& widget) {
    widget.show();
    widget.raise();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3000 && !(widget.windowHandle() && widget.windowHandle()->isExposed()))
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    // A few more rounds so every child has painted.
    for (int i = 0; i < 10; ++i) QApplication::processEvents(QEventLoop::AllEvents, 20);
    QScreen* screen = widget.screen();
    QImage shot;
    if (screen && QApplication::platformName() == QStringLiteral("xcb"))
        shot = screen->grabWindow(widget.winId()).toImage();
    if (shot.isNull() || shot.size() != widget.size()) shot = widget.grab().toImage();
    return shot;
}

int Usage() {
    std::fprintf(stderr, "usage: vesrin-options-preview LANG OUT.png [--design 1|2|3|purple] [--speed] [--library FOLDER]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    const std::optional<int> language = ParseLanguage(argv[1]);
    if (!language) return Usage();
    const QString out = QString::fromLocal8Bit(argv[2]);
    Settings settings;
    settings.Language = *language;
    bool speed = false;
    QString libraryFolder;
    for (int i = 3; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--speed")) {
            speed = true;
        } else if (!std::strcmp(argv[i], "--design") && i + 1 < argc) {
            const std::string design = argv[++i];
            if (design == "purple") {
                settings.AuxDesignPurple = true;
            } else if (design == "1" || design == "2" || design == "3") {
                settings.AuxDesign = std::stoi(design);
            } else {
                return Usage();
            }
        } else if (!std::strcmp(argv[i], "--library") && i + 1 < argc) {
            libraryFolder = QString::fromLocal8Bit(argv[++i]);
        } else {
            return Usage();
        }
    }

    QApplication app(argc, argv);
    RegisterBuiltInResources();
    PreviewHost host;
    LibraryPlaces places;
    places.ProgramFolder = libraryFolder;
    QSize screen(1920, 1080);
    if (QScreen* primary = QApplication::primaryScreen()) screen = primary->availableGeometry().size();

    QImage sheet;
    if (speed) {
        TFormSpeed dialog(settings, host, places);
        sheet = Shoot(dialog);
    } else {
        TFormOptions dialog(settings, host, places, screen);
        const int columns = 3;
        for (int page = 0; page < dialog.PageControl1->Count(); ++page) {
            dialog.PageControl1->SetCurrentIndex(page);
            const QImage shot = Shoot(dialog);
            if (sheet.isNull()) {
                const int rows = (dialog.PageControl1->Count() + columns - 1) / columns;
                sheet = QImage(shot.width() * columns + 4 * (columns - 1), shot.height() * rows + 4 * (rows - 1),
                               QImage::Format_RGB32);
                sheet.fill(QColor(90, 90, 90));
            }
            QPainter painter(&sheet);
            painter.drawImage((page % columns) * (shot.width() + 4), (page / columns) * (shot.height() + 4), shot);
        }
    }
    if (sheet.isNull() || !sheet.save(out)) {
        std::fprintf(stderr, "could not save %s\n", argv[2]);
        return 1;
    }
    return 0;
}
