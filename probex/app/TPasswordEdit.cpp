#include "TPasswordEdit.h"

#include "ErrorReporter.h"
#include "FeroxError.h"
#include "FieldValues.h"
#include "TDriver.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalBlocker>

namespace {

constexpr int MaxPasswordLength = 100;
constexpr qsizetype MaxPastedLength = 1024;

bool isDecimalDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// A key that types a visible character, as opposed to editing keys (backspace, delete,
// arrows), tab and shortcuts, which all keep working.
bool typesText(const QKeyEvent& event) {
  const QString text = event.text();
  return !text.isEmpty() && text.at(0).isPrint() &&
         !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

}  // namespace

TPasswordEdit::TPasswordEdit(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(MaxPasswordLength);
  connect(this, &QLineEdit::textChanged, this,
          [this](const QString& text) { ErrorReporter::guard(this, [&] { sendToDriver(text); }); });
}

void TPasswordEdit::sendToDriver(const QString& text) {
  // An emptied box is a password being retyped: nothing to send yet, and leaving the
  // box shows the driver's password again.
  if (text.isEmpty()) return;
  Driver().setPassword(parseInteger(text));
}

void TPasswordEdit::showDriverPassword() {
  const QString password = QString::number(Driver().Password());
  const QSignalBlocker quiet(this);
  setText(password);
}

void TPasswordEdit::pasteChecked(const QString& text) {
  if (text.size() > MaxPastedLength)
    throw FeroxError(invalidFieldMessage(QStringLiteral("Password")));
  parseInteger(text);
  insert(text);
}

void TPasswordEdit::pasteFromClipboard(bool selection) {
  const QString text =
      QGuiApplication::clipboard()->text(selection ? QClipboard::Selection : QClipboard::Clipboard);
  ErrorReporter::guard(this, [&] { pasteChecked(text); });
}

void TPasswordEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    pasteFromClipboard(false);
    return;
  }
  if (typesText(*event) && !isDecimalDigit(event->text().at(0))) {
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TPasswordEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // A context menu takes the focus only for a moment; the box is not being left.
  if (event->reason() == Qt::PopupFocusReason) return;
  ErrorReporter::guard(this, [this] { showDriverPassword(); });
}

void TPasswordEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The standard paste command would insert unchecked text; it is rewired to the same
  // check as the keyboard's. It is known by the text the line edit itself gives it.
  const QString pasteText = QLineEdit::tr("&Paste");
  for (QAction* action : menu->actions()) {
    if (!action->text().startsWith(pasteText)) continue;
    action->setObjectName(QStringLiteral("edit-paste"));
    disconnect(action, &QAction::triggered, nullptr, nullptr);
    connect(action, &QAction::triggered, this, [this] { pasteFromClipboard(false); });
  }
  menu->popup(event->globalPos());
}

void TPasswordEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
    pasteFromClipboard(true);
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void TPasswordEdit::dropEvent(QDropEvent* event) {
  const QString text = event->mimeData()->text();
  event->setDropAction(Qt::IgnoreAction);
  event->accept();
  ErrorReporter::guard(this, [&] { pasteChecked(text); });
}
