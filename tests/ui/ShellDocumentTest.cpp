// Which argument of a command line names the document to open.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "app/ShellDocument.h"

namespace {

TEST(DocumentArgument, TakesTheFirstDocumentAsAFullPath) {
  QTemporaryDir folder;
  const QString saved = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(folder.path()));
  QDir().mkdir("sub");
  const QString here = QDir(folder.path()).canonicalPath();
  struct Case {
    const char* name;
    QStringList args;  // after the program
    QString document;
  };
  const Case cases[] = {
      {"none", {}, ""},
      {"options_only", {"-style", "--verbose"}, ""},
      {"relative_path", {"loans.dmw"}, here + "/loans.dmw"},
      {"path_cleaned", {"sub/../loans.dmw"}, here + "/loans.dmw"},
      {"absolute_path", {"/srv/a b.dmw"}, "/srv/a b.dmw"},
      {"missing_file_kept_for_its_message", {"nowhere/x.dmw"}, here + "/nowhere/x.dmw"},
      {"first_of_several", {"a.dmw", "b.dmw"}, here + "/a.dmw"},
      {"file_address", {"file:///srv/My%20Loans.dmw"}, "/srv/My Loans.dmw"},
      {"web_address_is_no_document", {"http://example.com/a.dmw"}, ""},
      {"folder_is_no_document", {"sub"}, ""},
      {"device_is_no_document", {"/dev/zero"}, ""},
      {"after_double_dash", {"--", "-a.dmw"}, here + "/-a.dmw"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(zeb::DocumentArgument(QStringList{"zebcalc"} + c.args).toStdString(), c.document.toStdString())
        << c.name;
  QDir::setCurrent(saved);
}

}  // namespace
