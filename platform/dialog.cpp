// Dialogs on QDialog: controls placed in dialog units from a template table, push buttons
// turned into command messages for the dialog procedure.
#include "platform/dialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QStringListModel>
#include <algorithm>
#include <cstddef>
#include <string_view>

#include "platform/dialog_page.h"
#include "platform/dialog_template.h"
#include "platform/finger_size.h"
#include "platform/native_window.h"
#include "platform/translate.h"

namespace halvane {

class DialogWindow : public QDialog {
 public:
  DialogWindow(QWidget* parent, DialogProcedure procedure, intptr_t creationData)
      : QDialog(parent), procedure(procedure), creationData(creationData) {}

  void SendCommand(uint16_t command, uint16_t notification = 0) {
    procedure(this, MESSAGE_COMMAND, MakeCommandParam(notification, command), 0);
  }
  DialogProcedure procedure;
  intptr_t creationData;

 protected:
  // Enter and Escape, the default button and the close button all become commands.
  void accept() override { SendCommand(DIALOG_OK); }
  void reject() override { SendCommand(DIALOG_CANCEL); }
};

namespace {

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// A template's text in the user's language.
QString Shown(const char* text) { return QString::fromStdString(Words::Tr(text)); }

// Pixels per dialog unit come from the font: a quarter of the average character width
// across, an eighth of the character height down.
struct DialogUnits {
  double x;
  double y;
  QRect Place(const DialogControl& c) const {
    return QRect(static_cast<int>(c.x * x), static_cast<int>(c.y * y),
                 static_cast<int>(c.width * x), static_cast<int>(c.height * y));
  }
};

// The height of an edit field or a button in the templates, dialog units.
constexpr double CONTROL_HEIGHT_UNITS = 14.0;
// A line of a label's text, dialog units.
constexpr int LINE_HEIGHT_UNITS = 8;

// On a narrow screen the rows stretch until a field or a button is a finger high.
DialogUnits UnitsFor(const QWidget& dialog) {
  const QFontMetrics metrics(dialog.font());
  const QString alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  const double averageWidth = metrics.horizontalAdvance(alphabet) / 52.0;
  double y = metrics.height() / 8.0;
  if (IsOnNarrowScreen(dialog)) y = std::max(y, FINGER_PIXELS / CONTROL_HEIGHT_UNITS);
  return {averageWidth / 4.0, y};
}

// Tells the procedure when the user leaves an edit field for another control of the dialog;
// a popup of the field's own or another window taking the focus does not count.
class LeaveWatcher : public QObject {
 public:
  LeaveWatcher(DialogWindow& dialog, QLineEdit& edit, uint16_t id)
      : QObject(&edit), dialog(dialog), id(id) {
    edit.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::FocusOut || !dialog.isVisible()) return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
      dialog.SendCommand(id, NOTIFY_EDIT_LEFT);
    }
    return false;
  }

 private:
  DialogWindow& dialog;
  const uint16_t id;
};

// A DigitsEdit's or NumberEdit's number, with one of the template's letters before or after it.
QRegularExpression NumberPattern(const DialogControl& control) {
  const QString number = control.kind == DialogControlKind::NumberEdit
                             ? QStringLiteral("[0-9]*[.,]?[0-9]*")
                             : QStringLiteral("[0-9]*");
  if (control.text[0] == '\0') return QRegularExpression(number);
  const QString letter = QLatin1Char('[') + QString::fromUtf8(control.text) + QLatin1Char(']');
  return QRegularExpression(QStringLiteral(" *(?:%1 *%2|%2 *%1?) *").arg(letter, number),
                            QRegularExpression::CaseInsensitiveOption);
}

// A one-line label too narrow for its words (a language longer than English) takes a smaller
// font, down to three fifths of its own, rather than losing their end.
void FitLabelText(QLabel& label) {
  constexpr double SMALLEST = 0.6;
  constexpr const char* OWN_SIZE = "halvaneOwnPointSize";
  if (label.wordWrap()) return;
  if (!label.property(OWN_SIZE).isValid()) label.setProperty(OWN_SIZE, label.font().pointSizeF());
  const double own = label.property(OWN_SIZE).toDouble();
  if (own <= 0.0) return;  // a font sized in pixels is left as it is
  QFont font = label.font();
  font.setPointSizeF(own);
  const int room = label.contentsRect().width();
  // Glyph widths do not scale exactly with the size: step down until the words fit.
  for (double scale = 1.0; scale >= SMALLEST; scale -= 0.03) {
    font.setPointSizeF(own * scale);
    if (room <= 0 || QFontMetrics(font).horizontalAdvance(label.text()) <= room) break;
  }
  label.setFont(font);
}

// Fits a label again whenever the page's layout changes its width.
class LabelFitter : public QObject {
 public:
  explicit LabelFitter(QObject* parent) : QObject(parent) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) FitLabelText(*static_cast<QLabel*>(watched));
    return false;
  }
};

QLineEdit* MakeEdit(DialogWindow& dialog, QWidget& page, const DialogControl& control) {
  auto* edit = new QLineEdit(&page);
  edit->setFrame(true);
  const bool number = control.kind == DialogControlKind::DigitsEdit ||
                      control.kind == DialogControlKind::NumberEdit;
  if (number) edit->setValidator(new QRegularExpressionValidator(NumberPattern(control), edit));
  if (control.kind == DialogControlKind::DigitsEdit) edit->setInputMethodHints(Qt::ImhDigitsOnly);
  if (control.kind == DialogControlKind::SignedEdit ||
      control.kind == DialogControlKind::NumberEdit) {
    edit->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
  }
  // Letters too: the keyboard only starts with its numbers.
  if (number && control.text[0] != '\0') edit->setInputMethodHints(Qt::ImhPreferNumbers);
  const auto id = static_cast<uint16_t>(control.id);
  QObject::connect(edit, &QLineEdit::textEdited, &dialog,
                   [&dialog, id] { dialog.SendCommand(id, NOTIFY_EDIT_CHANGED); });
  new LeaveWatcher(dialog, *edit, id);
  return edit;
}

// The control on page, its signals sent to dialog.
QWidget* MakeControl(DialogWindow& dialog, QWidget& page, const DialogControl& control) {
  switch (control.kind) {
    case DialogControlKind::GroupBox: return new QGroupBox(Shown(control.text), &page);
    case DialogControlKind::Label:
    case DialogControlKind::Heading: {
      auto* label = new QLabel(Shown(control.text), &page);
      label->setWordWrap(control.height >= 2 * LINE_HEIGHT_UNITS);
      if (control.kind == DialogControlKind::Heading) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
      }
      label->installEventFilter(new LabelFitter(label));
      return label;
    }
    case DialogControlKind::Edit:
    case DialogControlKind::DigitsEdit:
    case DialogControlKind::NumberEdit:
    case DialogControlKind::SignedEdit: return MakeEdit(dialog, page, control);
    case DialogControlKind::Choice: {
      auto* choice = new QComboBox(&page);
      choice->addItems(Shown(control.text).split(QLatin1Char('|')));
      FitRowsForFinger(*choice->view(), *choice);
      const auto id = static_cast<uint16_t>(control.id);
      QObject::connect(choice, &QComboBox::activated, &dialog,
                       [&dialog, id] { dialog.SendCommand(id, NOTIFY_CHOICE_CHANGED); });
      return choice;
    }
    case DialogControlKind::CheckBox: return new QCheckBox(Shown(control.text), &page);
    case DialogControlKind::DefaultButton:
    case DialogControlKind::Button: {
      auto* button = new QPushButton(Shown(control.text), &page);
      button->setDefault(control.kind == DialogControlKind::DefaultButton);
      button->setAutoDefault(control.kind == DialogControlKind::DefaultButton);
      const auto command = static_cast<uint16_t>(control.id);
      QObject::connect(button, &QPushButton::clicked, &dialog,
                       [&dialog, command] { dialog.SendCommand(command); });
      return button;
    }
  }
  return nullptr;
}

template <typename T>
T* Control(DialogHandle dialog, int controlId) {
  return dialog->findChild<T*>(QString::number(controlId));
}

}  // namespace

int RunDialog(int templateId, WindowHandle owner, DialogProcedure procedure,
              intptr_t creationData) {
  const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId);
  if (dialogTemplate == nullptr) return -1;
  DialogWindow dialog(owner, procedure, creationData);
  dialog.setWindowTitle(Shown(dialogTemplate->title));
  dialog.setModal(true);
  const DialogUnits units = UnitsFor(dialog);
  QWidget& page = MakeDialogPage(dialog);
  for (size_t i = 0; i < dialogTemplate->controlCount; ++i) {
    const DialogControl& control = dialogTemplate->controls[i];
    QWidget* widget = MakeControl(dialog, page, control);
    // Frames are named -1 and never looked up; the order of creation is the tab order.
    widget->setObjectName(QString::number(control.id));
    widget->setGeometry(units.Place(control));
  }
  FinishDialogPage(dialog, page,
                   QSize(static_cast<int>(dialogTemplate->width * units.x),
                         static_cast<int>(dialogTemplate->height * units.y)));
  procedure(&dialog, MESSAGE_INIT_DIALOG, 0, creationData);
  const int result = dialog.exec();
  // However the dialog ended, its procedure lets go of what it started.
  procedure(&dialog, MESSAGE_DESTROY, 0, 0);
  return result;
}

void EndDialog(DialogHandle dialog, int result) { dialog->done(result); }

intptr_t DialogCreationData(DialogHandle dialog) { return dialog->creationData; }

void ShowDialogMaximised(DialogHandle dialog) {
  const QScreen* screen = dialog->screen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  if (available.width() > dialog->width() && available.height() > dialog->height()) return;
  dialog->setMinimumSize(0, 0);
  dialog->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  dialog->setGeometry(available);
  // Maximised, not full screen: the title stays in sight.
  dialog->setWindowState(dialog->windowState() | Qt::WindowMaximized);
}

std::u16string GetDialogText(DialogHandle dialog, int controlId) {
  const QLineEdit* edit = Control<QLineEdit>(dialog, controlId);
  return edit == nullptr ? std::u16string() : edit->text().toStdU16String();
}

void SetDialogText(DialogHandle dialog, int controlId, std::u16string_view text) {
  if (QLabel* label = Control<QLabel>(dialog, controlId)) {
    label->setText(ToQString(text));
    FitLabelText(*label);
  }
  QLineEdit* edit = Control<QLineEdit>(dialog, controlId);
  if (edit == nullptr) return;
  edit->setText(ToQString(text));
}

int GetDialogChoice(DialogHandle dialog, int controlId) {
  const QComboBox* choice = Control<QComboBox>(dialog, controlId);
  return choice == nullptr ? -1 : choice->currentIndex();
}

void SetDialogChoice(DialogHandle dialog, int controlId, int index) {
  if (QComboBox* choice = Control<QComboBox>(dialog, controlId)) choice->setCurrentIndex(index);
}

void SetDialogChoices(DialogHandle dialog, int controlId,
                      const std::vector<std::u16string>& options) {
  QComboBox* choice = Control<QComboBox>(dialog, controlId);
  if (choice == nullptr) return;
  choice->clear();
  for (const std::u16string& option : options) choice->addItem(ToQString(option));
}

void FocusDialogControl(DialogHandle dialog, int controlId) {
  if (QWidget* control = Control<QWidget>(dialog, controlId)) control->setFocus();
}

bool IsDialogButtonChecked(DialogHandle dialog, int controlId) {
  const QAbstractButton* button = Control<QAbstractButton>(dialog, controlId);
  return button != nullptr && button->isChecked();
}

void CheckDialogButton(DialogHandle dialog, int controlId, bool checked) {
  if (QAbstractButton* button = Control<QAbstractButton>(dialog, controlId)) {
    button->setChecked(checked);
  }
}

void SetDialogCompletion(DialogHandle dialog, int controlId, CompletionSource complete) {
  QLineEdit* edit = Control<QLineEdit>(dialog, controlId);
  if (edit == nullptr) return;
  auto* model = new QStringListModel(edit);
  auto* completer = new QCompleter(model, edit);
  // The source has ranked and filtered already.
  completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer->setMaxVisibleItems(8);
  edit->setCompleter(completer);
  FitRowsForFinger(*completer->popup(), *edit);
  // A keyboard's guesses would hold back the letters the completions need.
  edit->setInputMethodHints(edit->inputMethodHints() | Qt::ImhNoPredictiveText);
  QObject::connect(
      edit, &QLineEdit::textEdited, edit,
      [model, completer, complete = std::move(complete)](const QString& text) {
        QStringList list;
        for (const std::u16string& item : complete(text.toStdU16String())) {
          list.push_back(QString::fromUtf16(item.data(), static_cast<qsizetype>(item.size())));
        }
        model->setStringList(list);
        completer->complete();
      });
  const auto command = static_cast<uint16_t>(controlId);
  QObject::connect(completer, qOverload<const QString&>(&QCompleter::activated), edit,
                   [dialog, edit, command](const QString& text) {
                     edit->setText(text);
                     dialog->procedure(dialog, MESSAGE_COMMAND,
                                       MakeCommandParam(NOTIFY_COMPLETION_CHOSEN, command), 0);
                   });
}

void OfferDialogCompletions(DialogHandle dialog, int controlId,
                            const std::vector<std::u16string>& items) {
  QLineEdit* edit = Control<QLineEdit>(dialog, controlId);
  QCompleter* completer = edit != nullptr ? edit->completer() : nullptr;
  auto* model =
      completer != nullptr ? qobject_cast<QStringListModel*>(completer->model()) : nullptr;
  if (model == nullptr) return;
  QStringList list;
  for (const std::u16string& item : items) list.push_back(ToQString(item));
  model->setStringList(list);
  edit->setFocus();
  completer->complete();
}

QDialog* DialogWidget(DialogHandle dialog) { return dialog; }

}  // namespace halvane
