#include "PasswordHash.h"
#include "WebService.h"

#include "base/Cp1251.h"
#include "base/TextCipher.h"
#include "online/RemoteConfig.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

namespace vesrin::service {
namespace {

constexpr qint64 kMaxAvatarBytes = 200 * 1024;
constexpr int kMaxAvatarSide = 1024;

QByteArray Bytes(const std::string& text) { return QByteArray::fromStdString(text); }

QByteArray ContentTypeOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "html" || suffix == "htm") return "text/html; charset=utf-8";
    if (suffix == "txt") return "text/plain; charset=utf-8";
    if (suffix == "mp3") return "audio/mpeg";
    if (suffix == "ogg") return "audio/ogg";
    if (suffix == "jpg" || suffix == "jpeg") return "image/jpeg";
    if (suffix == "png") return "image/png";
    if (suffix == "gif") return "image/gif";
    if (suffix == "doc") return "application/msword";
    if (suffix == "apk") return "application/vnd.android.package-archive";
    return "application/octet-stream";
}

// An avatar's file name: the nick's bytes in hexadecimal, so no nick can name a path.
QString AvatarFileName(const std::string& nick) {
    return QString::fromLatin1(QByteArray::fromStdString(NickKey(nick).toStdString()).toHex()) + ".jpg";
}

// The nick part of an avatar address: UTF-8 when it reads as such, code page 1251 bytes
// otherwise.
std::string NickFromUrl(const std::string& decoded) {
    if (auto bytes = Utf8ToCp1251(decoded)) return *bytes;
    return decoded;
}

QByteArray HtmlEscape(const std::string& cp1251) {
    return QString::fromStdString(Cp1251ToUtf8(cp1251)).toHtmlEscaped().toUtf8();
}

} // namespace

QString WebService::BaseUrl(const HttpRequest& request) const {
    if (!options_.PublicUrl.isEmpty()) return options_.PublicUrl;
    const auto host = request.Header("host");
    if (host && !host->empty() && host->size() < 200) {
        bool clean = true;
        for (char c : *host)
            clean = clean && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                              c == '-' || c == ':' || c == '[' || c == ']');
        if (clean) return "http://" + QString::fromStdString(std::string(*host));
    }
    return QStringLiteral("http://%1:%2").arg(options_.Listen).arg(options_.Port);
}

HttpResponse WebService::ConfigText(const HttpRequest& request) {
    const std::string base = BaseUrl(request).toStdString();
    std::string text = ConfigEntry(kConfigAccountPath, EncipherText(base + "/account", kRemoteConfigKey)) +
                       ConfigEntry(kConfigTopTenPath, EncipherText(base + "/worldtop", kRemoteConfigKey)) +
                       ConfigEntry(kConfigStatsPath, EncipherText(base + "/stat", kRemoteConfigKey));
    if (storage_.Setting("topten_pause", "0") == "1") text += ConfigEntry(kConfigTopTenPause, "1");
    if (storage_.Setting("chat_pause", "0") == "1") text += ConfigEntry(kConfigChatPause, "1");
    return TextResponse(200, Bytes(text + "\r\n"));
}

HttpResponse WebService::StartText(const HttpRequest& request) {
    const std::string base = BaseUrl(request).toStdString();
    const std::string announce = storage_.Setting("announce", "N#-#-#-#0");
    const std::string text = ConfigEntry("NewsVesrin5.3", announce) +
                             ConfigEntry("DownLoad_Link_Vesrin", base + "/downloads/") +
                             ConfigEntry("Google_Play_Link_Vesrin", storage_.Setting("store_link", ""));
    return TextResponse(200, QString::fromStdString(Cp1251ToUtf8(text + "\r\n")).toUtf8());
}

HttpResponse WebService::NewsPage() {
    const long long number = std::stoll("0" + storage_.Setting("news_number", "0"));
    const QByteArray digits = QByteArray::number(number % 100000).rightJustified(5, '0');
    QByteArray page = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Vesrin news</title></head><body>\n"
                      "<p hidden>QorNews" + digits + "</p>\n<h1>Vesrin news</h1>\n<p>" +
                      HtmlEscape(storage_.Setting("news_text", "")) + "</p>\n</body></html>\n";
    return TextResponse(200, page, "text/html; charset=utf-8");
}

HttpResponse WebService::StaticFile(const HttpRequest& request, const QString& folder, const std::string& relative) {
    // No part may climb out of the folder, and what is served must lie inside it after
    // links are followed.
    const QString rel = QString::fromStdString(relative);
    if (rel.isEmpty() || rel.contains('\\') || rel.startsWith('/'))
        return TextResponse(404, "not found");
    for (const QString& part : rel.split('/'))
        if (part.isEmpty() || part == "." || part == "..") return TextResponse(404, "not found");
    const QString root = QFileInfo(QDir(options_.DataDir).filePath(folder)).canonicalFilePath();
    const QFileInfo info(QDir(options_.DataDir).filePath(folder + "/" + rel));
    const QString real = info.canonicalFilePath();
    if (root.isEmpty() || real.isEmpty() || !real.startsWith(root + "/") || !info.isFile() || !info.isReadable())
        return TextResponse(404, "not found");
    HttpResponse response;
    response.ContentType = ContentTypeOf(real);
    response.FilePath = real;
    response.Headers.append(qMakePair(QByteArray("Accept-Ranges"), QByteArray("bytes")));
    const auto size = static_cast<std::uint64_t>(info.size());
    response.FileLength = info.size();
    if (const auto rangeHeader = request.Header("range")) {
        ByteRange range;
        switch (ParseRange(*rangeHeader, size, range)) {
        case RangeStatus::None: break;
        case RangeStatus::Unsatisfiable: {
            HttpResponse refused = TextResponse(416, "");
            refused.Headers.append(qMakePair(QByteArray("Content-Range"), "bytes */" + QByteArray::number(info.size())));
            return refused;
        }
        case RangeStatus::Satisfiable:
            response.Status = 206;
            response.FileOffset = static_cast<qint64>(range.First);
            response.FileLength = static_cast<qint64>(range.Last - range.First + 1);
            response.Headers.append(qMakePair(QByteArray("Content-Range"),
                                              "bytes " + QByteArray::number(static_cast<qint64>(range.First)) + "-" +
                                                  QByteArray::number(static_cast<qint64>(range.Last)) + "/" +
                                                  QByteArray::number(info.size())));
            break;
        }
    }
    return response;
}

HttpResponse WebService::AvatarGet(const HttpRequest& request, const std::string& name) {
    if (name.size() < 5 || name.substr(name.size() - 4) != ".jpg") return TextResponse(404, "not found");
    const std::string nick = NickFromUrl(name.substr(0, name.size() - 4));
    if (!IsValidNick(nick)) return TextResponse(404, "not found");
    return StaticFile(request, "avatars", AvatarFileName(nick).toStdString());
}

HttpResponse WebService::AvatarUpload(const HttpRequest& request) {
    // The nick and the password come in the query as form fields; the body is the picture.
    const auto fields = ParseFormBody(request.Query);
    if (!fields) return TextResponse(400, "fail");
    const auto account = SignedIn(*fields);
    if (!account) return TextResponse(403, "no");
    const QByteArray jpeg = QByteArray::fromStdString(request.Body);
    if (jpeg.isEmpty() || jpeg.size() > kMaxAvatarBytes) return TextResponse(413, "fail");
    QBuffer buffer;
    buffer.setData(jpeg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxAvatarSide || size.height() > kMaxAvatarSide) return TextResponse(400, "fail");
    if (reader.read().isNull()) return TextResponse(400, "fail");
    const QString folder = QDir(options_.DataDir).filePath("avatars");
    QDir().mkpath(folder);
    QSaveFile file(QDir(folder).filePath(AvatarFileName(account->Nick)));
    if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size() || !file.commit())
        return TextResponse(500, "fail");
    return TextResponse(200, "ok");
}

HttpResponse WebService::SiteResponse(const HttpRequest& request, const QHostAddress& peer) {
    const std::string& path = request.Path;
    if (request.Method == "POST" && path == "/avatars") return AvatarUpload(request);
    if (request.Method != "GET" && request.Method != "HEAD") return TextResponse(405, "fail");
    if (path == "/config.txt") return ConfigText(request);
    if (path == "/start.txt") return StartText(request);
    if (path == "/news.html") return NewsPage();
    if (path == "/get_ip.php") {
        bool mapped = false;
        const quint32 v4 = peer.toIPv4Address(&mapped);
        const QString text = mapped ? QHostAddress(v4).toString() : peer.toString();
        return TextResponse(200, text.toUtf8());
    }
    const auto decoded = DecodePath(path);
    if (!decoded) return TextResponse(400, "fail");
    static const std::pair<std::string_view, const char*> kFolders[] = {{"/downloads/", "downloads"},
                                                                        {"/musik/", "musik"}};
    for (const auto& [prefix, folder] : kFolders)
        if (decoded->substr(0, prefix.size()) == prefix) return StaticFile(request, folder, decoded->substr(prefix.size()));
    if (decoded->substr(0, 9) == "/avatars/") return AvatarGet(request, decoded->substr(9));
    return PublicPage(*decoded);
}

} // namespace vesrin::service
