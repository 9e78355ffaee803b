#pragma once
// (engine placeholder; replaced by the amortization engine)
namespace zeb {
class TMortgage {
public:
  virtual ~TMortgage() = default;
};
}  // namespace zeb
