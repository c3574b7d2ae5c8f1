// SPDX-License-Identifier: MIT
#pragma once
// The hive kept in one text file (the registry editor's export format, see hive_text.h), used
// where there is no registry. The file is read at the start of each operation and written back
// once at its end when something changed; writing goes through a temporary file and a rename,
// so a crash never leaves half a hive. A file that cannot be parsed is never overwritten: it is
// renamed to NAME.bad, the run starts from an empty hive and the user is told once.

#include <cstddef>
#include <string>

#include "core/settings/hive_text.h"
#include "core/settings/settings_hive.h"

namespace qorl {

class HiveFile final : public SettingsHive {
 public:
  // path: the hive file (UTF-8); its folder is created when the file is first written.
  explicit HiveFile(std::string path);

  void begin(MessageService& messages) override;
  bool finish(std::string& failure) override;
  std::unique_ptr<HiveKey> openKey(const std::string& path) override;
  std::unique_ptr<HiveKey> createKey(const std::string& path) override;
  bool deleteKeyTree(const std::string& path) override;

  const std::string& path() const { return path_; }
  // How many times this object has tried to write the file.
  std::size_t writeCount() const { return writeCount_; }

 private:
  class Key;

  void load(MessageService& messages);

  std::string path_;
  HiveTree tree_;
  bool dirty_ = false;    // changes not yet in the file
  bool blocked_ = false;  // the file could not be read or moved aside: never write over it
  bool told_ = false;     // the user has been told about an unreadable file
  std::size_t writeCount_ = 0;
};

// Where the hive file lives: $XDG_CONFIG_HOME (when set to an absolute path, else ~/.config)
// + "/Halvex/Qorl Viewer.reg". Empty when no home folder can be found.
std::string HiveFilePathFromEnvironment();

}  // namespace qorl
