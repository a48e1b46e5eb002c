#include "ArtOutput.h"
#include "CardArt.h"
#include "Generators.h"

namespace vesrin::art {

void MakeCards(ArtOutput& out) {
    // Resource names: suit letters "Ch", "Bu", "Kr", "Pi"; ranks "02".."10", "2J", "3Q",
    // "4K", "5A"; a "B" at the end for the large pictures.
    const char* suits[] = {"Ch", "Bu", "Kr", "Pi"};
    const Suit suitOf[] = {Suit::Heart, Suit::Diamond, Suit::Club, Suit::Spade};
    for (int s = 0; s < 4; ++s) {
        for (int rank = 2; rank <= 14; ++rank) {
            QString code;
            switch (rank) {
            case 11: code = "2J"; break;
            case 12: code = "3Q"; break;
            case 13: code = "4K"; break;
            case 14: code = "5A"; break;
            default: code = QString::number(rank).rightJustified(2, '0');
            }
            const QString name = QString(suits[s]) + code;
            out.Png(name, DrawFace(suitOf[s], rank, CardSize::Small));
            out.Png(name + "B", DrawFace(suitOf[s], rank, CardSize::Large));
        }
    }
    const char* days[] = {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr", "Ob06Su", "Ob07Su"};
    for (int d = 0; d < 7; ++d) {
        out.Png(days[d], DrawBack(d + 1, CardSize::Small));
        out.Png(QString(days[d]) + "B", DrawBack(d + 1, CardSize::Large));
    }
}

} // namespace vesrin::art
