#pragma once
// A message service for the viewer's benchmarks: says nothing and answers every question Yes.

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
