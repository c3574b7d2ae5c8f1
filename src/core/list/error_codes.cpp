// SPDX-License-Identifier: MIT
#include "core/list/error_codes.h"

namespace qorl {

std::string ErrorMessage(unsigned code) {
  code &= 0xFFu;
  switch (code) {
    case kErrorLoadList:
      return "Unable to load list !";
    case kErrorCreateIndex:
      return "Unable to create indexfile !";
    case kErrorLoadTopic:
      return "Unable to load topic from list !";
    case kErrorCommandLine:
      return "Unknown commandline parameter(s) !";
    default:
      return "Undefined error no. " + std::to_string(code);
  }
}

void ShowError(MessageService& messages, unsigned code) {
  messages.warning(ErrorMessage(code));
}

}  // namespace qorl
