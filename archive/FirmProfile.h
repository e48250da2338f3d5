#pragma once

#include <string>

namespace terrovane::archive {

// The firm that issues the reports: printed in every site report's header and on its title page. One per
// archive, and with the team one for everyone.
struct FirmProfile {
    std::string name;
    std::string address;  // may hold several lines
    std::string phone;
    std::string email;
    std::string licence;   // accreditation or licence number
    std::string prefix;    // the first part of the firm's report numbers, letters and digits
    std::string logo;      // the logo file's bytes; empty for none
    std::string logoType;  // "png" or "svg" where there is a logo

    bool Empty() const {
        return name.empty() && address.empty() && phone.empty() && email.empty() && licence.empty() &&
               prefix.empty() && logo.empty();
    }
};

}  // namespace terrovane::archive
