#include "CommandHandlers.h"

#include "Device.h"
#include "DeviceIdentity.h"
#include "ModelParams.h"
#include "PrinterFonts.h"
#include "ResultCodes.h"

namespace model_commands {
namespace {

void reportParam(const Device& device, const ModelParam& param, PropertyBag& out) {
  out.setModelParamNumber(param.number);
  out.setModelParamDescription(QString::fromUtf16(param.description));
  out.setModelParamValue(param.value(*device.profile));
}

}  // namespace

std::int32_t getDeviceMetrics(Device& device, Call& call) {
  PropertyBag& out = call.properties;
  const ModelProfile& profile = *device.profile;
  out.setUMajorType(device_type::CashRegister);
  out.setUMinorType(profile.minorType);
  out.setUMajorProtocolVersion(device_type::ProtocolMajor);
  out.setUMinorProtocolVersion(device_type::ProtocolMinor);
  out.setUModel(profile.modelId);
  out.setUCodePage(device_type::CodePage);
  out.setUCodePageText(QStringLiteral("Русский (windows-1251)"));
  out.setUDescription(QString::fromUtf16(profile.description));
  out.setModelParamCount(std::int32_t(modelParams().size()));
  return result::Ok;
}

std::int32_t readModelParam(Device& device, Call& call) {
  const int index = call.properties.ModelParamIndex();
  if (index < 0 || index >= int(modelParams().size())) return result::InvalidParameters;
  reportParam(device, modelParams()[std::size_t(index)], call.properties);
  return result::Ok;
}

std::int32_t readModelParamValue(Device& device, Call& call) {
  const ModelParam* param = findModelParam(call.properties.ModelParamNumber());
  if (!param) return result::InvalidParameters;
  reportParam(device, *param, call.properties);
  return result::Ok;
}

std::int32_t getFontMetrics(Device& device, Call& call) {
  PropertyBag& out = call.properties;
  const PrinterFont* font = findFont(out.FontType());
  if (!font) return result::InvalidParameters;
  out.setPrintWidth(device.profile->printWidth);
  out.setCharWidth(font->charWidth);
  out.setCharHeight(font->charHeight);
  out.setFontCount(std::int32_t(printerFonts().size()));
  return result::Ok;
}

std::int32_t readSerialNumber(Device& device, Call& call) {
  call.properties.setSerialNumber(identity::serialNumber(device));
  return result::Ok;
}

std::int32_t readErrorDescription(Device&, Call& call) {
  const int code = call.properties.ErrorCode();
  if (code < 0 || code > 255) return result::InvalidParameters;
  call.properties.setErrorDescription(resultCodeDescription(code));
  return result::Ok;
}

}  // namespace model_commands
