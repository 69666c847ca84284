// The application's own style but for one thing: standard icons are read when first drawn.
#pragma once

#include <QProxyStyle>

namespace halvane {

// Widgets ask their style for icons when they are made (a tool bar for the button that shows
// what does not fit), and reading an icon's file makes Qt load every image plugin to learn
// its format: a cost start-up need not pay for a button that mostly stays hidden.
class DeferredIconStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace halvane
