// Checking halvane's own arguments.
#include "shell/app_arguments.h"

#include "platform/position_source.h"
#include "platform/printable_text.h"
#include "platform/translate.h"

namespace halvane {

namespace {

constexpr char POSITION_SOURCE[] = "--position-source";

}  // namespace

bool ParseAppArguments(const std::vector<std::string>& arguments, AppArguments& parsed,
                       std::string& error) {
  const std::string withValue = std::string(POSITION_SOURCE) + "=";
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    std::string value;
    if (argument.rfind(withValue, 0) == 0) {
      value = argument.substr(withValue.size());
    } else if (argument == POSITION_SOURCE && i + 1 < arguments.size()) {
      value = arguments[++i];
    } else if (argument == POSITION_SOURCE) {
      error = FillArgs(Words::Tr("%1: missing value"), {argument});
      return false;
    } else {
      error =
          FillArgs(Words::Tr("unknown option '%1'"), {PrintableText(argument, ECHOED_VALUE_BYTES)});
      return false;
    }
    std::string reason;
    if (!CheckPositionSource(value, reason)) {
      error = std::string(POSITION_SOURCE) + ": " + reason;
      return false;
    }
    parsed.positionSource = value;
  }
  return true;
}

}  // namespace halvane
