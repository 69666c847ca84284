// The panel is a frame child of the window, laid over the chart area and placed again when the
// chart's size changes; the palette (night vision's too) gives its colours.
#include "platform/info_panel.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/finger_size.h"
#include "platform/native_window.h"
#include "platform/translate.h"

namespace halvane {
namespace {

constexpr int PANEL_WIDTH = 300;  // beside the chart on a wide screen
constexpr int MARGIN = 8;
constexpr double SHEET_SHARE = 0.45;  // at most this part of a phone's chart

QString ToQString(const std::u16string& text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

class InfoPanel : public QFrame {
 public:
  explicit InfoPanel(NativeWindow& owner) : QFrame(&owner), owner(owner) {
    setObjectName(QStringLiteral("infoPanel"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    title = new QLabel(this);
    title->setObjectName(QStringLiteral("infoTitle"));
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    title->setFont(bold);
    title->setWordWrap(true);
    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("infoClose"));
    close->setText(QStringLiteral("\u2715"));
    close->setToolTip(QString::fromStdString(Words::Tr("Close")));
    close->setFocusPolicy(Qt::NoFocus);
    close->setAutoRaise(true);
    FitForFinger(*close);
    connect(close, &QToolButton::clicked, this, [this] { hide(); });
    top->addWidget(title, 1);
    top->addWidget(close, 0, Qt::AlignTop);
    layout->addLayout(top);
    body = new QLabel(this);
    body->setObjectName(QStringLiteral("infoBody"));
    body->setWordWrap(true);
    body->setTextFormat(Qt::PlainText);
    body->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(body, 1);
    owner.chart->installEventFilter(this);
  }

  void SetText(const std::u16string& heading, const std::vector<std::u16string>& lines) {
    title->setText(ToQString(heading));
    QStringList text;
    for (const std::u16string& line : lines) text.push_back(ToQString(line));
    body->setText(text.join(QLatin1Char('\n')));
  }

  void Place() {
    const QRect chart = owner.chart->geometry();
    if (chart.width() < NARROW_CHART_WIDTH) {
      const int height = std::min(
          heightForWidth(chart.width()) > 0 ? heightForWidth(chart.width()) : sizeHint().height(),
          static_cast<int>(chart.height() * SHEET_SHARE));
      setGeometry(chart.left(), chart.bottom() + 1 - height, chart.width(), height);
    } else {
      const int width = std::min(PANEL_WIDTH, chart.width() - 2 * MARGIN);
      const int height =
          std::min(heightForWidth(width) > 0 ? heightForWidth(width) : sizeHint().height(),
                   chart.height() - 2 * MARGIN);
      setGeometry(chart.right() + 1 - MARGIN - width, chart.top() + MARGIN, width, height);
    }
    raise();
  }

  // Client pixels of the chart area.
  Rect Covered() const {
    if (isHidden()) return {};
    const QRect r = geometry().translated(-owner.chart->geometry().topLeft());
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize && !isHidden()) Place();
    return QFrame::eventFilter(watched, event);
  }

 private:
  NativeWindow& owner;
  QLabel* title = nullptr;
  QLabel* body = nullptr;
};

InfoPanel* FindPanel(WindowHandle window) {
  if (window == nullptr) return nullptr;
  return window->findChild<InfoPanel*>(QStringLiteral("infoPanel"), Qt::FindDirectChildrenOnly);
}

}  // namespace

void ShowInfoPanel(WindowHandle window, const std::u16string& title,
                   const std::vector<std::u16string>& lines) {
  if (window == nullptr || window->chart == nullptr) return;
  InfoPanel* panel = FindPanel(window);
  if (panel == nullptr) panel = new InfoPanel(*window);
  panel->SetText(title, lines);
  panel->Place();
  panel->show();
}

void CloseInfoPanel(WindowHandle window) {
  if (InfoPanel* panel = FindPanel(window)) panel->hide();
}

bool IsInfoPanelShown(WindowHandle window) {
  const InfoPanel* panel = FindPanel(window);
  return panel != nullptr && !panel->isHidden();
}

Rect InfoPanelRect(WindowHandle window) {
  const InfoPanel* panel = FindPanel(window);
  return panel == nullptr ? Rect{} : panel->Covered();
}

QWidget* InfoPanelWidget(WindowHandle window) { return FindPanel(window); }

}  // namespace halvane
