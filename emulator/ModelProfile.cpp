#include "ModelProfile.h"

#include "TableSchema.h"

namespace {

const ModelProfile profiles[] = {
    {u"standard", 44, u"ВКР-80Ф", 0, 576, true, true, false, layouts::printerRegister, u"1.4", 1412,
     QDate(2024, 3, 15)},
    {u"compact", 14, u"ВКР-57Ф", 0, 384, false, false, false, layouts::printerRegister, u"1.4",
     1412, QDate(2024, 3, 15)},
    {u"cashcore", 45, u"ВКЯ-01Ф", 1, 576, false, true, true, layouts::cashCore, u"2.1", 2107,
     QDate(2023, 11, 20)},
};

}  // namespace

const ModelProfile& defaultProfile() { return profiles[0]; }

const ModelProfile* findProfile(QStringView id) {
  for (const ModelProfile& profile : profiles)
    if (id == QStringView(profile.id)) return &profile;
  return nullptr;
}
