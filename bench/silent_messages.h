// SPDX-License-Identifier: MIT
#pragma once
// The message service of the benchmarks: every message is dropped and every question answered Yes.

#include <string>

#include "core/list/message_service.h"

namespace qorl::bench {

class SilentMessages final : public MessageService {
 public:
  void warning(const std::string&) override {}
  void information(const std::string&) override {}
  void error(const std::string&) override {}
  bool confirm(const std::string&) override { return true; }
};

}  // namespace qorl::bench
