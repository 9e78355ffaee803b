#pragma once
// TfrmCalculator: the popup calculator. A fixed dialog, "Popup Calculator": the desk
// calculator control across the top (255 pixels high), a bevel line and "  Close".
// Created for each opening, so its display, memory and tape start empty every time.
#include <QDialog>

class QPushButton;

namespace zeb {

class TDeskCalculator;

class TfrmCalculator : public QDialog {
  Q_OBJECT
public:
  explicit TfrmCalculator(QWidget* parent = nullptr);

  void btnExitClick();
  TDeskCalculator* OvcCalculator1() const { return ovcCalculator1_; }
  QPushButton* btnExit() const { return btnExit_; }

private:
  TDeskCalculator* ovcCalculator1_ = nullptr;
  QPushButton* btnExit_ = nullptr;
};

}  // namespace zeb
