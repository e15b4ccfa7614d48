#include "core/ErrorReport.h"

#include "core/showlist/ItemPath.h"

std::string ErrorReportTitle(const std::string& exePath) {
  std::string title = NamePart(exePath);
  title = title.substr(0, title.find('.'));
  for (size_t i = 1; i < title.size(); ++i)
    if (title[i] >= 'A' && title[i] <= 'Z') title[i] = static_cast<char>(title[i] - 'A' + 'a');
  return title;
}

std::string ErrorReportText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}
