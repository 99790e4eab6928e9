#include "SettingsDialog.h"

#include "BaudRates.h"
#include "ControlSettings.h"
#include "LinkFactory.h"
#include "PortMap.h"
#include "ResultCodes.h"
#include "ShowSettingsDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>

#include <limits>
#include <map>

namespace {

constexpr int maxTimeoutMs = 600000;

QSpinBox* spinBox(const char* objectName, int minimum, int maximum, const QString& suffix = {}) {
  auto* box = new QSpinBox;
  box->setObjectName(QLatin1String(objectName));
  box->setRange(minimum, maximum);
  box->setSuffix(suffix);
  return box;
}

void selectData(QComboBox* box, int value) { box->setCurrentIndex(box->findData(value)); }

}  // namespace

FeroxSettingsDialog::FeroxSettingsDialog(const PropertyBag& properties, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("FeroxSettingsDialog"));
  setWindowTitle(QStringLiteral("Свойства драйвера Ferox"));
  buildFields();
  showValues(properties);
  updateEnabled();
}

void FeroxSettingsDialog::buildFields() {
  connectionType_ = new QComboBox;
  connectionType_->setObjectName(QStringLiteral("cbConnectionType"));
  connectionType_->addItem(QStringLiteral("Последовательный порт"), connection::Serial);
  connectionType_->addItem(QStringLiteral("TCP-сокет"), connection::Tcp);
  connectionType_->addItem(QStringLiteral("Встроенная виртуальная ККТ"), connection::Embedded);

  comNumber_ = new QComboBox;
  comNumber_->setObjectName(QStringLiteral("cbComNumber"));
  std::map<int, QString> mapped;
  for (const SerialPortEntry& entry : serialPortMap()) mapped[entry.comNumber] = entry.path;
  for (int number = MinComNumber; number <= MaxComNumber; ++number) {
    const auto path = mapped.find(number);
    comNumber_->addItem(path == mapped.end()
                            ? QStringLiteral("COM%1").arg(number)
                            : QStringLiteral("COM%1 (%2)").arg(number).arg(path->second),
                        number);
  }

  baudRate_ = new QComboBox;
  baudRate_->setObjectName(QStringLiteral("cbBaudRate"));
  for (int code = 0; code < int(baudRateTable.size()); ++code)
    baudRate_->addItem(QString::number(baudRateTable[std::size_t(code)]), code);

  computerName_ = new QLineEdit;
  computerName_->setObjectName(QStringLiteral("edtComputerName"));
  useIPAddress_ = new QCheckBox(QStringLiteral("Подключаться по IP-адресу"));
  useIPAddress_->setObjectName(QStringLiteral("chkUseIPAddress"));
  ipAddress_ = new QLineEdit;
  ipAddress_->setObjectName(QStringLiteral("edtIPAddress"));
  tcpPort_ = spinBox("seTCPPort", 1, 65535);
  const QString ms = QStringLiteral(" мс");
  timeout_ = spinBox("seTimeout", 0, maxTimeoutMs, ms);
  tcpConnectionTimeout_ = spinBox("seTCPConnectionTimeout", 0, maxTimeoutMs, ms);
  connectionTimeout_ = spinBox("seConnectionTimeout", 0, maxTimeoutMs, ms);
  password_ = spinBox("sePassword", 0, std::numeric_limits<int>::max());

  auto* form = new QFormLayout;
  auto addRow = [&](const QString& label, QWidget* field) {
    auto* caption = new QLabel(label);
    caption->setBuddy(field);
    form->addRow(caption, field);
  };
  addRow(QStringLiteral("&Тип подключения:"), connectionType_);
  addRow(QStringLiteral("&Порт:"), comNumber_);
  addRow(QStringLiteral("&Скорость:"), baudRate_);
  addRow(QStringLiteral("&Имя компьютера:"), computerName_);
  form->addRow(QString(), useIPAddress_);
  addRow(QStringLiteral("IP-&адрес:"), ipAddress_);
  addRow(QStringLiteral("TCP-п&орт:"), tcpPort_);
  addRow(QStringLiteral("Тай&маут ответа:"), timeout_);
  addRow(QStringLiteral("Таймаут &подключения TCP:"), tcpConnectionTimeout_);
  addRow(QStringLiteral("Таймаут о&жидания:"), connectionTimeout_);
  addRow(QStringLiteral("Паро&ль:"), password_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->setObjectName(QStringLiteral("buttonBox"));
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
  setLayout(form);

  connect(connectionType_, &QComboBox::currentIndexChanged, this,
          &FeroxSettingsDialog::updateEnabled);
  connect(useIPAddress_, &QCheckBox::toggled, this, &FeroxSettingsDialog::updateEnabled);
}

void FeroxSettingsDialog::showValues(const PropertyBag& properties) {
  selectData(connectionType_, properties.ConnectionType());
  selectData(comNumber_, properties.ComNumber());
  selectData(baudRate_, properties.BaudRate());
  computerName_->setText(properties.ComputerName());
  useIPAddress_->setChecked(properties.UseIPAddress());
  ipAddress_->setText(properties.IPAddress());
  tcpPort_->setValue(properties.TCPPort());
  timeout_->setValue(properties.Timeout());
  tcpConnectionTimeout_->setValue(properties.TCPConnectionTimeout());
  connectionTimeout_->setValue(properties.ConnectionTimeout());
  password_->setValue(properties.Password());
}

void FeroxSettingsDialog::updateEnabled() {
  const int type = connectionType_->currentData().toInt();
  const bool serial = type == connection::Serial;
  const bool tcp = type == connection::Tcp;
  comNumber_->setEnabled(serial);
  baudRate_->setEnabled(serial);
  useIPAddress_->setEnabled(tcp);
  computerName_->setEnabled(tcp && !useIPAddress_->isChecked());
  ipAddress_->setEnabled(tcp && useIPAddress_->isChecked());
  tcpPort_->setEnabled(tcp);
  tcpConnectionTimeout_->setEnabled(tcp);
}

void FeroxSettingsDialog::applyTo(PropertyBag& properties) const {
  // A value the dialog could not show (a connection type it does not offer, say) has no
  // selection and stays as it was.
  if (connectionType_->currentIndex() >= 0)
    properties.setConnectionType(connectionType_->currentData().toInt());
  if (comNumber_->currentIndex() >= 0) properties.setComNumber(comNumber_->currentData().toInt());
  if (baudRate_->currentIndex() >= 0) properties.setBaudRate(baudRate_->currentData().toInt());
  properties.setComputerName(computerName_->text().trimmed());
  properties.setUseIPAddress(useIPAddress_->isChecked());
  properties.setIPAddress(ipAddress_->text().trimmed());
  properties.setTCPPort(tcpPort_->value());
  properties.setTimeout(timeout_->value());
  properties.setTCPConnectionTimeout(tcpConnectionTimeout_->value());
  properties.setConnectionTimeout(connectionTimeout_->value());
  properties.setPassword(password_->value());
}

std::int32_t showSettingsDialog(PropertyBag& properties) {
  const auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (!application || QThread::currentThread() != application->thread())
    return result::NotSupported;
  FeroxSettingsDialog dialog(properties, QApplication::activeWindow());
  if (dialog.exec() != QDialog::Accepted) return result::Ok;
  dialog.applyTo(properties);
  saveControlSettings(properties);
  return result::Ok;
}
