#pragma once
// TAboutBox: the about box. A fixed dialog without title-bar buttons, centred on the
// screen whenever it is shown: a white bevelled panel with the sponsor's logo, the
// program's name, version, compile date and the sponsor's web and e-mail links, and
// " &OK" below it. The caption, version and compile date are set each time it is shown.
#include <QDialog>

class QLabel;
class QPushButton;

namespace zeb {

class TBevelPanel;
class TLogoPicture;
class TURLLabel;

class TAboutBox : public QDialog {
  Q_OBJECT
public:
  explicit TAboutBox(QWidget* parent = nullptr);

  void FormShow();
  void BtnCloseClick();

  TBevelPanel* Panel1() const { return panel1_; }
  TLogoPicture* ProgramIcon() const { return programIcon_; }
  QLabel* lblVersion() const { return lblVersion_; }
  QLabel* lblCompileDate() const { return lblCompileDate_; }
  TURLLabel* UrlLabel1() const { return urlLabel1_; }
  TURLLabel* URLLabel2() const { return urlLabel2_; }
  QPushButton* btnClose() const { return btnClose_; }

protected:
  void showEvent(QShowEvent* event) override;

private:
  TBevelPanel* panel1_ = nullptr;
  TLogoPicture* programIcon_ = nullptr;
  QLabel* lblVersion_ = nullptr;
  QLabel* lblCompileDate_ = nullptr;
  TURLLabel* urlLabel1_ = nullptr;
  TURLLabel* urlLabel2_ = nullptr;
  QPushButton* btnClose_ = nullptr;
};

}  // namespace zeb
