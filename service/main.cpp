#include "HttpServer.h"
#include "ServiceOptions.h"
#include "Storage.h"
#include "WebService.h"

#include "base/Cp1251.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>

using namespace vesrin::service;

namespace {

void Print(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

std::string Wire(const QString& text) { return vesrin::Utf8ToCp1251(text.toStdString()).value_or(std::string()); }

QString AdminUsage() {
    return "vesrin-service admin [--db SPEC] [--data DIR] COMMAND\n"
           "  news TEXT                      publish news (the news number goes up by one)\n"
           "  pause topten|chat              switch the world top ten or the chat off\n"
           "  resume topten|chat             switch it on again\n"
           "  accounts                       list the accounts\n"
           "  remove-account NICK            remove an account and its game records\n"
           "  clear-table N                  free the four seats of tournament table N (1..10)\n"
           "  clear-list GID                 remove every entry of a world list (100: the chat)\n"
           "  welcome TEXT                   the tournament server's welcome text\n"
           "  announce Y|N TEXT1 TEXT2 TEXT3 the start announcement of the program\n"
           "Administration works on the database directly; the public port offers none.\n";
}

int Admin(QStringList args) {
    ServiceOptions options;
    QStringList rest;
    for (int i = 0; i < args.size(); ++i) {
        if ((args[i] == "--db" || args[i] == "--data") && i + 1 < args.size()) {
            (args[i] == "--db" ? options.Db : options.DataDir) = args[i + 1];
            ++i;
        } else {
            rest << args[i];
        }
    }
    if (rest.isEmpty() || rest[0] == "help") {
        Print(AdminUsage());
        return rest.isEmpty() ? 2 : 0;
    }
    ResolveDefaults(options);
    QString error;
    auto storage = Storage::Open(options.Db, &error);
    if (!storage) {
        Print(error + "\n");
        return 1;
    }
    const QString command = rest.takeFirst();
    const auto need = [&](int count) {
        if (rest.size() == count) return true;
        Print(AdminUsage());
        return false;
    };
    bool done = false;
    if (command == "news" && need(1)) {
        const long long number = std::stoll("0" + storage->Setting("news_number", "0")) + 1;
        done = storage->SetSetting("news_text", Wire(rest[0])) && storage->SetSetting("news_number", std::to_string(number));
        if (done) Print(QStringLiteral("news number %1\n").arg(number));
    } else if ((command == "pause" || command == "resume") && need(1) && (rest[0] == "topten" || rest[0] == "chat")) {
        done = storage->SetSetting(rest[0] == "chat" ? "chat_pause" : "topten_pause", command == "pause" ? "1" : "0");
    } else if (command == "accounts" && need(0)) {
        for (const std::string& nick : storage->AccountNicks()) Print(QString::fromStdString(vesrin::Cp1251ToUtf8(nick)) + "\n");
        done = true;
    } else if (command == "remove-account" && need(1)) {
        done = storage->RemoveAccount(Wire(rest[0]));
    } else if (command == "clear-table" && need(1)) {
        done = storage->ClearTable(rest[0].toInt());
    } else if (command == "clear-list" && need(1)) {
        done = storage->ClearWorldList(rest[0].toInt());
    } else if (command == "welcome" && need(1)) {
        QString text = rest[0];
        done = storage->SetSetting("welcome", Wire(text.replace(' ', '_')));
    } else if (command == "announce" && need(4)) {
        QStringList parts = rest;
        for (QString& part : parts) part.remove('#');
        done = storage->SetSetting("announce", Wire(parts.join('#') + "#0"));
    } else if (command != "news" && command != "pause" && command != "resume" && command != "remove-account" &&
               command != "clear-table" && command != "clear-list" && command != "welcome" && command != "announce" &&
               command != "accounts") {
        Print(AdminUsage());
    }
    if (!done) Print("not done\n");
    return done ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    // Decoding uploaded avatars needs the image plugins of a GUI application; no window
    // is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (!args.isEmpty() && args[0] == "admin") return Admin(args.mid(1));
    if (!args.isEmpty() && (args[0] == "--help" || args[0] == "-h")) {
        Print(ServiceUsage());
        return 0;
    }
    ServiceOptions options;
    QString error;
    if (!ParseServiceOptions(args, options, &error)) {
        Print(error + "\n" + ServiceUsage());
        return 2;
    }
    ResolveDefaults(options);
    auto storage = Storage::Open(options.Db, &error);
    if (!storage) {
        Print(error + "\n");
        return 1;
    }
    storage->SetTableAddress(options.TourHost.toStdString(), options.TourBasePort + 1);
    WebService service(*storage, options);
    HttpServer server([&service](const HttpRequest& request, const QHostAddress& peer) { return service.Handle(request, peer); },
                      HttpLimits{});
    const QHostAddress address(options.Listen == "localhost" ? QString("127.0.0.1") : options.Listen);
    if (address.isNull() || !server.Listen(address, static_cast<quint16>(options.Port))) {
        Print("cannot listen on " + options.Listen + ":" + QString::number(options.Port) + ": " + server.ErrorText() + "\n");
        return 1;
    }
    Print(QStringLiteral("vesrin-service listening on %1:%2\n").arg(address.toString()).arg(server.Port()));
    return app.exec();
}
