#include "PropertyBag.h"

PropertyBag::PropertyBag() {
  const auto properties = driverProperties();
  values_.reserve(properties.size());
  for (const PropertyInfo& info : properties) values_.push_back(defaultValueOf(info.type));
  changed_.assign(properties.size(), false);
}

void PropertyBag::set(PropertyId id, const DriverValue& value) {
  const std::size_t index = std::size_t(id);
  DriverValue coerced = coerceTo(propertyInfo(id).type, value);
  if (coerced == values_[index]) return;
  values_[index] = std::move(coerced);
  if (!changed_[index]) {
    changed_[index] = true;
    changeOrder_.push_back(id);
  }
}

void PropertyBag::clearChanges() {
  for (const PropertyId id : changeOrder_) changed_[std::size_t(id)] = false;
  changeOrder_.clear();
}
