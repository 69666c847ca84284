// The paint cycle: the last frame (or the splash) goes to the screen at once, a new frame is
// drawn into the back buffer when one was asked for, then the label and the navigation box go
// over the copy on the screen.
#include "shell/main_window.h"

#include <algorithm>
#include <string_view>

#include "astro/sidereal_time.h"
#include "platform/bitmaps.h"

namespace halvane {

namespace {

constexpr Color LABEL_COLOR = MakeColor(127, 255, 127);

// The label's name up to its terminator, never past its 20 units.
std::u16string_view LabelName(const PickedLabel& label) {
  const char16_t* end = std::find(label.name, label.name + LABEL_NAME_UNITS, u'\0');
  return {label.name, static_cast<size_t>(end - label.name)};
}

void ShowSplash(Surface& screen, const Rect& client) {
  screen.FillRect(client, StockBrush::Black);
  const std::unique_ptr<Bitmap> splash = LoadBitmap(BitmapId::Splash);
  if (splash == nullptr) return;
  const int32_t w = splash->Width();
  const int32_t h = splash->Height();
  screen.Blit((client.right - w) / 2, (client.bottom - h) / 2, w, h, *splash, 0, 0, RasterOp::Copy);
}

}  // namespace

void MainWindow::OnDraw(Surface& screen) {
  ++paintsDone;
  const Rect client = ClientRect(hwnd);
  const int32_t width = client.Width();
  const int32_t height = client.Height();

  if (backBuffer == nullptr) {
    backBuffer = CreateOffscreenBuffer(width, height);
    ShowSplash(screen, client);
  } else {
    screen.Blit(0, 0, width, height, backBuffer->GetBitmap(), 0, 0, RasterOp::Copy);
  }
  if (backBuffer->Width() != width || backBuffer->Height() != height ||
      skyView->viewRect != client) {
    // The window was resized: chart, buffer and box follow the new size in a new frame.
    backBuffer = CreateOffscreenBuffer(width, height);
    skyView->SetViewRect(client);
    navBoxX = client.right - NAV_BOX_WIDTH;
    navBoxY = client.bottom - NAV_BOX_HEIGHT;
    needsRender = true;
  }

  if (needsRender) {
    RefreshSiderealAngle();
    skyView->DrawFrame(backBuffer->GetSurface(), screen, siderealAngle);
    ++framesDrawn;
    needsRender = false;
    label = PickedLabel{};
  }

  screen.Blit(0, 0, width, height, backBuffer->GetBitmap(), 0, 0, RasterOp::Copy);

  if (label.x != 0 && label.y != 0) {
    screen.SetTextColor(LABEL_COLOR);
    screen.SetTransparentBackground();
    screen.DrawText(LabelName(label), Rect{label.x, label.y, client.right, client.bottom},
                    TEXT_LEFT | TEXT_NOCLIP);
  }
  if (navBoxShown && navBoxBitmap != nullptr) {
    screen.Blit(navBoxX, navBoxY, NAV_BOX_WIDTH, NAV_BOX_HEIGHT, *navBoxBitmap, 0, 0,
                RasterOp::Copy);
  }
}

}  // namespace halvane
