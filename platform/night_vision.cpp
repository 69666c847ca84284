// Night vision on Qt: a pixel pass, a palette of reds, and a style sheet for what the palette
// does not reach (the style's own light edges), plus an effect for the bar's picture buttons.
#include "platform/night_vision.h"

#include <QApplication>
#include <QGraphicsEffect>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QVariant>
#include <algorithm>

#include "platform/native_window.h"

namespace halvane {

namespace {

// The application's property that holds the day's palette while night vision is on: the
// state lives on the application whose palette it changes.
const char* const DAY_PALETTE = "halvaneDayPalette";

QPalette NightPalette() {
  const QColor black(0, 0, 0);
  const QColor dark(0x40, 0, 0);
  const QColor mid(0x80, 0, 0);
  const QColor red(0xFF, 0, 0);
  QPalette palette;
  for (const QPalette::ColorGroup group :
       {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const QColor text = group == QPalette::Disabled ? mid : red;
    palette.setColor(group, QPalette::Window, black);
    palette.setColor(group, QPalette::WindowText, text);
    palette.setColor(group, QPalette::Base, black);
    palette.setColor(group, QPalette::AlternateBase, dark);
    palette.setColor(group, QPalette::Text, text);
    palette.setColor(group, QPalette::Button, black);
    palette.setColor(group, QPalette::ButtonText, text);
    palette.setColor(group, QPalette::BrightText, red);
    palette.setColor(group, QPalette::Highlight, mid);
    palette.setColor(group, QPalette::HighlightedText, black);
    palette.setColor(group, QPalette::ToolTipBase, black);
    palette.setColor(group, QPalette::ToolTipText, red);
    palette.setColor(group, QPalette::PlaceholderText, mid);
    palette.setColor(group, QPalette::Light, mid);
    palette.setColor(group, QPalette::Midlight, dark);
    palette.setColor(group, QPalette::Mid, dark);
    palette.setColor(group, QPalette::Dark, dark);
    palette.setColor(group, QPalette::Shadow, black);
    palette.setColor(group, QPalette::Link, red);
    palette.setColor(group, QPalette::LinkVisited, mid);
  }
  return palette;
}

// Drawn by the sheet instead of the style, whose bevels mix in white and grey.
constexpr char NIGHT_STYLE_SHEET[] = R"(
* { color: #ff0000; background-color: #000000; selection-color: #000000;
    selection-background-color: #800000; }
QLineEdit { border: 1px solid #800000; padding: 1px; }
QPushButton, QToolButton { border: 1px solid #800000; padding: 2px 6px; }
QPushButton:pressed, QToolButton:pressed, QToolButton:checked { background-color: #400000; }
QCheckBox::indicator { width: 10px; height: 10px; border: 1px solid #ff0000; }
QCheckBox::indicator:checked { background-color: #ff0000; }
QComboBox { border: 1px solid #800000; padding: 1px 4px; }
QComboBox::drop-down { border: none; width: 0px; }
QComboBox QAbstractItemView { border: 1px solid #800000; }
QGroupBox { border: 1px solid #800000; margin-top: 6px; }
QGroupBox::title { subcontrol-origin: margin; left: 6px; }
QMenu { border: 1px solid #800000; }
QMenu::item { padding: 2px 16px 2px 20px; }
QMenu::item:selected { background-color: #800000; color: #000000; }
QMenu::separator { height: 1px; background: #800000; margin: 2px 4px; }
QMenu::indicator { width: 10px; height: 10px; left: 4px; }
QMenu::indicator:checked { background-color: #ff0000; }
QMenu::right-arrow { width: 0px; }
QToolBar { border: none; }
QScrollBar { border: none; background-color: #000000; }
QScrollBar:vertical { width: 8px; }
QScrollBar:horizontal { height: 8px; }
QScrollBar::handle { background-color: #400000; border: 1px solid #800000; }
QScrollBar::handle:vertical { min-height: 20px; }
QScrollBar::handle:horizontal { min-width: 20px; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; border: none; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }
QAbstractScrollArea::corner { background-color: #000000; }
QToolTip { border: 1px solid #800000; }
)";

// Picture buttons go through the pixel pass as they are drawn.
class NightEffect : public QGraphicsEffect {
 protected:
  void draw(QPainter* painter) override {
    QPoint offset;
    const QPixmap source = sourcePixmap(Qt::DeviceCoordinates, &offset);
    QImage image = source.toImage().convertToFormat(QImage::Format_ARGB32);
    ToNightVision(image);
    painter->save();
    painter->setWorldTransform(QTransform());
    painter->drawImage(offset, image);
    painter->restore();
  }
};

}  // namespace

void ToNightVision(QImage& image) {
  if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32 &&
      image.format() != QImage::Format_ARGB32_Premultiplied) {
    image = image.convertToFormat(QImage::Format_ARGB32);
  }
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = row[x];
      const int value = std::max({qRed(p), qGreen(p), qBlue(p)});
      row[x] = qRgba(value, 0, 0, qAlpha(p));
    }
  }
}

bool IsNightVisionOn() {
  const QCoreApplication* application = QCoreApplication::instance();
  return application != nullptr && application->property(DAY_PALETTE).isValid();
}

void FollowNightVision(QWidget& widget) {
  if (IsNightVisionOn()) widget.setGraphicsEffect(new NightEffect);
}

void SetNightVision(WindowHandle window, bool on) {
  auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (application == nullptr || on == IsNightVisionOn()) return;
  if (on) {
    application->setProperty(DAY_PALETTE, QVariant::fromValue(QApplication::palette()));
    QApplication::setPalette(NightPalette());
    application->setStyleSheet(QString::fromLatin1(NIGHT_STYLE_SHEET));
  } else {
    application->setStyleSheet(QString());
    QApplication::setPalette(application->property(DAY_PALETTE).value<QPalette>());
    application->setProperty(DAY_PALETTE, QVariant());
  }
  if (window == nullptr) return;
  if (QWidget* bar = window->BottomBar()) bar->setGraphicsEffect(on ? new NightEffect : nullptr);
  window->Invalidate();
}

}  // namespace halvane
