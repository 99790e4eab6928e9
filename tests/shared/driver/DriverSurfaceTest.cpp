#include "DriverSurface.h"
#include "TFerox.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(DriverSurface, NamesAreUniqueAcrossPropertiesAndMethods) {
  std::set<std::string_view> names;
  for (const PropertyInfo& info : driverProperties())
    EXPECT_TRUE(names.insert(info.name).second) << info.name;
  for (const MethodInfo& info : driverMethods())
    EXPECT_TRUE(names.insert(info.name).second) << info.name;
}

TEST(DriverSurface, LooksUpByExactName) {
  const PropertyInfo* resultCode = findProperty("ResultCode");
  ASSERT_NE(resultCode, nullptr);
  EXPECT_EQ(resultCode->type, PropertyType::Integer);
  EXPECT_TRUE(resultCode->readOnly);
  EXPECT_EQ(&propertyInfo(resultCode->id), resultCode);
  EXPECT_EQ(findProperty("resultcode"), nullptr);
  EXPECT_EQ(findProperty("Connect"), nullptr);
  ASSERT_NE(findMethod("Connect"), nullptr);
  EXPECT_EQ(methodInfo(findMethod("Connect")->id).name, "Connect");
}

TEST(DriverSurface, CallerContractPropertiesHaveTheirTypes) {
  const std::pair<const char*, PropertyType> expected[] = {
      {"ResultCode", PropertyType::Integer},    {"ResultCodeDescription", PropertyType::Text},
      {"Password", PropertyType::Integer},      {"ECRInput", PropertyType::Text},
      {"ECROutput", PropertyType::Text},        {"OperatorNumber", PropertyType::Integer},
      {"ModelParamValue", PropertyType::Variant},
  };
  for (const auto& [name, type] : expected) {
    const PropertyInfo* info = findProperty(name);
    ASSERT_NE(info, nullptr) << name;
    EXPECT_EQ(info->type, type) << name;
  }
}

}  // namespace
