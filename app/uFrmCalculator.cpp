#include "app/uFrmCalculator.h"

#include <QPushButton>

#include "widgets/Bevel.h"
#include "widgets/DeskCalculator.h"
#include "widgets/UiText.h"

namespace zeb {

TfrmCalculator::TfrmCalculator(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("frmCalculator");
  setWindowTitle("Popup Calculator");
  setFont(ArialFont(11));
  setFixedSize(214, 294);

  ovcCalculator1_ = new TDeskCalculator(this);
  ovcCalculator1_->setObjectName("OvcCalculator1");
  ovcCalculator1_->setGeometry(0, 0, 214, 255);

  auto* bevel = new TBevelLine(this);
  bevel->setObjectName("Bevel1");
  bevel->setGeometry(6, 260, 202, 2);

  btnExit_ = new QPushButton("  Close", this);
  btnExit_->setObjectName("btnExit");
  btnExit_->setGeometry(76, 268, 67, 25);
  btnExit_->setAutoDefault(true);
  SetHint(btnExit_, "Close the Popup Calculator");
  connect(btnExit_, &QPushButton::clicked, this, &TfrmCalculator::btnExitClick);

  setTabOrder(ovcCalculator1_, btnExit_);
  ovcCalculator1_->setFocus();
}

void TfrmCalculator::btnExitClick() { close(); }

}  // namespace zeb
