#pragma once

#include "engine/GameFlow.h"
#include "net/TableLink.h"
#include "players/DecisionListPlayers.h"
#include "selfplay/GameLog.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>

namespace vesrin {

struct BotOptions {
    bool Host = true;
    quint16 Port = DefaultTablePort;
    QString Address = QStringLiteral("127.0.0.1");
    int Joiners = 1;
    int Games = 1;
    std::uint64_t Seed = 1;
    bool ShootMoon = false;
    bool Limit50 = false;
    std::string Name = "Bot";
    std::string LogPath;
};

// How a headless seat ended.
enum BotExit {
    BotFinished = 0,   // the games were played to the end
    BotNoTable = 1,    // the host could not listen
    BotNoSeat = 2,     // a joiner got no seat
    BotBrokenOff = 3,  // the game was broken off by a disconnect or an abort
};

// One headless seat at a network table: the real engine and the real link, the local
// seat played by the computer players, every step button pressed as soon as it applies.
// The host waits for its joiners, starts like "Ok" in the waiting dialog and plays its
// games; a joiner plays until the host's table closes. The game log has the lines of
// vesrin-selfplay, in this copy's own seat numbers.
class BotSeat : public QObject {
    Q_OBJECT
public:
    explicit BotSeat(BotOptions options, QObject* parent = nullptr);
    ~BotSeat() override;

    // Starts listening or connecting; false when the host cannot listen.
    bool Start();
    quint16 ListeningPort() const { return link_->ListeningPort(); }

signals:
    void Finished(int exitCode);

private:
    class Observer;

    void StartGame();
    void Drive();
    bool Step();
    void GameClosed();
    void End(int exitCode);

    BotOptions options_;
    GameState state_;
    DecisionListPlayers players_;
    GameLogFigures figures_;
    std::ofstream logFile_;
    std::unique_ptr<Observer> observer_;
    std::unique_ptr<GameFlow> flow_;
    std::unique_ptr<TableLink> link_;
    int gamesPlayed_ = 0;
    bool started_ = false;
    bool driving_ = false;
    bool ended_ = false;
};

} // namespace vesrin
