#include "CLocaleScope.h"

namespace terrovane::numbers {

CLocaleScope::CLocaleScope() : c_(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0))) {
    if (c_ != static_cast<locale_t>(0)) {
        previous_ = uselocale(c_);
    }
}

CLocaleScope::~CLocaleScope() {
    if (c_ != static_cast<locale_t>(0)) {
        uselocale(previous_);
        freelocale(c_);
    }
}

}  // namespace terrovane::numbers
