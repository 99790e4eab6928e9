#pragma once

#include <QDate>
#include <QStringView>

struct TableLayout;

// What distinguishes one model of the register family from another. The register
// follows the profile chosen in register.ini.
struct ModelProfile {
  const char16_t* id;           // the name register.ini chooses the model by
  int modelId;                  // UModel
  const char16_t* description;  // UDescription
  int minorType;                // UMinorType
  int printWidth;               // dots across the receipt
  bool hasJournal;
  bool hasCutter;
  bool cashCore;
  const TableLayout& tables;
  const char16_t* softVersion;
  int softBuild;
  QDate softDate;
};

// How every model of the family identifies itself.
namespace device_type {
constexpr int CashRegister = 0;  // UMajorType
constexpr int ProtocolMajor = 1;
constexpr int ProtocolMinor = 3;
constexpr int CodePage = 1251;
}  // namespace device_type

const ModelProfile& defaultProfile();
const ModelProfile* findProfile(QStringView id);
