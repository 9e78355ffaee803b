#include "widgets/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace zeb {
namespace {
MessageLog* g_recorder = nullptr;
}

QStringList MessageLog::informationTexts() const {
  QStringList out;
  for (const auto& e : entries)
    if (e.kind == Kind::Information) out << e.text;
  return out;
}

void ShowInformation(const QString& text) {
  if (g_recorder) {
    g_recorder->entries.push_back({MessageLog::Kind::Information, text});
    return;
  }
  QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(), text,
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

bool AskYesNo(const QString& text) {
  if (g_recorder) {
    g_recorder->entries.push_back({MessageLog::Kind::Confirmation, text});
    return g_recorder->confirmAnswer;
  }
  QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
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
