#pragma once
// The help file of the program: one topic per context number. The main window asks
// for topics by number only (each page has its F1 topic and its Help-button topic);
// the help window shows them, lists them as its contents and searches their keywords.
// Plain data, no toolkit types: each topic's body is a small piece of HTML.
#include <string_view>
#include <vector>

namespace zeb {

struct HelpTopic {
  int context;
  std::string_view title;
  // Index entries of the keyword search, separated by ';'.
  std::string_view keywords;
  std::string_view html;
};

// Context numbers that are not a page's own.
inline constexpr int kHelpContentsContext = 1;  // the contents page of the help window
inline constexpr int kHelpOnHelpContext = 2;    // "How to Use Help"
inline constexpr int kHelpMainWindowContext = 5;
inline constexpr int kHelpPrintSetupContext = 840;
inline constexpr int kHelpGlossaryContext = 5000;

// Every topic, in the order of the contents.
const std::vector<HelpTopic>& HelpTopics();
// The topic of `context`, or nullptr.
const HelpTopic* FindHelpTopic(int context);

}  // namespace zeb
