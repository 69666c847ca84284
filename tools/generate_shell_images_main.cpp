// Draws the shell's pictures into a folder: the splash (bitmap 106), the navigation box
// (bitmap 111; its night and finger-sized forms 114 to 116), the compass button (bitmap 113)
// and the application icon.
//   generate-shell-images OUTPUT_FOLDER
// The output is the same on every run: the galaxy's stars come from a fixed-seed generator.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "astro/angles.h"

namespace {

using halvane::PI;

// A small deterministic generator (xorshift), so the splash is the same on every machine.
class Random {
 public:
  explicit Random(uint32_t seed) : state(seed) {}
  double Next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return (state & 0xFFFFFF) / double(0x1000000);
  }
  double Gaussian() {
    const double u = std::max(Next(), 1e-9);
    return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * PI * Next());
  }

 private:
  uint32_t state;
};

void AddLight(QImage& image, double x, double y, double r, double g, double b) {
  const int ix = static_cast<int>(x);
  const int iy = static_cast<int>(y);
  if (ix < 0 || iy < 0 || ix >= image.width() || iy >= image.height()) return;
  const QRgb old = image.pixel(ix, iy);
  image.setPixel(ix, iy,
                 qRgb(std::min(255, qRed(old) + static_cast<int>(r)),
                      std::min(255, qGreen(old) + static_cast<int>(g)),
                      std::min(255, qBlue(old) + static_cast<int>(b))));
}

// A two-armed spiral galaxy, tilted, with a warm core and bluish arms, over a field of stars.
QImage Splash() {
  QImage image(240, 179, QImage::Format_RGB32);
  image.fill(qRgb(2, 3, 10));
  Random random(20050101);
  for (int i = 0; i < 260; ++i) {
    const double x = random.Next() * 240;
    const double y = random.Next() * 179;
    const double v = 40 + 180 * std::pow(random.Next(), 6.0);
    AddLight(image, x, y, v, v, v * 1.1);
  }
  const double cx = 120;
  const double cy = 72;
  const double tilt = -0.35;
  for (int i = 0; i < 26000; ++i) {
    const int arm = i % 2;
    const double t = std::pow(random.Next(), 0.8) * 3.6;  // turns out along the arm
    const double angle = t * 1.9 + arm * PI + random.Gaussian() * 0.22;
    const double radius = 6 + t * 24 + random.Gaussian() * 3.5;
    double x = radius * std::cos(angle);
    double y = radius * std::sin(angle) * 0.42;
    const double rx = x * std::cos(tilt) - y * std::sin(tilt);
    const double ry = x * std::sin(tilt) + y * std::cos(tilt);
    const double fade = std::exp(-t * 0.55);
    AddLight(image, cx + rx, cy + ry, 9 * fade + 2, 11 * fade + 3, 16 * fade + 6);
  }
  for (int i = 0; i < 9000; ++i) {
    const double x = random.Gaussian() * 9;
    const double y = random.Gaussian() * 5;
    const double rx = x * std::cos(tilt) - y * std::sin(tilt);
    const double ry = x * std::sin(tilt) + y * std::cos(tilt);
    AddLight(image, cx + rx, cy + ry, 16, 13, 8);
  }
  // Soften the scattered light a little.
  QImage soft = image;
  for (int y = 1; y < 178; ++y) {
    for (int x = 1; x < 239; ++x) {
      int r = 0;
      int g = 0;
      int b = 0;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int w = (dx == 0 && dy == 0) ? 4 : 1;
          const QRgb p = image.pixel(x + dx, y + dy);
          r += w * qRed(p);
          g += w * qGreen(p);
          b += w * qBlue(p);
        }
      }
      soft.setPixel(x, y, qRgb(r / 12, g / 12, b / 12));
    }
  }
  QPainter painter(&soft);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QFont title("DejaVu Sans", 1, QFont::Bold);
  title.setPixelSize(26);
  painter.setFont(title);
  painter.setPen(QColor(235, 240, 255));
  painter.drawText(QRect(0, 122, 240, 32), Qt::AlignHCenter | Qt::AlignVCenter, "Halvane");
  QFont small("DejaVu Sans");
  small.setPixelSize(11);
  painter.setFont(small);
  painter.setPen(QColor(170, 185, 215));
  painter.drawText(QRect(0, 153, 240, 16), Qt::AlignHCenter | Qt::AlignVCenter, "Version 1.2");
  return soft;
}

// The colours of the box: the day's grey bevelled buttons, or night vision's dim red outlines
// and glyphs on black, which the night pass leaves as they are.
struct BoxColours {
  QColor lines;  // between the buttons
  QColor face;
  QColor light;   // top-left bevel
  QColor shadow;  // bottom-right bevel
  QColor ink;     // glyph strokes and letters
  QColor paper;   // glyph fills
  QColor skin;    // the hand's fill
};

BoxColours Day() {
  return {qRgb(64, 64, 64), qRgb(214, 214, 214), Qt::white,          qRgb(150, 150, 150),
          Qt::black,        Qt::white,           qRgb(255, 224, 189)};
}

BoxColours Night() {
  const QColor dim(96, 0, 0);
  return {Qt::black, Qt::black, dim, dim, qRgb(176, 0, 0), Qt::black, Qt::black};
}

// One 22 x 22 button face at (x, y), in the glyphs' units.
void ButtonFace(QPainter& p, int x, int y, const BoxColours& c) {
  p.fillRect(x, y, 22, 22, c.face);
  p.fillRect(x, y, 22, 1, c.light);
  p.fillRect(x, y, 1, 22, c.light);
  p.fillRect(x, y + 21, 22, 1, c.shadow);
  p.fillRect(x + 21, y, 1, 22, c.shadow);
}

void Letter(QPainter& p, int x, int y, const QString& text, const BoxColours& c) {
  QFont font("DejaVu Sans", 1, QFont::Bold);
  font.setPixelSize(14);
  p.setFont(font);
  p.setPen(c.ink);
  p.drawText(QRect(x, y, 22, 22), Qt::AlignCenter, text);
}

void Pointer(QPainter& p, int x, int y, const BoxColours& c) {
  const QPolygonF arrow(
      {{6, 3}, {6, 17}, {9.5, 13.5}, {12, 19}, {14, 18}, {11.5, 12.5}, {16, 12.5}});
  p.setPen(QPen(c.ink, 1));
  p.setBrush(c.paper);
  p.drawPolygon(arrow.translated(x, y));
}

void Hand(QPainter& p, int x, int y, const BoxColours& c) {
  p.setPen(QPen(c.ink, 1));
  p.setBrush(c.skin);
  QPainterPath path;
  path.addRoundedRect(QRectF(x + 5.5, y + 9.5, 11, 9), 3, 3);
  for (int i = 0; i < 4; ++i)
    path.addRoundedRect(QRectF(x + 5.5 + i * 2.75, y + 3.5 + (i == 0 || i == 3 ? 2 : 0), 2.5, 9),
                        1.2, 1.2);
  path.addRoundedRect(QRectF(x + 15, y + 8.5, 3, 6), 1.2, 1.2);
  p.drawPath(path.simplified());
}

// A three-quarter circle with an arrow head; clockwise when clockwise is set.
void Turn(QPainter& p, int x, int y, bool clockwise, const BoxColours& c) {
  p.setPen(QPen(c.ink, 1.6));
  p.setBrush(Qt::NoBrush);
  const QRectF circle(x + 5, y + 5, 12, 12);
  p.drawArc(circle, clockwise ? 0 * 16 : 180 * 16, clockwise ? 270 * 16 : -270 * 16);
  p.setBrush(c.ink);
  p.setPen(Qt::NoPen);
  // The arrow head sits at the start of the arc, at the top.
  const double tipX = x + 11;
  const double tipY = y + 5;
  QPolygonF head =
      clockwise ? QPolygonF({{tipX + 3.5, tipY}, {tipX - 1, tipY - 3.5}, {tipX - 1, tipY + 3.5}})
                : QPolygonF({{tipX - 3.5, tipY}, {tipX + 1, tipY - 3.5}, {tipX + 1, tipY + 3.5}});
  p.drawPolygon(head);
}

enum class Lens { Plus, Clock, Minus };

void Magnifier(QPainter& p, int x, int y, Lens lens, const BoxColours& c) {
  p.setPen(QPen(c.ink, 1.4));
  p.setBrush(c.paper);
  p.drawEllipse(QRectF(x + 3.5, y + 3.5, 11, 11));
  p.setPen(QPen(c.ink, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(x + 13.5, y + 13.5), QPointF(x + 18, y + 18));
  p.setPen(QPen(c.ink, 1.4));
  const QPointF centre(x + 9, y + 9);
  switch (lens) {
    case Lens::Plus:
      p.drawLine(centre + QPointF(-3, 0), centre + QPointF(3, 0));
      p.drawLine(centre + QPointF(0, -3), centre + QPointF(0, 3));
      break;
    case Lens::Minus: p.drawLine(centre + QPointF(-3, 0), centre + QPointF(3, 0)); break;
    case Lens::Clock:
      p.setPen(QPen(c.ink, 1.1));
      p.drawLine(centre, centre + QPointF(0, -3.5));
      p.drawLine(centre, centre + QPointF(2.5, 0));
      break;
  }
}

// Three columns and four rows of buttons, the one-pixel lines between them dark: 22-pixel
// buttons on a 23-pixel pitch at scale 1, and 44-pixel ones on a 45-pixel pitch, a finger's
// size, at scale 2.
QImage NavigationBox(int scale, const BoxColours& colours) {
  const int pitch = 22 * scale + 1;
  QImage image(3 * pitch + 1, 4 * pitch + 1, QImage::Format_RGB32);
  image.fill(colours.lines);
  QPainter p(&image);
  auto at = [pitch](int column, int row) { return QPoint(1 + column * pitch, 1 + row * pitch); };
  // Each button is drawn in its own 22-unit square, scaled.
  auto button = [&](int column, int row, const auto& draw) {
    p.save();
    p.translate(at(column, row));
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing, false);
    ButtonFace(p, 0, 0, colours);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw();
    p.restore();
  };
  button(0, 0, [&] { Pointer(p, 0, 0, colours); });
  button(1, 0, [&] { Letter(p, 0, 0, "N", colours); });
  button(2, 0, [&] { Hand(p, 0, 0, colours); });
  button(0, 1, [&] { Letter(p, 0, 0, "W", colours); });
  button(1, 1, [&] { Letter(p, 0, 0, "Z", colours); });
  button(2, 1, [&] { Letter(p, 0, 0, "E", colours); });
  button(0, 2, [&] { Turn(p, 0, 0, false, colours); });
  button(1, 2, [&] { Letter(p, 0, 0, "S", colours); });
  button(2, 2, [&] { Turn(p, 0, 0, true, colours); });
  button(0, 3, [&] { Magnifier(p, 0, 0, Lens::Plus, colours); });
  button(1, 3, [&] { Magnifier(p, 0, 0, Lens::Clock, colours); });
  button(2, 3, [&] { Magnifier(p, 0, 0, Lens::Minus, colours); });
  return image;
}

// A compass needle pointing up: red north half, light gray south half, on transparency.
QImage Compass(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 16.0, size / 16.0);
  p.setPen(QPen(QColor(40, 40, 40), 0.8));
  p.setBrush(QColor(220, 30, 30));
  p.drawPolygon(QPolygonF({{8, 0.8}, {11, 8}, {5, 8}}));
  p.setBrush(QColor(230, 230, 230));
  p.drawPolygon(QPolygonF({{8, 15.2}, {11, 8}, {5, 8}}));
  p.setBrush(QColor(40, 40, 40));
  p.drawEllipse(QPointF(8, 8), 1.2, 1.2);
  return image;
}

// The application icon: a dark disc with a few stars joined by a constellation line.
QImage Icon() {
  QImage image(64, 64, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(90, 110, 170), 2));
  p.setBrush(QColor(10, 14, 40));
  p.drawEllipse(QRectF(2, 2, 60, 60));
  const QPointF stars[] = {{18, 40}, {28, 24}, {40, 30}, {48, 18}, {44, 46}};
  p.setPen(QPen(QColor(90, 120, 200), 1.5));
  p.drawPolyline(stars, 4);
  p.drawLine(stars[2], stars[4]);
  p.setPen(Qt::NoPen);
  const double sizes[] = {3.5, 2.5, 3.0, 4.0, 2.2};
  for (int i = 0; i < 5; ++i) {
    p.setBrush(i == 3 ? QColor(255, 230, 170) : QColor(235, 240, 255));
    p.drawEllipse(stars[i], sizes[i], sizes[i]);
  }
  return image;
}

bool Save(const QImage& image, const QString& folder, const char* name) {
  const QString path = folder + "/" + name;
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "generate-shell-images: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: generate-shell-images OUTPUT_FOLDER\n");
    return 2;
  }
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const bool ok = Save(Splash(), folder, "splash.png") &&
                  Save(NavigationBox(1, Day()), folder, "navigation_box.png") &&
                  Save(NavigationBox(1, Night()), folder, "navigation_box_night.png") &&
                  Save(NavigationBox(2, Day()), folder, "navigation_box_finger.png") &&
                  Save(NavigationBox(2, Night()), folder, "navigation_box_finger_night.png") &&
                  Save(Compass(16), folder, "compass.png") && Save(Icon(), folder, "icon.png");
  return ok ? 0 : 1;
}
