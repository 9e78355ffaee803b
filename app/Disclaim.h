#pragma once
// TfrmDisclaim: the disclaimer. A fixed window without title-bar buttons, centred on
// the screen whenever it is shown: four word-wrapped texts on a white bevelled panel
// across the top, " &OK" below it.
#include <QDialog>

class QLabel;
class QPushButton;

namespace zeb {

class TBevelPanel;

class TfrmDisclaim : public QDialog {
  Q_OBJECT
public:
  explicit TfrmDisclaim(QWidget* parent = nullptr);

  void BtnCloseClick();
  TBevelPanel* Panel1() const { return panel1_; }
  QPushButton* btnClose() const { return btnClose_; }

protected:
  void showEvent(QShowEvent* event) override;

private:
  TBevelPanel* panel1_ = nullptr;
  QPushButton* btnClose_ = nullptr;
};

}  // namespace zeb
