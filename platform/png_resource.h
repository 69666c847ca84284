// Reads the program's PNG resources with Qt's own decoder.
#pragma once

#include <QImage>
#include <QString>

namespace halvane {

// The image of a PNG resource such as ":/icon.png"; null when it cannot be read.
QImage ReadPngResource(const QString& path);

}  // namespace halvane
