#include "PageRegistry.h"

// A page joins the program with one row in its group, in tab order:
//   {"TfmDeviceStatus", "Запросы", createPage<TfmDeviceStatus>},
const PageRegistry& probexPages() {
  static const PageRegistry registry = {
      {1, "Состояние", {}},
      {2, "ФН сервис", {}},
      {3, "ФН чеки (ФФД 1.05-1.2)", {}},
      {4, "Чеки (ФФД 1.0)", {}},
      {5, "Отчеты", {}},
      {6, "Печать текста", {}},
      {7, "Печать графики", {}},
      {8, "Параметры устройства", {}},
      {9, "Сервис", {}},
      {10, "БД чеков", {}},
      {11, "Прочее", {}},
      {12, "Tillo", {}},
  };
  return registry;
}
