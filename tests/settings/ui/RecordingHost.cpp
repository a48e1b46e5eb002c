#include "RecordingHost.h"

#include "TestLibrary.h"
#include "settings/OptionRules.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <algorithm>

namespace vesrin::test {

bool RecordingHost::Called(const std::string& name) const {
    return std::find(Calls.begin(), Calls.end(), name) != Calls.end();
}

void RecordingHost::ApplyWindowSize() {
    Calls.push_back("ApplyWindowSize");
    if (settings_.WindowSize != 1) settings_.SaveGif = false;
}

bool RecordingHost::ReloadFaces() {
    Calls.push_back("ReloadFaces");
    if (!FacesLoad) settings_.FaceSet = 0;
    return FacesLoad;
}

bool RecordingHost::ReloadBacks() {
    Calls.push_back("ReloadBacks");
    if (!BacksLoad) settings_.BackSet = 0;
    return BacksLoad;
}

bool RecordingHost::ReloadBackground() {
    Calls.push_back("ReloadBackground");
    if (!BackgroundLoads) {
        settings_.BackgroundNo = 2;
        settings_.BackgroundTint = 0;
    }
    return BackgroundLoads;
}

bool RecordingHost::ApplyMenuDesign() {
    Calls.push_back("ApplyMenuDesign");
    if (!MenuDesignLoads) ResetDesigns(settings_);
    return MenuDesignLoads;
}

ProgramFolder::ProgramFolder() { QDir(root_.path()).mkpath(QStringLiteral("games/vesrin")); }

LibraryPlaces ProgramFolder::Places() const {
    LibraryPlaces places;
    places.ProgramFolder = root_.filePath(QStringLiteral("games/vesrin"));
    places.ParentFolder = root_.filePath(QStringLiteral("games"));
    return places;
}

QString ProgramFolder::Path(const QString& name) const { return root_.filePath(QStringLiteral("games/vesrin/") + name); }

void ProgramFolder::AddFile(const QString& name) {
    QFile file(Path(name));
    file.open(QIODevice::WriteOnly);
}

bool ProgramFolder::AddGraphicsLibrary() {
    QImage strip(480, 48, QImage::Format_ARGB32);
    for (int frame = 0; frame < 10; ++frame) {
        QPainter painter(&strip);
        painter.fillRect(frame * 48, 0, 48, 48, QColor(frame * 25, 0, 255 - frame * 25));
    }
    QImage background(340, 280, QImage::Format_RGB32);
    background.fill(QColor(60, 0, 90));
    QImage header(340, 100, QImage::Format_ARGB32);
    header.fill(QColor(200, 175, 50, 128));
    return BuildLibrary(Path(QStringLiteral("QorCGraph1.dll")),
                        {{QStringLiteral("gicon48opt"), PngData(strip)},
                         {QStringLiteral("gicon48speed"), PngData(strip)},
                         {QStringLiteral("gformspeed"), JpegData(background)},
                         {QStringLiteral("gformspeedeng"), PngData(header)}});
}

} // namespace vesrin::test
