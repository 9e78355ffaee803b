#include "calculators/UnavailablePage.h"

#include <QLabel>
#include <QVBoxLayout>

namespace zeb {

UnavailablePage::UnavailablePage(const QString& calculatorName, QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(calculatorName, this);
  QFont f("Arial");
  f.setPixelSize(19);
  f.setBold(true);
  title->setFont(f);
  title->setStyleSheet("color: navy");
  auto* text = new QLabel(
      "This calculator is not yet available in this version.\n"
      "It does not calculate anything yet; please use the Quick Calculators,\n"
      "Amortization Schedules or Tabulon Calculator in the meantime.",
      this);
  text->setObjectName("lblNotAvailable");
  text->setStyleSheet("color: navy");
  layout->addStretch();
  layout->addWidget(title, 0, Qt::AlignHCenter);
  layout->addWidget(text, 0, Qt::AlignHCenter);
  layout->addStretch(2);
}

}  // namespace zeb
