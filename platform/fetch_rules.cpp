#include "platform/fetch_rules.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>

#include "platform/translate.h"

namespace halvane {

FetchState ReadFetchState(const std::string& path) {
  FetchState state;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string key;
    FetchTimes times;
    if (fields >> key >> times.lastAnswer >> times.backOffUntil) state[key] = times;
  }
  return state;
}

bool WriteFetchState(const std::string& path, const FetchState& state) {
  const std::string temporary = path + ".new";
  {
    std::ofstream out(temporary, std::ios::trunc);
    for (const auto& [key, times] : state)
      out << key << ' ' << times.lastAnswer << ' ' << times.backOffUntil << '\n';
    out.flush();
    if (!out) {
      std::remove(temporary.c_str());
      return false;
    }
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

std::string UtcTimeText(int64_t when, int64_t now) {
  const std::time_t whenTime = static_cast<std::time_t>(when);
  const std::time_t nowTime = static_cast<std::time_t>(now);
  std::tm at{};
  std::tm today{};
  gmtime_r(&whenTime, &at);
  gmtime_r(&nowTime, &today);
  char text[40];
  const bool sameDay = at.tm_yday == today.tm_yday && at.tm_year == today.tm_year;
  std::strftime(text, sizeof text, sameDay ? "%H:%M UTC" : "%Y-%m-%d %H:%M UTC", &at);
  return text;
}

std::string FetchRefusal(const FetchState& state, const std::string& key, int64_t now) {
  const auto found = state.find(key);
  if (found == state.end()) return {};
  const FetchTimes& times = found->second;
  if (now < times.backOffUntil) {
    //: %1 names the file, %2 a time
    return FillArgs(Words::Tr("%1 was refused by the server; not asked again before %2"),
                    {key, UtcTimeText(times.backOffUntil, now)});
  }
  if (now < times.lastAnswer + FETCH_MIN_INTERVAL_S && now >= times.lastAnswer) {
    //: %1 names the file, %2 a time
    return FillArgs(Words::Tr("%1 was fetched less than 2 hours ago; again after %2"),
                    {key, UtcTimeText(times.lastAnswer + FETCH_MIN_INTERVAL_S, now)});
  }
  return {};
}

namespace {

bool IsLoopbackHost(const std::string& host) {
  if (host == "localhost" || host == "[::1]") return true;
  unsigned a = 0, b = 0, c = 0, d = 0;
  char end = 0;
  return std::sscanf(host.c_str(), "%u.%u.%u.%u%c", &a, &b, &c, &d, &end) == 4 && a == 127 &&
         b < 256 && c < 256 && d < 256;
}

}  // namespace

std::string CheckedBaseUrl(const char* environmentValue, const std::string& defaultBase,
                           std::string& reason) {
  std::string base =
      environmentValue != nullptr && *environmentValue != '\0' ? environmentValue : defaultBase;
  while (!base.empty() && base.back() == '/') base.pop_back();
  constexpr char HTTPS[] = "https://";
  constexpr char HTTP[] = "http://";
  if (base.rfind(HTTPS, 0) == 0 && base.size() > sizeof HTTPS - 1) return base;
  if (base.rfind(HTTP, 0) == 0) {
    std::string host = base.substr(sizeof HTTP - 1);
    host = host.substr(0, host.find('/'));
    // The port goes, but not the colons of an IPv6 address.
    const size_t colon = host.rfind(':');
    if (colon != std::string::npos && host.find(']') == std::string::npos) host.resize(colon);
    if (colon != std::string::npos && host.back() != ']' && host.find(']') != std::string::npos)
      host.resize(host.find(']') + 1);
    if (IsLoopbackHost(host)) return base;
  }
  reason = "the elements address must be https (plain http only to this machine): " + base;
  return {};
}

}  // namespace halvane
