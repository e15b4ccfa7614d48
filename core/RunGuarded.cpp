#include "core/RunGuarded.h"

#include <exception>
#include <new>

#include "base/ErrorReport.h"

bool RunGuarded(const Services& services, const std::function<void()>& handler) {
  std::string message;
  try {
    handler();
    return true;
  } catch (const std::bad_alloc&) {
    message = "Out of memory";
  } catch (const std::exception& e) {
    message = e.what();
  } catch (...) {
    message = "Unknown error";
  }
  if (services.messages)
    services.messages->ShowError(ErrorReportTitle(services.exePath), ErrorReportText(message));
  return false;
}
