#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

// A titled group of mutually exclusive choices, one radio button per item, selected by
// index (-1: none). Forms keep its ItemIndex between runs as one value.
class TRadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  TRadioGroup(const QString& title, const QStringList& items, QWidget* parent = nullptr);

  int count() const;
  int ItemIndex() const;
  // An index outside -1 .. count() - 1 is ignored.
  void setItemIndex(int index);

 signals:
  // Emitted whenever the selection changes, by the user or by setItemIndex.
  void itemIndexChanged(int index);

 private:
  QButtonGroup* FButtons;
};
