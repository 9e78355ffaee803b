#pragma once
// Event handlers run through Guarded(): an exception that leaves a handler goes to the
// one application-wide handler (TfrmMain::AppOnException) instead of unwinding through
// the toolkit. The application's notify() override catches whatever still escapes.
#include <exception>
#include <functional>

namespace zeb {

using ExceptionHandler = std::function<void(std::exception_ptr)>;

// Installs the application-wide handler (the main window does this first at set-up).
void SetApplicationExceptionHandler(ExceptionHandler handler);
// Hands an exception to the installed handler (rethrows when none is installed).
void HandleApplicationException(std::exception_ptr error);

// Runs `handler`; any exception it throws reaches the application-wide handler.
template <class F>
void Guarded(F&& handler) {
  try {
    handler();
  } catch (...) {
    HandleApplicationException(std::current_exception());
  }
}

}  // namespace zeb
