#pragma once
// The page of a calculator that this build does not offer yet: its name and a plain
// statement that it cannot calculate.
#include <QWidget>

namespace zeb {

class UnavailablePage : public QWidget {
  Q_OBJECT
public:
  UnavailablePage(const QString& calculatorName, QWidget* parent = nullptr);
};

}  // namespace zeb
