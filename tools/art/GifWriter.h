#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace vesrin::art {

// Writes an animated GIF (GIF89a, looping) from frames of one size. Colours are mapped
// to one shared palette (a colour cube with a grey ramp); fully transparent pixels stay
// transparent. Returns empty data on failure.
QByteArray AnimatedGif(const QList<QImage>& frames, int delayMs);

} // namespace vesrin::art
