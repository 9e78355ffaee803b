#pragma once
// TfrmLoanApplication: the modal loan application window. A white header with the
// sponsor's logo and web link, the notebook nbkLoanApplication (Introduction, Loan
// Application Form, Preview Submission, Submit) and btnClose.
//
// The form's values travel as a TLoanApplicationForm (loanapp/LoanApplication.h):
// every page change rebuilds the preview from them (FillMemPreviewSubmission), and the
// submit button (CreateMessage) puts the preview on the clipboard, then hands the
// mailto link to the desktop's e-mail program through OpenWithDesktop. A link longer
// than e-mail programs accept is not opened; the applicant is pointed to the
// clipboard copy instead.
//
// The only value that outlives the window is the applicant's first name: the window
// shows the main window's remembered name and writes it back when closed with its
// Close button (not with the close box or Escape).
#include <QDialog>
#include <QString>
#include <array>

#include "loanapp/LoanApplication.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;

namespace zeb {

class TURLLabel;
class TOvcPictureField;
class TRadioGroup;

inline const QString kCannotAccessEmailClient = QStringLiteral("Cannot access your email client.");

class TfrmLoanApplication : public QDialog {
  Q_OBJECT
public:
  // `rememberedFirstName` is the main window's LoanApplicationFirstName; it must
  // outlive the window.
  explicit TfrmLoanApplication(QString& rememberedFirstName, QWidget* parent = nullptr);

  void FormCreate();
  void nbkLoanApplicationPageChange();
  void FillMemPreviewSubmission();
  void CreateMessage();
  void btnCloseClick();

  // The form's current values.
  TLoanApplicationForm FormValues() const;

  QTabWidget* Notebook() const { return nbkLoanApplication_; }

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  QWidget* buildHeader();
  QWidget* buildIntroduction();
  QWidget* buildApplication();
  QWidget* buildPreview();
  QWidget* buildSend();

  QString& rememberedFirstName_;
  QTabWidget* nbkLoanApplication_ = nullptr;
  TURLLabel* UrlZEB_ = nullptr;
  QScrollArea* sbxApplication_ = nullptr;
  QLineEdit* edtFirstName_ = nullptr;
  QLineEdit* edtLastName_ = nullptr;
  QLineEdit* edtCompany_ = nullptr;
  QLineEdit* edtAddress_ = nullptr;
  QLineEdit* edtCity_ = nullptr;
  QLineEdit* edtState_ = nullptr;
  QLineEdit* edtZipcode_ = nullptr;
  QLineEdit* edtWorkPhone_ = nullptr;
  QLineEdit* edtFaxPhone_ = nullptr;
  QLineEdit* edtEmail_ = nullptr;
  TOvcPictureField* edtPropertyValue_ = nullptr;
  QComboBox* cbPropertyType_ = nullptr;
  QLineEdit* edtPropertyState_ = nullptr;
  QLineEdit* edtOtherPropertyType_ = nullptr;
  TRadioGroup* rgPropertyOccupied_ = nullptr;
  TOvcPictureField* edtLoanAmount_ = nullptr;
  QComboBox* cbLoanType_ = nullptr;
  QComboBox* cbInterestType_ = nullptr;
  QComboBox* cbAmortization_ = nullptr;
  QComboBox* cbLoanTerm_ = nullptr;
  std::array<TRadioGroup*, kImportanceRows> importance_{};
  QPlainTextEdit* memInformation_ = nullptr;
  QPlainTextEdit* memPreviewSubmission_ = nullptr;
  QPushButton* oxButton1_ = nullptr;
  QPushButton* btnClose_ = nullptr;
};

}  // namespace zeb
