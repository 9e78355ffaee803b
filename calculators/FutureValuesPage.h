#pragma once
// The Future Values page ("FV"): five savings scenarios side by side. Leaving any field
// of the page, or choosing a compounding frequency, recomputes all five rows with the
// core's FutureValue; there is no calculate button.
//
//   a field is left / a compounding entry chosen / the first box's text changed
//     -> CalcFV(sender), inside Guarded()
//     -> for rows 1 to 5: FutureValue(text, balance, rate, months, payment)
//     -> the row's yellow result field, before the next row is taken
//   A row that fails (a text that is none of the four names with a rate, a rate with
//   nothing to take the logarithm of, an overflow) stops the calculation there: the
//   rows above keep their new values, that row and those below their old ones, and
//   the error goes on to the application-wide handler.
#include <QWidget>
#include <array>

namespace zeb {

class PageHost;
class TComboBox;
class TFnpNumericEdit;
class TMoneyEdit;
class TOvcPictureField;

class FutureValuesPage : public QWidget {
  Q_OBJECT
public:
  static constexpr int kRows = 5;

  FutureValuesPage(PageHost& host, QWidget* parent = nullptr);
  ~FutureValuesPage() override;

  // Writes the zero or the sample column of the page's values (no closing steps).
  void WriteValues(bool sample);
  // The closing step of the reset: the focus to edtFVp1 if the page is on show.
  void ClosingSteps();
  // The one-page reset: values by the host's DefaultValueSet, then the closing steps.
  void ResetFutureValues();

  // Handler of every field's exit, of the first box's change and of the list choice
  // in boxes 2 to 5.
  void CalcFV(QObject* sender);

  struct Row {
    TMoneyEdit* balance = nullptr;      // edtFVp
    TComboBox* compounding = nullptr;   // cbCompounding
    TMoneyEdit* payment = nullptr;      // edtFVpmt
    TMoneyEdit* rate = nullptr;         // edtFVir
    TFnpNumericEdit* months = nullptr;  // edtFVn
    TOvcPictureField* result = nullptr; // edtFV
  };
  const Row& RowFields(int index) const { return rows_.at(static_cast<size_t>(index)); }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  PageHost& host_;
  std::array<Row, kRows> rows_;
};

}  // namespace zeb
