#include <langinfo.h>
#include <locale.h>

#include "platform/DecimalSeparator.h"

namespace platform {

char DecimalSeparator() {
  // A locale object of its own, so the process-wide C locale stays as it is.
  locale_t user = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (user == static_cast<locale_t>(0)) return '.';
  const char* radix = ::nl_langinfo_l(RADIXCHAR, user);
  const char separator = radix && radix[0] && !radix[1] ? radix[0] : '.';
  ::freelocale(user);
  return separator;
}

}  // namespace platform
