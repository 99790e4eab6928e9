#include "CliOptions.h"

namespace {

ParsedCliOptions refused(const QString& error) { return {std::nullopt, error}; }

}  // namespace

ParsedCliOptions parseCliOptions(const QStringList& arguments) {
  CliOptions options;
  bool scriptGiven = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    QString argument = arguments[i];
    if (argument == u"--help" || argument == u"-h") return {};
    if (argument != u"-" && argument.startsWith(u'-')) {
      QString value;
      const qsizetype equals = argument.indexOf(u'=');
      if (equals > 0) {
        value = argument.mid(equals + 1);
        argument.truncate(equals);
      } else if (i + 1 < arguments.size()) {
        value = arguments[++i];
      } else {
        return refused(QStringLiteral("для параметра %1 не указано значение").arg(argument));
      }
      if (argument == u"--device") {
        const ParsedDeviceChoice device = parseDeviceChoice(value);
        if (!device.device) return refused(device.error);
        options.device = device.device;
      } else if (argument == u"--state" && !value.isEmpty()) {
        options.stateDir = value;
      } else {
        return refused(
            QStringLiteral("неизвестный параметр или пустое значение: %1").arg(argument));
      }
    } else if (scriptGiven) {
      return refused(QStringLiteral("сценарий может быть только один"));
    } else {
      options.script = argument;
      scriptGiven = true;
    }
  }
  const bool embedded = !options.device || std::holds_alternative<EmbeddedDevice>(*options.device);
  if (!options.stateDir.isEmpty() && !embedded)
    return refused(
        QStringLiteral("--state задаёт папку встроенной ККТ и с этим устройством не нужен"));
  return {options, {}};
}

QString cliUsage() {
  return QStringLiteral(
      "Использование: ferox-cli [--device embedded|tcp:АДРЕС:ПОРТ|serial:ПУТЬ[@СКОРОСТЬ]]\n"
      "                         [--state ПАПКА] [СЦЕНАРИЙ|-]\n"
      "\n"
      "Выполняет сценарий над драйвером ККТ, по команде в строке:\n"
      "  set ИМЯ ЗНАЧЕНИЕ      записать свойство (текст можно взять в двойные кавычки)\n"
      "  get ИМЯ               вывести ИМЯ=ЗНАЧЕНИЕ\n"
      "  call МЕТОД            вызвать метод, вывести МЕТОД: КОД ОПИСАНИЕ\n"
      "  expect ИМЯ ЗНАЧЕНИЕ   проверить значение свойства (по его типу: 246.9 = 246.9000)\n"
      "  expect-result КОД     проверить результат последнего вызова\n"
      "  # комментарий\n"
      "\n"
      "  --device   ККТ: встроенная виртуальная (embedded), по TCP или на последовательной\n"
      "             линии; по умолчанию подключение из настроек драйвера\n"
      "  --state    папка состояния встроенной виртуальной ККТ\n"
      "  СЦЕНАРИЙ   файл сценария; без него или \"-\" команды читаются со стандартного ввода\n"
      "             и выполняются сразу\n"
      "\n"
      "Код завершения: 0 все проверки выполнены, 1 проверка не выполнена,\n"
      "2 ошибка в сценарии или в параметрах.\n");
}
