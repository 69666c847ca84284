// Stamps are found by writing the string white on black in a probe image with room around it.
#include "platform/text_stamp.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cmath>

#include "platform/vector_state.h"

namespace halvane {

namespace {

// The handheld's 8-point system font is about 11 pixels from ascent to descent.
constexpr int FONT_PIXEL_SIZE = 10;
constexpr int PAD = 8;                // pixels of room around the text in the probe
constexpr size_t KEPT_STAMPS = 4096;  // stamps kept before the cache starts again
constexpr uint32_t BLACK = 0xFF000000;
constexpr uint32_t WHITE = 0xFFFFFFFF;

TextStamp Probe(std::u16string_view text, double scale) {
  TextStamp stamp;
  const double origin = PAD * scale;
  if (origin != std::floor(origin)) return stamp;
  const QString string = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
  const QFont font = ChartFont();
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(string) + metrics.height() + 2 * PAD;
  const int height = metrics.height() + 2 * PAD;
  QImage probe(static_cast<int>(std::ceil(width * scale)),
               static_cast<int>(std::ceil(height * scale)), QImage::Format_RGB32);
  probe.setDevicePixelRatio(scale);
  probe.fill(BLACK);
  QPainter painter(&probe);
  painter.setFont(font);
  painter.setPen(QColor(Qt::white));
  painter.drawText(QRect(QPoint(PAD, PAD), QPoint(width, height)),
                   Qt::AlignTop | Qt::AlignLeft | Qt::TextSingleLine | Qt::TextDontClip, string);
  painter.end();
  ClearUpperVectorState();

  const int shift = static_cast<int>(origin);
  for (int y = 0; y < probe.height(); ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(probe.constScanLine(y));
    for (int x = 0; x < probe.width(); ++x) {
      if (row[x] == BLACK) continue;
      const bool edge = x == 0 || y == 0 || x == probe.width() - 1 || y == probe.height() - 1;
      if (row[x] != WHITE || edge) return TextStamp{};
      int end = x;
      while (end < probe.width() && row[end] == WHITE) ++end;
      stamp.runs.push_back({y - shift, x - shift, end - shift});
      x = end - 1;
    }
  }
  stamp.usable = true;
  return stamp;
}

}  // namespace

QFont ChartFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(FONT_PIXEL_SIZE);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

const TextStamp& TextStamps::Of(std::u16string_view text) {
  if (stamps.size() >= KEPT_STAMPS) stamps.clear();
  std::u16string key(text);
  const auto known = stamps.find(key);
  if (known != stamps.end()) return known->second;
  return stamps.emplace(std::move(key), Probe(text, scale)).first->second;
}

}  // namespace halvane
