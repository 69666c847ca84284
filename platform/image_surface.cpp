// Drawing onto an RGB32 image: pixel-exact lines, fills and blits, text through QPainter.
#include "platform/image_surface.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstdlib>

#include "platform/vector_state.h"

namespace halvane {

namespace {

constexpr uint32_t OPAQUE = 0xFF000000;

uint32_t ToPixel(Color color) {
  return OPAQUE | (uint32_t{RedOf(color)} << 16) | (uint32_t{GreenOf(color)} << 8) | BlueOf(color);
}

uint32_t BrushPixel(StockBrush brush) {
  switch (brush) {
    case StockBrush::Black: return OPAQUE;
    case StockBrush::White: return OPAQUE | 0xFFFFFF;
    case StockBrush::Gray: return OPAQUE | 0x808080;
  }
  return OPAQUE;
}

// The handheld's 8-point system font is about 11 pixels from ascent to descent.
constexpr int FONT_PIXEL_SIZE = 10;

bool FontsAvailable() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

}  // namespace

ImageBitmap::ImageBitmap(const QImage& source)
    : image(source.convertToFormat(QImage::Format_RGB32)) {}

int32_t ImageBitmap::Width() const { return image.width(); }
int32_t ImageBitmap::Height() const { return image.height(); }

uint32_t ImageBitmap::PixelAt(int32_t x, int32_t y) const {
  return reinterpret_cast<const uint32_t*>(image.constScanLine(y))[x] & 0xFFFFFF;
}

ImageSurface::ImageSurface(int32_t width, int32_t height)
    : image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32) {
  image.fill(OPAQUE);
  ClearUpperVectorState();
}

Color ImageSurface::PixelAt(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return 0;
  const uint32_t pixel = reinterpret_cast<const uint32_t*>(image.constScanLine(y))[x];
  return MakeColor((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

void ImageSurface::FillRect(const Rect& rect, StockBrush brush) {
  const int32_t left = std::max(rect.left, 0);
  const int32_t top = std::max(rect.top, 0);
  const int32_t right = std::min(rect.right, image.width());
  const int32_t bottom = std::min(rect.bottom, image.height());
  if (left >= right || top >= bottom) return;
  const uint32_t pixel = BrushPixel(brush);
  for (int32_t y = top; y < bottom; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
    std::fill(row + left, row + right, pixel);
  }
}

void ImageSurface::SelectPen(Color color) { penPixel = ToPixel(color); }
void ImageSurface::SetTextColor(Color color) { textPixel = ToPixel(color); }
void ImageSurface::SetTransparentBackground() { transparentText = true; }

void ImageSurface::Polyline(const Point* points, int32_t count) {
  for (int32_t i = 1; i < count; ++i) {
    Line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
  }
}

// Midpoint stepping along the major axis. Only the steps whose major coordinate lies in the
// image are visited, so a segment from far off the chart costs no more than one across it.
void ImageSurface::Line(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  const int64_t dx = x1 - x0;
  const int64_t dy = y1 - y0;
  if (dx == 0 && dy == 0) return;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const int64_t major0 = xMajor ? x0 : y0;
  const int64_t minor0 = xMajor ? y0 : x0;
  const int64_t majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const int64_t minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
  const int64_t majorLength = std::llabs(xMajor ? dx : dy);
  const int64_t minorLength = std::llabs(xMajor ? dy : dx);
  const int64_t majorLimit = xMajor ? image.width() : image.height();
  const int64_t minorLimit = xMajor ? image.height() : image.width();

  // Steps i in [first, last) put the major coordinate major0 + i * majorStep inside.
  int64_t first = 0;
  int64_t last = majorLength;
  if (majorStep > 0) {
    first = std::max<int64_t>(first, -major0);
    last = std::min<int64_t>(last, majorLimit - major0);
  } else {
    first = std::max<int64_t>(first, major0 - majorLimit + 1);
    last = std::min<int64_t>(last, major0 + 1);
  }
  if (first >= last) return;

  // minor offset at step i = floor((2 i minorLength + majorLength) / (2 majorLength)).
  __extension__ using Wide = __int128;
  const int64_t denominator = 2 * majorLength;
  const Wide numerator = Wide{2} * first * minorLength + majorLength;
  int64_t offset = static_cast<int64_t>(numerator / denominator);
  int64_t remainder = static_cast<int64_t>(numerator % denominator);
  uchar* bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  for (int64_t i = first; i < last; ++i) {
    const int64_t major = major0 + i * majorStep;
    const int64_t minor = minor0 + offset * minorStep;
    if (minor >= 0 && minor < minorLimit) {
      const int64_t x = xMajor ? major : minor;
      const int64_t y = xMajor ? minor : major;
      reinterpret_cast<uint32_t*>(bits + y * stride)[x] = penPixel;
    }
    remainder += 2 * minorLength;
    if (remainder >= denominator) {
      remainder -= denominator;
      ++offset;
    }
  }
}

void ImageSurface::DrawText(std::u16string_view text, const Rect& rect, uint32_t flags) {
  if (!FontsAvailable() || image.isNull() || text.empty()) return;
  const QString string = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
  int alignment = Qt::AlignTop | Qt::TextSingleLine;
  alignment |= (flags & TEXT_CENTER) != 0 ? Qt::AlignHCenter : Qt::AlignLeft;
  if ((flags & TEXT_NOCLIP) != 0) alignment |= Qt::TextDontClip;
  const QRect box(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));

  QPainter painter(&image);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(FONT_PIXEL_SIZE);
  font.setStyleStrategy(QFont::NoAntialias);
  painter.setFont(font);
  if (!transparentText) {
    QRect bounds = painter.boundingRect(box, alignment, string);
    if ((flags & TEXT_NOCLIP) == 0) bounds &= box;
    painter.fillRect(bounds, QColor(Qt::white));
  }
  painter.setPen(QColor::fromRgb(textPixel));
  painter.drawText(box, alignment, string);
  painter.end();
  ClearUpperVectorState();
}

void ImageSurface::Blit(int32_t x, int32_t y, int32_t width, int32_t height, const Bitmap& source,
                        int32_t sourceX, int32_t sourceY, RasterOp op) {
  // Clip the block against the source and the destination together, in 64 bits.
  int64_t left = 0;
  int64_t top = 0;
  int64_t right = width;
  int64_t bottom = height;
  left = std::max({left, -int64_t{sourceX}, -int64_t{x}});
  top = std::max({top, -int64_t{sourceY}, -int64_t{y}});
  right = std::min({right, int64_t{source.Width()} - sourceX, int64_t{image.width()} - x});
  bottom = std::min({bottom, int64_t{source.Height()} - sourceY, int64_t{image.height()} - y});
  if (left >= right || top >= bottom) return;
  // Sprites come from image bitmaps: read their rows directly rather than pixel by pixel.
  const auto* imageSource = dynamic_cast<const ImageBitmap*>(&source);
  uchar* const bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  const bool orBlend = op == RasterOp::Or;
  for (int64_t row = top; row < bottom; ++row) {
    uint32_t* destination = reinterpret_cast<uint32_t*>(bits + (y + row) * stride) + x;
    if (imageSource == nullptr) {
      for (int64_t column = left; column < right; ++column) {
        const uint32_t pixel = source.PixelAt(static_cast<int32_t>(sourceX + column),
                                              static_cast<int32_t>(sourceY + row));
        destination[column] = (orBlend ? destination[column] | pixel : pixel) | OPAQUE;
      }
      continue;
    }
    const uint32_t* sourceRow =
        reinterpret_cast<const uint32_t*>(
            imageSource->Image().constScanLine(static_cast<int>(sourceY + row))) +
        sourceX;
    for (int64_t column = left; column < right; ++column) {
      const uint32_t pixel = sourceRow[column];
      destination[column] = (orBlend ? destination[column] | pixel : pixel) | OPAQUE;
    }
  }
}

}  // namespace halvane
