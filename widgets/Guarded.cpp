#include "widgets/Guarded.h"

namespace zeb {
namespace {
ExceptionHandler& Installed() {
  static ExceptionHandler handler;
  return handler;
}
}  // namespace

void SetApplicationExceptionHandler(ExceptionHandler handler) { Installed() = std::move(handler); }

void HandleApplicationException(std::exception_ptr error) {
  if (Installed()) {
    Installed()(error);
    return;
  }
  std::rethrow_exception(error);
}

}  // namespace zeb
