#include "ServiceFixture.h"

#include "online/ServiceReplies.h"

#include <QDir>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <atomic>
#include <cstdlib>
#include <mutex>

#include <csignal>

#include <grp.h>
#include <sys/prctl.h>
#include <pwd.h>
#include <unistd.h>

namespace vesrin::test {
namespace {

constexpr int kWaitMs = 20000;

QString ServiceBinary() { return QString::fromLocal8Bit(std::getenv("VESRIN_BINARY_DIR")) + "/bin/vesrin-service"; }

HttpReply ParseReply(const QByteArray& data) {
    HttpReply reply;
    const int headEnd = data.indexOf("\r\n\r\n");
    if (headEnd < 0) return reply;
    const QList<QByteArray> lines = data.left(headEnd).split('\n');
    const QList<QByteArray> status = lines.value(0).split(' ');
    reply.Status = status.value(1).toInt();
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const int colon = line.indexOf(':');
        if (colon > 0) reply.Headers[line.left(colon).toLower().toStdString()] = line.mid(colon + 1).trimmed().toStdString();
    }
    reply.Body = data.mid(headEnd + 4).toStdString();
    return reply;
}

quint16 FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// A private PostgreSQL server for this test run, stopped when the tests end.
class PostgresServer {
public:
    ~PostgresServer() { Stop(); }
    bool Start() {
        const QStringList found = QDir("/usr/lib/postgresql").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString& version : found)
            if (QFile::exists("/usr/lib/postgresql/" + version + "/bin/initdb")) bin_ = "/usr/lib/postgresql/" + version + "/bin";
        if (bin_.isEmpty()) return false;
        dir_ = QString::fromStdString((folder_.Path() / "pg").string());
        QDir().mkpath(dir_);
        if (::geteuid() == 0) {
            // The server refuses to run as the superuser: it runs as the postgres user.
            const passwd* user = ::getpwnam("postgres");
            if (user == nullptr || ::chown(dir_.toLocal8Bit().constData(), user->pw_uid, user->pw_gid) != 0) return false;
            uid_ = user->pw_uid;
            gid_ = user->pw_gid;
        }
        if (Run(bin_ + "/initdb", {"-D", dir_, "-A", "trust", "-U", "postgres", "--no-sync", "-E", "UTF8"}) != 0) return false;
        port_ = FreePort();
        if (Launch()) return true;
        port_ = 0;
        return false;
    }
    bool Restart() {
        Stop();
        return Launch();
    }
    std::string Fresh() {
        const QString name = QStringLiteral("vesrin%1").arg(++databases_);
        if (Run(bin_ + "/createdb", {"-h", "127.0.0.1", "-p", QString::number(port_), "-U", "postgres", name}) != 0) return {};
        return QStringLiteral("postgresql://postgres@127.0.0.1:%1/%2").arg(port_).arg(name).toStdString();
    }

private:
    // The server is a child of the test process (not a daemon), so that it stops with the
    // tests however they end.
    bool Launch() {
        server_ = std::make_unique<QProcess>();
        Prepare(*server_, SIGQUIT);
        server_->setStandardOutputFile(dir_ + "/../server.log", QIODevice::Append);
        server_->setStandardErrorFile(dir_ + "/../server.log", QIODevice::Append);
        server_->start(bin_ + "/postgres", {"-D", dir_, "-p", QString::number(port_), "-k", dir_, "-c",
                                            "listen_addresses=127.0.0.1", "-c", "fsync=off"});
        if (!server_->waitForStarted(kWaitMs)) return false;
        for (int i = 0; i < 600; ++i) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, port_);
            if (probe.waitForConnected(100) &&
                Run(bin_ + "/psql", {"-h", "127.0.0.1", "-p", QString::number(port_), "-U", "postgres", "-c", "SELECT 1"}) == 0)
                return true;
            if (server_->state() == QProcess::NotRunning) return false;
            QThread::msleep(100);
        }
        return false;
    }
    void Stop() {
        if (!server_) return;
        ::kill(static_cast<pid_t>(server_->processId()), SIGINT); // fast shutdown
        if (!server_->waitForFinished(kWaitMs)) server_->kill();
        server_->waitForFinished(kWaitMs);
        server_.reset();
    }
    // Runs as the postgres user when the tests run as the superuser; dies with its parent.
    void Prepare(QProcess& process, int deathSignal) {
        process.setWorkingDirectory(dir_);
        const uid_t uid = uid_;
        const gid_t gid = gid_;
        process.setChildProcessModifier([uid, gid, deathSignal] {
            if (uid != 0 && (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)) ::_exit(99);
            ::prctl(PR_SET_PDEATHSIG, deathSignal);
        });
    }
    int Run(const QString& program, const QStringList& args) {
        QProcess process;
        Prepare(process, SIGKILL);
        process.start(program, args);
        if (!process.waitForFinished(120000)) return -1;
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    TempFolder folder_;
    QString bin_, dir_;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
    std::unique_ptr<QProcess> server_;
    quint16 port_ = 0;
    int databases_ = 0;
};

} // namespace

namespace {

PostgresServer* SharedPostgres() {
    static std::unique_ptr<PostgresServer> server;
    static bool tried = false;
    if (!tried) {
        tried = true;
        server = std::make_unique<PostgresServer>();
        if (!server->Start()) server.reset();
    }
    return server.get();
}

} // namespace

std::string FreshPostgresDatabase() {
    PostgresServer* server = SharedPostgres();
    return server ? server->Fresh() : std::string();
}

bool RestartPostgres() {
    PostgresServer* server = SharedPostgres();
    return server && server->Restart();
}

ServiceProcess::ServiceProcess(const std::string& db, const QStringList& extra) {
    db_ = db.empty() ? "sqlite:" + QString::fromStdString((data_.Path() / "service.sqlite").string()) : QString::fromStdString(db);
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    // The service goes when the test process goes, however that ends.
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process_.start(ServiceBinary(), QStringList{"--port", "0", "--db", db_, "--data",
                                                QString::fromStdString(data_.Path().string())} + extra);
    if (!process_.waitForStarted(kWaitMs)) return;
    QByteArray out;
    while (!out.contains('\n') && process_.waitForReadyRead(kWaitMs)) out += process_.readAllStandardOutput();
    const int colon = out.lastIndexOf(':');
    if (out.contains("listening on") && colon > 0) port_ = static_cast<quint16>(out.mid(colon + 1).trimmed().toInt());
}

ServiceProcess::~ServiceProcess() {
    process_.terminate();
    if (!process_.waitForFinished(kWaitMs)) {
        process_.kill();
        process_.waitForFinished(kWaitMs);
    }
}

HttpReply ServiceProcess::Raw(const std::string& bytes) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port_);
    if (!socket.waitForConnected(kWaitMs)) return {};
    socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
    QByteArray data;
    while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(kWaitMs)) data += socket.readAll();
    data += socket.readAll();
    return ParseReply(data);
}

HttpReply ServiceProcess::Post(const std::string& path, const std::string& body) {
    return Raw("POST " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nUser-Agent: NqwPioqBfwdmw\r\n"
               "Content-Type: application/x-www-form-urlencoded\r\nConnection: close\r\nContent-Length: " +
               std::to_string(body.size()) + "\r\n\r\n" + body);
}

HttpReply ServiceProcess::Call(const std::string& path, const ServiceRequest& request) {
    return Post(path, EncodeRequest(request));
}

HttpReply ServiceProcess::Get(const std::string& path, const std::string& extraHeaders) {
    return Raw("GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port_) + "\r\n" + extraHeaders +
               "Connection: close\r\n\r\n");
}

int ServiceProcess::Admin(const QStringList& args) {
    QProcess admin;
    admin.start(ServiceBinary(), QStringList{"admin", "--db", db_, "--data", QString::fromStdString(data_.Path().string())} + args);
    if (!admin.waitForFinished(kWaitMs)) return -1;
    return admin.exitCode();
}

void ServiceTest::SetUp() {
    std::string db;
    if (GetParam() == Backend::Postgres) {
        db = FreshPostgresDatabase();
        if (db.empty()) GTEST_SKIP() << "no PostgreSQL server installed";
    }
    service_ = std::make_unique<ServiceProcess>(db);
    ASSERT_TRUE(service_->Started());
}

void ServiceTest::CreateAccount(const std::string& nick, const std::string& pw, const std::string& city,
                                const std::string& country) {
    ASSERT_EQ(Account(AccountCreate({nick, pw, city, country, "1-015", 'M', "a@b.c", "11.12.2026"})), "ok");
}

std::vector<std::string> OwnedRecords(const std::string& reply, std::size_t max) {
    std::vector<std::string> records;
    for (std::string_view record : RecordsDollarStar(reply, max)) records.emplace_back(record);
    return records;
}

std::vector<std::string> LeadingFields(std::string_view record, std::size_t count, char separator) {
    std::vector<std::string> fields = RecordFields(record, separator);
    fields.erase(fields.begin());
    fields.resize(std::min(count, fields.size()));
    return fields;
}

quint16 ClosedPort() { return FreePort(); }

std::string BackendName(const ::testing::TestParamInfo<Backend>& info) {
    return info.param == Backend::Sqlite ? "Sqlite" : "Postgres";
}

} // namespace vesrin::test
