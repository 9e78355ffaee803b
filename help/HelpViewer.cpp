#include "help/HelpViewer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "help/HelpTopics.h"
#include "widgets/Guarded.h"

namespace zeb {
namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString contentsHtml() {
  QString html = text(FindHelpTopic(kHelpContentsContext)->html) + "<ul>";
  for (const HelpTopic& t : HelpTopics()) {
    if (t.context == kHelpContentsContext) continue;
    html += QStringLiteral("<li><a href=\"topic:%1\">%2</a></li>").arg(t.context).arg(text(t.title));
  }
  return html + "</ul>";
}

}  // namespace

HelpViewer::HelpViewer(QWidget* owner) : QWidget(owner, Qt::Window) {
  setObjectName("HelpViewer");
  setWindowTitle("Devovederi Dunmarrow Help");
  resize(640, 460);

  auto* buttons = new QHBoxLayout;
  auto* btnContents = new QPushButton("&Contents", this);
  btnContents->setObjectName("btnHelpContents");
  auto* btnSearch = new QPushButton("&Search", this);
  btnSearch->setObjectName("btnHelpSearch");
  btnBack_ = new QPushButton("&Back", this);
  btnBack_->setObjectName("btnHelpBack");
  btnBack_->setEnabled(false);
  auto* btnHow = new QPushButton("&How to Use Help", this);
  btnHow->setObjectName("btnHelpHow");
  buttons->addWidget(btnContents);
  buttons->addWidget(btnSearch);
  buttons->addWidget(btnBack_);
  buttons->addWidget(btnHow);
  buttons->addStretch();
  connect(btnContents, &QPushButton::clicked, this, [this] { Guarded([this] { ShowContents(); }); });
  connect(btnSearch, &QPushButton::clicked, this, [this] { Guarded([this] { ShowSearch(); }); });
  connect(btnBack_, &QPushButton::clicked, this, [this] { Guarded([this] { back(); }); });
  connect(btnHow, &QPushButton::clicked, this, [this] { Guarded([this] { ShowHelpOnHelp(); }); });

  panels_ = new QTabWidget(this);
  panels_->setObjectName("tabHelpPanels");
  contentsList_ = new QListWidget;
  contentsList_->setObjectName("lstHelpContents");
  for (const HelpTopic& t : HelpTopics()) {
    if (t.context == kHelpContentsContext) continue;
    auto* item = new QListWidgetItem(text(t.title), contentsList_);
    item->setData(Qt::UserRole, t.context);
  }
  connect(contentsList_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    Guarded([this, item] { display(item->data(Qt::UserRole).toInt()); });
  });
  connect(contentsList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    Guarded([this, item] { display(item->data(Qt::UserRole).toInt()); });
  });
  panels_->addTab(contentsList_, "Contents");

  auto* search = new QWidget;
  auto* searchLayout = new QVBoxLayout(search);
  searchLayout->addWidget(new QLabel("Type the first letters of a word:", search));
  searchEdit_ = new QLineEdit(search);
  searchEdit_->setObjectName("edtHelpSearch");
  searchLayout->addWidget(searchEdit_);
  keywordList_ = new QListWidget(search);
  keywordList_->setObjectName("lstHelpKeywords");
  struct Entry {
    QString keyword;
    int context;
  };
  std::vector<Entry> entries;
  for (const HelpTopic& t : HelpTopics())
    for (const QString& k : text(t.keywords).split(';', Qt::SkipEmptyParts))
      entries.push_back({k.trimmed(), t.context});
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return a.keyword.compare(b.keyword, Qt::CaseInsensitive) < 0;
  });
  for (const Entry& e : entries) {
    const QString title = text(FindHelpTopic(e.context)->title);
    auto* item = new QListWidgetItem(e.keyword + "  (" + title + ")", keywordList_);
    item->setData(Qt::UserRole, e.context);
    item->setData(Qt::UserRole + 1, e.keyword);
  }
  searchLayout->addWidget(keywordList_);
  auto* btnDisplay = new QPushButton("&Display", search);
  btnDisplay->setObjectName("btnHelpDisplay");
  searchLayout->addWidget(btnDisplay);
  connect(searchEdit_, &QLineEdit::textEdited, this,
          [this](const QString& s) { Guarded([this, &s] { SearchFor(s); }); });
  connect(searchEdit_, &QLineEdit::returnPressed, this, [this] { Guarded([this] { DisplaySelectedKeyword(); }); });
  connect(btnDisplay, &QPushButton::clicked, this, [this] { Guarded([this] { DisplaySelectedKeyword(); }); });
  connect(keywordList_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem*) { Guarded([this] { DisplaySelectedKeyword(); }); });
  panels_->addTab(search, "Search");

  topicView_ = new QTextBrowser(this);
  topicView_->setObjectName("txtHelpTopic");
  topicView_->setOpenLinks(false);
  connect(topicView_, &QTextBrowser::anchorClicked, this,
          [this](const QUrl& url) { Guarded([this, &url] { linkClicked(url); }); });

  auto* splitter = new QSplitter(this);
  splitter->addWidget(panels_);
  splitter->addWidget(topicView_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({240, 400});

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(splitter, 1);
}

void HelpViewer::bringUp() {
  show();
  raise();
  activateWindow();
}

void HelpViewer::display(int context) {
  if (current_ != 0 && current_ != context) {
    history_.append(current_);
    btnBack_->setEnabled(true);
  }
  const HelpTopic* topic = FindHelpTopic(context);
  if (!topic) topic = FindHelpTopic(kHelpContentsContext);
  current_ = topic->context;
  const QString body = current_ == kHelpContentsContext ? contentsHtml() : text(topic->html);
  topicView_->setHtml("<h2>" + text(topic->title).toHtmlEscaped() + "</h2>" + body);
  // The list marks the topic on show, and nothing while the contents are on show.
  int row = -1;
  for (int i = 0; i < contentsList_->count(); ++i)
    if (contentsList_->item(i)->data(Qt::UserRole).toInt() == current_) row = i;
  contentsList_->setCurrentRow(row);
}

bool HelpViewer::ShowTopic(int context) {
  const bool known = FindHelpTopic(context) != nullptr;
  display(context);
  if (!known) panels_->setCurrentIndex(0);
  bringUp();
  return known;
}

void HelpViewer::ShowContents() {
  panels_->setCurrentIndex(0);
  display(kHelpContentsContext);
  bringUp();
}

void HelpViewer::ShowSearch() {
  panels_->setCurrentIndex(1);
  if (current_ == 0) display(kHelpContentsContext);
  bringUp();
  searchEdit_->setFocus();
  searchEdit_->selectAll();
}

void HelpViewer::ShowHelpOnHelp() {
  display(kHelpOnHelpContext);
  bringUp();
}

void HelpViewer::Quit() { close(); }

bool HelpViewer::SearchShown() const { return isVisible() && panels_->currentIndex() == 1; }

void HelpViewer::SearchFor(const QString& s) {
  const QString wanted = s.trimmed();
  for (int i = 0; i < keywordList_->count(); ++i) {
    if (keywordList_->item(i)->data(Qt::UserRole + 1).toString().startsWith(wanted, Qt::CaseInsensitive)) {
      keywordList_->setCurrentRow(i);
      keywordList_->scrollToItem(keywordList_->item(i), QAbstractItemView::PositionAtTop);
      return;
    }
  }
  keywordList_->setCurrentRow(-1);
}

bool HelpViewer::DisplaySelectedKeyword() {
  QListWidgetItem* item = keywordList_->currentItem();
  if (!item || !item->isSelected()) return false;
  display(item->data(Qt::UserRole).toInt());
  return true;
}

QString HelpViewer::TopicText() const { return topicView_->toPlainText(); }

void HelpViewer::back() {
  if (history_.isEmpty()) return;
  const int previous = history_.takeLast();
  const HelpTopic* topic = FindHelpTopic(previous);
  current_ = 0;  // no history entry for going back
  display(topic ? topic->context : kHelpContentsContext);
  btnBack_->setEnabled(!history_.isEmpty());
}

void HelpViewer::linkClicked(const QUrl& url) {
  if (url.scheme() == "topic") display(url.path().toInt());
}

}  // namespace zeb
