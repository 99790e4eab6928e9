#include "TfmSelectWorkType.h"

#include "ChoiceList.h"
#include "FeroxError.h"
#include "TController.h"
#include "WizardDriver.h"
#include "WorkTypes.h"

#include <QLabel>
#include <QListWidget>

namespace Enrolla {

namespace {

// Model parameter 73 is the number of the OFD connection table; 0 when the model has none.
constexpr std::int32_t OFDTableParam = 73;

bool modelHasOFDTable() {
  Driver().setModelParamNumber(OFDTableParam);
  CheckResult(Driver().ReadModelParamValue());
  return valueToInt(Driver().ModelParamValue()) > 0;
}

}  // namespace

TfmSelectWorkType::TfmSelectWorkType(QWidget* parent)
    : TParamPage(PageClass::TfmSelectWorkType, QStringLiteral("Выберите тип работы"), parent),
      lblDevice(new QLabel) {
  lblDevice->setObjectName(QStringLiteral("lblDevice"));
  listBox = createChoiceList(*this, lblDevice);
}

void TfmSelectWorkType::FormShow() {
  TController& controller = Controller();
  // "< Назад" leads back to the connection, however the register was found.
  PrevPage = controller.FindPageByClass(PageClass::TfmConnectDevice);
  controller.ClearRegParams();
  QStringList items;
  for (const WorkTypeItem& item : workTypeItems())
    if (item.type != WorkType::OFDSetup) items << item.text.toString();
  fillChoices(*listBox, items);
  listBox->setFocus();
  showDevice();
  offerOFDSetup();
}

void TfmSelectWorkType::showDevice() {
  const TController& controller = Controller();
  const bool known = !controller.KKTName.isEmpty() || !controller.KKTSN.isEmpty();
  lblDevice->setText(known ? controller.KKTName + QStringLiteral(", зав. номер ") + controller.KKTSN
                           : QString());
}

void TfmSelectWorkType::offerOFDSetup() {
  // Cleared first, so that a failed read never leaves the flag of an earlier register.
  Controller().RegParams.OFDEnabled = false;
  if (!modelHasOFDTable()) return;
  addChoice(*listBox, workTypeItems().back().text.toString());
  Controller().RegParams.OFDEnabled = true;
}

void TfmSelectWorkType::Next() {
  const std::optional<WorkType> workType = workTypeAt(selectedRow(*listBox));
  if (!workType) throw FeroxError(QStringLiteral("Выберите тип работы!"));

  TController& controller = Controller();
  TRegParams& params = controller.RegParams;
  controller.IsOFDSettingMode = false;
  switch (*workType) {
    case WorkType::NewRegistration:
      // A new register gets no storage replacement, whatever the last flow chose.
      params.FirstTime = true;
      params.NewFN = false;
      break;
    case WorkType::ReRegistration:
      params.FirstTime = false;
      params.NewFN = false;
      break;
    case WorkType::ReRegistrationNewFN:
      params.FirstTime = false;
      params.NewFN = true;
      break;
    case WorkType::OFDSetup:
      controller.IsOFDSettingMode = true;
      break;
    case WorkType::CalculationStateReport:
    case WorkType::CloseFNArchive:
      break;
  }
  FlowState state = controller.flowState();
  state.ChosenWorkType = workType;
  MoveOn(state);
}

}  // namespace Enrolla
