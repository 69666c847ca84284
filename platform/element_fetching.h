// The part of the element downloads that uses Qt Network. It is built as a module of its own
// (halvane-download.so) and loaded at the first download, so that starting the program does
// not load Qt Network.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class QObject;

namespace halvane {

struct FetchRequest {
  std::string url;
  std::string userAgent;
  int64_t maxBytes = 0;
  int32_t stallMs = 0;  // no byte for this long ends the download
};

struct FetchResult {
  int32_t status = 0;  // the HTTP status; 0 when no answer came
  std::string body;    // the whole body of a 200 answer
  std::string error;   // empty exactly when body is whole
};

// Starts one GET in objects that are children of parent; finish is called once, directly.
// progress gets the bytes received so far and the announced size (-1 when unknown).
using StartElementFetchFunction = void (*)(const FetchRequest& request, QObject* parent,
                                           std::function<void(int64_t, int64_t)> progress,
                                           std::function<void(const FetchResult&)> finish);

constexpr char START_ELEMENT_FETCH[] = "HalvaneStartElementFetch";
constexpr char DOWNLOAD_MODULE[] = "halvane-download.so";

}  // namespace halvane
