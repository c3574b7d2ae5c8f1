// SPDX-License-Identifier: MIT
#include "core/browse/categories.h"

#include <algorithm>

#include "core/list/ascii.h"

namespace qorl {
namespace {}  // namespace

std::string AllCategoriesEntry() {
  std::string entry(1, static_cast<char>(kAllCategories));
  entry += " All categories";
  return entry;
}

const CategoryDescriptions& BuiltInCategoryDescriptions() {
  static const CategoryDescriptions kBuiltIn = {
      "#33=Information",
      "#42=Not classified",
      "#45=Uncategorized",
      "",
      "#65=Applications",
      "#66=BIOS",
      "#67=CPU-generated",
      "#68=DOS kernel",
      "#69=DOS extenders",
      "#70=FAX",
      "#71=Debuggers/debugging tools",
      "#72=Hardware",
      "#73=IBM workstation/terminal emulators",
      "#74=Japanese",
      "#75=Keyboard enhancers",
      "#77=Mouse/pointing device",
      "#78=Network",
      "#79=Other operating systems",
      "#80=Power management",
      "#81=DESQview/TopView and Quarterdeck programs",
      "#82=Remote control/file access",
      "#83=Serial I/O",
      "#84=DOS-based task switchers/multitaskers",
      "#85=Resident utilities",
      "#86=Video",
      "#87=MS Windows",
      "#88=Expansion bus BIOSes",
      "",
      "#97=Access software (screen readers, etc)",
      "#98=Vendor-specific BIOS extensions",
      "#99=Caches/spoolers",
      "#100=Disk I/O enhancements",
      "#101=Electronic mail",
      "#102=File manipulation",
      "#103=Games",
      "#104=Vendor-specific hardware",
      "#105=System info/monitoring",
      "#106=Joke programs",
      "#107=File/disk compression",
      "#108=Shells/command interpreters",
      "#109=Memory management",
      "#110=Non-traditional input devices",
      "#112=Printer enhancements",
      "#114=Runtime support",
      "#115=Sound/speech",
      "#116=TSR libraries",
      "#117=Emulators",
      "#118=Virus/antivirus",
      "#120=Non-volatile config storage",
      "#121=Security",
  };
  return kBuiltIn;
}

CategoryDescriptions ParseCategoryDescriptions(std::string_view fileBytes) {
  CategoryDescriptions lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < fileBytes.size(); ++i) {
    const char c = fileBytes[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(fileBytes.substr(start, i - start));
    if (c == '\r' && i + 1 < fileBytes.size() && fileBytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < fileBytes.size()) lines.emplace_back(fileBytes.substr(start));
  return lines;
}

std::string DescriptionValue(const CategoryDescriptions& descriptions, std::string_view name) {
  for (const std::string& line : descriptions) {
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    if (EqualsFolded(std::string_view(line).substr(0, eq), name)) return line.substr(eq + 1);
  }
  return {};
}

std::string CategoryDescription(const CategoryDescriptions& descriptions, unsigned char c) {
  std::string name = "#";
  name += std::to_string(c);  // not "#" + ...: GCC 12 -O3 warns wrongly (-Wrestrict) about that
  std::string value = DescriptionValue(descriptions, name);
  return value.empty() ? std::string("Unknown") : value;
}

std::vector<std::string> CategoryEntries(const CategorySet& categories,
                                         const CategoryDescriptions& descriptions) {
  std::vector<std::string> entries;
  for (int c = 0; c < kAllCategories; ++c) {
    if (!categories.test(static_cast<std::size_t>(c))) continue;
    std::string entry(1, static_cast<char>(c));
    entry += ' ';
    entry += CategoryDescription(descriptions, static_cast<unsigned char>(c));
    entries.push_back(std::move(entry));
  }
  std::stable_sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
    return static_cast<unsigned char>(AsciiUpper(a[0])) <
           static_cast<unsigned char>(AsciiUpper(b[0]));
  });
  if (entries.size() >= 2) entries.insert(entries.begin(), AllCategoriesEntry());
  return entries;
}

}  // namespace qorl
