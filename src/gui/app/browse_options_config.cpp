// SPDX-License-Identifier: MIT
#include "gui/app/browse_options_config.h"

namespace qorl::gui {

namespace {

// Each browsing option beside the configuration value that holds it, in one list for both ways.
template <typename Config, typename Options, typename Pair>
void ForEachBrowseOption(Config& config, Options& options, Pair pair) {
  pair(config.SingleClickView, options.singleClickView);
  pair(config.DoubleClickZoom, options.doubleClickZoom);
  pair(config.OnlyParseLST, options.onlyParseLst);
  pair(config.TopicFormatting, options.topicFormatting);
  pair(config.EnabledSeeAlsoMenu, options.enabledSeeAlsoMenu);
  pair(config.FollowAllReferences, options.followAllReferences);
  pair(config.DontUseIndexFile, options.policy.dontUseIndexFile);
  pair(config.LoadTopicsDirect, options.policy.loadTopicsDirect);
}

}  // namespace

void ApplyBrowseOptions(const ConfigRecord& config, BrowseOptions& options) {
  ForEachBrowseOption(config, options, [](const bool& stored, bool& option) { option = stored; });
}

void StoreBrowseOptions(const BrowseOptions& options, ConfigRecord& config) {
  ForEachBrowseOption(config, options, [](bool& stored, const bool& option) { stored = option; });
}

}  // namespace qorl::gui
