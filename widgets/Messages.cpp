#include "widgets/Messages.h"

#include "app/AppInfo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace zeb {
namespace {
MessageLog* g_recorder = nullptr;
unsigned g_serial = 0;
}

unsigned MessageSerial() { return g_serial; }

QStringList MessageLog::informationTexts() const {
  QStringList out;
  for (const auto& e : entries)
    if (e.kind == Kind::Information) out << e.text;
  return out;
}

QString MessageDisplayText(const QString& text) {
  QString out = text;
  out.replace(QLatin1String("\n\r"), QLatin1String("\n"));
  out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return out;
}

namespace {

// A box that opens while a button is held down takes its release: the button would stay
// drawn pressed. It is let up without being clicked.
void ReleasePressedButtons() {
  ++g_serial;
  for (QWidget* top : QApplication::topLevelWidgets())
    for (QAbstractButton* b : top->findChildren<QAbstractButton*>())
      if (b->isDown()) b->setDown(false);
}

}  // namespace

void ShowInformation(const QString& text) {
  ReleasePressedButtons();
  if (g_recorder) {
    g_recorder->entries.push_back({MessageLog::Kind::Information, text});
    return;
  }
  QMessageBox box(QMessageBox::Information, kAppTitle, MessageDisplayText(text),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

bool AskYesNo(const QString& text) {
  ReleasePressedButtons();
  if (g_recorder) {
    g_recorder->entries.push_back({MessageLog::Kind::Confirmation, text});
    return g_recorder->confirmAnswer;
  }
  QMessageBox box(QMessageBox::Question, kAppTitle, MessageDisplayText(text),
                  QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
  return box.exec() == QMessageBox::Yes;
}

void Beep() {
  if (g_recorder) {
    g_recorder->entries.push_back({MessageLog::Kind::Beep, QString()});
    return;
  }
  QApplication::beep();
}

MessageRecorder::MessageRecorder(MessageLog& log) : previous_(g_recorder) { g_recorder = &log; }
MessageRecorder::~MessageRecorder() { g_recorder = previous_; }

}  // namespace zeb
