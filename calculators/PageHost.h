#pragma once
// What a calculator page may ask of the main window. Pages never reach into each
// other; everything they share goes through TfrmMain behind this interface.
#include <QString>
#include <memory>

namespace zeb {

class TMortgage;

class PageHost {
public:
  virtual ~PageHost() = default;

  virtual void AllowPrinting() = 0;
  virtual void DisallowPrinting() = 0;
  // Enables the button bar's "Reset values" button.
  virtual void EnableReset() = 0;
  // Key of the page on show: "Welcome", "Menu", "QC", "RC", "TB", "Amort", ...
  virtual QString CurrentPageKey() const = 0;

  // 0: the one-page resets apply zero values; otherwise sample values.
  virtual int DefaultValueSet() const = 0;
  // The settings value "Payment", which the Amortization reset writes.
  virtual double SettingsPayment() const = 0;
  virtual void SetSettingsPayment(double payment) = 0;

  // Today's short month name ("Jan") and year, taken at start-up.
  virtual QString TodayMonthShort() const = 0;
  virtual int TodayYear() const = 0;

  // The one amortization engine object of the run.
  virtual std::unique_ptr<TMortgage>& Mortgage() = 0;
};

}  // namespace zeb
