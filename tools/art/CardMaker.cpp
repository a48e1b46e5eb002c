#include "ArtOutput.h"
#include "CardArt.h"
#include "Generators.h"

namespace vesrin::art {

void MakeCards(ArtOutput& out) {
    // Resource names: suit letters "Ch", "Bu", "Kr", "Pi"; ranks "02".."10", "2J", "3Q",
    // "4K", "5A"; a "B" at the end for the large pictures.
    const char* suits[] = {"ch", "bu", "kr", "pi"};
    const Suit suitOf[] = {Suit::Heart, Suit::Diamond, Suit::Club, Suit::Spade};
    for (int s = 0; s < 4; ++s) {
        for (int rank = 2; rank <= 14; ++rank) {
            QString code;
            switch (rank) {
            case 11: code = "2j"; break;
            case 12: code = "3q"; break;
            case 13: code = "4k"; break;
            case 14: code = "5a"; break;
            default: code = QString::number(rank).rightJustified(2, '0');
            }
            const QString name = QString(suits[s]) + code;
            out.Png(name, DrawFace(suitOf[s], rank, CardSize::Small));
            out.Png(name + "b", DrawFace(suitOf[s], rank, CardSize::Large));
        }
    }
    const char* days[] = {"ob01mo", "ob02tu", "ob03we", "ob04th", "ob05fr", "ob06su", "ob07su"};
    for (int d = 0; d < 7; ++d) {
        out.Png(days[d], DrawBack(d + 1, CardSize::Small));
        out.Png(QString(days[d]) + "b", DrawBack(d + 1, CardSize::Large));
    }
}

} // namespace vesrin::art
