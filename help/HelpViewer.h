#pragma once
// The help window: our own viewer of the program's help topics (HelpTopics). The main
// window sends it the commands of a help viewer: show a topic by context number, show
// the contents, open the keyword search, show help on using help, and quit. It is a
// separate, non-modal window owned by the main window.
#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QUrl;

namespace zeb {

class HelpViewer : public QWidget {
  Q_OBJECT
public:
  explicit HelpViewer(QWidget* owner);

  // Shows the topic of `context`; a number without a topic shows the contents.
  // Returns whether the topic exists.
  bool ShowTopic(int context);
  void ShowContents();
  void ShowSearch();
  void ShowHelpOnHelp();
  // Closes the window (sent when the main window closes).
  void Quit();

  // The context number of the topic on show (kHelpContentsContext for the contents).
  int CurrentTopic() const { return current_; }
  // Whether the keyword search is the open side panel.
  bool SearchShown() const;
  // The keyword search: selects the first keyword that begins with `text`.
  void SearchFor(const QString& text);
  // Shows the topic of the selected keyword; false when none is selected.
  bool DisplaySelectedKeyword();
  QString TopicText() const;

private:
  void display(int context);
  void back();
  void linkClicked(const QUrl& url);
  void bringUp();

  QTabWidget* panels_ = nullptr;
  QListWidget* contentsList_ = nullptr;
  QLineEdit* searchEdit_ = nullptr;
  QListWidget* keywordList_ = nullptr;
  QTextBrowser* topicView_ = nullptr;
  QPushButton* btnBack_ = nullptr;
  int current_ = 0;
  QList<int> history_;
};

}  // namespace zeb
