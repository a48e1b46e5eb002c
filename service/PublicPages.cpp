#include "WebService.h"

#include "base/Cp1251.h"
#include "online/ServiceReplies.h"

namespace vesrin::service {
namespace {

QByteArray Html(const std::string& cp1251) {
    QString text = QString::fromStdString(Cp1251ToUtf8(cp1251));
    text.replace('_', ' ');
    return text.toHtmlEscaped().toUtf8();
}

QByteArray Page(const QByteArray& title, const QByteArray& body) {
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + title +
           "</title><style>body{font-family:sans-serif;margin:2em}table{border-collapse:collapse}"
           "td,th{padding:.2em .8em;border-bottom:1px solid #ccc;text-align:left}</style></head><body>\n<h1>" +
           title + "</h1>\n" + body + "<p><a href=\"/\">Vesrin</a></p>\n</body></html>\n";
}

struct ListPage {
    const char* Path;
    int Gid;
    const char* Title;
};
constexpr ListPage kLists[] = {{"/top/42", 42, "Windows. Score. Games in cycle"},
                               {"/top/142", 142, "Android. Score. Games in cycle"},
                               {"/top/342", 342, "Account. Score. Games in cycle"},
                               {"/chat", 100, "Chat"}};

} // namespace

// Plain pages of the lists and the counters for a browser.
HttpResponse WebService::PublicPage(const std::string& path) {
    if (path == "/" || path == "/index.html") {
        QByteArray body = "<ul>\n";
        for (const ListPage& list : kLists) body += QByteArray("<li><a href=\"") + list.Path + "\">" + list.Title + "</a></li>\n";
        body += "<li><a href=\"/accounts\">Account. Rating. All games</a></li>\n"
                "<li><a href=\"/stats\">Statistics</a></li>\n<li><a href=\"/news.html\">News</a></li>\n</ul>\n";
        return TextResponse(200, Page("Vesrin", body), "text/html; charset=utf-8");
    }
    for (const ListPage& list : kLists) {
        if (path != list.Path) continue;
        const bool chat = list.Gid == 100;
        QByteArray body = chat ? "<table><tr><th>No.</th><th>Nick</th><th>City</th><th>Time</th><th>Message</th></tr>\n"
                               : "<table><tr><th>Place</th><th>Nick</th><th>City</th><th>Country</th><th>Score</th></tr>\n";
        for (const WorldEntry& e : storage_.WorldTop(list.Gid, chat ? 10 : 100)) {
            body += chat ? "<tr><td>" + QByteArray::number(e.Score) + "</td><td>" + Html(e.Nick) + "</td><td>" + Html(e.City) +
                               "</td><td>" + Html(e.R09) + "</td><td>" + Html(e.R10) + "</td></tr>\n"
                         : "<tr><td>" + QByteArray::number(e.Place) + "</td><td>" + Html(e.Nick) + "</td><td>" +
                               Html(e.City) + "</td><td>" + Html(e.Country) + "</td><td>" + QByteArray::number(e.Score) +
                               "</td></tr>\n";
        }
        return TextResponse(200, Page(list.Title, body + "</table>\n"), "text/html; charset=utf-8");
    }
    if (path == "/accounts") {
        QByteArray body = "<table><tr><th>Place</th><th>Nick</th><th>City</th><th>Country</th><th>Rating</th></tr>\n";
        int place = 0;
        for (const AccountTopRow& r : storage_.AccountTop("crdvesrin", 100))
            body += "<tr><td>" + QByteArray::number(++place) + "</td><td>" + Html(r.Nick) + "</td><td>" + Html(r.City) +
                    "</td><td>" + Html(r.Country1) + "</td><td>" + QByteArray::fromStdString(WriteRating(r.Rating)) +
                    "</td></tr>\n";
        return TextResponse(200, Page("Account. Rating. All games", body + "</table>\n"), "text/html; charset=utf-8");
    }
    if (path == "/stats") {
        const StatRow s = storage_.ReadStats(42);
        static constexpr const char* kLabels[] = {"Games played with PC", "Cycles played with PC",
                                                  "Winning people (game with PC)", "Loss of people (game with PC)",
                                                  "Games played Net", "Games played Online"};
        QByteArray body = "<table><tr><td>Number of starts</td><td>" + QByteArray::number(s.Stat1) +
                          "</td></tr>\n<tr><td>Number of unique starts</td><td>" + QByteArray::number(s.Stat2) +
                          "</td></tr>\n<tr><td>Likes</td><td>" + QByteArray::number(s.Stat3) +
                          "</td></tr>\n<tr><td>Last Like</td><td>" + Html(s.Stat4) + "</td></tr>\n";
        for (int i = 0; i < 6; ++i)
            body += QByteArray("<tr><td>") + kLabels[i] + "</td><td>" + QByteArray::number(s.Counters[static_cast<std::size_t>(i)]) +
                    "</td></tr>\n";
        return TextResponse(200, Page("Statistics", body + "</table>\n"), "text/html; charset=utf-8");
    }
    return TextResponse(404, "not found");
}

} // namespace vesrin::service
