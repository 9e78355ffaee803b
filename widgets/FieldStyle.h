#pragma once
// The colours every field kind shares: entry fields white, results yellow (read-only,
// skipped by Tab), a field in error red with black text.
class QWidget;

namespace zeb {

enum class FieldRole { Entry, Result, Error };

// Applies the role's colours; Result also makes the field read-only and takes it out
// of the Tab order, Entry makes it editable and a tab stop again.
void ApplyFieldRole(QWidget* field, FieldRole role);

}  // namespace zeb
