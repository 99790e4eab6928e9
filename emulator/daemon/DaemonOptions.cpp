#include "DaemonOptions.h"

#include "LineSpeed.h"
#include "PortMap.h"
#include "TermiosSpeed.h"

#include <QRegularExpression>

namespace {

using Setter = bool (*)(DaemonOptions& options, const QString& value);

bool setState(DaemonOptions& options, const QString& value) {
  options.stateDir = value;
  return !value.isEmpty();
}

bool setTcp(DaemonOptions& options, const QString& value) {
  // Port 0 lets the system choose a free port; the daemon prints the one it got.
  const auto endpoint = parseHostPort(value, 0);
  if (endpoint) options.tcp = *endpoint;
  return endpoint.has_value();
}

bool setPseudoTerminal(DaemonOptions& options, const QString& value) {
  static const QRegularExpression comName(QStringLiteral("^COM(\\d+)$"),
                                          QRegularExpression::CaseInsensitiveOption);
  const auto line = parseLineWithSpeed(value);
  if (!line) return false;
  const auto match = comName.match(line->line);
  if (!match.hasMatch()) return false;
  PseudoTerminalOptions pty;
  pty.comNumber = match.captured(1).toInt();
  pty.lineSpeed = line->bitsPerSecond;
  if (pty.comNumber < MinComNumber || pty.comNumber > MaxComNumber) return false;
  if (pty.lineSpeed && !termiosSpeedOf(*pty.lineSpeed)) return false;
  options.pseudoTerminal = pty;
  return true;
}

bool setAnnounce(DaemonOptions& options, const QString& value) {
  const auto endpoint = parseHostWithOptionalPort(value, AnnouncementPort);
  if (endpoint) options.announce = *endpoint;
  return endpoint.has_value();
}

struct Option {
  const char* name;
  Setter set;
  const char* valueForm;
};

const Option options[] = {
    {"--state", setState, "папка"},
    {"--tcp", setTcp, "АДРЕС:ПОРТ"},
    {"--pty", setPseudoTerminal, "COMn[@СКОРОСТЬ]"},
    {"--announce", setAnnounce, "АДРЕС[:ПОРТ]"},
};

const Option* findOption(const QString& name) {
  for (const Option& option : options)
    if (name == QLatin1String(option.name)) return &option;
  return nullptr;
}

ParsedDaemonOptions refused(const QString& error) { return {std::nullopt, error}; }

}  // namespace

ParsedDaemonOptions parseDaemonOptions(const QStringList& arguments) {
  DaemonOptions parsed;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    QString name = arguments[i];
    if (name == u"--help" || name == u"-h") return {};
    QString value;
    const qsizetype equals = name.indexOf(u'=');
    if (name.startsWith(u"--") && equals > 0) {
      value = name.mid(equals + 1);
      name.truncate(equals);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else if (findOption(name)) {
      return refused(QStringLiteral("Для параметра %1 не указано значение").arg(name));
    }
    const Option* option = findOption(name);
    if (!option) return refused(QStringLiteral("Неизвестный параметр \"%1\"").arg(name));
    if (!option->set(parsed, value))
      return refused(QStringLiteral("Неверное значение параметра %1: \"%2\" (ожидается %3)")
                         .arg(name, value, QString::fromUtf8(option->valueForm)));
  }
  return {parsed, {}};
}

QString daemonUsage() {
  return QStringLiteral(
      "Использование: ferox-emulator [--state ПАПКА] [--tcp АДРЕС:ПОРТ] [--pty COMn[@СКОРОСТЬ]]\n"
      "                              [--announce АДРЕС[:ПОРТ]]\n"
      "\n"
      "Виртуальная ККТ для сети и последовательной линии.\n"
      "\n"
      "  --state ПАПКА            папка состояния ККТ (по умолчанию FEROX_REGISTER_STATE или\n"
      "                           папка данных пользователя)\n"
      "  --tcp АДРЕС:ПОРТ         где принимать подключения по TCP (по умолчанию\n"
      "                           127.0.0.1:7778; порт 0 выбирает свободный порт)\n"
      "  --pty COMn[@СКОРОСТЬ]    линия на псевдотерминале, записанная в карту портов как\n"
      "                           COMn; ККТ отвечает только на заданной скорости, без неё\n"
      "                           на своей (параметр обмена порта 0, с завода 115200)\n"
      "  --announce АДРЕС[:ПОРТ]  куда раз в секунду посылать объявление по UDP (по\n"
      "                           умолчанию 127.0.0.1:16327)\n"
      "\n"
      "Остановка: SIGTERM или Ctrl+C.\n");
}
