#include "Storage.h"

namespace vesrin::service {
namespace {

QVariant Big(long long value) { return QVariant::fromValue(value); }

constexpr int kChatGid = 100;

const char* kEntryColumns = "gid, score, nick, country, city, r07, r08, r09, r10";

WorldEntry EntryOf(const QSqlQuery& q) {
    WorldEntry e;
    e.Gid = q.value(0).toInt();
    e.Score = q.value(1).toLongLong();
    e.Nick = ToWire(q.value(2));
    e.Country = ToWire(q.value(3));
    e.City = ToWire(q.value(4));
    e.R07 = ToWire(q.value(5));
    e.R08 = ToWire(q.value(6));
    e.R09 = ToWire(q.value(7));
    e.R10 = ToWire(q.value(8));
    return e;
}

// Places by score: equal scores share a place, the next score takes the place after as
// many entries as stand above it.
void NumberPlaces(std::vector<WorldEntry>& entries, long long firstPlace) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        entries[i].Place = i > 0 && entries[i].Score == entries[i - 1].Score ? entries[i - 1].Place
                                                                               : firstPlace + static_cast<long long>(i);
}

const char* StandingColumn(char key) { return key == 'r' ? "rating" : key == 'k' ? "kon" : "score"; }

} // namespace

std::optional<long long> Storage::AddWorldEntry(WorldEntry e) {
    const QVariantList texts{FromWire(e.Nick), FromWire(e.Country), FromWire(e.City), FromWire(e.R07),
                             FromWire(e.R08),  FromWire(e.R09),     FromWire(e.R10)};
    if (e.Gid == kChatGid) {
        // Two players posting at once must not get the same message number.
        QVariantList values{e.Gid};
        values << texts << e.Gid;
        if (!Exec("INSERT INTO world_entries (gid, score, nick, country, city, r07, r08, r09, r10)"
                  " SELECT ?, COALESCE(MAX(score), 0) + 1, ?, ?, ?, ?, ?, ?, ? FROM world_entries WHERE gid = ?",
                  values))
            return std::nullopt;
        return 1;
    }
    QVariantList values{e.Gid, Big(e.Score)};
    values << texts;
    if (!Exec("INSERT INTO world_entries (gid, score, nick, country, city, r07, r08, r09, r10)"
              " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
              values))
        return std::nullopt;
    QSqlQuery* q = Run("SELECT COUNT(*) FROM world_entries WHERE gid = ? AND score > ?", {e.Gid, Big(e.Score)});
    if (q == nullptr) return std::nullopt;
    std::optional<long long> place;
    if (q->next()) place = q->value(0).toLongLong() + 1;
    q->finish();
    return place;
}

std::vector<WorldEntry> Storage::WorldTop(int gid, int limit) {
    std::vector<WorldEntry> entries;
    QSqlQuery* q = Run(QString("SELECT %1 FROM world_entries WHERE gid = ? ORDER BY score DESC, id LIMIT ?").arg(kEntryColumns),
                       {gid, limit});
    if (q == nullptr) return entries;
    while (q->next()) entries.push_back(EntryOf(*q));
    q->finish();
    NumberPlaces(entries, 1);
    return entries;
}

std::vector<WorldEntry> Storage::WorldNear(int gid, const std::string& nick, const std::string& city) {
    std::vector<WorldEntry> entries;
    // The asking player's best entry (in the same city when there is one).
    QSqlQuery* q = Run("SELECT score, id FROM world_entries WHERE gid = ? AND nick = ?"
                       " ORDER BY CASE WHEN city = ? THEN 0 ELSE 1 END, score DESC, id LIMIT 1",
                       {gid, FromWire(nick), FromWire(city)});
    if (q == nullptr) return entries;
    if (!q->next()) {
        q->finish();
        return entries;
    }
    const long long score = q->value(0).toLongLong();
    const long long id = q->value(1).toLongLong();
    q->finish();
    q = Run("SELECT COUNT(*) FROM world_entries WHERE gid = ? AND (score > ? OR (score = ? AND id < ?))",
            {gid, Big(score), Big(score), Big(id)});
    if (q == nullptr || !q->next()) return entries;
    const long long index = q->value(0).toLongLong();
    q->finish();
    const long long offset = index > 4 ? index - 4 : 0;
    q = Run(QString("SELECT %1 FROM world_entries WHERE gid = ? ORDER BY score DESC, id LIMIT 10 OFFSET ?").arg(kEntryColumns),
            {gid, Big(offset)});
    if (q == nullptr) return entries;
    while (q->next()) entries.push_back(EntryOf(*q));
    q->finish();
    if (entries.empty()) return entries;
    q = Run("SELECT COUNT(*) FROM world_entries WHERE gid = ? AND score > ?", {gid, Big(entries.front().Score)});
    long long first = 1;
    if (q != nullptr && q->next()) first = q->value(0).toLongLong() + 1;
    if (q != nullptr) q->finish();
    NumberPlaces(entries, first);
    // Entries sharing the first row's score above the window keep their common place.
    for (WorldEntry& e : entries)
        if (e.Score == entries.front().Score) e.Place = first;
    return entries;
}

long long Storage::WorldCount(int gid) {
    QSqlQuery* q = Run("SELECT COUNT(*) FROM world_entries WHERE gid = ?", {gid});
    long long count = 0;
    if (q != nullptr && q->next()) count = q->value(0).toLongLong();
    if (q != nullptr) q->finish();
    return count;
}

bool Storage::ClearWorldList(int gid) { return Exec("DELETE FROM world_entries WHERE gid = ?", {gid}); }

std::vector<TableRow> Storage::Tables() {
    std::vector<TableRow> tables;
    QSqlQuery* q = Run("SELECT num, ip, port, free, r1, r2 FROM tour_tables ORDER BY num", {});
    if (q == nullptr) return tables;
    while (q->next()) {
        TableRow t;
        t.Number = q->value(0).toInt();
        t.IP = ToWire(q->value(1));
        t.Port = q->value(2).toLongLong();
        t.Free = ToWire(q->value(3));
        t.R1 = q->value(4).toLongLong();
        t.R2 = ToWire(q->value(5));
        tables.push_back(t);
    }
    q->finish();
    q = Run("SELECT num, seat, nick, score, kon, rating, country, city, sex, ip FROM tour_seats", {});
    if (q == nullptr) return tables;
    while (q->next()) {
        const int num = q->value(0).toInt();
        const int seat = q->value(1).toInt();
        for (TableRow& t : tables)
            if (t.Number == num && seat >= 1 && seat <= 4) {
                SeatRow& s = t.Seats[static_cast<std::size_t>(seat - 1)];
                s.Nick = ToWire(q->value(2));
                s.Score = q->value(3).toLongLong();
                s.Kon = q->value(4).toLongLong();
                s.Rating = q->value(5).toLongLong();
                s.Country = ToWire(q->value(6));
                s.City = ToWire(q->value(7));
                s.Sex = ToWire(q->value(8));
                s.IP = ToWire(q->value(9));
            }
    }
    q->finish();
    return tables;
}

bool Storage::WriteSeat(int table, int seat, const SeatRow& s) {
    int rows = 0;
    return Exec("UPDATE tour_seats SET nick = ?, score = ?, kon = ?, rating = ?, country = ?, city = ?, sex = ?, ip = ?"
                " WHERE num = ? AND seat = ?",
                {FromWire(s.Nick), Big(s.Score), Big(s.Kon), Big(s.Rating), FromWire(s.Country), FromWire(s.City),
                 FromWire(s.Sex), FromWire(s.IP), table, seat},
                &rows) &&
           rows == 1;
}

bool Storage::ClearTable(int table) {
    int rows = 0;
    return Exec("UPDATE tour_seats SET nick = 'X', score = 0, kon = 0, rating = 0, country = 'X', city = 'X', sex = 'X',"
                " ip = 'X' WHERE num = ?",
                {table}, &rows) &&
           rows == 4;
}

void Storage::SetTableAddress(const std::string& ip, long long port) {
    Exec("UPDATE tour_tables SET ip = ?, port = ?", {FromWire(ip), Big(port)});
}

std::optional<StandingRow> Storage::Standing(const std::string& nick) {
    QSqlQuery* q = Run("SELECT nick, country, city, score, kon, rating FROM tour_standing WHERE nick = ?", {FromWire(nick)});
    if (q == nullptr) return std::nullopt;
    std::optional<StandingRow> row;
    if (q->next())
        row = StandingRow{ToWire(q->value(0)), ToWire(q->value(1)), ToWire(q->value(2)), q->value(3).toLongLong(),
                          q->value(4).toLongLong(), q->value(5).toLongLong()};
    q->finish();
    return row;
}

std::vector<StandingRow> Storage::TourTop(char key, int limit) {
    std::vector<StandingRow> rows;
    QSqlQuery* q = Run(QString("SELECT nick, country, city, score, kon, rating FROM tour_standing ORDER BY %1 DESC, nick LIMIT ?")
                           .arg(StandingColumn(key)),
                       {limit});
    if (q == nullptr) return rows;
    while (q->next())
        rows.push_back({ToWire(q->value(0)), ToWire(q->value(1)), ToWire(q->value(2)), q->value(3).toLongLong(),
                        q->value(4).toLongLong(), q->value(5).toLongLong()});
    q->finish();
    return rows;
}

long long Storage::TourPlace(char key, long long value) {
    QSqlQuery* q = Run(QString("SELECT COUNT(*) FROM tour_standing WHERE %1 > ?").arg(StandingColumn(key)), {Big(value)});
    long long place = -1;
    if (q != nullptr && q->next()) place = q->value(0).toLongLong() + 1;
    if (q != nullptr) q->finish();
    return place;
}

bool Storage::SetStanding(const StandingRow& s) {
    return Exec("INSERT INTO tour_standing (nick, country, city, score, kon, rating) VALUES (?, ?, ?, ?, ?, ?)"
                " ON CONFLICT (nick) DO UPDATE SET country = excluded.country, city = excluded.city,"
                " score = excluded.score, kon = excluded.kon, rating = excluded.rating",
                {FromWire(s.Nick), FromWire(s.Country), FromWire(s.City), Big(s.Score), Big(s.Kon), Big(s.Rating)});
}

} // namespace vesrin::service
