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

// The text as a box shows it: the stored texts end their lines with a line feed and a
// carriage return; each such pair (and a CR LF, a lone CR) is one line break.
QString MessageDisplayText(const QString& text);

// Information box with an OK button. Before any box opens, a button left pressed is
// let up.
void ShowInformation(const QString& text);
// Confirmation box with Yes and No; true for Yes.
bool AskYesNo(const QString& text);
// The desktop's beep.
void Beep();
// Counts the boxes shown (and recorded) so far: what the input rules compare to tell
// that a box opened while an event was on its way.
unsigned MessageSerial();

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
