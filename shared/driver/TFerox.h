#pragma once

#include "DriverControlFactory.h"
#include "DriverValue.h"
#include "IFerox.h"
#include "PropertyTraits.h"

#include <memory>

// The typed wrapper over one control: a getter Name() and a setter setName(value) for
// every property (read-only ones have no setter) and Name() for every method, all
// generated from the surface table, so that a misspelt name does not compile.
class TFerox {
 public:
  // Creates the control through the process-wide factory; throws DriverCallError.
  TFerox();
  explicit TFerox(std::unique_ptr<IFerox> control);
  virtual ~TFerox();

  TFerox(const TFerox&) = delete;
  TFerox& operator=(const TFerox&) = delete;

  IFerox& control() { return *control_; }

#define FEROX_SETTER_RW(name, type)                                            \
  void set##name(const PropertyTraits<PropertyType::type>::Value& value) {     \
    control_->setProperty(#name, DriverValue(value));                          \
  }
#define FEROX_SETTER_RO(name, type)
#define FEROX_PROPERTY(name, type, access)                                     \
  PropertyTraits<PropertyType::type>::Value name() {                           \
    return PropertyTraits<PropertyType::type>::from(control_->getProperty(#name)); \
  }                                                                            \
  FEROX_SETTER_##access(name, type)
#define FEROX_METHOD(name) \
  std::int32_t name() { return control_->callMethod(#name); }
#include "DriverSurface.def"
#undef FEROX_PROPERTY
#undef FEROX_METHOD
#undef FEROX_SETTER_RW
#undef FEROX_SETTER_RO

 private:
  std::unique_ptr<IFerox> control_;
};
