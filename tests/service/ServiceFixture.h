#pragma once

#include "online/ServiceRequests.h"
#include "support/TempFolder.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vesrin::test {

struct HttpReply {
    int Status = 0;
    std::map<std::string, std::string> Headers; // names in lower case
    std::string Body;
};

// The real vesrin-service binary on a free loopback port with a fresh database of its
// own, driven over HTTP.
class ServiceProcess {
public:
    // db: a database address; empty for SQLite in the data folder.
    explicit ServiceProcess(const std::string& db = {}, const QStringList& extra = {"--rate-limit", "0"});
    ~ServiceProcess();

    bool Started() const { return port_ != 0; }
    quint16 Port() const { return port_; }
    const std::filesystem::path& DataDir() const { return data_.Path(); }

    HttpReply Raw(const std::string& bytes);
    HttpReply Post(const std::string& path, const std::string& body);
    HttpReply Call(const std::string& path, const ServiceRequest& request);
    HttpReply Get(const std::string& path, const std::string& extraHeaders = {});
    // Runs "vesrin-service admin" on the same database; its exit code.
    int Admin(const QStringList& args);

private:
    TempFolder data_;
    QString db_;
    QProcess process_;
    quint16 port_ = 0;
};

enum class Backend { Sqlite, Postgres };

// A new empty database on a private PostgreSQL server that the first call starts;
// empty when no PostgreSQL server is installed.
std::string FreshPostgresDatabase();
// Restarts that server, which drops every connection to it.
bool RestartPostgres();

// The end-to-end suite runs once on SQLite and once on PostgreSQL.
class ServiceTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override;
    ServiceProcess& Service() { return *service_; }
    // Helpers in the program's request forms.
    std::string Account(const ServiceRequest& request) { return Service().Call("/account", request).Body; }
    std::string World(const ServiceRequest& request) { return Service().Call("/worldtop", request).Body; }
    std::string Stat(const ServiceRequest& request) { return Service().Call("/stat", request).Body; }
    std::string Tour(const ServiceRequest& request) { return Service().Call("/tour", request).Body; }
    void CreateAccount(const std::string& nick, const std::string& pw, const std::string& city = "Paris",
                       const std::string& country = "France");

private:
    std::unique_ptr<ServiceProcess> service_;
};

// The records of a reply as owned texts (the reader's views would point into a
// temporary reply).
std::vector<std::string> OwnedRecords(const std::string& reply, std::size_t max);

// Fields 1..count of a record (fewer when the record is shorter).
std::vector<std::string> LeadingFields(std::string_view record, std::size_t count, char separator = ' ');
using Words = std::vector<std::string>;

// A loopback port on which nothing listens.
quint16 ClosedPort();

std::string BackendName(const ::testing::TestParamInfo<Backend>& info);

} // namespace vesrin::test
