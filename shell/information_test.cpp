// The information panel and Tonight through real taps, keys and widgets, at a phone's size and
// a desktop's.
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <fstream>

#include "platform/info_panel.h"
#include "platform/tonight_list.h"
#include "shell/shell_test_support.h"
#include "tests/support/build_paths.h"

namespace halvane::test_support {
namespace {

class InformationTest : public ShellTest {
 public:
  void SetUp() override {
    ShellTest::SetUp();
    std::filesystem::copy_file(std::filesystem::path(BuildPath("Labels.dat")),
                               folder / "Labels.dat");
  }

  // Makes the chart width x height logical pixels.
  static void ResizeChart(int width, int height) {
    QWidget* window = TopLevelWidget(App()->hwnd);
    const QSize chart = Chart()->size();
    window->resize(window->width() + width - chart.width(),
                   window->height() + height - chart.height());
    Flush();
  }

  static QWidget* Panel() { return InfoPanelWidget(App()->hwnd); }
  static bool PanelShown() { return IsInfoPanelShown(App()->hwnd); }
  static QString PanelTitle() { return Panel()->findChild<QLabel*>("infoTitle")->text(); }
  static QString PanelBody() { return Panel()->findChild<QLabel*>("infoBody")->text(); }
};

TEST_F(InformationTest, PanelOpensOnATapAndClosesByEscapeATapElsewhereOrItsButtonOnAPhone) {
  MainWindow& w = Start();
  ResizeChart(360, 720);
  ASSERT_EQ(Chart()->width(), 360);
  EXPECT_EQ(Panel(), nullptr) << "nothing until a tap names an object";

  // Jupiter, turned to, sits at the centre; zoomed in, a tap in a corner names nothing.
  ASSERT_TRUE(w.AcceptFind(u"Jupiter"));
  w.Perform(Action::CloseInfo);
  for (int i = 0; i < 6; ++i) QTest::keyClick(Chart(), Qt::Key_Plus);
  Flush();
  Tap(180, 360);
  ASSERT_TRUE(PanelShown());
  EXPECT_EQ(PanelTitle(), "Jupiter");
  EXPECT_TRUE(PanelBody().startsWith("planet, magnitude -2.")) << PanelBody().toStdString();
  EXPECT_TRUE(PanelBody().contains("in Aries")) << PanelBody().toStdString();
  // A sheet along the bottom, the whole width, leaving the object above it.
  const Rect sheet = InfoPanelRect(w.hwnd);
  EXPECT_EQ(sheet.left, 0);
  EXPECT_EQ(sheet.right, 360);
  EXPECT_EQ(sheet.bottom, 720);
  EXPECT_LE(sheet.bottom - sheet.top, 720 * 45 / 100);
  EXPECT_LT(w.GetLabel().y, sheet.top);

  QTest::keyClick(Chart(), Qt::Key_Escape);
  EXPECT_FALSE(PanelShown());
  QTest::keyClick(Chart(), Qt::Key_I);
  ASSERT_TRUE(PanelShown()) << "I opens it again for the last named object";
  EXPECT_EQ(PanelTitle(), "Jupiter");
  Tap(8, 8);
  EXPECT_FALSE(PanelShown()) << "a tap that names nothing closes it";
  EXPECT_EQ(std::u16string(w.GetLabel().name), u"Jupiter") << "and keeps the label";
  Choose(COMMAND_OBJECT_INFO);
  ASSERT_TRUE(PanelShown());
  QTest::mouseClick(Panel()->findChild<QToolButton*>("infoClose"), Qt::LeftButton);
  EXPECT_FALSE(PanelShown());
  EXPECT_TRUE(Chart()->hasFocus() || !QApplication::focusWidget()) << "the chart keeps the keys";

  // A tap on an object under the sheet moves the sky so the object stays in sight.
  w.AcceptFind(u"Jupiter");
  w.Perform(Action::CloseInfo);
  for (int i = 0; i < 7; ++i) QTest::keyClick(Chart(), Qt::Key_Up);
  Flush();
  const int32_t sheetTop = sheet.top;
  int32_t y = sheetTop + 4;
  for (; y < 720; y += 4) {
    Tap(180, y);
    if (PanelShown()) break;
  }
  ASSERT_LT(y, 720) << "Jupiter is in the lower half";
  EXPECT_EQ(std::u16string(w.GetLabel().name), u"Jupiter");
  EXPECT_EQ(InfoPanelRect(w.hwnd).top, sheetTop);
  EXPECT_LT(w.GetLabel().y, InfoPanelRect(w.hwnd).top);
}

TEST_F(InformationTest, DesktopPanelBesideTheChartFindOpensItAndNightVisionIsRed) {
  MainWindow& w = Start();
  ResizeChart(1000, 700);
  QTest::keyClick(Chart(), Qt::Key_I);
  EXPECT_FALSE(PanelShown()) << "no object named yet";
  ASSERT_TRUE(w.AcceptFind(u"Sirius"));
  const Rect panel = InfoPanelRect(w.hwnd);
  EXPECT_GT(panel.left, 1000 / 2);
  EXPECT_LE(panel.right, 1000);
  EXPECT_LT(panel.bottom, 700);
  EXPECT_TRUE(PanelBody().contains("star, magnitude -1.4, in Canis Major"));
  const QString before = PanelBody();
  QTest::keyClick(Chart(), Qt::Key_BracketRight);
  EXPECT_NE(PanelBody(), before) << "an hour on, the panel tells of the new hour";
  EXPECT_TRUE(PanelBody().contains("Colour index B\u2212V 0.0"));

  QTest::keyClick(Chart(), Qt::Key_R);
  Flush();
  const QImage image = Panel()->grab().toImage();
  int lit = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      ASSERT_EQ(qGreen(p) | qBlue(p), 0) << x << "," << y;
      lit += qRed(p) > 0x80;
    }
  }
  EXPECT_GT(lit, 100) << "its text is readable red";
}

TEST_F(InformationTest, TonightListsTheEveningAndATapAimsTheChart) {
  MainWindow& w = Start();
  QStringList lines;
  QTimer::singleShot(0, [&] {
    QDialog* dialog = RunningTonightList();
    if (dialog == nullptr) return;
    auto* list = dialog->findChild<QListWidget*>("tonightList");
    for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text());
    const auto found = list->findItems("Jupiter", Qt::MatchStartsWith);
    if (found.isEmpty()) return dialog->reject();
    const QRect item = list->visualItemRect(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
  });
  QTest::keyClick(Chart(), Qt::Key_J);
  Flush();
  ASSERT_GE(lines.size(), 13);
  EXPECT_TRUE(lines[0].startsWith("Tonight in ")) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].startsWith("Sunset ")) << lines[1].toStdString();
  EXPECT_TRUE(lines.filter("Moon: ").size() == 1);
  EXPECT_TRUE(PanelShown());
  EXPECT_EQ(PanelTitle(), "Jupiter");
  double azimuth = 0.0, altitude = 0.0;
  w.GetChart().GetProjection().GetViewDirection(azimuth, altitude);
  EXPECT_LT(altitude, 1.4) << "turned from the zenith to Jupiter";
}

// A first start has no elements: Find's "Ceres" says how to fetch them. Once the cache holds
// them, Find turns to Ceres and its panel tells of the asteroid and of its old elements.
TEST_F(InformationTest, FindCeresAsksForElementsUntilTheyAreLoaded) {
  MainWindow& w = Start();
  ASSERT_TRUE(w.AcceptFind(u"Ceres"));
  EXPECT_EQ(PanelTitle(), "(1) Ceres");
  EXPECT_TRUE(PanelBody().contains("\"Update comets and asteroids\"")) << PanelBody().toStdString();

  // The MPC's line as quoted in python3-skyfield's tests (see catalog/minor_body_test.cpp).
  std::filesystem::create_directories(folder / "cache/halvane");
  std::ofstream(folder / "cache/halvane/minor-planets.txt")
      << "00001    3.4   0.15 K205V 162.68631   73.73161   80.28698   10.58862  0.0775571  "
         "0.21406009   2.7676569  0 MPO492748  6751 115 1801-2019 0.60 M-v 30h Williams   0000  "
         "    (1) Ceres              20190915\n";
  EXPECT_TRUE(w.LoadMinorBodies().empty());
  ASSERT_TRUE(w.AcceptFind(u"1"));
  EXPECT_EQ(PanelTitle(), "(1) Ceres");
  EXPECT_TRUE(PanelBody().startsWith("asteroid, magnitude ")) << PanelBody().toStdString();
  EXPECT_TRUE(PanelBody().contains("the place may be off by arcminutes"));
}

}  // namespace
}  // namespace halvane::test_support
