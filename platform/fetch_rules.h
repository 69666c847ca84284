// The rules every element download keeps, whatever the server: where it may go, how often a
// file may be asked for, and how long a refusal keeps us away.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace halvane {

// A file is asked for at most once in this time; after an answer other than 200, not again
// for the back-off.
constexpr int64_t FETCH_MIN_INTERVAL_S = 2 * 3600;
constexpr int64_t FETCH_BACK_OFF_S = 24 * 3600;
// "Update weekly" fetches again once this time has passed since the last update.
constexpr int64_t WEEKLY_UPDATE_S = 7 * 24 * 3600;
constexpr int64_t FETCH_MAX_BYTES = 8 * 1024 * 1024;
// No byte for this long is a stalled server.
constexpr int32_t FETCH_STALL_MS = 30000;
// The file of the cache folder that remembers the last fetches.
constexpr char FETCH_STATE_FILE[] = "fetch-state";

// When each file (by its key: "stations", "comets") was last answered, and until when a
// refusal keeps it back. Unix seconds.
struct FetchTimes {
  int64_t lastAnswer = 0;
  int64_t backOffUntil = 0;
};
using FetchState = std::map<std::string, FetchTimes>;

// Lines "key lastAnswer backOffUntil"; a missing or damaged file gives what could be read.
FetchState ReadFetchState(const std::string& path);
// Written to a temporary file and renamed over path. Returns whether it succeeded.
bool WriteFetchState(const std::string& path, const FetchState& state);

// Empty when key may be fetched at now, otherwise why not ("... again after 21:15 UTC").
std::string FetchRefusal(const FetchState& state, const std::string& key, int64_t now);

// The base of every download: HALVANE_ELEMENTS_URL's value when set, else defaultBase.
// Empty, with reason, when it is neither https nor plain http to this machine (localhost,
// 127.x.x.x, [::1]). The trailing '/' is dropped.
std::string CheckedBaseUrl(const char* environmentValue, const std::string& defaultBase,
                           std::string& reason);

// "21:15 UTC" of a Unix time, with the date when it is not today's.
std::string UtcTimeText(int64_t when, int64_t now);

}  // namespace halvane
