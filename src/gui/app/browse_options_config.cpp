// SPDX-License-Identifier: MIT
#include "gui/app/browse_options_config.h"

namespace qorl::gui {

void ApplyBrowseOptions(const ConfigRecord& config, BrowseOptions& options) {
  options.singleClickView = config.SingleClickView;
  options.doubleClickZoom = config.DoubleClickZoom;
  options.onlyParseLst = config.OnlyParseLST;
  options.topicFormatting = config.TopicFormatting;
  options.enabledSeeAlsoMenu = config.EnabledSeeAlsoMenu;
  options.followAllReferences = config.FollowAllReferences;
  options.policy.dontUseIndexFile = config.DontUseIndexFile;
  options.policy.loadTopicsDirect = config.LoadTopicsDirect;
}

void StoreBrowseOptions(const BrowseOptions& options, ConfigRecord& config) {
  config.SingleClickView = options.singleClickView;
  config.DoubleClickZoom = options.doubleClickZoom;
  config.OnlyParseLST = options.onlyParseLst;
  config.TopicFormatting = options.topicFormatting;
  config.EnabledSeeAlsoMenu = options.enabledSeeAlsoMenu;
  config.FollowAllReferences = options.followAllReferences;
  config.DontUseIndexFile = options.policy.dontUseIndexFile;
  config.LoadTopicsDirect = options.policy.loadTopicsDirect;
}

}  // namespace qorl::gui
