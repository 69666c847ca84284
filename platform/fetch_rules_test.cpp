// Where downloads may go and how often: only https, or plain http to this machine; the state
// read back as written; a refusal and a recent fetch hold a file back for their time.
#include "platform/fetch_rules.h"

#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"

namespace halvane {
namespace {

using test_support::ScratchFolderTest;
using FetchRulesTest = ScratchFolderTest;

TEST_F(FetchRulesTest, AddressesStateAndWaits) {
  const struct {
    const char* url;
    bool allowed;
  } urls[] = {
      {"https://mirror.example/", true},
      {"http://127.0.0.1:8080", true},
      {"http://localhost/x", true},
      {"http://[::1]:9000/", true},
      {"http://example.org", false},
      {"http://127.0.0.1.example.org", false},
      {"http://user@127.0.0.1/", false},
      {"ftp://127.0.0.1/", false},
      {"https://", false},
  };
  for (const auto& u : urls) {
    std::string reason;
    EXPECT_EQ(!CheckedBaseUrl(u.url, "https://default.example", reason).empty(), u.allowed)
        << u.url;
  }
  std::string reason;
  EXPECT_EQ(CheckedBaseUrl(nullptr, "https://default.example/", reason), "https://default.example");

  const std::string path = (folder / FETCH_STATE_FILE).string();
  const int64_t now = 1'800'000'000;
  FetchState state;
  state["stations"] = {now - 3600, 0};
  state["comets"] = {now - 3600, now - 3600 + FETCH_BACK_OFF_S};
  state["visual"] = {now - FETCH_MIN_INTERVAL_S, 0};
  ASSERT_TRUE(WriteFetchState(path, state));
  const FetchState read = ReadFetchState(path);
  EXPECT_EQ(read.size(), 3u);
  EXPECT_EQ(FetchRefusal(read, "stations", now),
            "stations was fetched less than 2 hours ago; again after 09:00 UTC");
  EXPECT_NE(FetchRefusal(read, "comets", now).find("refused by the server"), std::string::npos);
  EXPECT_EQ(FetchRefusal(read, "visual", now), "");
  EXPECT_EQ(FetchRefusal(read, "minor-planets", now), "");
}

}  // namespace
}  // namespace halvane
