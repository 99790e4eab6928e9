#pragma once

#include <QLineEdit>

// The main window's password box: it always shows the driver's Password and sends
// every change to it. Of the characters typed only digits reach it; pasting is checked before
// the box sees the text (at most 1024 characters, a decimal integer) and refused with a
// message otherwise, whether the paste comes from a shortcut, the context menu, the
// middle mouse button or a drop.
class TPasswordEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TPasswordEdit(QWidget* parent = nullptr);

  // Puts the driver's Password in the box without sending it back.
  void showDriverPassword();
  // Pastes the clipboard text after the checks above; throws FeroxError when refused.
  void pasteChecked(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void sendToDriver(const QString& text);
  void pasteFromClipboard(bool selection);
};
