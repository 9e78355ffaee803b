#pragma once
// Notation of the field key tables: a text with "|" at the caret, or "[...]" around a
// selection (the caret at its end); key strings where "B" is Backspace, "D" is Delete
// and every other character is typed as it stands.
#include <string>

#include "widgets/model/FieldEdit.h"

namespace zeb::testing {

inline FieldEdit Marked(const std::string& marked) {
  FieldEdit e;
  int open = -1;
  for (char c : marked) {
    if (c == '|') {
      e.caret = static_cast<int>(e.text.size());
    } else if (c == '[') {
      open = static_cast<int>(e.text.size());
    } else if (c == ']') {
      e.selStart = open;
      e.selLength = static_cast<int>(e.text.size()) - open;
      e.caret = static_cast<int>(e.text.size());
    } else {
      e.text += c;
    }
  }
  if (e.selLength == 0) e.selStart = e.caret;
  return e;
}

inline std::string Mark(const FieldEdit& e) {
  std::string s = e.text;
  if (e.selLength > 0) {
    s.insert(e.SelEnd(), "]");
    s.insert(e.selStart, "[");
  } else {
    s.insert(e.caret, "|");
  }
  return s;
}

inline FieldKey KeyOf(char c) {
  if (c == 'B') return FieldKey::Backspace();
  if (c == 'D') return FieldKey::Delete();
  return FieldKey::Char(c);
}

}  // namespace zeb::testing
