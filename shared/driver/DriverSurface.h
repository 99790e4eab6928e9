#pragma once

#include "DriverValue.h"

#include <span>
#include <string_view>

// Lookups over the surface table (DriverSurface.def).

enum class PropertyId {
#define FEROX_PROPERTY(name, type, access) name,
#define FEROX_METHOD(name)
#include "DriverSurface.def"
#undef FEROX_PROPERTY
#undef FEROX_METHOD
};

enum class MethodId {
#define FEROX_PROPERTY(name, type, access)
#define FEROX_METHOD(name) name,
#include "DriverSurface.def"
#undef FEROX_PROPERTY
#undef FEROX_METHOD
};

struct PropertyInfo {
  PropertyId id;
  std::string_view name;
  PropertyType type;
  bool readOnly;
};

struct MethodInfo {
  MethodId id;
  std::string_view name;
};

std::span<const PropertyInfo> driverProperties();
std::span<const MethodInfo> driverMethods();

const PropertyInfo& propertyInfo(PropertyId id);
const MethodInfo& methodInfo(MethodId id);

// nullptr when the name is not on the surface; names are case-sensitive.
const PropertyInfo* findProperty(std::string_view name);
const MethodInfo* findMethod(std::string_view name);
