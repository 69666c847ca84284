// Drawing onto an RGB32 image: pixel-exact lines, fills and blits, text through QPainter.
#include "platform/image_surface.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "astro/angles.h"
#include "platform/area_fill.h"
#include "platform/text_stamp.h"
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

// A run of one pixel value. The C library's wide-character fill uses the widest stores the
// processor has; a loop compiled for every x86-64 processor uses the narrowest.
void FillPixels(uint32_t* from, uint32_t* to, uint32_t pixel) {
  static_assert(sizeof(wchar_t) == sizeof(uint32_t), "a wide character holds one pixel");
  std::wmemset(reinterpret_cast<wchar_t*>(from), static_cast<wchar_t>(pixel),
               static_cast<size_t>(to - from));
}

constexpr size_t MEASURED_TEXTS = 4096;  // sizes kept before the cache starts again

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

ImageSurface::ImageSurface(int32_t width, int32_t height, double scale)
    : width(std::max(width, 0)),
      height(std::max(height, 0)),
      scale(std::isfinite(scale) ? std::clamp(scale, 1.0, 8.0) : 1.0) {
  image = QImage(static_cast<int>(Device(this->width)), static_cast<int>(Device(this->height)),
                 QImage::Format_RGB32);
  image.setDevicePixelRatio(this->scale);
  image.fill(OPAQUE);
  ClearUpperVectorState();
}

int64_t ImageSurface::Device(int64_t v) const {
  if (scale == 1.0) return v;
  return std::llround(static_cast<double>(v) * scale);
}

Color ImageSurface::PixelAt(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return 0;
  const uint32_t pixel = reinterpret_cast<const uint32_t*>(
      image.constScanLine(static_cast<int>(Device(y))))[Device(x)];
  return MakeColor((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

void ImageSurface::FillRect(const Rect& rect, StockBrush brush) {
  const auto left = static_cast<int32_t>(std::max<int64_t>(Device(rect.left), 0));
  const auto top = static_cast<int32_t>(std::max<int64_t>(Device(rect.top), 0));
  const auto right = static_cast<int32_t>(std::min<int64_t>(Device(rect.right), image.width()));
  const auto bottom = static_cast<int32_t>(std::min<int64_t>(Device(rect.bottom), image.height()));
  if (left >= right || top >= bottom) return;
  const uint32_t pixel = BrushPixel(brush);
  for (int32_t y = top; y < bottom; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
    FillPixels(row + left, row + right, pixel);
  }
}

void ImageSurface::SelectPen(Color color) { penPixel = ToPixel(color); }
void ImageSurface::SetTextColor(Color color) { textPixel = ToPixel(color); }
void ImageSurface::SetTransparentBackground() { transparentText = true; }

void ImageSurface::Polyline(const Point* points, int32_t count) {
  // The pen keeps its width on the screen: as many device pixels as the scale, each way.
  const int64_t pen = scale == 1.0 ? 1 : std::max<int64_t>(1, std::llround(scale));
  for (int32_t i = 1; i < count; ++i) {
    const int64_t x0 = Device(points[i - 1].x);
    const int64_t y0 = Device(points[i - 1].y);
    const int64_t x1 = Device(points[i].x);
    const int64_t y1 = Device(points[i].y);
    for (int64_t dy = 0; dy < pen; ++dy) {
      for (int64_t dx = 0; dx < pen; ++dx) Line(x0 + dx, y0 + dy, x1 + dx, y1 + dy);
    }
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
  if (transparentText && (flags & TEXT_CENTER) == 0 && (flags & TEXT_NOCLIP) != 0 &&
      Stamp(text, rect)) {
    return;
  }
  const QString string = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
  int alignment = Qt::AlignTop | Qt::TextSingleLine;
  alignment |= (flags & TEXT_CENTER) != 0 ? Qt::AlignHCenter : Qt::AlignLeft;
  if ((flags & TEXT_NOCLIP) != 0) alignment |= Qt::TextDontClip;
  const QRect box(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));

  QPainter painter(&image);
  painter.setFont(ChartFont());
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

bool ImageSurface::Stamp(std::u16string_view text, const Rect& rect, const uint32_t* outline) {
  const double left = static_cast<double>(rect.left) * scale;
  const double top = static_cast<double>(rect.top) * scale;
  // Glyphs on a fraction of a device pixel round otherwise than in the probe.
  if (left != std::floor(left) || top != std::floor(top)) return false;
  const TextStamp& stamp = stamps.Of(text);
  if (!stamp.usable) return false;
  const auto x = static_cast<int64_t>(left);
  const auto y = static_cast<int64_t>(top);
  const auto setRun = [&](int64_t row, int64_t from, int64_t to, uint32_t pixel) {
    if (row < 0 || row >= image.height()) return;
    const int64_t x0 = std::max<int64_t>(from, 0);
    const int64_t x1 = std::min<int64_t>(to, image.width());
    if (x0 >= x1) return;
    uint32_t* pixels = reinterpret_cast<uint32_t*>(image.scanLine(static_cast<int>(row)));
    std::fill(pixels + x0, pixels + x1, pixel);
  };
  if (outline != nullptr) {
    for (const TextStamp::Run& run : stamp.runs) {
      for (int64_t row = y + run.y - 1; row <= y + run.y + 1; ++row) {
        setRun(row, x + run.x0 - 1, x + run.x1 + 1, *outline);
      }
    }
  }
  for (const TextStamp::Run& run : stamp.runs) setRun(y + run.y, x + run.x0, x + run.x1, textPixel);
  return true;
}

void ImageSurface::DrawOutlinedText(std::u16string_view text, const Rect& rect, uint32_t flags,
                                    Color color, Color outline) {
  SetTextColor(color);
  const uint32_t outlinePixel = ToPixel(outline);
  if (FontsAvailable() && !image.isNull() && !text.empty() && transparentText &&
      (flags & TEXT_CENTER) == 0 && (flags & TEXT_NOCLIP) != 0 &&
      Stamp(text, rect, &outlinePixel)) {
    return;
  }
  Surface::DrawOutlinedText(text, rect, flags, color, outline);
}

void ImageSurface::FillArea(std::string_view, const Point* points, int32_t count, Color color) {
  const uint32_t pixel = ToPixel(color);
  uchar* const bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  // A block's rows without a call through the span's function each.
  Rect upright;
  if (UprightRectangleArea(points, count, scale, image.width(), image.height(), upright)) {
    for (int32_t y = upright.top; y < upright.bottom; ++y) {
      uint32_t* row = reinterpret_cast<uint32_t*>(bits + y * stride);
      FillPixels(row + upright.left, row + upright.right, pixel);
    }
    return;
  }
  ForEachAreaSpan(points, count, scale, image.width(), image.height(),
                  [&](int32_t y, int32_t x0, int32_t x1) {
                    uint32_t* row = reinterpret_cast<uint32_t*>(bits + y * stride);
                    FillPixels(row + x0, row + x1, pixel);
                  });
}

TextSize ImageSurface::MeasureText(std::u16string_view text) const {
  if (!FontsAvailable()) return Surface::MeasureText(text);
  const auto known = measured.find(std::u16string(text));
  if (known != measured.end()) return known->second;
  if (!metrics) metrics.emplace(ChartFont());
  const QString string = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
  const TextSize size{metrics->horizontalAdvance(string), metrics->height()};
  if (measured.size() >= MEASURED_TEXTS) measured.clear();
  measured.emplace(text, size);
  return size;
}

void ImageSurface::Blit(int32_t x, int32_t y, int32_t width, int32_t height, const Bitmap& source,
                        int32_t sourceX, int32_t sourceY, RasterOp op) {
  const auto* imageSource = dynamic_cast<const ImageBitmap*>(&source);
  const double sourceScale = imageSource != nullptr ? imageSource->Image().devicePixelRatio() : 1.0;
  if (scale == 1.0 && sourceScale == 1.0) {
    BlitDevice(x, y, width, height, source, sourceX, sourceY, 1.0, op);
    return;
  }
  if (sourceScale == scale) {
    BlitDevice(Device(x), Device(y), Device(int64_t{x} + width) - Device(x),
               Device(int64_t{y} + height) - Device(y), source, Device(sourceX), Device(sourceY),
               1.0, op);
    return;
  }
  // A bitmap of another scale: each of its pixels covers a block, with no blending.
  const int64_t deviceX = Device(x);
  const int64_t deviceY = Device(y);
  BlitDevice(deviceX, deviceY, Device(int64_t{x} + width) - deviceX,
             Device(int64_t{y} + height) - deviceY, source, sourceX, sourceY, scale / sourceScale,
             op);
}

void ImageSurface::BlitDevice(int64_t x, int64_t y, int64_t width, int64_t height,
                              const Bitmap& source, int64_t sourceX, int64_t sourceY,
                              double enlarge, RasterOp op) {
  // The source pixel under a destination offset.
  const auto sourceOffset = [enlarge](int64_t offset) {
    return enlarge == 1.0 ? offset : static_cast<int64_t>(static_cast<double>(offset) / enlarge);
  };
  const auto sourceLength = [enlarge](int64_t length) {
    return enlarge == 1.0 ? length
                          : static_cast<int64_t>(std::ceil(static_cast<double>(length) * enlarge));
  };
  // Clip the block against the source and the destination together, in 64 bits.
  int64_t left = std::max<int64_t>({0, -x, sourceLength(-sourceX)});
  int64_t top = std::max<int64_t>({0, -y, sourceLength(-sourceY)});
  const int64_t right = std::min<int64_t>(
      {width, sourceLength(int64_t{source.Width()} - sourceX), int64_t{image.width()} - x});
  const int64_t bottom = std::min<int64_t>(
      {height, sourceLength(int64_t{source.Height()} - sourceY), int64_t{image.height()} - y});
  if (left >= right || top >= bottom) return;
  // Sprites come from image bitmaps: read their rows directly rather than pixel by pixel.
  const auto* imageSource = dynamic_cast<const ImageBitmap*>(&source);
  uchar* const bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  const bool orBlend = op == RasterOp::Or;
  for (int64_t row = top; row < bottom; ++row) {
    uint32_t* destination = reinterpret_cast<uint32_t*>(bits + (y + row) * stride) + x;
    const int64_t fromRow = sourceY + sourceOffset(row);
    if (imageSource == nullptr || enlarge != 1.0) {
      for (int64_t column = left; column < right; ++column) {
        const uint32_t pixel = source.PixelAt(static_cast<int32_t>(sourceX + sourceOffset(column)),
                                              static_cast<int32_t>(fromRow));
        destination[column] = (orBlend ? destination[column] | pixel : pixel) | OPAQUE;
      }
      continue;
    }
    const uint32_t* sourceRow = reinterpret_cast<const uint32_t*>(
                                    imageSource->Image().constScanLine(static_cast<int>(fromRow))) +
                                sourceX;
    for (int64_t column = left; column < right; ++column) {
      const uint32_t pixel = sourceRow[column];
      destination[column] = (orBlend ? destination[column] | pixel : pixel) | OPAQUE;
    }
  }
}

void ImageSurface::Ellipse(Point centre, int32_t radiusX, int32_t radiusY, int32_t angleDegrees,
                           bool dotted) {
  constexpr double DOT_SPACING = 3.0;  // pixels from one dot of a dotted ellipse to the next
  const double rx = std::max(0, radiusX);
  const double ry = std::max(0, radiusY);
  const double angle = angleDegrees * DEG_TO_RAD;
  const double cosA = std::cos(angle);
  const double sinA = std::sin(angle);
  const double perimeter = TWO_PI * std::max(rx, ry);
  const auto at = [&](double t) {
    const double u = rx * std::cos(t);
    const double v = ry * std::sin(t);
    return Point{centre.x + static_cast<int32_t>(std::lround(u * cosA - v * sinA)),
                 centre.y - static_cast<int32_t>(std::lround(u * sinA + v * cosA))};
  };
  if (dotted) {
    const int32_t dots = std::clamp(static_cast<int32_t>(perimeter / DOT_SPACING), 4, 720);
    const int64_t pen = std::max<int64_t>(1, std::llround(scale));
    for (int32_t i = 0; i < dots; ++i) {
      const Point p = at(TWO_PI * i / dots);
      for (int64_t dy = 0; dy < pen; ++dy) {
        Line(Device(p.x), Device(p.y) + dy, Device(p.x) + pen, Device(p.y) + dy);
      }
    }
    return;
  }
  const int32_t steps = std::clamp(static_cast<int32_t>(perimeter / 2.0), 12, 720);
  std::vector<Point> points(static_cast<size_t>(steps) + 1);
  for (int32_t i = 0; i <= steps; ++i) points[static_cast<size_t>(i)] = at(TWO_PI * i / steps);
  Polyline(points.data(), steps + 1);
}

// Scanlines through the pixel centres, each filled between alternate crossings of the edges.
void ImageSurface::FillPolygon(const Point* points, const int32_t* counts, int32_t rings,
                               Color color) {
  // Each edge keeps its differences, so a row's crossing costs one product and one quotient.
  struct Edge {
    double x0, y0, y1, dx, dy;
  };
  std::vector<Edge> edges;
  double top = image.height();
  double bottom = 0.0;
  int64_t start = 0;
  for (int32_t r = 0; r < rings; ++r) {
    const int32_t count = counts[r];
    if (count <= 0) continue;
    for (int32_t i = 0; count >= 3 && i < count; ++i) {
      const Point& a = points[start + i];
      const Point& b = points[start + (i + 1) % count];
      if (a.y == b.y) continue;
      double x0 = static_cast<double>(a.x) * scale;
      double y0 = static_cast<double>(a.y) * scale;
      double x1 = static_cast<double>(b.x) * scale;
      double y1 = static_cast<double>(b.y) * scale;
      if (y0 > y1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
      }
      top = std::min(top, y0);
      bottom = std::max(bottom, y1);
      edges.push_back({x0, y0, y1, x1 - x0, y1 - y0});
    }
    start += count;
  }
  if (edges.empty()) return;
  const uint32_t pixel = ToPixel(color);
  const int32_t firstRow = std::max(0, static_cast<int32_t>(std::floor(top)));
  const int32_t lastRow = std::min(image.height(), static_cast<int32_t>(std::ceil(bottom)) + 1);
  if (firstRow >= lastRow) return;
  // Each edge joins the rows from the first whose centre it reaches: bucketed by that row
  // instead of sorted, since the crossings of a row are sorted anyway.
  const auto rows = static_cast<size_t>(lastRow - firstRow);
  std::vector<size_t> starts(rows + 1, 0);
  const auto rowOf = [&](const Edge& e) {
    const double row = std::ceil(e.y0 - 0.5);
    return static_cast<size_t>(std::clamp(row - firstRow, 0.0, static_cast<double>(rows)));
  };
  for (const Edge& e : edges) ++starts[rowOf(e)];
  size_t sum = 0;
  for (size_t& start : starts) {
    const size_t here = start;
    start = sum;
    sum += here;
  }
  std::vector<const Edge*> byRow(edges.size());
  {
    std::vector<size_t> next(starts.begin(), starts.end() - 1);
    for (const Edge& e : edges) {
      const size_t row = rowOf(e);
      if (row < rows) byRow[next[row]++] = &e;
    }
  }
  const double width = image.width();
  uchar* bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  std::vector<const Edge*> active;
  std::vector<double> crossings;
  for (int32_t row = firstRow; row < lastRow; ++row) {
    const double y = row + 0.5;
    const auto r = static_cast<size_t>(row - firstRow);
    for (size_t k = starts[r]; k < starts[r + 1]; ++k) active.push_back(byRow[k]);
    crossings.clear();
    for (size_t i = 0; i < active.size();) {
      const Edge& e = *active[i];
      if (e.y1 <= y) {
        active[i] = active.back();
        active.pop_back();
        continue;
      }
      crossings.push_back(e.x0 + (y - e.y0) * e.dx / e.dy);
      ++i;
    }
    std::sort(crossings.begin(), crossings.end());
    auto* line = reinterpret_cast<uint32_t*>(bits + row * stride);
    for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
      const double from = std::max(0.0, std::ceil(crossings[i] - 0.5));
      const double to = std::min(width, std::ceil(crossings[i + 1] - 0.5));
      if (from < to)
        FillPixels(line + static_cast<int64_t>(from), line + static_cast<int64_t>(to), pixel);
    }
  }
}

}  // namespace halvane
