#include "table/ResourceLibrary.h"

#include "resources/BuiltInResources.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMovie>
#include <QResource>

#include <atomic>

namespace vesrin {

namespace {

// Each open library gets a root of its own in the resource tree, so two libraries (or
// the same one opened twice) never shadow each other.
QString NewRoot() {
    static std::atomic<int> next{1};
    return QStringLiteral("/vesrinlib/%1").arg(next++);
}

const QString ProgramRoot = QStringLiteral("/vesrin");

} // namespace

LibraryPlaces LibraryPlaces::Beside(const QString& programFolder) {
    return {programFolder, QDir::cleanPath(programFolder + "/.."), QString()};
}

QString LibraryPlaces::Find(const QString& libraryName) const {
    if (libraryName.isEmpty()) return {};
    for (const QString& folder : {ProgramFolder, ParentFolder, InstallFolder}) {
        if (folder.isEmpty()) continue;
        const QFileInfo file(QDir(folder), libraryName);
        if (file.isFile()) return file.absoluteFilePath();
    }
    return {};
}

std::optional<ResourceLibrary> ResourceLibrary::Open(const QString& libraryName, const LibraryPlaces& places) {
    if (libraryName.isEmpty()) {
        RegisterBuiltInResources();
        return ResourceLibrary(QString(), ProgramRoot);
    }
    const QString file = places.Find(libraryName);
    if (file.isEmpty()) return std::nullopt;
    const QString root = NewRoot();
    if (!QResource::registerResource(file, root)) return std::nullopt;
    return ResourceLibrary(file, root);
}

ResourceLibrary::ResourceLibrary(ResourceLibrary&& other) noexcept
    : file_(std::move(other.file_)), root_(std::move(other.root_)) {
    other.file_.clear();
    other.root_.clear();
}

ResourceLibrary& ResourceLibrary::operator=(ResourceLibrary&& other) noexcept {
    if (this != &other) {
        Release();
        file_ = std::move(other.file_);
        root_ = std::move(other.root_);
        other.file_.clear();
        other.root_.clear();
    }
    return *this;
}

ResourceLibrary::~ResourceLibrary() { Release(); }

void ResourceLibrary::Release() {
    if (!file_.isEmpty() && !root_.isEmpty()) QResource::unregisterResource(file_, root_);
    file_.clear();
    root_.clear();
}

QString ResourceLibrary::PathOf(const QString& resourceName) const {
    if (root_.isEmpty() || resourceName.isEmpty()) return {};
    const QString folder = ":" + root_;
    // Names are stored lower-cased by our own generators; other libraries may keep the
    // case of their makers, so a case-blind search of the archive follows.
    const QString lower = folder + "/" + resourceName.toLower();
    if (QFileInfo(lower).isFile()) return lower;
    const QStringList entries = QDir(folder).entryList(QDir::Files);
    for (const QString& entry : entries)
        if (entry.compare(resourceName, Qt::CaseInsensitive) == 0) return folder + "/" + entry;
    return {};
}

std::optional<QByteArray> ResourceLibrary::Read(const QString& resourceName) const {
    const QString path = PathOf(resourceName);
    if (path.isEmpty()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

QImage ResourceLibrary::ReadPicture(const QString& resourceName) const {
    const std::optional<QByteArray> data = Read(resourceName);
    if (!data) return {};
    return QImage::fromData(*data);
}

namespace {

bool LoadPicture(const QString& resourceName, const QString& libraryName, QImage& picture,
                 const LibraryPlaces& places, const char* format) {
    const std::optional<ResourceLibrary> library = ResourceLibrary::Open(libraryName, places);
    if (!library) return false;
    const std::optional<QByteArray> data = library->Read(resourceName);
    if (!data) return false;
    QImage decoded = QImage::fromData(*data, format);
    if (decoded.isNull()) return false;
    picture = std::move(decoded);
    return true;
}

} // namespace

bool LoadPngFromLibrary(const QString& resourceName, const QString& libraryName, QImage& png,
                        const LibraryPlaces& places) {
    return LoadPicture(resourceName, libraryName, png, places, "PNG");
}

bool LoadJpegFromLibrary(const QString& resourceName, const QString& libraryName, QImage& jpeg,
                         const LibraryPlaces& places) {
    return LoadPicture(resourceName, libraryName, jpeg, places, "JPEG");
}

bool LoadGifFromLibrary(const QString& resourceName, const QString& libraryName, QMovie& animator,
                        const LibraryPlaces& places) {
    const std::optional<ResourceLibrary> library = ResourceLibrary::Open(libraryName, places);
    if (!library) return false;
    const std::optional<QByteArray> data = library->Read(resourceName);
    if (!data || !data->startsWith("GIF8")) return false;
    // The animator reads its frames while it plays, long after the library is released,
    // so it gets a buffer of its own; the one of an earlier load goes with it.
    QIODevice* previous = animator.device();
    animator.stop();
    auto* buffer = new QBuffer(&animator);
    buffer->setData(*data);
    buffer->open(QIODevice::ReadOnly);
    animator.setFormat("GIF");
    animator.setDevice(buffer);
    if (previous && previous->parent() == &animator) delete previous;
    return animator.isValid();
}

bool LoadJpegResource(const ResourceLibrary& module, const QString& resourceName, QImage& jpeg) {
    const std::optional<QByteArray> data = module.Read(resourceName);
    if (!data) return false;
    QImage decoded = QImage::fromData(*data, "JPEG");
    if (decoded.isNull()) return false;
    jpeg = std::move(decoded);
    return true;
}

} // namespace vesrin
