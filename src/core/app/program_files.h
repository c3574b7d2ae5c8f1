// SPDX-License-Identifier: MIT
#pragma once
// Where the program finds the files it reads from its own folder: the help manual and
// "CATDESC.INI". Run from its build folder they lie beside the program; installed, the program
// lies in bin/ and they lie in its data folder (share/qorl-viewer/ beside bin/).

#include <string>

namespace qorl {

// The data folder of the program installed in programDir, from the build's install layout
// ("share/qorl-viewer" beside "bin"), ending in a separator.
std::string InstalledDataFolder(const std::string& programDir);

// The path of the file name: programDir + name when that file exists, else the data folder's
// file when that exists, else programDir + name (missing). programDir ends in a separator.
std::string ProgramFilePath(const std::string& programDir, const std::string& name);

}  // namespace qorl
