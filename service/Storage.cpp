#include "Storage.h"

#include "base/Cp1251.h"

#include <QSqlError>
#include <QUrl>

#include <atomic>

namespace vesrin::service {

QString FromWire(const std::string& bytes) { return QString::fromStdString(Cp1251ToUtf8(bytes)); }

std::string ToWire(const QVariant& value) {
    return Utf8ToCp1251(value.toString().toStdString()).value_or(std::string());
}

QString NickKey(const std::string& nick) {
    std::string key = nick;
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return FromWire(key);
}

namespace {

QString SchemaText(bool postgres) {
    const QString id = postgres ? "BIGSERIAL PRIMARY KEY" : "INTEGER PRIMARY KEY AUTOINCREMENT";
    return QStringLiteral(
               "CREATE TABLE IF NOT EXISTS accounts (nick_key TEXT PRIMARY KEY, nick TEXT NOT NULL, pw_hash TEXT NOT NULL,"
               " city TEXT, country1 TEXT, country2 TEXT, sex TEXT, email TEXT, dater TEXT, r01 TEXT, r02 TEXT,"
               " r03 TEXT, r04 BIGINT NOT NULL DEFAULT 0, r05 BIGINT NOT NULL DEFAULT 0, r06 BIGINT NOT NULL DEFAULT 0,"
               " info TEXT NOT NULL DEFAULT '');"
               "CREATE TABLE IF NOT EXISTS account_games (nick_key TEXT NOT NULL, prefix TEXT NOT NULL,"
               " kon BIGINT, best BIGINT, rating DOUBLE PRECISION, sessions BIGINT, konl BIGINT, score BIGINT,"
               " r1 BIGINT, r2 TEXT, PRIMARY KEY (nick_key, prefix));"
               "CREATE INDEX IF NOT EXISTS account_games_rating ON account_games (prefix, rating);"
               "CREATE TABLE IF NOT EXISTS world_entries (id %1, gid INTEGER NOT NULL, score BIGINT NOT NULL,"
               " nick TEXT, country TEXT, city TEXT, r07 TEXT, r08 TEXT, r09 TEXT, r10 TEXT);"
               "CREATE INDEX IF NOT EXISTS world_entries_score ON world_entries (gid, score, id);"
               "CREATE INDEX IF NOT EXISTS world_entries_nick ON world_entries (gid, nick);"
               "CREATE TABLE IF NOT EXISTS stats (gid INTEGER PRIMARY KEY, stat1 BIGINT NOT NULL DEFAULT 0,"
               " stat2 BIGINT NOT NULL DEFAULT 0, stat3 BIGINT NOT NULL DEFAULT 0, stat4 TEXT NOT NULL DEFAULT '',"
               " x1 BIGINT NOT NULL DEFAULT 0, x2 BIGINT NOT NULL DEFAULT 0, x3 BIGINT NOT NULL DEFAULT 0,"
               " x4 BIGINT NOT NULL DEFAULT 0, x5 BIGINT NOT NULL DEFAULT 0, x6 BIGINT NOT NULL DEFAULT 0,"
               " x7 BIGINT NOT NULL DEFAULT 0, x8 BIGINT NOT NULL DEFAULT 0, x9 BIGINT NOT NULL DEFAULT 0,"
               " x10 BIGINT NOT NULL DEFAULT 0, x11 BIGINT NOT NULL DEFAULT 0, x12 BIGINT NOT NULL DEFAULT 0);"
               "CREATE TABLE IF NOT EXISTS tour_tables (num INTEGER PRIMARY KEY, ip TEXT NOT NULL, port BIGINT NOT NULL,"
               " free TEXT NOT NULL, r1 BIGINT NOT NULL, r2 TEXT NOT NULL);"
               "CREATE TABLE IF NOT EXISTS tour_seats (num INTEGER NOT NULL, seat INTEGER NOT NULL, nick TEXT NOT NULL,"
               " score BIGINT, kon BIGINT, rating BIGINT, country TEXT, city TEXT, sex TEXT, ip TEXT,"
               " PRIMARY KEY (num, seat));"
               "CREATE TABLE IF NOT EXISTS tour_standing (nick TEXT PRIMARY KEY, country TEXT, city TEXT,"
               " score BIGINT NOT NULL DEFAULT 0, kon BIGINT NOT NULL DEFAULT 0, rating BIGINT NOT NULL DEFAULT 0);"
               "CREATE TABLE IF NOT EXISTS settings (name TEXT PRIMARY KEY, value TEXT NOT NULL)")
        .arg(id);
}

} // namespace

std::unique_ptr<Storage> Storage::Open(const QString& spec, QString* error) {
    static std::atomic<int> counter{0};
    const QString connection = QStringLiteral("vesrin-storage-%1").arg(counter++);
    bool postgres = false;
    QSqlDatabase db;
    if (spec.startsWith("sqlite:")) {
        db = QSqlDatabase::addDatabase("QSQLITE", connection);
        db.setDatabaseName(spec.mid(7));
        db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=5000");
    } else if (spec.startsWith("postgresql://") || spec.startsWith("postgres://")) {
        const QUrl url(spec);
        if (!url.isValid() || url.path().size() < 2) {
            *error = "the PostgreSQL address is not of the form postgresql://USER@HOST:PORT/DB";
            return nullptr;
        }
        postgres = true;
        db = QSqlDatabase::addDatabase("QPSQL", connection);
        db.setHostName(url.host());
        db.setPort(url.port(5432));
        db.setUserName(url.userName());
        if (!url.password().isEmpty()) db.setPassword(url.password());
        db.setDatabaseName(url.path().mid(1));
    } else {
        *error = "the database is neither sqlite:PATH nor postgresql://...";
        return nullptr;
    }
    if (!db.isValid() || !db.open()) {
        *error = "cannot open the database: " + db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection);
        return nullptr;
    }
    std::unique_ptr<Storage> storage(new Storage(db, connection, postgres));
    if (!storage->CreateSchema(error)) return nullptr;
    return storage;
}

Storage::Storage(QSqlDatabase db, QString connection, bool postgres)
    : db_(std::move(db)), connection_(std::move(connection)), postgres_(postgres) {}

Storage::~Storage() {
    qDeleteAll(statements_);
    statements_.clear();
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
}

bool Storage::CreateSchema(QString* error) {
    QSqlQuery query(db_);
    if (!postgres_) {
        query.exec("PRAGMA journal_mode=WAL");
        query.exec("PRAGMA synchronous=NORMAL");
    }
    for (const QString& statement : SchemaText(postgres_).split(';')) {
        if (!query.exec(statement)) {
            *error = "cannot create the tables: " + query.lastError().text();
            return false;
        }
    }
    for (int table = 1; table <= 10; ++table) {
        Exec(postgres_ ? "INSERT INTO tour_tables (num, ip, port, free, r1, r2) VALUES (?, '127.0.0.1', 26001, 'Y', 0, 'X')"
                         " ON CONFLICT (num) DO NOTHING"
                       : "INSERT OR IGNORE INTO tour_tables (num, ip, port, free, r1, r2) VALUES (?, '127.0.0.1', 26001, 'Y', 0, 'X')",
             {table});
        for (int seat = 1; seat <= 4; ++seat)
            Exec(postgres_ ? "INSERT INTO tour_seats (num, seat, nick, score, kon, rating, country, city, sex, ip)"
                             " VALUES (?, ?, 'X', 0, 0, 0, 'X', 'X', 'X', 'X') ON CONFLICT (num, seat) DO NOTHING"
                           : "INSERT OR IGNORE INTO tour_seats (num, seat, nick, score, kon, rating, country, city, sex, ip)"
                             " VALUES (?, ?, 'X', 0, 0, 0, 'X', 'X', 'X', 'X')",
                 {table, seat});
    }
    return true;
}

QSqlQuery* Storage::Run(const QString& sql, const QVariantList& values) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        QSqlQuery*& query = statements_[sql];
        if (query == nullptr) {
            query = new QSqlQuery(db_);
            if (!query->prepare(sql)) {
                const QSqlError error = query->lastError();
                delete query;
                statements_.remove(sql);
                if (attempt == 0 && Reconnect(error)) continue;
                qWarning("statement not prepared: %s", qPrintable(error.text()));
                return nullptr;
            }
        }
        for (int i = 0; i < values.size(); ++i) query->bindValue(i, values[i]);
        if (query->exec()) return query;
        const QSqlError error = query->lastError();
        query->finish();
        // A restarted database server drops the connection: open it again once, outside
        // a transaction, and run the statement anew.
        if (attempt == 0 && Reconnect(error)) continue;
        qWarning("statement failed: %s", qPrintable(error.text()));
        return nullptr;
    }
    return nullptr;
}

bool Storage::Reconnect(const QSqlError& error) {
    if (!postgres_ || inTransaction_) return false;
    if (error.type() != QSqlError::ConnectionError && db_.isOpen() && QSqlQuery(db_).exec("SELECT 1")) return false;
    qDeleteAll(statements_);
    statements_.clear();
    db_.close();
    return db_.open();
}

bool Storage::Begin() {
    inTransaction_ = db_.transaction();
    return inTransaction_;
}

bool Storage::Commit() {
    inTransaction_ = false;
    if (db_.commit()) return true;
    db_.rollback();
    return false;
}

void Storage::Rollback() {
    inTransaction_ = false;
    db_.rollback();
}

bool Storage::Exec(const QString& sql, const QVariantList& values, int* rowsAffected) {
    QSqlQuery* query = Run(sql, values);
    if (query == nullptr) return false;
    if (rowsAffected != nullptr) *rowsAffected = query->numRowsAffected();
    query->finish();
    return true;
}

std::string Storage::Setting(const QString& key, const std::string& fallback) {
    QSqlQuery* query = Run("SELECT value FROM settings WHERE name = ?", {key});
    std::string value = fallback;
    if (query != nullptr && query->next()) value = ToWire(query->value(0));
    if (query != nullptr) query->finish();
    return value;
}

bool Storage::SetSetting(const QString& key, const std::string& value) {
    return Exec("INSERT INTO settings (name, value) VALUES (?, ?) ON CONFLICT (name) DO UPDATE SET value = excluded.value",
                {key, FromWire(value)});
}

bool Storage::AddGameCounters(int gid, const std::array<long long, 12>& c) {
    if (!Exec("INSERT INTO stats (gid) VALUES (?) ON CONFLICT (gid) DO NOTHING", {gid})) return false;
    QVariantList values;
    for (long long v : c) values << QVariant::fromValue(v);
    values << gid;
    return Exec("UPDATE stats SET x1 = x1 + ?, x2 = x2 + ?, x3 = x3 + ?, x4 = x4 + ?, x5 = x5 + ?, x6 = x6 + ?,"
                " x7 = x7 + ?, x8 = x8 + ?, x9 = x9 + ?, x10 = x10 + ?, x11 = x11 + ?, x12 = x12 + ? WHERE gid = ?",
                values);
}

bool Storage::CountStart(int gid, bool unique) {
    return Exec("INSERT INTO stats (gid) VALUES (?) ON CONFLICT (gid) DO NOTHING", {gid}) &&
           Exec("UPDATE stats SET stat1 = stat1 + 1, stat2 = stat2 + ? WHERE gid = ?", {unique ? 1 : 0, gid});
}

bool Storage::AddLike(int gid, const std::string& name) {
    return Exec("INSERT INTO stats (gid) VALUES (?) ON CONFLICT (gid) DO NOTHING", {gid}) &&
           Exec("UPDATE stats SET stat3 = stat3 + 1, stat4 = ? WHERE gid = ?", {FromWire(name), gid});
}

StatRow Storage::ReadStats(int gid) {
    StatRow row;
    QSqlQuery* query = Run("SELECT stat1, stat2, stat3, stat4, x1, x2, x3, x4, x5, x6, x7, x8, x9, x10, x11, x12"
                           " FROM stats WHERE gid = ?",
                           {gid});
    if (query != nullptr && query->next()) {
        row.Stat1 = query->value(0).toLongLong();
        row.Stat2 = query->value(1).toLongLong();
        row.Stat3 = query->value(2).toLongLong();
        row.Stat4 = ToWire(query->value(3));
        for (int i = 0; i < 12; ++i) row.Counters[static_cast<std::size_t>(i)] = query->value(4 + i).toLongLong();
    }
    if (query != nullptr) query->finish();
    return row;
}

} // namespace vesrin::service
