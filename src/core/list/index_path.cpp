#include "core/list/index_path.h"

namespace qorl {

std::string IndexPathOf(const std::string& listPath) {
  const auto dot = listPath.rfind('.');
  return (dot == std::string::npos ? listPath : listPath.substr(0, dot)) + ".qorlv";
}

}  // namespace qorl
