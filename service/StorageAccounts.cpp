#include "Storage.h"

namespace vesrin::service {
namespace {

QVariant Big(long long value) { return QVariant::fromValue(value); }

} // namespace

CreateResult Storage::CreateAccount(const AccountRow& a) {
    if (FindAccount(a.Nick)) return CreateResult::Exists;
    const bool done = Exec("INSERT INTO accounts (nick_key, nick, pw_hash, city, country1, country2, sex, email, dater,"
                           " r01, r02, r03, r04, r05, r06, info) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '')",
                           {NickKey(a.Nick), FromWire(a.Nick), QString::fromStdString(a.PwHash), FromWire(a.City),
                            FromWire(a.Country1), FromWire(a.Country2), FromWire(a.Sex), FromWire(a.EMail),
                            FromWire(a.DateR), FromWire(a.R01), FromWire(a.R02), FromWire(a.R03), Big(a.R04),
                            Big(a.R05), Big(a.R06)});
    if (done) return CreateResult::Created;
    // Another process may have created the same nick in the meantime.
    return FindAccount(a.Nick) ? CreateResult::Exists : CreateResult::Failed;
}

std::optional<AccountRow> Storage::FindAccount(const std::string& nick) {
    QSqlQuery* q = Run("SELECT nick, pw_hash, city, country1, country2, sex, email, dater, r01, r02, r03, r04, r05, r06,"
                       " info FROM accounts WHERE nick_key = ?",
                       {NickKey(nick)});
    if (q == nullptr) return std::nullopt;
    std::optional<AccountRow> row;
    if (q->next()) {
        AccountRow a;
        a.Nick = ToWire(q->value(0));
        a.PwHash = q->value(1).toString().toStdString();
        a.City = ToWire(q->value(2));
        a.Country1 = ToWire(q->value(3));
        a.Country2 = ToWire(q->value(4));
        a.Sex = ToWire(q->value(5));
        a.EMail = ToWire(q->value(6));
        a.DateR = ToWire(q->value(7));
        a.R01 = ToWire(q->value(8));
        a.R02 = ToWire(q->value(9));
        a.R03 = ToWire(q->value(10));
        a.R04 = q->value(11).toLongLong();
        a.R05 = q->value(12).toLongLong();
        a.R06 = q->value(13).toLongLong();
        a.Info = ToWire(q->value(14));
        row = std::move(a);
    }
    q->finish();
    return row;
}

bool Storage::AddPoints(const std::string& nick, long long delta) {
    int rows = 0;
    return Exec("UPDATE accounts SET r04 = r04 + ? WHERE nick_key = ? AND r04 + ? >= 0", {Big(delta), NickKey(nick), Big(delta)},
                &rows) &&
           rows == 1;
}

TransferResult Storage::TransferPoints(const std::string& from, const std::string& to, long long amount) {
    if (amount <= 0 || NickKey(from) == NickKey(to)) return TransferResult::Refused;
    if (!Begin()) return TransferResult::Failed;
    int taken = 0;
    int given = 0;
    const bool ran = Exec("UPDATE accounts SET r04 = r04 - ? WHERE nick_key = ? AND r04 >= ?",
                          {Big(amount), NickKey(from), Big(amount)}, &taken) &&
                     (taken != 1 ||
                      Exec("UPDATE accounts SET r04 = r04 + ? WHERE nick_key = ?", {Big(amount), NickKey(to)}, &given));
    if (!ran) {
        Rollback();
        return TransferResult::Failed;
    }
    if (taken != 1 || given != 1) {
        Rollback();
        return TransferResult::Refused;
    }
    return Commit() ? TransferResult::Done : TransferResult::Failed;
}

bool Storage::SaveInfo(const std::string& nick, const std::string& info) {
    int rows = 0;
    return Exec("UPDATE accounts SET info = ? WHERE nick_key = ?", {FromWire(info), NickKey(nick)}, &rows) && rows == 1;
}

std::optional<GameRow> Storage::ReadGame(const std::string& nick, const std::string& prefix) {
    QSqlQuery* q = Run("SELECT kon, best, rating, sessions, konl, score, r1, r2 FROM account_games"
                       " WHERE nick_key = ? AND prefix = ?",
                       {NickKey(nick), FromWire(prefix)});
    if (q == nullptr) return std::nullopt;
    GameRow g;
    if (q->next()) {
        g.Kon = q->value(0).toLongLong();
        g.Best = q->value(1).toLongLong();
        g.Rating = q->value(2).toDouble();
        g.Sessions = q->value(3).toLongLong();
        g.KonL = q->value(4).toLongLong();
        g.Score = q->value(5).toLongLong();
        g.R1 = q->value(6).toLongLong();
        g.R2 = ToWire(q->value(7));
    }
    q->finish();
    return g;
}

bool Storage::SaveGame(const std::string& nick, const std::string& prefix, const GameRow& g) {
    return Exec("INSERT INTO account_games (nick_key, prefix, kon, best, rating, sessions, konl, score, r1, r2)"
                " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (nick_key, prefix) DO UPDATE SET kon = excluded.kon,"
                " best = excluded.best, rating = excluded.rating, sessions = excluded.sessions, konl = excluded.konl,"
                " score = excluded.score, r1 = excluded.r1, r2 = excluded.r2",
                {NickKey(nick), FromWire(prefix), Big(g.Kon), Big(g.Best), g.Rating, Big(g.Sessions), Big(g.KonL),
                 Big(g.Score), Big(g.R1), FromWire(g.R2)});
}

long long Storage::CountAccounts() {
    QSqlQuery* q = Run("SELECT COUNT(*) FROM accounts", {});
    long long count = -1;
    if (q != nullptr && q->next()) count = q->value(0).toLongLong();
    if (q != nullptr) q->finish();
    return count;
}

std::vector<AccountTopRow> Storage::AccountTop(const std::string& prefix, int limit) {
    std::vector<AccountTopRow> rows;
    QSqlQuery* q = Run("SELECT a.nick, a.city, a.country1, a.country2, a.sex, g.rating FROM account_games g"
                       " JOIN accounts a ON a.nick_key = g.nick_key WHERE g.prefix = ?"
                       " ORDER BY g.rating DESC, a.nick_key LIMIT ?",
                       {FromWire(prefix), limit});
    if (q == nullptr) return rows;
    while (q->next())
        rows.push_back({ToWire(q->value(0)), ToWire(q->value(1)), ToWire(q->value(2)), ToWire(q->value(3)),
                        ToWire(q->value(4)), q->value(5).toDouble()});
    q->finish();
    return rows;
}

long long Storage::AccountPlace(const std::string& prefix, double rating) {
    QSqlQuery* q = Run("SELECT COUNT(*) FROM account_games WHERE prefix = ? AND rating > ?", {FromWire(prefix), rating});
    long long place = -1;
    if (q != nullptr && q->next()) place = q->value(0).toLongLong() + 1;
    if (q != nullptr) q->finish();
    return place;
}

std::vector<std::string> Storage::AccountNicks() {
    std::vector<std::string> nicks;
    QSqlQuery* q = Run("SELECT nick FROM accounts ORDER BY nick_key", {});
    if (q == nullptr) return nicks;
    while (q->next()) nicks.push_back(ToWire(q->value(0)));
    q->finish();
    return nicks;
}

bool Storage::RemoveAccount(const std::string& nick) {
    if (!Begin()) return false;
    int rows = 0;
    const bool done = Exec("DELETE FROM account_games WHERE nick_key = ?", {NickKey(nick)}) &&
                      Exec("DELETE FROM accounts WHERE nick_key = ?", {NickKey(nick)}, &rows);
    if (!done || rows != 1) {
        Rollback();
        return false;
    }
    return Commit();
}

} // namespace vesrin::service
