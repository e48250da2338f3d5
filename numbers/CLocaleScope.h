#pragma once

#include <locale.h>

namespace terrovane::numbers {

// While it lives, this thread formats and reads numbers as the C locale does. For libraries that write
// numbers with printf on our behalf (the .xlsx writer does), whatever locale the program runs under.
class CLocaleScope {
  public:
    CLocaleScope();
    ~CLocaleScope();
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

  private:
    locale_t c_ = static_cast<locale_t>(0);
    locale_t previous_ = static_cast<locale_t>(0);
};

}  // namespace terrovane::numbers
