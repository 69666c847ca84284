#include "platform/deferred_icon_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <optional>

namespace halvane {

namespace {

// The base style's icon, asked for at the first use that needs its pictures.
class DeferredIconEngine : public QIconEngine {
 public:
  DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which, const QStyleOption* option)
      : style(style), which(which) {
    if (option != nullptr) this->option = *option;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return Icon().pixmap(size, scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

 private:
  const QIcon& Icon() {
    if (!icon) {
      icon = style.isNull() ? QIcon() : style->standardIcon(which, option ? &*option : nullptr);
    }
    return *icon;
  }

  QPointer<QStyle> style;
  QStyle::StandardPixmap which;
  std::optional<QStyleOption> option;  // the plain part, such as the writing direction
  std::optional<QIcon> icon;
};

}  // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
  // The answer may depend on the widget, which may be gone by the first drawing.
  if (widget != nullptr) return QProxyStyle::standardIcon(icon, option, widget);
  return QIcon(new DeferredIconEngine(baseStyle(), icon, option));
}

}  // namespace halvane
