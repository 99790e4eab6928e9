#pragma once

#include <QStringView>

#include <optional>
#include <span>

namespace Enrolla {

// The kinds of work the wizard does on one register, numbered as the work-type list
// shows them.
enum class WorkType {
  NewRegistration,
  ReRegistration,
  ReRegistrationNewFN,
  CalculationStateReport,
  CloseFNArchive,
  OFDSetup,
};

struct WorkTypeItem {
  WorkType type;
  QStringView text;
};

// Every work type with its list text, in list order. The last, the OFD connection setup,
// is offered only by models with the OFD connection table.
std::span<const WorkTypeItem> workTypeItems();

// The work type of a list position; none for a position outside the list.
std::optional<WorkType> workTypeAt(int index);

}  // namespace Enrolla
