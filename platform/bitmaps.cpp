// Loading the bitmap resources compiled in from resources/.
#include "platform/bitmaps.h"

#include <QImage>
#include <QString>

#include "platform/image_surface.h"
#include "platform/png_resource.h"
#include "platform/vector_state.h"

namespace halvane {

namespace {

QString ResourcePath(BitmapId id) {
  switch (id) {
    case BitmapId::StarSprites: return QStringLiteral(":/star_sprites.png");
    case BitmapId::Splash: return QStringLiteral(":/splash.png");
    case BitmapId::NavigationBox: return QStringLiteral(":/navigation_box.png");
    case BitmapId::Compass: return QStringLiteral(":/compass.png");
    case BitmapId::NavigationBoxNight: return QStringLiteral(":/navigation_box_night.png");
    case BitmapId::NavigationBoxFinger: return QStringLiteral(":/navigation_box_finger.png");
    case BitmapId::NavigationBoxFingerNight:
      return QStringLiteral(":/navigation_box_finger_night.png");
  }
  return {};
}

}  // namespace

std::unique_ptr<Bitmap> LoadBitmap(BitmapId id) {
  const QImage image = ReadPngResource(ResourcePath(id));
  ClearUpperVectorState();
  if (image.isNull()) return nullptr;
  return std::make_unique<ImageBitmap>(image);
}

}  // namespace halvane
