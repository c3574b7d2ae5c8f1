// SPDX-License-Identifier: MIT
#include "core/list/index_path.h"

#include "core/list/list_kind.h"

namespace qorl {

std::string IndexPathOf(const std::string& listPath) {
  const std::size_t nameStart = listPath.size() - FileNameOf(listPath).size();
  const auto dot = listPath.rfind('.');
  const bool inName = dot != std::string::npos && dot >= nameStart;
  return (inName ? listPath.substr(0, dot) : listPath) + ".qorlv";
}

}  // namespace qorl
