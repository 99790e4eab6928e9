#pragma once

#include "DriverSurface.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <variant>

// The console's script language, one command a line:
//   set NAME VALUE        writes a property; a text value may be double-quoted, with \" and
//                         \\ inside the quotes
//   get NAME              prints NAME=VALUE
//   call METHOD           calls a method and prints METHOD: CODE DESCRIPTION
//   expect NAME VALUE     the property must hold VALUE, compared by the property's type
//   expect-result CODE    the last call must have answered CODE
//   # comment             blank lines and comments do nothing
// Names are checked against the driver surface and values against the property's type
// before anything runs.
namespace script {

struct SetProperty {
  const PropertyInfo* property;
  DriverValue value;
};
struct GetProperty {
  const PropertyInfo* property;
};
struct CallMethod {
  const MethodInfo* method;
};
struct ExpectProperty {
  const PropertyInfo* property;
  QString expected;
};
struct ExpectResult {
  std::int32_t code;
};
struct Nothing {};

using Command =
    std::variant<Nothing, SetProperty, GetProperty, CallMethod, ExpectProperty, ExpectResult>;

struct ParsedLine {
  Command command;
  QString error;  // why the line is not a command; the command is then Nothing
};

ParsedLine parseLine(QStringView line);

// A property or method name of the surface as text.
QString nameText(std::string_view name);

}  // namespace script
