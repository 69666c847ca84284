// The find field on QLineEdit and QCompleter; the completer shows the caller's list as it is.
// The strip is a dialog made a child widget of the window: Escape and done() close it as they
// would a dialog, but it has no window of its own.
#include "platform/find_field.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QDialog>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStringListModel>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

#include "platform/chart_overlay.h"
#include "platform/finger_size.h"
#include "platform/native_window.h"
#include "platform/night_vision.h"
#include "platform/translate.h"

namespace halvane {

namespace {

const char* const STRIP_NAME = "findStrip";
const char* const BAR_FIELD_NAME = "barFindText";
// The find field's width in the bar, from the letters it shows to twice as many.
constexpr int FIELD_LETTERS = 24;
// The least width of a window whose bar holds the find field.
constexpr int BAR_FIELD_WINDOW_WIDTH = 480;
// The text last tried by Enter or a completion; cleared by typing.
const char* const TRIED_PROPERTY = "halvaneTried";
// The name offered for the text refused last; cleared by typing.
const char* const MEANT_PROPERTY = "halvaneMeant";

QStringList ToStringList(const std::vector<std::u16string>& texts) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(texts.size()));
  for (const std::u16string& text : texts) {
    list.push_back(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
  }
  return list;
}

QToolButton* MakeToolButton(QWidget& parent, const char* name) {
  auto* button = new QToolButton(&parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  FollowNightVision(*button);
  FitForFinger(*button);
  return button;
}

void AddClearButton(QWidget& parent, QLineEdit& field, QBoxLayout& layout) {
  QToolButton* clear = MakeToolButton(parent, "findClear");
  clear->setIcon(parent.style()->standardIcon(QStyle::SP_LineEditClearButton));
  clear->setVisible(false);
  QObject::connect(&field, &QLineEdit::textChanged, clear,
                   [clear](const QString& text) { clear->setVisible(!text.isEmpty()); });
  QObject::connect(clear, &QToolButton::clicked, &field, [&field] {
    field.clear();
    field.setFocus();
  });
  layout.addWidget(clear);
}

// Completes field from complete; a chosen completion or Enter goes to accept, and done follows
// what it took. notFound shows while the text is one accept refused, offering what suggest
// thinks it meant.
void ConnectFind(QLineEdit& field, QLabel& notFound, const CompletionSource& complete,
                 const FindAcceptor& accept, const FindSuggestion& suggest,
                 const std::function<void()>& done) {
  // Names are not words: a keyboard's guesses would hold back the letters typed.
  field.setInputMethodHints(Qt::ImhNoPredictiveText);
  auto* model = new QStringListModel(&field);
  auto* completer = new QCompleter(model, &field);
  // The source has ranked and filtered already.
  completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer->setMaxVisibleItems(8);
  field.setCompleter(completer);
  FitRowsForFinger(*completer->popup(), field);
  notFound.hide();
  notFound.setTextFormat(Qt::RichText);
  const auto tryText = [&field, &notFound, accept, suggest, done](const QString& text) {
    field.setProperty(TRIED_PROPERTY, text);
    field.setProperty(MEANT_PROPERTY, QVariant());
    if (accept(text.toStdU16String())) {
      done();
      return;
    }
    const QString meant =
        suggest ? QString::fromStdU16String(suggest(text.toStdU16String())) : QString();
    if (!meant.isEmpty()) field.setProperty(MEANT_PROPERTY, meant);
    notFound.setText(
        meant.isEmpty()
            ? QString::fromStdString(Words::Tr("not found"))
            //: %1 is a name close to what was typed, made a link
            : QString::fromStdString(Words::Tr("Did you mean %1?"))
                  .arg(QStringLiteral("<a href=\"#\">%1</a>").arg(meant.toHtmlEscaped())));
    notFound.show();
  };
  QObject::connect(&notFound, &QLabel::linkActivated, &field,
                   [&field, tryText] { tryText(field.property(MEANT_PROPERTY).toString()); });
  QObject::connect(&field, &QLineEdit::textEdited, &field,
                   [&field, &notFound, model, completer, complete](const QString& text) {
                     field.setProperty(TRIED_PROPERTY, QVariant());
                     field.setProperty(MEANT_PROPERTY, QVariant());
                     notFound.hide();
                     model->setStringList(ToStringList(complete(text.toStdU16String())));
                     completer->complete();
                   });
  QObject::connect(completer, qOverload<const QString&>(&QCompleter::activated), &field, tryText);
  // The Enter that chose a completion reaches the field too: that text has its answer. Enter
  // after "Did you mean" takes the name offered.
  QObject::connect(&field, &QLineEdit::returnPressed, &field, [&field, tryText] {
    const QString meant = field.property(MEANT_PROPERTY).toString();
    if (!meant.isEmpty()) return tryText(meant);
    if (field.property(TRIED_PROPERTY).toString() != field.text()) tryText(field.text());
  });
}

QLabel* MakeNotFound(QWidget& parent, const char* name) {
  auto* notFound = new QLabel(QString::fromStdString(Words::Tr("not found")), &parent);
  notFound->setObjectName(QLatin1String(name));
  return notFound;
}

// Escape in the bar's field hands the keys back to the chart.
class EscapeToChart : public QObject {
 public:
  EscapeToChart(QLineEdit& field, QPointer<NativeWindow> window)
      : QObject(&field), window(std::move(window)) {
    field.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress ||
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape || window == nullptr) {
      return false;
    }
    window->chart->setFocus();
    return true;
  }

 private:
  QPointer<NativeWindow> window;
};

// Shows the bar's field off a phone's screen in a window wide enough for it beside the bar's
// buttons, following the window between screens and sizes.
class WideOnly : public QObject {
 public:
  WideOnly(QToolBar& bar, QAction& field) : QObject(&bar), field(field) {
    bar.installEventFilter(this);
    Apply(bar);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show || event->type() == QEvent::Resize ||
        event->type() == QEvent::ScreenChangeInternal) {
      Apply(*static_cast<QWidget*>(watched));
    }
    return false;
  }

 private:
  void Apply(const QWidget& bar) {
    field.setVisible(!IsOnNarrowScreen(bar) && bar.width() >= BAR_FIELD_WINDOW_WIDTH);
  }

  QAction& field;
};

QDialog* Strip(WindowHandle owner) {
  if (owner == nullptr) return nullptr;
  return owner->findChild<QDialog*>(QLatin1String(STRIP_NAME), Qt::FindDirectChildrenOnly);
}

}  // namespace

void ShowFindField(WindowHandle owner, const CompletionSource& complete, const FindAcceptor& accept,
                   const FindSuggestion& suggest) {
  if (owner == nullptr) return;
  if (QDialog* open = Strip(owner)) {
    open->findChild<QLineEdit*>(QStringLiteral("findText"))->setFocus();
    return;
  }
  auto* strip = new QDialog(owner);
  strip->setObjectName(QLatin1String(STRIP_NAME));
  strip->setAutoFillBackground(true);
  // The field's row, and under it the word when nothing was found, so that a suggestion is
  // never cut on a phone.
  auto* column = new QVBoxLayout(strip);
  auto* layout = new QHBoxLayout();
  column->addLayout(layout);
  auto* field = new QLineEdit(strip);
  field->setObjectName(QStringLiteral("findText"));
  field->setPlaceholderText(QString::fromStdString(Words::Tr("Find a star, planet or object")));
  FollowNightVision(*field);
  FitForFinger(*field);
  layout->addWidget(field, 1);
  if (IsOnNarrowScreen(*owner)) {
    // The field's own clear button is too small for a finger.
    AddClearButton(*strip, *field, *layout);
  } else {
    field->setClearButtonEnabled(true);
  }
  QLabel* notFound = MakeNotFound(*strip, "findNotFound");
  notFound->setWordWrap(true);
  QToolButton* close = MakeToolButton(*strip, "findClose");
  close->setText(QStringLiteral("\u2715"));
  close->setToolTip(QString::fromStdString(Words::Tr("Close")));
  layout->addWidget(close);
  column->addWidget(notFound);
  QObject::connect(close, &QToolButton::clicked, strip, &QDialog::reject);
  ConnectFind(*field, *notFound, complete, accept, suggest, [strip] { strip->accept(); });
  QPointer<NativeWindow> window(owner);
  QObject::connect(strip, &QDialog::finished, strip, [strip, window] {
    strip->deleteLater();
    if (window != nullptr && !window->destroyed) window->chart->setFocus();
  });
  ShowOverChart(owner, *strip, OverlayPlace::Top);
  field->setFocus();
}

void AddMenuBarFindField(MenuBarHandle bar, const CompletionSource& complete,
                         const FindAcceptor& accept, const FindSuggestion& suggest) {
  QPointer<NativeWindow> window(qobject_cast<NativeWindow*>(bar->parentWidget()));
  auto* box = new QWidget(bar);
  auto* layout = new QHBoxLayout(box);
  layout->setContentsMargins(4, 0, 0, 0);
  auto* field = new QLineEdit(box);
  field->setObjectName(QLatin1String(BAR_FIELD_NAME));
  field->setPlaceholderText(QString::fromStdString(Words::Tr("Find")));
  field->setClearButtonEnabled(true);
  // Tab never leads here: the keys are the chart's until the field is clicked or Find asks.
  field->setFocusPolicy(Qt::ClickFocus);
  const int letter = field->fontMetrics().horizontalAdvance(QLatin1Char('x'));
  field->setMinimumWidth(letter * FIELD_LETTERS);
  field->setMaximumWidth(letter * 2 * FIELD_LETTERS);
  layout->addWidget(field);
  QLabel* notFound = MakeNotFound(*box, "barFindNotFound");
  layout->addWidget(notFound);
  layout->addStretch(1);
  ConnectFind(*field, *notFound, complete, accept, suggest, [window] {
    if (window != nullptr && !window->destroyed) window->chart->setFocus();
  });
  new EscapeToChart(*field, window);
  new WideOnly(*bar, *bar->addWidget(box));
}

bool FocusMenuBarFindField(MenuBarHandle bar) {
  if (bar == nullptr) return false;
  auto* field = bar->findChild<QLineEdit*>(QLatin1String(BAR_FIELD_NAME));
  if (field == nullptr || !field->isVisible()) return false;
  field->setFocus(Qt::ShortcutFocusReason);
  field->selectAll();
  return true;
}

QDialog* RunningFindField() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* native = qobject_cast<NativeWindow*>(window);
    if (QDialog* strip = Strip(native); strip != nullptr && strip->isVisible()) return strip;
  }
  return nullptr;
}

}  // namespace halvane
