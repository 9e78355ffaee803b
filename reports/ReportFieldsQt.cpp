#include "reports/ReportFieldsQt.h"

#include <QLabel>
#include <QLineEdit>

#include "app/AppInfo.h"
#include "app/Sponsor.h"
#include "finance/TextForms.h"
#include "reports/Report.h"
#include "widgets/FnpNumericEdit.h"
#include "widgets/Mneyedit.h"
#include "widgets/NumCtrl.h"
#include "widgets/PictureField.h"
#include "widgets/RadioGroup.h"

namespace zeb {

std::optional<double> ReportFieldValue(const QWidget* page, const char* name) {
  if (!page) return std::nullopt;
  QWidget* field = page->findChild<QWidget*>(name);
  if (auto* money = qobject_cast<TMoneyEdit*>(field)) return static_cast<double>(money->TextAsFloat());
  if (auto* picture = qobject_cast<TOvcPictureField*>(field)) return picture->AsFloat();
  if (auto* whole = qobject_cast<TFnpNumericEdit*>(field)) return whole->Value();
  if (auto* points = qobject_cast<TNumEdit*>(field)) return static_cast<double>(points->Value());
  if (auto* edit = qobject_cast<QLineEdit*>(field)) return StrToFloat(edit->text().toStdString());
  return std::nullopt;
}

std::optional<std::string> ReportFieldText(const QWidget* page, const char* name) {
  if (!page) return std::nullopt;
  QWidget* field = page->findChild<QWidget*>(name);
  if (auto* edit = qobject_cast<QLineEdit*>(field)) return edit->text().trimmed().toStdString();
  if (auto* label = qobject_cast<QLabel*>(field)) return label->text().trimmed().toStdString();
  return std::nullopt;
}

int ReportRadioIndex(const QWidget* page, const char* name) {
  const auto* group = page ? page->findChild<TRadioGroup*>(name) : nullptr;
  return group ? group->ItemIndex() : -1;
}

void SetReportText(TReport& report, const char* object, const std::string& text) {
  SetObjectText(report.LocateObject(object), text);
}

void SetReportValue(TReport& report, const char* object, const QWidget* page, const char* field,
                    std::string (*form)(double)) {
  if (const std::optional<double> value = ReportFieldValue(page, field)) SetReportText(report, object, form(*value));
}

void SetReportFieldText(TReport& report, const char* object, const QWidget* page, const char* field) {
  if (const std::optional<std::string> text = ReportFieldText(page, field)) SetReportText(report, object, *text);
}

void CommonHeaderStep(TReport& report, const std::string& title) {
  SetReportText(report, "lblReportTitle", title);
  SetReportText(report, "lblHeader1", (kSponsorName + "       " + kSponsorWebAddress).toStdString());
  SetReportText(report, "lblHeader2", kSponsorSlogan.toStdString());
  SetReportText(report, "lblURL", kSponsorWebAddress.toStdString());
  SetReportText(report, "lblApplicationTitle", kAppTitle.toStdString());
}

}  // namespace zeb
