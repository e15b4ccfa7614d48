#include "base/ErrorReport.h"

#include "base/AsciiCase.h"
#include "base/PathParts.h"

std::string ErrorReportTitle(const std::string& exePath) {
  std::string title = NamePart(exePath);
  title = title.substr(0, title.find('.'));
  for (size_t i = 1; i < title.size(); ++i) title[i] = AsciiLower(title[i]);
  return title;
}

std::string ErrorReportText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}
