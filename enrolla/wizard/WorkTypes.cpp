#include "WorkTypes.h"

#include <array>

namespace Enrolla {

namespace {

constexpr std::array items{
    WorkTypeItem{WorkType::NewRegistration, u"Регистрация новой ККТ"},
    WorkTypeItem{WorkType::ReRegistration, u"Перерегистрация ККТ без замены ФН"},
    WorkTypeItem{WorkType::ReRegistrationNewFN, u"Перерегистрация ККТ с заменой ФН"},
    WorkTypeItem{WorkType::CalculationStateReport, u"Отчет о текущем состоянии расчетов"},
    WorkTypeItem{WorkType::CloseFNArchive, u"Закрытие архива ФН"},
    WorkTypeItem{WorkType::OFDSetup, u"Настройка связи с ОФД"},
};

}  // namespace

std::span<const WorkTypeItem> workTypeItems() { return items; }

std::optional<WorkType> workTypeAt(int index) {
  if (index < 0 || index >= int(items.size())) return std::nullopt;
  return items[std::size_t(index)].type;
}

}  // namespace Enrolla
