// The part of the position source that uses Qt Positioning. It is built as a module of its
// own (halvane-position.so) and loaded at the first request, so that starting the program
// does not load Qt Positioning.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "platform/position_source.h"

class QObject;

namespace halvane {

// Starts reading Qt Positioning's default source (nmeaSource empty) or its NMEA plugin on
// nmeaSource, in objects that are children of parent. finish is called once, directly: with
// a fix, or with why there is none (also when no fix came within timeoutMs); the source has
// stopped by then.
using StartPositionReadingFunction = void (*)(const QString& nmeaSource, int32_t timeoutMs,
                                              QObject* parent,
                                              std::function<void(const PositionReading&)> finish);

// The module's one entry, found by this name.
constexpr char START_POSITION_READING[] = "HalvaneStartPositionReading";
constexpr char POSITION_MODULE[] = "halvane-position.so";

}  // namespace halvane
