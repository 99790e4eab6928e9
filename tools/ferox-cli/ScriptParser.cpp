#include "ScriptParser.h"

#include "ValueText.h"

#include <optional>

namespace script {
namespace {

ParsedLine failure(const QString& error) { return {Nothing{}, error}; }

QString quoted(QStringView text) { return u'"' + text.toString() + u'"'; }

// The first word of the text and what follows it.
std::pair<QStringView, QStringView> splitWord(QStringView text) {
  text = text.trimmed();
  qsizetype end = 0;
  while (end < text.size() && !text[end].isSpace()) ++end;
  return {text.first(end), text.sliced(end).trimmed()};
}

struct ValueText {
  std::optional<QString> text;
  QString error;
};

// A quoted value ends at its closing quote; an unquoted one is the rest of the line.
ValueText readValue(QStringView rest) {
  if (!rest.startsWith(u'"')) return {rest.toString(), {}};
  QString value;
  for (qsizetype i = 1; i < rest.size(); ++i) {
    const QChar c = rest[i];
    if (c == u'\\' && i + 1 < rest.size() && (rest[i + 1] == u'"' || rest[i + 1] == u'\\')) {
      value += rest[++i];
    } else if (c == u'"') {
      if (!rest.sliced(i + 1).trimmed().isEmpty())
        return {std::nullopt, QStringLiteral("лишний текст после закрывающей кавычки")};
      return {value, {}};
    } else {
      value += c;
    }
  }
  return {std::nullopt, QStringLiteral("нет закрывающей кавычки")};
}

struct NamedProperty {
  const PropertyInfo* property = nullptr;
  QString error;
};

NamedProperty findNamedProperty(QStringView name) {
  if (name.isEmpty()) return {nullptr, QStringLiteral("не указано имя свойства")};
  const QByteArray latin = name.toLatin1();
  const PropertyInfo* property = findProperty(std::string_view(latin.constData(), latin.size()));
  if (!property) return {nullptr, QStringLiteral("неизвестное свойство %1").arg(quoted(name))};
  return {property, {}};
}

QString badValue(const QString& value, const PropertyInfo& property) {
  return QStringLiteral("значение %1 не подходит для свойства %2 (%3)")
      .arg(quoted(value), nameText(property.name), typeDescription(property.type));
}

// The property and the value text of set and expect.
struct Assignment {
  const PropertyInfo* property = nullptr;
  QString value;
  QString error;
};

Assignment readAssignment(QStringView rest) {
  const auto [name, valuePart] = splitWord(rest);
  const NamedProperty named = findNamedProperty(name);
  if (!named.property) return {nullptr, {}, named.error};
  if (valuePart.isEmpty())
    return {nullptr, {}, QStringLiteral("не указано значение свойства %1").arg(name)};
  const ValueText value = readValue(valuePart);
  if (!value.text) return {nullptr, {}, value.error};
  return {named.property, *value.text, {}};
}

ParsedLine parseSet(QStringView rest) {
  const Assignment assignment = readAssignment(rest);
  if (!assignment.property) return failure(assignment.error);
  const PropertyInfo& property = *assignment.property;
  if (property.readOnly)
    return failure(QStringLiteral("свойство %1 только для чтения").arg(nameText(property.name)));
  const auto value = parseValue(property.type, assignment.value);
  if (!value) return failure(badValue(assignment.value, property));
  return {SetProperty{&property, *value}, {}};
}

ParsedLine parseExpect(QStringView rest) {
  const Assignment assignment = readAssignment(rest);
  if (!assignment.property) return failure(assignment.error);
  const PropertyInfo& property = *assignment.property;
  // A variant property is read by the kind of value it holds, known only when it runs.
  if (property.type != PropertyType::Variant && !parseValue(property.type, assignment.value))
    return failure(badValue(assignment.value, property));
  return {ExpectProperty{&property, assignment.value}, {}};
}

// The single word get and call take.
std::optional<QStringView> singleName(QStringView rest) {
  const auto [name, extra] = splitWord(rest);
  if (name.isEmpty() || !extra.isEmpty()) return std::nullopt;
  return name;
}

ParsedLine parseGet(QStringView rest) {
  const auto name = singleName(rest);
  if (!name) return failure(QStringLiteral("после get нужно одно имя свойства"));
  const NamedProperty named = findNamedProperty(*name);
  if (!named.property) return failure(named.error);
  return {GetProperty{named.property}, {}};
}

ParsedLine parseCall(QStringView rest) {
  const auto name = singleName(rest);
  if (!name) return failure(QStringLiteral("после call нужно одно имя метода"));
  const QByteArray latin = name->toLatin1();
  const MethodInfo* method = findMethod(std::string_view(latin.constData(), latin.size()));
  if (!method) return failure(QStringLiteral("неизвестный метод %1").arg(quoted(*name)));
  return {CallMethod{method}, {}};
}

ParsedLine parseExpectResult(QStringView rest) {
  const auto word = singleName(rest);
  bool ok = false;
  const int code = word ? word->toInt(&ok) : 0;
  if (!ok) return failure(QStringLiteral("после expect-result нужен код результата, целое число"));
  return {ExpectResult{code}, {}};
}

}  // namespace

QString nameText(std::string_view name) {
  return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

ParsedLine parseLine(QStringView line) {
  const auto [command, rest] = splitWord(line);
  if (command.isEmpty() || command.startsWith(u'#')) return {Nothing{}, {}};
  if (command == u"set") return parseSet(rest);
  if (command == u"get") return parseGet(rest);
  if (command == u"call") return parseCall(rest);
  if (command == u"expect") return parseExpect(rest);
  if (command == u"expect-result") return parseExpectResult(rest);
  return failure(QStringLiteral("неизвестная команда %1 (допустимы set, get, call, expect, "
                                "expect-result)")
                     .arg(quoted(command)));
}

}  // namespace script
