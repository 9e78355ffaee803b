#include "finance/Regional.h"

namespace zeb {

const RegionalSettings& Regional() {
  static const RegionalSettings settings;
  return settings;
}

}  // namespace zeb
