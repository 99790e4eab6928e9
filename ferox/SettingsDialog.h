#pragma once

#include "PropertyBag.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

// The control's settings dialog: connection type, serial port and baud rate, TCP host and
// port, time-outs, password. It edits a copy; applyTo hands the values over.
class FeroxSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FeroxSettingsDialog(const PropertyBag& properties, QWidget* parent = nullptr);

  void applyTo(PropertyBag& properties) const;

 private:
  void buildFields();
  void showValues(const PropertyBag& properties);
  void updateEnabled();

  QComboBox* connectionType_ = nullptr;
  QComboBox* comNumber_ = nullptr;
  QComboBox* baudRate_ = nullptr;
  QLineEdit* computerName_ = nullptr;
  QCheckBox* useIPAddress_ = nullptr;
  QLineEdit* ipAddress_ = nullptr;
  QSpinBox* tcpPort_ = nullptr;
  QSpinBox* timeout_ = nullptr;
  QSpinBox* tcpConnectionTimeout_ = nullptr;
  QSpinBox* connectionTimeout_ = nullptr;
  QSpinBox* password_ = nullptr;
};
