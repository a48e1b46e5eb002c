#include "HttpServer.h"
#include "ServiceOptions.h"
#include "Storage.h"
#include "WebService.h"

#include "base/Cp1251.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

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


// Serves until stopped: one process with its own database connection. listenFd is a
// listening socket shared with other workers, or -1 to listen here.
int Serve(int argc, char** argv, int listenFd) {
    QGuiApplication app(argc, argv);
    ServiceOptions options;
    QString error;
    if (!ParseServiceOptions(app.arguments().mid(1), options, &error)) {
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
    if (listenFd >= 0) return server.ListenOn(listenFd) ? app.exec() : 1;
    const QHostAddress address(options.Listen == "localhost" ? QString("127.0.0.1") : options.Listen);
    if (address.isNull() || !server.Listen(address, static_cast<quint16>(options.Port))) {
        Print("cannot listen on " + options.Listen + ":" + QString::number(options.Port) + ": " + server.ErrorText() + "\n");
        return 1;
    }
    Print(QStringLiteral("vesrin-service listening on %1:%2\n").arg(address.toString()).arg(server.Port()));
    return app.exec();
}

std::vector<pid_t> g_workers;

void StopWorkers(int signal) {
    for (pid_t pid : g_workers) ::kill(pid, signal);
}

// Several worker processes accept on one listening socket made before they start; the
// first process stays to pass a stop on to them. The tables are made once, first.
int ServeWithWorkers(int argc, char** argv, const ServiceOptions& parsed) {
    ServiceOptions options = parsed;
    const pid_t schema = ::fork();
    if (schema == 0) {
        QCoreApplication app(argc, argv);
        ResolveDefaults(options);
        QString error;
        const bool opened = Storage::Open(options.Db, &error) != nullptr;
        if (!opened) Print(error + "\n");
        ::_exit(opened ? 0 : 1);
    }
    int status = 0;
    if (schema < 0 || ::waitpid(schema, &status, 0) != schema || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return 1;

    const std::string host = (options.Listen == "localhost" ? QString("127.0.0.1") : options.Listen).toStdString();
    const bool v6 = host.find(':') != std::string::npos;
    const int fd = ::socket(v6 ? AF_INET6 : AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_storage storage{};
    socklen_t length = 0;
    if (v6) {
        auto* a = reinterpret_cast<sockaddr_in6*>(&storage);
        a->sin6_family = AF_INET6;
        a->sin6_port = htons(static_cast<uint16_t>(options.Port));
        if (::inet_pton(AF_INET6, host.c_str(), &a->sin6_addr) != 1) return 1;
        length = sizeof *a;
    } else {
        auto* a = reinterpret_cast<sockaddr_in*>(&storage);
        a->sin_family = AF_INET;
        a->sin_port = htons(static_cast<uint16_t>(options.Port));
        if (::inet_pton(AF_INET, host.c_str(), &a->sin_addr) != 1) return 1;
        length = sizeof *a;
    }
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&storage), length) != 0 || ::listen(fd, 1024) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&storage), &length) != 0) {
        std::fprintf(stdout, "cannot listen on %s:%d\n", host.c_str(), options.Port);
        return 1;
    }
    const int port = ntohs(v6 ? reinterpret_cast<sockaddr_in6*>(&storage)->sin6_port
                              : reinterpret_cast<sockaddr_in*>(&storage)->sin_port);
    std::signal(SIGTERM, StopWorkers);
    std::signal(SIGINT, StopWorkers);
    for (int i = 0; i < options.Workers; ++i) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            std::signal(SIGTERM, SIG_DFL);
            std::signal(SIGINT, SIG_DFL);
            ::_exit(Serve(argc, argv, fd));
        }
        if (pid > 0) g_workers.push_back(pid);
    }
    std::fprintf(stdout, "vesrin-service (%d workers) listening on %s:%d\n", options.Workers, host.c_str(), port);
    std::fflush(stdout);
    int result = 0;
    for (pid_t pid : g_workers) {
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) result = 1;
    }
    return result;
}

} // namespace

int main(int argc, char** argv) {
    // Decoding uploaded avatars needs the image plugins of a GUI application; no window
    // is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    if (!args.isEmpty() && args[0] == "admin") {
        QGuiApplication app(argc, argv);
        return Admin(args.mid(1));
    }
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
    return options.Workers > 1 ? ServeWithWorkers(argc, argv, options) : Serve(argc, argv, -1);
}
