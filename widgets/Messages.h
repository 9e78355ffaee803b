#pragma once
// The one seam every message the user sees passes through: information boxes (OK),
// confirmations (Yes / No) and the beep. The boxes carry the application title.
// Tests install a recorder (MessageRecorder) so that nothing modal ever blocks them.
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace zeb {

struct MessageLog {
  enum class Kind { Information, Confirmation, Beep };
  struct Entry {
    Kind kind;
    QString text;
  };
  std::vector<Entry> entries;
  bool confirmAnswer = true;  // what a recorded confirmation answers
  QStringList informationTexts() const;
};

// Information box with an OK button.
void ShowInformation(const QString& text);
// Confirmation box with Yes and No; true for Yes.
bool AskYesNo(const QString& text);
// The desktop's beep.
void Beep();

// While alive, every message is recorded in `log` instead of shown.
class MessageRecorder {
public:
  explicit MessageRecorder(MessageLog& log);
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

private:
  MessageLog* previous_;
};

}  // namespace zeb
