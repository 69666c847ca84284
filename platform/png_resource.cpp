#include "platform/png_resource.h"

#include <QImageReader>

namespace halvane {

QImage ReadPngResource(const QString& path) {
  QImageReader reader(path, "PNG");
  // Free to guess, the reader first loads every image plugin to ask whether it knows the
  // format, which costs start-up several milliseconds and a JPEG library.
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

}  // namespace halvane
