#pragma once
// What every print routine does with its page: read a field's value or text by the
// field's name, fill the template's objects (skipping objects the template lacks), run
// the common header step, and let a data band walk a grid's rows.
#include <optional>
#include <string>

class QWidget;

namespace zeb {

class TReport;

// The value of the named field read by the field's own rule (money, picture, whole
// number or plain text field); nothing when the page has no such field.
std::optional<double> ReportFieldValue(const QWidget* page, const char* name);
// The text the named field or label shows, without the blanks a picture field pads with.
std::optional<std::string> ReportFieldText(const QWidget* page, const char* name);
// The chosen item of the named radio group (-1 when none or no such group).
int ReportRadioIndex(const QWidget* page, const char* name);

// Locates the object and sets its text; skipped when the template lacks it.
void SetReportText(TReport& report, const char* object, const std::string& text);
// Sets it from a field read with `form`, when the page has the field.
void SetReportValue(TReport& report, const char* object, const QWidget* page, const char* field,
                    std::string (*form)(double));
void SetReportFieldText(TReport& report, const char* object, const QWidget* page, const char* field);

// The common header: the title, the sponsor's two header lines, its address and the
// program's title in the footer.
void CommonHeaderStep(TReport& report, const std::string& title);

}  // namespace zeb
