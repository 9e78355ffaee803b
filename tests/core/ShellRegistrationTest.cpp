// The desktop registration texts: the program path in an Exec line, and the default
// application line in a mimeapps.list the user may already have.
#include <gtest/gtest.h>

#include "document/ShellRegistration.h"

namespace zeb {
namespace {

struct ExecCase {
  const char* name;
  const char* path;
  const char* arg;  // nullptr: no Exec line can name it
};

class ExecArgumentTest : public ::testing::TestWithParam<ExecCase> {};

TEST_P(ExecArgumentTest, QuotesByTheDesktopEntryRules) {
  const auto arg = ExecArgument(GetParam().path);
  if (!GetParam().arg) {
    EXPECT_EQ(arg, std::nullopt);
  } else {
    ASSERT_TRUE(arg.has_value());
    EXPECT_EQ(*arg, GetParam().arg);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ExecArgumentTest,
    ::testing::Values(ExecCase{"plain", "/opt/zeb/zebcalc", "/opt/zeb/zebcalc"},
                      ExecCase{"blank", "/home/ann/My Apps/zebcalc", "\"/home/ann/My Apps/zebcalc\""},
                      ExecCase{"double_quote", "/a\"b/zebcalc", "\"/a\\\\\"b/zebcalc\""},
                      ExecCase{"dollar_and_backquote", "/a$b`c/z", "\"/a\\\\$b\\\\`c/z\""},
                      ExecCase{"backslash", "/a\\b/z", "\"/a\\\\\\\\b/z\""},
                      ExecCase{"single_quote", "/Ann's/z", "\"/Ann's/z\""},
                      ExecCase{"percent", "/100%/z", "\"/100%%/z\""},
                      ExecCase{"non_ascii", "/home/j\xC3\xB6rg/z", "/home/j\xC3\xB6rg/z"},
                      ExecCase{"relative", "bin/zebcalc", nullptr},
                      ExecCase{"empty", "", nullptr},
                      ExecCase{"line_break", "/a\nb/z", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DesktopEntry, ExecAndTryExecNameTheRunningProgram) {
  const std::string entry = "[Desktop Entry]\nName=Z\nTryExec=zebcalc\nExec=zebcalc %f\nMimeType=application/x-dmw;\n";
  EXPECT_EQ(DesktopEntryFor(entry, "/opt/My Apps/zebcalc"),
            "[Desktop Entry]\nName=Z\nTryExec=/opt/My Apps/zebcalc\nExec=\"/opt/My Apps/zebcalc\" %f\n"
            "MimeType=application/x-dmw;\n");
  EXPECT_EQ(DesktopEntryFor(entry, "/a\\b/z"),
            "[Desktop Entry]\nName=Z\nTryExec=/a\\\\b/z\nExec=\"/a\\\\\\\\b/z\" %f\nMimeType=application/x-dmw;\n");
  EXPECT_EQ(DesktopEntryFor(entry, "relative/zebcalc"), std::nullopt);
}

struct ListCase {
  const char* name;
  const char* before;
  const char* after;
};

class DefaultApplication : public ::testing::TestWithParam<ListCase> {};

TEST_P(DefaultApplication, SetsOurLineAndKeepsTheRest) {
  EXPECT_EQ(WithDefaultApplication(GetParam().before, "application/x-dmw", "zebcalc.desktop"), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, DefaultApplication,
    ::testing::Values(
        ListCase{"no_file", "", "[Default Applications]\napplication/x-dmw=zebcalc.desktop;\n"},
        ListCase{"other_defaults_kept", "[Default Applications]\ntext/plain=gedit.desktop;\n",
                 "[Default Applications]\ntext/plain=gedit.desktop;\napplication/x-dmw=zebcalc.desktop;\n"},
        ListCase{"our_line_replaced",
                 "[Default Applications]\napplication/x-dmw=old.desktop;\ntext/plain=gedit.desktop;\n",
                 "[Default Applications]\napplication/x-dmw=zebcalc.desktop;\ntext/plain=gedit.desktop;\n"},
        ListCase{"already_right", "[Default Applications]\napplication/x-dmw=zebcalc.desktop;\n",
                 "[Default Applications]\napplication/x-dmw=zebcalc.desktop;\n"},
        ListCase{"before_the_next_section",
                 "[Default Applications]\ntext/plain=a.desktop;\n[Added Associations]\nimage/png=b.desktop;\n",
                 "[Default Applications]\ntext/plain=a.desktop;\napplication/x-dmw=zebcalc.desktop;\n"
                 "[Added Associations]\nimage/png=b.desktop;\n"},
        ListCase{"other_sections_only", "[Added Associations]\napplication/x-dmw=b.desktop;\n",
                 "[Added Associations]\napplication/x-dmw=b.desktop;\n\n[Default Applications]\n"
                 "application/x-dmw=zebcalc.desktop;\n"},
        ListCase{"last_line_without_line_break", "[Default Applications]\ntext/plain=a.desktop;",
                 "[Default Applications]\ntext/plain=a.desktop;\napplication/x-dmw=zebcalc.desktop;\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeb
