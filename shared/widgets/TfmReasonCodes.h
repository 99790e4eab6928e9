#pragma once

#include "ChangeReasons.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QScrollArea;

// The change-reason dialog both programs share: one check box per reason in a scrolling
// box, each box carrying its bit number as its tag. The caller passes its set to
// SetCode, shows the dialog modally and reads GetCode back only on the OK result; any
// other close leaves the caller's set as it was.
class TfmReasonCodes : public QDialog {
  Q_OBJECT

 public:
  explicit TfmReasonCodes(QWidget* parent = nullptr);

  // For every bit 0 to 31, the first box whose tag is that bit is checked when the bit
  // is set and unchecked otherwise; bits without a box are ignored.
  void SetCode(ChangeReasonSet code);
  // The bits given by the tags of the checked boxes.
  ChangeReasonSet GetCode() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void addReason(const ChangeReason& reason, QWidget* box);
  QWidget* createButtonPanel();
  // The boxes of the scrolling box, in table order.
  QList<QCheckBox*> reasonBoxes() const;
  bool scrollByWheel(QEvent* event);

  QScrollArea* FScrollBox;
};
