// Settings through the running window: absurd stored values never reach the chart, and a save
// that fails is told in a box that offers to try again.
#include <sys/resource.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "shell/shell_test_support.h"

namespace halvane::test_support {
namespace {

class SettingsSafetyTest : public ShellTest {
 protected:
  // Stops the app, answering every message box that appears with answer(box); returns the
  // texts of the boxes seen.
  std::vector<std::string> StopAnswering(const std::function<QString()>& answer) {
    std::vector<std::string> texts;
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible()) return;
      texts.push_back(box->text().toStdString());
      const QString button = answer();
      for (QAbstractButton* candidate : box->buttons()) {
        if (candidate->text().remove('&') == button) QTest::mouseClick(candidate, Qt::LeftButton);
      }
    });
    watcher.start();
    Stop();
    return texts;
  }
};

// Each absurd value's fallback is config_file_test.cpp's; here the window draws and saves back
// what was checked, and a window remembered at one pixel opens at the chart's least size.
TEST_F(SettingsSafetyTest, AbsurdStoredValuesAreDrawnAndSavedAsChecked) {
  ConfigRecord stored;
  stored.longitude = 270.0;
  stored.latitude = 1000.0;
  stored.layerFlags = 6;
  stored.useSystemTime = 0;
  stored.observationTime = {2024, 13, 0, 40, 25, 0, 0, 0};  // no real date
  ConfigExtension extension;
  extension.window = {true, false, 10, 10, 1, 1};
  ASSERT_TRUE(SaveConfig(ConfigPath(), stored, extension));

  MainWindow& w = Start();
  const double defaultLatitude = DmsToDegrees(49, 41, 49);
  EXPECT_EQ(w.GetObserver().GetLongitude(), -90.0);
  EXPECT_EQ(w.GetObserver().GetLatitude(), defaultLatitude);
  EXPECT_EQ(w.GetConfig().useSystemTime, 1) << "the clock instead of a date that is none";
  const Rect chart = ClientRect(w.hwnd);
  EXPECT_GE(chart.Width(), MIN_CHART_WIDTH);
  EXPECT_GE(chart.Height(), MIN_CHART_HEIGHT);
  Stop();

  const std::vector<uint8_t> saved = ReadFile(ConfigPath());
  ASSERT_GE(saved.size(), 48u);
  EXPECT_EQ(ReadF64(saved.data() + 12), -90.0);
  EXPECT_EQ(ReadF64(saved.data() + 20), defaultLatitude);
  ConfigExtension reloaded;
  ASSERT_TRUE(LoadConfigExtension(ConfigPath(), reloaded));
  EXPECT_GE(reloaded.window.width, MIN_CHART_WIDTH);
}

TEST_F(SettingsSafetyTest, AFailedSaveIsToldOnceAndCanBeRetried) {
  // A folder that cannot take the file: Config.dat is a folder with something in it (root
  // writes through permissions, so a read-only folder would not stop this test's saves).
  Start();
  std::filesystem::create_directories(ConfigPath() + "/inside");
  std::vector<std::string> texts = StopAnswering([&] {
    std::filesystem::remove_all(ConfigPath());
    return QStringLiteral("Retry");
  });
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_NE(texts[0].find(ConfigPath()), std::string::npos) << texts[0];
  EXPECT_NE(texts[0].find("Is a directory"), std::string::npos) << texts[0];
  ConfigRecord saved;
  EXPECT_TRUE(LoadConfig(ConfigPath(), saved)) << "the retry saved the settings";

  // A full disk, as a file-size limit gives it, and the user gives up: nothing is written,
  // nothing is left behind.
  Start();
  const auto before = std::filesystem::last_write_time(ConfigPath());
  rlimit limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
  const rlimit saveLimit = limit;
  limit.rlim_cur = 16;
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
  texts = StopAnswering([] { return QStringLiteral("Close without saving"); });
  ::setrlimit(RLIMIT_FSIZE, &saveLimit);
  std::signal(SIGXFSZ, oldHandler);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_NE(texts[0].find("File too large"), std::string::npos) << texts[0];
  EXPECT_EQ(std::filesystem::last_write_time(ConfigPath()), before);
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    files += entry.path().filename().string().starts_with("Config.dat.");
  }
  EXPECT_EQ(files, 0) << "the temporary file went with the failure";

  // A save that works says nothing.
  Start();
  texts = StopAnswering([] { return QStringLiteral("Close without saving"); });
  EXPECT_TRUE(texts.empty());
}

}  // namespace
}  // namespace halvane::test_support
