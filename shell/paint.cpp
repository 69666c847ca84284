// The paint cycle: the last frame (or the splash) goes to the screen at once, a new frame is
// drawn into the back buffer when one was asked for, then the label and the navigation box go
// over the copy on the screen.
#include "shell/main_window.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "chart/caption_overlay.h"
#include "chart/label_overlay.h"
#include "platform/bitmaps.h"
#include "platform/finger_size.h"

namespace halvane {

namespace {

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

  const double scale = PixelRatio(hwnd);
  if (backBuffer == nullptr) {
    backBuffer = CreateOffscreenBuffer(width, height, scale);
    ShowSplash(screen, client);
  } else {
    screen.Blit(0, 0, width, height, backBuffer->GetBitmap(), 0, 0, RasterOp::Copy);
  }
  const NavigationBoxSize box = IsOnNarrowScreen(hwnd) ? NAV_BOX_FINGER : NAV_BOX_DESKTOP;
  if (backBuffer->Width() != width || backBuffer->Height() != height ||
      backBuffer->Scale() != scale || chart->GetProjection().GetViewRect() != client ||
      box != navigationBox.GetSize()) {
    // The window was resized or moved to another screen: chart, buffer and box follow in a
    // new frame.
    backBuffer = CreateOffscreenBuffer(width, height, scale);
    chart->SetViewRect(client);
    navigationBox.Place(client, box);
    needsRender = true;
  }

  const std::u16string caption = CaptionText();
  const Rect captionBand = CaptionBand(screen, caption, client);
  if (needsRender || captionBand != frameCaptionBand) {
    // Names keep clear of the caption and of the navigation box while it is shown.
    std::vector<Rect> keepOut;
    if (captionBand.right > captionBand.left) keepOut.push_back(captionBand);
    if (navigationBox.IsShown()) {
      const Point at = navigationBox.GetOrigin();
      const NavigationBoxSize size = navigationBox.GetSize();
      keepOut.push_back(Rect{at.x, at.y, at.x + size.width, at.y + size.height});
    }
    chart->SetLabelKeepOut(std::move(keepOut));
    frameCaptionBand = captionBand;
    needsRender = true;
  }

  if (needsRender) {
    chart->DrawFrame(backBuffer->GetSurface(), screen, moment);
    FollowSatellites();
    ++framesDrawn;
    needsRender = false;
    // A tap's label whose sky was moved out from under the information panel stays.
    label = std::exchange(labelAfterFrame, PickedLabel{});
    if (const std::u16string foundName = findPanel.TakeFoundName(); !foundName.empty()) {
      // Find's object sits at the chart's centre.
      label.x = client.left + width / 2;
      label.y = client.top + height / 2;
      std::copy_n(foundName.begin(), std::min<size_t>(foundName.size(), LABEL_NAME_UNITS - 1),
                  label.name);
    }
  }

  screen.Blit(0, 0, width, height, backBuffer->GetBitmap(), 0, 0, RasterOp::Copy);

  if (const std::optional<Point> marked = MarkedObjectPixel()) {
    DrawReticle(screen, marked->x, marked->y, client);
  }
  DrawLabelOverlay(screen, chart->InLanguage(label), client, chart->GetFrameNames(),
                   &chart->GetProjection());
  DrawCaptionOverlay(screen, caption, client);
  navigationBox.Draw(screen, extension.nightVision);
}

}  // namespace halvane
