// SPDX-License-Identifier: MIT
#include "core/app/program_version.h"

namespace qorl {

// Elsewhere than Windows there is no version resource: the version comes from the build.
ProgramVersion ReadVersion() {
  ProgramVersion version = ParseVersionText(QORL_VERSION_STRING);
  version.debugBuild = false;
  return version;
}

}  // namespace qorl
