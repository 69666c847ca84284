// Draws the star sprite sheet (bitmap 105, resources/star_sprites.png): 7 tinted rows by 11
// sizes of soft star images in 11 x 11 cells on black.
//   generate-star-sprites OUTPUT.png
#include <QImage>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int CELL = 11;
constexpr int CENTRE = 5;
constexpr int ROWS = 7;
constexpr int COLUMNS = 11;

// Halo tints, blue to red, as red, green, blue in [0, 1].
constexpr double TINTS[ROWS][3] = {
    {0.45, 0.60, 1.00},  // blue
    {0.70, 0.82, 1.00},  // light blue
    {1.00, 1.00, 1.00},  // neutral white
    {0.78, 1.00, 0.78},  // pale green
    {1.00, 0.95, 0.45},  // yellow
    {1.00, 0.68, 0.30},  // orange
    {1.00, 0.42, 0.30},  // red
};

// Squared pixel distance from the centre that is still lit, per size; the lit areas come out
// as 117, 109, 89, 69, 45, 29, 21, 13, 9, 9 and 5 pixels (the last a cross).
constexpr int LIT_RADIUS_SQUARED[COLUMNS] = {41, 34, 26, 20, 13, 9, 5, 4, 2, 2, 1};
// Peak brightness per size: the smallest stars are dimmer as well as smaller.
constexpr double PEAK[COLUMNS] = {1.0, 1.0, 1.0, 0.97, 0.94, 0.9, 0.85, 0.8, 0.72, 0.6, 0.5};
// Faintest channel value a lit pixel keeps, so every lit pixel stays non-black.
constexpr double FLOOR = 10.0 / 255.0;

int Channel(double value) {
  return std::clamp(static_cast<int>(std::lround(value * 255.0)), 0, 255);
}

QRgb StarPixel(int row, int column, int dx, int dy) {
  const int squared = dx * dx + dy * dy;
  if (squared > LIT_RADIUS_SQUARED[column]) return qRgb(0, 0, 0);
  const double edge = std::sqrt(static_cast<double>(LIT_RADIUS_SQUARED[column])) + 0.7;
  const double d = std::sqrt(static_cast<double>(squared));
  const double falloff = std::pow(1.0 - (d / edge) * (d / edge), 2.4);
  const double intensity = std::max(PEAK[column] * falloff, FLOOR / 0.3);
  // The core is near white and gives way to the tint towards the rim.
  const double coreRadius = std::max(0.7, edge * 0.3);
  const double white = std::exp(-(d / coreRadius) * (d / coreRadius));
  double rgb[3];
  for (int c = 0; c < 3; ++c) {
    rgb[c] = std::max(intensity * (white + (1.0 - white) * TINTS[row][c]), FLOOR);
  }
  return qRgb(Channel(rgb[0]), Channel(rgb[1]), Channel(rgb[2]));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: generate-star-sprites OUTPUT.png\n");
    return 2;
  }
  QImage sheet(COLUMNS * CELL, ROWS * CELL, QImage::Format_RGB32);
  sheet.fill(qRgb(0, 0, 0));
  for (int row = 0; row < ROWS; ++row) {
    for (int column = 0; column < COLUMNS; ++column) {
      for (int y = 0; y < CELL; ++y) {
        for (int x = 0; x < CELL; ++x) {
          sheet.setPixel(column * CELL + x, row * CELL + y,
                         StarPixel(row, column, x - CENTRE, y - CENTRE));
        }
      }
    }
  }
  if (!sheet.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "generate-star-sprites: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
