// Help: the contexts of F1 and the Help button on every page, the help commands of the
// menus, the help window's contents and keyword search, and its quitting with the
// main window.
#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QShortcut>
#include <QToolButton>

#include "app/DialogSeam.h"
#include "help/HelpTopics.h"
#include "help/HelpViewer.h"
#include "tests/ui/UiFixture.h"

namespace zeb::test {
namespace {

class Help : public MainWindowTest {
protected:
  void TearDown() override {
    if (HelpViewer* h = window->Help()) h->close();
    MainWindowTest::TearDown();
  }
  // F1 goes to the active main window.
  void pressF1() {
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F1);
  }
  int topic() const { return window->Help() ? window->Help()->CurrentTopic() : -1; }
  HelpViewer& viewer() const { return *window->Help(); }

  DialogRecorder dialogs;
};

struct ContextCase {
  const char* key;
  int f1;
  int button;
};

const ContextCase kContexts[] = {
    {"Welcome", 10, 5}, {"Menu", 5, 5},        {"QC", 20, 20},       {"RC", 80, 80},
    {"TB", 40, 40},     {"Amort", 50, 50},     {"LC", 110, 110},     {"FV", 140, 140},
    {"Depreciation", 150, 150}, {"ROR", 160, 160}, {"DCF", 170, 170}, {"pgCapRate", 190, 180},
};

TEST_F(Help, F1AndTheHelpButtonShowThePagesContexts) {
  for (const ContextCase& c : kContexts) {
    SCOPED_TRACE(c.key);
    window->ShowPageByKey(c.key);
    pressF1();
    EXPECT_EQ(topic(), c.f1) << "F1";
    ASSERT_TRUE(viewer().isVisible());
    QTest::mouseClick(find<QToolButton>("btnHelp"), Qt::LeftButton);
    EXPECT_EQ(topic(), c.button) << "Help button";
    pressF1();
    find<QAction>("mnuPopHelp")->trigger();
    EXPECT_EQ(topic(), c.button) << "the popup's Help";
  }
}

TEST_F(Help, EveryContextHasARealTopic) {
  std::vector<int> contexts = {kHelpMainWindowContext, kHelpPrintSetupContext, kHelpGlossaryContext,
                               kHelpOnHelpContext};
  for (const ContextCase& c : kContexts) contexts.insert(contexts.end(), {c.f1, c.button});
  for (int context : contexts) {
    const HelpTopic* t = FindHelpTopic(context);
    ASSERT_NE(t, nullptr) << context;
    EXPECT_FALSE(t->title.empty()) << context;
    EXPECT_FALSE(t->keywords.empty()) << context;
    EXPECT_NE(t->html.find("Example"), std::string_view::npos) << "topic " << context << " has a worked example";
  }
  for (const ContextCase& c : kContexts) {
    if (c.f1 == kHelpMainWindowContext || c.key == std::string("Welcome")) continue;
    EXPECT_NE(FindHelpTopic(c.f1)->html.find("<li>"), std::string_view::npos)
        << "topic " << c.f1 << " explains the page's fields";
  }
}

TEST_F(Help, TopicLinksLeadToTopics) {
  const QRegularExpression link("href=\"topic:(\\d+)\"");
  for (const HelpTopic& t : HelpTopics()) {
    const QString html = QString::fromUtf8(t.html.data(), qsizetype(t.html.size()));
    for (auto m = link.globalMatch(html); m.hasNext();) {
      const int target = m.next().captured(1).toInt();
      EXPECT_NE(FindHelpTopic(target), nullptr) << "topic " << t.context << " links to " << target;
    }
  }
}

TEST_F(Help, MenuCommandsOfTheHelpViewer) {
  window->ShowHelpContext(40);
  auto* list = viewer().findChild<QListWidget*>("lstHelpContents");
  ASSERT_NE(list, nullptr);
  ASSERT_NE(list->currentItem(), nullptr);
  EXPECT_EQ(list->currentItem()->text(), "Tabulon Calculator") << "the list marks the topic on show";
  find<QAction>("MnuHelpContents")->trigger();
  EXPECT_EQ(topic(), kHelpContentsContext);
  EXPECT_EQ(list->currentRow(), -1) << "no topic marked while the contents are on show";
  EXPECT_TRUE(viewer().TopicText().contains("Loan Comparisons")) << "the contents list every topic";
  EXPECT_FALSE(viewer().SearchShown());

  find<QAction>("MnuHelpSearch")->trigger();
  EXPECT_TRUE(viewer().SearchShown());

  find<QAction>("MnuHelpHow")->trigger();
  EXPECT_EQ(topic(), kHelpOnHelpContext);

  for (const char* glossary : {"MnuHelpGlossary", "mnuPopGlossary", "mnuPopCalcsGlossary"}) {
    find<QAction>("MnuHelpHow")->trigger();
    find<QAction>(glossary)->trigger();
    EXPECT_EQ(topic(), kHelpGlossaryContext) << glossary;
  }
  EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(Help, KeywordSearchTypedIntoTheSearchField) {
  find<QAction>("MnuHelpSearch")->trigger();
  auto* edit = viewer().findChild<QLineEdit*>("edtHelpSearch");
  ASSERT_NE(edit, nullptr);
  QTest::keyClicks(edit, "gloss");
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(topic(), kHelpGlossaryContext);

  edit->clear();
  QTest::keyClicks(edit, "POINTS");  // case does not matter
  QTest::keyClick(edit, Qt::Key_Return);
  const HelpTopic* t = FindHelpTopic(topic());
  ASSERT_NE(t, nullptr);
  EXPECT_NE(std::string(t->keywords).find("points"), std::string::npos);

  edit->clear();
  QTest::keyClicks(edit, "zzz");
  const int before = topic();
  EXPECT_FALSE(viewer().DisplaySelectedKeyword()) << "no keyword matches";
  EXPECT_EQ(topic(), before);
}

TEST_F(Help, AnUnknownContextShowsTheContents) {
  window->ShowHelpContext(4242);
  EXPECT_EQ(topic(), kHelpContentsContext);
}

TEST_F(Help, PrintSetupHasItsOwnContext) {
  dialogs.inspect = [](QDialog& d) {
    auto* f1 = d.findChild<QShortcut*>();
    ASSERT_NE(f1, nullptr);
    EXPECT_EQ(f1->key(), QKeySequence(Qt::Key_F1));
    emit f1->activated();
  };
  find<QAction>("MnuFilePrintSetup")->trigger();
  EXPECT_EQ(topic(), kHelpPrintSetupContext);
}

TEST_F(Help, HelpWindowQuitsWithTheMainWindow) {
  window->ShowPageByKey("LC");
  pressF1();
  ASSERT_TRUE(viewer().isVisible());
  EXPECT_TRUE(viewer().isWindow()) << "a window of its own, not modal";
  EXPECT_FALSE(viewer().isModal());
  window->close();
  EXPECT_FALSE(viewer().isVisible());
}

TEST_F(Help, NoHelpWindowUntilHelpIsAskedFor) {
  EXPECT_EQ(window->Help(), nullptr);
  window->close();  // quitting a viewer never opened is harmless
}

}  // namespace
}  // namespace zeb::test
