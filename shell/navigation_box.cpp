#include "shell/navigation_box.h"

namespace halvane {

namespace {

constexpr int32_t COLUMNS = 3;
constexpr int32_t ROWS = 4;

// The button index along one axis of the box, or -1 on a dividing line, the outer edge or
// past the last button. All bounds are exclusive.
int32_t ButtonIndex(int32_t offset, int32_t count, int32_t pitch) {
  for (int32_t i = 0; i < count; ++i) {
    if (offset > i * pitch && offset < (i + 1) * pitch) return i;
  }
  return -1;
}

}  // namespace

void NavigationBox::Place(const Rect& client, const NavigationBoxSize& newSize) {
  size = newSize;
  x = client.right - size.width;
  y = client.bottom - size.height;
}

bool NavigationBox::Contains(int32_t px, int32_t py) const {
  return shown && x <= px && px <= x + size.width && y < py && py < y + size.height;
}

const ActionEntry* NavigationBox::ButtonAt(int32_t px, int32_t py) const {
  const int32_t column = ButtonIndex(px - x, COLUMNS, size.pitch);
  const int32_t row = ButtonIndex(py - y, ROWS, size.pitch);
  if (column < 0 || row < 0) return nullptr;
  return ActionOfBoxButton(column, row);
}

void NavigationBox::Draw(Surface& screen, bool night) {
  if (!shown) return;
  const BitmapId wanted = NavigationBoxPicture(size, night);
  if (wanted != picture || bitmap == nullptr) {
    picture = wanted;
    bitmap = LoadBitmap(picture);
  }
  if (bitmap != nullptr) screen.Blit(x, y, size.width, size.height, *bitmap, 0, 0, RasterOp::Copy);
}

}  // namespace halvane
