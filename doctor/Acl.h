#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace terrovane::doctor {

// What a file's access list (the one logind keeps for the user at the seat, "uaccess") grants one user:
// the rw bits of the named-user entry, limited by the mask. Nothing when the list names no such user.
std::optional<unsigned> AclPermissionsFor(const std::string& xattrValue, uid_t uid);

// The file's access list as the kernel stores it (extended attribute system.posix_acl_access); empty
// when it has none.
std::string ReadAccessList(const std::string& path);

}  // namespace terrovane::doctor
