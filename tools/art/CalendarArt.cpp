#include "ArtOutput.h"
#include "Draw.h"
#include "Fonts.h"
#include "Generators.h"

#include <QPainterPath>

#include <cmath>
#include <functional>

namespace vesrin::art {

// The calendar's pictures: the page "R_BASE" (60 x 100) that every calendar picture is
// drawn on, the twelve zodiac signs (26 x 30, drawn at 17, 65 of the day page), the twelve
// eastern-year animals and one picture per holiday row (54 x 70, drawn at 3, 27).

namespace {

constexpr int kPictureWidth = 54;
constexpr int kPictureHeight = 70;

const QColor kInk(40, 36, 60);
const QColor kRed(200, 30, 40);
const QColor kGold(230, 180, 40);
const QColor kBlue(30, 60, 150);

QImage Base() {
  QImage image = Blank(60, 100);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // A page torn from a wall calendar: cream paper with a soft shadow and a red binding.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(QRectF(2.5, 2.5, 57, 97), 5, 5);
  Panel(p, QRectF(0.5, 0.5, 57, 97), 5, QColor(255, 252, 238), QColor(240, 232, 206), QColor(120, 100, 70), 1);
  p.setBrush(kRed);
  p.drawRoundedRect(QRectF(1, 1, 56, 8), 4, 4);
  p.drawRect(QRectF(1, 5, 56, 4));
  for (double x : {14.0, 44.0}) Disc(p, QPointF(x, 5), 2.2, QColor(70, 60, 60), QColor(30, 20, 20), 0.6);
  return image;
}

QImage Picture(const std::function<void(QPainter&)>& draw) {
  QImage image = Blank(kPictureWidth, kPictureHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  return image;
}

// A flag on a pole; the stripes are painted into the cloth 44 x 30.
void Flag(QPainter& p, const std::function<void(QPainter&, const QRectF&)>& cloth) {
  p.setPen(QPen(QColor(110, 80, 40), 2.5));
  p.drawLine(QPointF(5, 8), QPointF(5, 67));
  Disc(p, QPointF(5, 7), 2.5, kGold, QColor(120, 90, 20), 0.6);
  const QRectF r(6, 12, 44, 30);
  p.save();
  p.setClipRect(r);
  cloth(p, r);
  p.restore();
  p.setPen(QPen(QColor(60, 60, 60), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r);
}

void Stripes(QPainter& p, const QRectF& r, std::initializer_list<QColor> colours, bool vertical) {
  const double n = double(colours.size());
  int i = 0;
  p.setPen(Qt::NoPen);
  for (const QColor& c : colours) {
    p.setBrush(c);
    if (vertical) {
      p.drawRect(QRectF(r.left() + r.width() * i / n, r.top(), r.width() / n + 0.5, r.height()));
    } else {
      p.drawRect(QRectF(r.left(), r.top() + r.height() * i / n, r.width(), r.height() / n + 0.5));
    }
    ++i;
  }
}

void UsaCloth(QPainter& p, const QRectF& r) {
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 7; ++i) {
    p.setBrush(i % 2 ? Qt::white : QColor(190, 20, 40));
    p.drawRect(QRectF(r.left(), r.top() + r.height() * i / 7, r.width(), r.height() / 7 + 0.5));
  }
  p.setBrush(kBlue);
  p.drawRect(QRectF(r.left(), r.top(), r.width() * 0.45, r.height() * 4 / 7));
  p.setBrush(Qt::white);
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 4; ++col) p.drawEllipse(QPointF(r.left() + 3 + col * 4.6, r.top() + 3 + row * 5.5), 0.9, 0.9);
}

void UkCloth(QPainter& p, const QRectF& r) {
  p.fillRect(r, kBlue);
  p.setPen(QPen(Qt::white, 7));
  p.drawLine(r.topLeft(), r.bottomRight());
  p.drawLine(r.bottomLeft(), r.topRight());
  p.setPen(QPen(kRed, 2));
  p.drawLine(r.topLeft(), r.bottomRight());
  p.drawLine(r.bottomLeft(), r.topRight());
  p.setPen(QPen(Qt::white, 10));
  p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
  p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
  p.setPen(QPen(kRed, 6));
  p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
  p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
}

void Filled(QPainter& p, const QPolygonF& shape, const QColor& fill, const QColor& outline) {
  p.setPen(QPen(outline, 1));
  p.setBrush(fill);
  p.drawPolygon(shape);
}

void Heart(QPainter& p, QPointF centre, double size, const QColor& colour) {
  QPainterPath heart;
  const double s = size;
  heart.moveTo(centre.x(), centre.y() + s * 0.9);
  heart.cubicTo(centre.x() - s * 1.3, centre.y() + s * 0.1, centre.x() - s * 0.8, centre.y() - s * 1.0, centre.x(),
                centre.y() - s * 0.35);
  heart.cubicTo(centre.x() + s * 0.8, centre.y() - s * 1.0, centre.x() + s * 1.3, centre.y() + s * 0.1, centre.x(),
                centre.y() + s * 0.9);
  p.setPen(QPen(colour.darker(150), 1));
  p.setBrush(colour);
  p.drawPath(heart);
}

void Glyph(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const QColor& fill) {
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(TextInBox(text, font, box));
}

void Flower(QPainter& p, QPointF centre, double radius, const QColor& petal, const QColor& heart, int petals) {
  p.setPen(QPen(petal.darker(140), 0.7));
  p.setBrush(petal);
  for (int i = 0; i < petals; ++i) {
    const double a = 2 * M_PI * i / petals;
    p.drawEllipse(QPointF(centre.x() + std::cos(a) * radius * 0.55, centre.y() + std::sin(a) * radius * 0.55),
                  radius * 0.5, radius * 0.5);
  }
  Disc(p, centre, radius * 0.32, heart, heart.darker(150), 0.5);
}

void Stem(QPainter& p, QPointF from, QPointF to) {
  p.setPen(QPen(QColor(40, 130, 50), 2));
  p.drawLine(from, to);
}

void OrthodoxCross(QPainter& p, const QColor& colour) {
  p.setPen(QPen(colour.darker(160), 1));
  p.setBrush(colour);
  p.drawRect(QRectF(24, 6, 6, 58));
  p.drawRect(QRectF(16, 12, 22, 4));
  p.drawRect(QRectF(10, 21, 34, 5));
  QPolygonF foot;
  foot << QPointF(14, 44) << QPointF(40, 50) << QPointF(40, 54) << QPointF(14, 48);
  p.drawPolygon(foot);
}

void LatinCross(QPainter& p, const QColor& colour) {
  p.setPen(QPen(colour.darker(160), 1));
  p.setBrush(colour);
  p.drawRect(QRectF(23, 6, 8, 58));
  p.drawRect(QRectF(9, 20, 36, 8));
}

void Halo(QPainter& p, QPointF centre, double radius) {
  QRadialGradient glow(centre, radius);
  glow.setColorAt(0, QColor(255, 230, 120, 200));
  glow.setColorAt(1, QColor(255, 230, 120, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(centre, radius, radius);
}

void HolidayPictures(ArtOutput& out) {
  const auto flag = [&](const char* name, const std::function<void(QPainter&, const QRectF&)>& cloth) {
    out.Png(name, Picture([&](QPainter& p) { Flag(p, cloth); }));
  };
  flag("R_RUSFLAG", [](QPainter& p, const QRectF& r) { Stripes(p, r, {Qt::white, QColor(0, 57, 166), QColor(213, 43, 30)}, false); });
  flag("R_FRAFLAG", [](QPainter& p, const QRectF& r) { Stripes(p, r, {QColor(0, 85, 164), Qt::white, QColor(239, 65, 53)}, true); });
  flag("R_DEUFLAG", [](QPainter& p, const QRectF& r) { Stripes(p, r, {Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)}, false); });
  flag("R_ISPFLAG", [](QPainter& p, const QRectF& r) {
    Stripes(p, r, {QColor(198, 11, 30), QColor(255, 196, 0), QColor(255, 196, 0), QColor(198, 11, 30)}, false);
  });
  flag("R_USAFLAG", UsaCloth);
  flag("R_ENGFLAG", UkCloth);

  out.Png("R_NEWYEAR", Picture([](QPainter& p) {
    QPolygonF tree;
    tree << QPointF(27, 8) << QPointF(42, 30) << QPointF(35, 30) << QPointF(48, 52) << QPointF(6, 52)
         << QPointF(19, 30) << QPointF(12, 30);
    Filled(p, tree, QColor(30, 140, 60), QColor(10, 80, 30));
    p.fillRect(QRectF(23, 52, 8, 10), QColor(110, 70, 30));
    const QColor balls[] = {kRed, kGold, QColor(60, 120, 230), QColor(200, 60, 200)};
    const QPointF places[] = {{22, 26}, {31, 34}, {18, 44}, {36, 46}, {27, 40}};
    for (int i = 0; i < 5; ++i) Disc(p, places[i], 2.6, balls[i % 4], balls[i % 4].darker(150), 0.5);
    p.setPen(QPen(QColor(150, 110, 0), 0.6));
    p.setBrush(kGold);
    p.drawPolygon(Star(QPointF(27, 8), 7, 3));
  }));
  out.Png("R_LOVE000", Picture([](QPainter& p) {
    Heart(p, QPointF(21, 30), 14, QColor(220, 30, 60));
    Heart(p, QPointF(34, 44), 11, QColor(250, 110, 150));
    p.setPen(QPen(QColor(150, 110, 40), 1.5));
    p.drawLine(QPointF(6, 56), QPointF(48, 20));
    p.setBrush(kGold);
    QPolygonF tip;
    tip << QPointF(48, 20) << QPointF(41, 21) << QPointF(46, 26);
    p.drawPolygon(tip);
  }));
  out.Png("R_8MARCH0", Picture([](QPainter& p) {
    p.setPen(QPen(QColor(120, 10, 60), 1));
    p.setBrush(QColor(220, 40, 120));
    p.drawPath(TextInBox(QStringLiteral("8"), SerifBold(60), QRectF(4, 6, 26, 56)));
    Stem(p, QPointF(40, 62), QPointF(40, 30));
    Flower(p, QPointF(40, 24), 10, QColor(250, 200, 40), QColor(230, 120, 20), 6);
  }));
  out.Png("R_1April0", Picture([](QPainter& p) {
    // A jester's face: a broad grin under a three-pointed cap with bells.
    Disc(p, QPointF(27, 42), 17, QColor(255, 220, 170), QColor(160, 110, 70), 1);
    QPolygonF cap;
    cap << QPointF(10, 34) << QPointF(6, 8) << QPointF(20, 24) << QPointF(27, 4) << QPointF(34, 24)
        << QPointF(48, 8) << QPointF(44, 34);
    Filled(p, cap, QColor(140, 40, 170), QColor(60, 20, 60));
    for (QPointF bell : {QPointF(6, 8), QPointF(27, 4), QPointF(48, 8)}) Disc(p, bell, 3, kGold, QColor(130, 90, 0), 0.5);
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(17, 38, 20, 14), 200 * 16, 140 * 16);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(21, 39), 1.6, 1.6);
    p.drawEllipse(QPointF(33, 39), 1.6, 1.6);
    Disc(p, QPointF(27, 44), 3, kRed, kRed.darker(150), 0.5);
  }));
  out.Png("R_1May000", Picture([](QPainter& p) {
    const QColor colours[] = {kRed, QColor(250, 120, 160), QColor(250, 200, 40)};
    const double xs[] = {14, 27, 40};
    for (int i = 0; i < 3; ++i) {
      Stem(p, QPointF(xs[i], 64), QPointF(xs[i], 26 + (i == 1 ? -8 : 0)));
      QPainterPath tulip;
      const double x = xs[i];
      const double y = 20 + (i == 1 ? -8 : 0);
      tulip.moveTo(x - 7, y - 6);
      tulip.lineTo(x - 3, y - 1);
      tulip.lineTo(x, y - 8);
      tulip.lineTo(x + 3, y - 1);
      tulip.lineTo(x + 7, y - 6);
      tulip.cubicTo(x + 8, y + 6, x - 8, y + 6, x - 7, y - 6);
      p.setPen(QPen(colours[i].darker(150), 0.8));
      p.setBrush(colours[i]);
      p.drawPath(tulip);
    }
  }));
  out.Png("R_BABY000", Picture([](QPainter& p) {
    const QColor colours[] = {kRed, QColor(60, 140, 230), QColor(250, 200, 40)};
    const QPointF places[] = {{15, 20}, {38, 16}, {27, 32}};
    p.setPen(QPen(QColor(90, 90, 90), 0.8));
    for (const QPointF& b : places) p.drawLine(b + QPointF(0, 10), QPointF(27, 64));
    for (int i = 0; i < 3; ++i) {
      p.setPen(QPen(colours[i].darker(150), 0.8));
      p.setBrush(colours[i]);
      p.drawEllipse(places[i], 9, 11);
      p.setBrush(QColor(255, 255, 255, 150));
      p.setPen(Qt::NoPen);
      p.drawEllipse(places[i] + QPointF(-3, -4), 2, 3);
    }
  }));
  out.Png("R_FRAMUS0", Picture([](QPainter& p) {
    Glyph(p, QRectF(4, 8, 46, 54), QString(QChar(0x266B)), SansBold(60), QColor(30, 40, 120));
  }));
  out.Png("R_WAR0000", Picture([](QPainter& p) {
    // A remembrance poppy.
    Stem(p, QPointF(27, 64), QPointF(27, 36));
    Flower(p, QPointF(27, 26), 22, QColor(210, 20, 30), QColor(25, 20, 20), 4);
  }));
  out.Png("R_ALLPROG", Picture([](QPainter& p) {
    Panel(p, QRectF(4, 12, 46, 34), 3, QColor(70, 70, 80), QColor(40, 40, 50), QColor(20, 20, 20), 1);
    p.fillRect(QRectF(8, 16, 38, 26), QColor(10, 40, 20));
    Glyph(p, QRectF(10, 21, 34, 16), QStringLiteral("</>"), SansBold(20), QColor(90, 240, 120));
    p.fillRect(QRectF(22, 46, 10, 6), QColor(60, 60, 70));
    p.fillRect(QRectF(14, 52, 26, 4), QColor(60, 60, 70));
  }));
  out.Png("R_OLD0000", Picture([](QPainter& p) {
    // A cup of tea and reading glasses.
    p.setPen(QPen(QColor(90, 60, 30), 1));
    p.setBrush(QColor(250, 250, 250));
    p.drawRoundedRect(QRectF(10, 38, 26, 22), 4, 4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(250, 250, 250), 3));
    p.drawEllipse(QRectF(33, 42, 10, 12));
    Heart(p, QPointF(23, 49), 5, kRed);
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(200, 230, 255, 120));
    p.drawEllipse(QRectF(6, 12, 18, 14));
    p.drawEllipse(QRectF(30, 12, 18, 14));
    p.drawLine(QPointF(24, 18), QPointF(30, 18));
  }));
  out.Png("R_TEACHER", Picture([](QPainter& p) {
    Panel(p, QRectF(3, 10, 48, 38), 2, QColor(40, 90, 60), QColor(20, 60, 40), QColor(120, 80, 30), 2.5);
    Glyph(p, QRectF(9, 17, 36, 20), QStringLiteral("ABC"), SansBold(24), QColor(245, 245, 235));
    p.setPen(QPen(QColor(120, 80, 30), 2));
    p.drawLine(QPointF(12, 48), QPointF(8, 64));
    p.drawLine(QPointF(42, 48), QPointF(46, 64));
    Heart(p, QPointF(40, 41), 3.5, kRed);
  }));
  const auto pumpkin = [](QPainter& p, bool lantern) {
    p.setPen(QPen(QColor(150, 70, 0), 1));
    p.setBrush(QColor(240, 130, 20));
    p.drawEllipse(QRectF(5, 22, 26, 36));
    p.drawEllipse(QRectF(23, 22, 26, 36));
    p.drawEllipse(QRectF(14, 20, 26, 40));
    p.fillRect(QRectF(25, 14, 5, 9), QColor(60, 110, 30));
    if (!lantern) return;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 20, 0));
    QPolygonF left, right;
    left << QPointF(15, 36) << QPointF(21, 28) << QPointF(24, 36);
    right << QPointF(30, 36) << QPointF(33, 28) << QPointF(39, 36);
    p.drawPolygon(left);
    p.drawPolygon(right);
    QPolygonF mouth;
    mouth << QPointF(13, 44) << QPointF(41, 44) << QPointF(36, 52) << QPointF(30, 48) << QPointF(24, 52)
          << QPointF(18, 48);
    p.drawPolygon(mouth);
  };
  out.Png("R_HALLO00", Picture([&](QPainter& p) { pumpkin(p, true); }));
  out.Png("R_USABLAG", Picture([](QPainter& p) {
    // A turkey: the fanned tail, the body and the head.
    const QColor feathers[] = {kRed, QColor(240, 140, 20), kGold, QColor(120, 70, 30)};
    for (int i = 0; i < 7; ++i) {
      const double a = M_PI * (0.1 + 0.8 * i / 6);
      p.setPen(QPen(QColor(90, 50, 20), 0.6));
      p.setBrush(feathers[i % 4]);
      p.save();
      p.translate(27, 42);
      p.rotate(-a * 180 / M_PI + 90);
      p.drawEllipse(QRectF(-5, -30, 10, 26));
      p.restore();
    }
    p.setBrush(QColor(130, 80, 40));
    p.drawEllipse(QRectF(15, 32, 24, 26));
    Disc(p, QPointF(27, 30), 6, QColor(150, 100, 60), QColor(90, 50, 20), 0.6);
    p.setBrush(kRed);
    p.drawEllipse(QRectF(27, 31, 3, 7));
    p.setBrush(kGold);
    QPolygonF beak;
    beak << QPointF(25, 30) << QPointF(29, 30) << QPointF(27, 34);
    p.drawPolygon(beak);
    p.setPen(QPen(QColor(200, 140, 40), 1.5));
    p.drawLine(QPointF(23, 58), QPointF(22, 65));
    p.drawLine(QPointF(31, 58), QPointF(32, 65));
  }));
  out.Png("R_USAPATR", Picture([](QPainter& p) {
    const QColor green(30, 150, 60);
    Stem(p, QPointF(27, 40), QPointF(34, 64));
    for (int i = 0; i < 3; ++i) {
      p.save();
      p.translate(27, 34);
      p.rotate(i * 120);
      Heart(p, QPointF(0, -12), 11, green);
      p.restore();
    }
  }));
  out.Png("R_USA4JUL", Picture([](QPainter& p) {
    const QColor colours[] = {kRed, kBlue, kGold};
    const QPointF centres[] = {{17, 20}, {38, 28}, {22, 46}};
    for (int k = 0; k < 3; ++k) {
      p.setPen(QPen(colours[k], 1.6));
      for (int i = 0; i < 12; ++i) {
        const double a = 2 * M_PI * i / 12;
        p.drawLine(centres[k] + QPointF(std::cos(a) * 3, std::sin(a) * 3),
                   centres[k] + QPointF(std::cos(a) * 11, std::sin(a) * 11));
      }
    }
    p.setPen(QPen(QColor(60, 60, 60), 0.6));
    p.setBrush(kBlue);
    p.drawPolygon(Star(QPointF(40, 56), 10, 4));
  }));
  out.Png("R_USAELVI", Picture([](QPainter& p) {
    // A guitar.
    p.save();
    p.translate(27, 36);
    p.rotate(25);
    p.fillRect(QRectF(-2.5, -34, 5, 30), QColor(90, 50, 20));
    p.fillRect(QRectF(-4, -38, 8, 7), QColor(40, 30, 20));
    p.setPen(QPen(QColor(90, 40, 10), 1));
    p.setBrush(QColor(210, 120, 40));
    p.drawEllipse(QRectF(-11, -8, 22, 18));
    p.drawEllipse(QRectF(-14, 6, 28, 22));
    Disc(p, QPointF(0, 6), 4, QColor(40, 25, 10), QColor(20, 10, 0), 0.5);
    p.setPen(QPen(QColor(230, 230, 230), 0.5));
    for (double x : {-1.5, 0.0, 1.5}) p.drawLine(QPointF(x, -34), QPointF(x, 20));
    p.restore();
  }));
  out.Png("R_RUSZNAN", Picture([](QPainter& p) {
    // An open book.
    p.setPen(QPen(QColor(60, 40, 20), 1));
    p.setBrush(QColor(150, 40, 40));
    p.drawRect(QRectF(3, 26, 48, 32));
    p.setBrush(QColor(255, 255, 245));
    QPolygonF left, right;
    left << QPointF(27, 28) << QPointF(6, 22) << QPointF(6, 54) << QPointF(27, 58);
    right << QPointF(27, 28) << QPointF(48, 22) << QPointF(48, 54) << QPointF(27, 58);
    p.drawPolygon(left);
    p.drawPolygon(right);
    p.setPen(QPen(QColor(120, 120, 140), 1));
    for (int i = 0; i < 5; ++i) {
      p.drawLine(QPointF(10, 29 + i * 5), QPointF(24, 32 + i * 5));
      p.drawLine(QPointF(30, 32 + i * 5), QPointF(44, 29 + i * 5));
    }
    Disc(p, QPointF(27, 12), 6, kGold, QColor(150, 110, 0), 0.6);
  }));
  out.Png("R_RUSORDN", Picture([](QPainter& p) {
    // An order: golden rays behind a red star.
    p.setPen(QPen(kGold.darker(130), 0.6));
    p.setBrush(kGold);
    p.drawPolygon(Star(QPointF(27, 35), 25, 14));
    p.setBrush(QColor(200, 200, 210));
    p.drawPolygon(Star(QPointF(27, 35), 19, 8));
    p.setBrush(kRed);
    p.drawPolygon(Star(QPointF(27, 35), 15, 6));
  }));
  out.Png("R_RUSGEOR", Picture([](QPainter& p) {
    // The ribbon of St George: black and orange stripes in a loop.
    QPainterPath ribbon;
    ribbon.moveTo(14, 64);
    ribbon.cubicTo(30, 40, 46, 14, 27, 8);
    ribbon.cubicTo(8, 14, 24, 40, 40, 64);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(240, 130, 0), 11, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(ribbon);
    p.setPen(QPen(QColor(20, 20, 20), 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(ribbon);
    QPainterPathStroker stroker;
    stroker.setWidth(7);
    p.setPen(QPen(QColor(20, 20, 20), 1.4));
    p.drawPath(stroker.createStroke(ribbon));
  }));
  out.Png("R_PASHA00", Picture([](QPainter& p) {
    // A painted egg.
    const QRectF egg(9, 8, 36, 50);
    p.setPen(QPen(QColor(120, 10, 20), 1));
    p.setBrush(QColor(210, 30, 40));
    p.drawEllipse(egg);
    p.save();
    QPainterPath clip;
    clip.addEllipse(egg);
    p.setClipPath(clip);
    p.fillRect(QRectF(0, 28, 54, 5), kGold);
    p.fillRect(QRectF(0, 40, 54, 3), kGold);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 200));
    for (double x : {17.0, 27.0, 37.0}) p.drawPolygon(Star(QPointF(x, 20), 3.5, 1.5));
    p.restore();
    p.setPen(QPen(QColor(40, 120, 40), 2));
    p.drawLine(QPointF(6, 62), QPointF(48, 62));
  }));
  out.Png("R_PRAKRES", Picture([](QPainter& p) {
    Halo(p, QPointF(27, 24), 24);
    OrthodoxCross(p, kGold);
  }));
  out.Png("R_KATKRES", Picture([](QPainter& p) {
    Halo(p, QPointF(27, 24), 24);
    LatinCross(p, kGold);
  }));
  out.Png("R_ROGDEST", Picture([](QPainter& p) {
    // The star of Bethlehem over a candle.
    Halo(p, QPointF(27, 16), 16);
    p.setPen(QPen(QColor(150, 110, 0), 0.6));
    p.setBrush(kGold);
    p.drawPolygon(Star(QPointF(27, 16), 12, 4));
    p.setBrush(QColor(250, 245, 230));
    p.setPen(QPen(QColor(150, 140, 120), 0.8));
    p.drawRect(QRectF(21, 38, 12, 24));
    QPainterPath flame;
    flame.moveTo(27, 28);
    flame.cubicTo(31, 33, 30, 37, 27, 37);
    flame.cubicTo(24, 37, 23, 33, 27, 28);
    p.setBrush(QColor(255, 160, 20));
    p.setPen(Qt::NoPen);
    p.drawPath(flame);
    p.setPen(QPen(QColor(30, 120, 50), 3));
    p.drawLine(QPointF(8, 64), QPointF(46, 64));
  }));
}

// The zodiac signs, drawn with the sign glyphs of the system's sans font in a ring.
void ZodiacPictures(ArtOutput& out) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(40);
  for (int sign = 1; sign <= 12; ++sign) {
    QImage image = Blank(26, 30);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Disc(p, QPointF(13, 15), 12.5, QColor(40, 60, 140), QColor(20, 30, 80), 0.8);
    Glyph(p, QRectF(5, 7, 16, 16), QString(QChar(0x2647 + sign)), font, QColor(255, 230, 120));
    p.end();
    out.Png(QStringLiteral("R_%1").arg(sign, 2, 10, QLatin1Char('0')), image);
  }
}

// The eastern years: the animal's character in a red seal under a small lantern.
void AnimalPictures(ArtOutput& out) {
  struct Animal {
    const char* Name;
    char16_t Character;
  };
  static constexpr Animal kAnimals[] = {{"R_VOSKRIS", u'鼠'}, {"R_VOSBULL", u'牛'}, {"R_VOSTIGR", u'虎'},
                                        {"R_VOSRABB", u'兔'}, {"R_VOSDRAG", u'龙'}, {"R_VOSSNAK", u'蛇'},
                                        {"R_VOSHORS", u'马'}, {"R_VOSKOZA", u'羊'}, {"R_VOSMONK", u'猴'},
                                        {"R_VOSPETU", u'鸡'}, {"R_VOSDOG0", u'狗'}, {"R_VOSPIG0", u'猪'}};
  QFont font(QStringLiteral("Noto Serif CJK SC"));
  font.setPixelSize(60);
  font.setBold(true);
  for (const Animal& animal : kAnimals) {
    out.Png(animal.Name, Picture([&](QPainter& p) {
      p.setPen(QPen(kGold, 1));
      p.drawLine(QPointF(27, 2), QPointF(27, 8));
      Panel(p, QRectF(4, 8, 46, 56), 8, QColor(220, 40, 40), QColor(160, 20, 20), kGold, 2);
      Glyph(p, QRectF(10, 17, 34, 38), QString(QChar(animal.Character)), font, QColor(255, 225, 120));
      Disc(p, QPointF(27, 66), 2.5, kGold, kGold.darker(150), 0.5);
    }));
  }
}

}  // namespace

void MakeCalendar(ArtOutput& out) {
  out.Png(QStringLiteral("R_BASE"), Base());
  ZodiacPictures(out);
  AnimalPictures(out);
  HolidayPictures(out);
}

}  // namespace vesrin::art
