#pragma once

#include <QDialog>

class QGridLayout;

// "О программе": the driver's product name, the versions of the driver and of this
// program, and the maker's web site. Fixed size, centred on the screen; OK, Enter and
// Escape close it.
class TfmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TfmAbout(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void addVersionRow(QGridLayout& layout, int row, const QString& caption, const QString& name);
};
