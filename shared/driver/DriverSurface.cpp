#include "DriverSurface.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>

namespace {

constexpr bool isReadOnly(std::string_view access) { return access == "RO"; }

constexpr PropertyInfo propertyTable[] = {
#define FEROX_PROPERTY(name, type, access) \
  {PropertyId::name, #name, PropertyType::type, isReadOnly(#access)},
#define FEROX_METHOD(name)
#include "DriverSurface.def"
#undef FEROX_PROPERTY
#undef FEROX_METHOD
};

constexpr MethodInfo methodTable[] = {
#define FEROX_PROPERTY(name, type, access)
#define FEROX_METHOD(name) {MethodId::name, #name},
#include "DriverSurface.def"
#undef FEROX_PROPERTY
#undef FEROX_METHOD
};

template <class Info, std::size_t N>
std::unordered_map<std::string_view, const Info*> indexByName(const Info (&table)[N]) {
  std::unordered_map<std::string_view, const Info*> index;
  index.reserve(N);
  for (const Info& info : table) index.emplace(info.name, &info);
  return index;
}

template <class Map>
auto lookup(const Map& index, std::string_view name) -> typename Map::mapped_type {
  const auto found = index.find(name);
  return found == index.end() ? nullptr : found->second;
}

}  // namespace

std::span<const PropertyInfo> driverProperties() { return propertyTable; }
std::span<const MethodInfo> driverMethods() { return methodTable; }

const PropertyInfo& propertyInfo(PropertyId id) { return propertyTable[std::size_t(id)]; }
const MethodInfo& methodInfo(MethodId id) { return methodTable[std::size_t(id)]; }

const PropertyInfo* findProperty(std::string_view name) {
  static const auto index = indexByName(propertyTable);
  return lookup(index, name);
}

const MethodInfo* findMethod(std::string_view name) {
  static const auto index = indexByName(methodTable);
  return lookup(index, name);
}
