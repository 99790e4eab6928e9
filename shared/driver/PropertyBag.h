#pragma once

#include "DriverSurface.h"
#include "PropertyTraits.h"

#include <cstdint>
#include <vector>

// One value for every property of the surface, each held in its type's kind, with a
// record of which ones changed. The control keeps its properties in one; the virtual
// register keeps one per connected session as its mirror of the caller's properties.
class PropertyBag {
 public:
  PropertyBag();

  const DriverValue& get(PropertyId id) const { return values_[std::size_t(id)]; }
  // Coerces the value to the property's type (DriverCallError when it cannot be) and
  // marks the property changed when the value differs.
  void set(PropertyId id, const DriverValue& value);

  bool isChanged(PropertyId id) const { return changed_[std::size_t(id)]; }
  // The changed properties in the order they first changed.
  const std::vector<PropertyId>& changes() const { return changeOrder_; }
  void clearChanges();

#define FEROX_PROPERTY(name, type, access)                                              \
  PropertyTraits<PropertyType::type>::Value name() const {                              \
    return PropertyTraits<PropertyType::type>::from(get(PropertyId::name));             \
  }                                                                                     \
  void set##name(const PropertyTraits<PropertyType::type>::Value& value) {              \
    set(PropertyId::name, DriverValue(value));                                          \
  }
#define FEROX_METHOD(name)
#include "DriverSurface.def"
#undef FEROX_PROPERTY
#undef FEROX_METHOD

 private:
  std::vector<DriverValue> values_;
  std::vector<bool> changed_;
  std::vector<PropertyId> changeOrder_;
};
