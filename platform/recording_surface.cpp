// The recording surface: one trace line per drawing operation.
#include "platform/recording_surface.h"

#include <algorithm>
#include <cstdio>

#include "platform/printable_text.h"

namespace halvane {

namespace {

std::string Hex(Color color) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02X%02X%02X", RedOf(color), GreenOf(color), BlueOf(color));
  return buffer;
}

const char* BrushName(StockBrush brush) {
  switch (brush) {
    case StockBrush::Black: return "black";
    case StockBrush::White: return "white";
    case StockBrush::Gray: return "gray";
  }
  return "black";
}

void AppendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// " X1 Y1 ... XN YN" after an operation's other fields.
void AppendPoints(std::string& line, const Point* points, int32_t count) {
  for (int32_t i = 0; i < count; ++i) {
    line += ' ';
    line += std::to_string(points[i].x);
    line += ' ';
    line += std::to_string(points[i].y);
  }
}

}  // namespace

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      AppendUtf8(0x10000 + ((char32_t{unit} - 0xD800) << 10) + (text[i + 1] - 0xDC00), out);
      ++i;
    } else if (high || low) {
      AppendUtf8(0xFFFD, out);
    } else {
      AppendUtf8(unit, out);
    }
  }
  return out;
}

RecordingSurface::RecordingSurface(Surface* forwardTo) : forward(forwardTo) {}

void RecordingSurface::FillRect(const Rect& rect, StockBrush brush) {
  lines.push_back("fill " + std::to_string(rect.left) + ' ' + std::to_string(rect.top) + ' ' +
                  std::to_string(rect.right) + ' ' + std::to_string(rect.bottom) + ' ' +
                  BrushName(brush));
  if (forward != nullptr) forward->FillRect(rect, brush);
}

void RecordingSurface::SelectPen(Color color) {
  lines.push_back("pen " + Hex(color));
  if (forward != nullptr) forward->SelectPen(color);
}

void RecordingSurface::SetTextColor(Color color) {
  lines.push_back("textcolor " + Hex(color));
  if (forward != nullptr) forward->SetTextColor(color);
}

void RecordingSurface::SetTransparentBackground() {
  lines.push_back("transparent");
  if (forward != nullptr) forward->SetTransparentBackground();
}

void RecordingSurface::Polyline(const Point* points, int32_t count) {
  std::string line = "polyline " + std::to_string(count);
  AppendPoints(line, points, count);
  lines.push_back(std::move(line));
  if (forward != nullptr) forward->Polyline(points, count);
}

void RecordingSurface::DrawText(std::u16string_view text, const Rect& rect, uint32_t flags) {
  std::string line = "text " + std::to_string(rect.left) + ' ' + std::to_string(rect.top) + ' ' +
                     std::to_string(rect.right) + ' ' + std::to_string(rect.bottom) + ' ' +
                     std::to_string(flags) + " \"";
  // Control characters and broken UTF-8 of a name never reach a terminal raw.
  for (const char c : PrintableText(ToUtf8(text))) {
    if (c == '"') line += '\\';
    line += c;
  }
  line += '"';
  lines.push_back(std::move(line));
  if (forward != nullptr) forward->DrawText(text, rect, flags);
}

void RecordingSurface::Blit(int32_t x, int32_t y, int32_t width, int32_t height,
                            const Bitmap& source, int32_t sourceX, int32_t sourceY, RasterOp op) {
  lines.push_back("blit " + std::to_string(x) + ' ' + std::to_string(y) + ' ' +
                  std::to_string(width) + ' ' + std::to_string(height) + ' ' +
                  std::to_string(sourceX) + ' ' + std::to_string(sourceY) + ' ' +
                  (op == RasterOp::Or ? "or" : "copy"));
  if (forward != nullptr) forward->Blit(x, y, width, height, source, sourceX, sourceY, op);
}

void RecordingSurface::FillArea(std::string_view kind, const Point* points, int32_t count,
                                Color color) {
  std::string line(kind);
  line += ' ' + Hex(color) + ' ' + std::to_string(count);
  AppendPoints(line, points, count);
  lines.push_back(std::move(line));
  if (forward != nullptr) forward->FillArea(kind, points, count, color);
}

TextSize RecordingSurface::MeasureText(std::u16string_view text) const {
  return forward != nullptr ? forward->MeasureText(text) : Surface::MeasureText(text);
}

void RecordingSurface::Note(std::string_view line) {
  lines.emplace_back(line);
  if (forward != nullptr) forward->Note(line);
}

void RecordingSurface::Ellipse(Point centre, int32_t radiusX, int32_t radiusY, int32_t angleDegrees,
                               bool dotted) {
  lines.push_back("ellipse " + std::to_string(centre.x) + ' ' + std::to_string(centre.y) + ' ' +
                  std::to_string(radiusX) + ' ' + std::to_string(radiusY) + ' ' +
                  std::to_string(angleDegrees) + (dotted ? " dotted" : " solid"));
  if (forward != nullptr) forward->Ellipse(centre, radiusX, radiusY, angleDegrees, dotted);
}

void RecordingSurface::FillPolygon(const Point* points, const int32_t* counts, int32_t rings,
                                   Color color) {
  std::string line = "polygon " + Hex(color) + ' ' + std::to_string(rings);
  int64_t total = 0;
  for (int32_t i = 0; i < rings; ++i) {
    line += ' ' + std::to_string(counts[i]);
    total += std::max(counts[i], 0);
  }
  for (int64_t i = 0; i < total; ++i) {
    line += ' ' + std::to_string(points[i].x) + ' ' + std::to_string(points[i].y);
  }
  lines.push_back(std::move(line));
  if (forward != nullptr) forward->FillPolygon(points, counts, rings, color);
}

}  // namespace halvane
