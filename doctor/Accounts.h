#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "Paths.h"

namespace terrovane::doctor {

struct GroupEntry {
    std::string name;
    gid_t gid = 0;
    std::vector<std::string> members;
};

// The lines of a group file ("name:password:gid:member,member"); malformed lines are skipped.
std::vector<GroupEntry> ParseGroupFile(const std::string& text);

// The user whose access is judged: the groups of the running session (what the kernel checks) and the
// groups the account files give the user (what the next login will have).
struct Account {
    uid_t uid = 0;
    gid_t gid = 0;
    std::string name;
    std::vector<gid_t> sessionGroups;  // primary and supplementary
};

// The user running this program, with the groups of this process.
Account CurrentAccount(const Paths& paths);
// A user named in the passwd file, as a fresh login would have it; nothing when the user is unknown.
std::optional<Account> AccountFromFiles(const std::string& name, const Paths& paths);

// Names from the account files; the number as text when the files do not know it.
std::string UserName(uid_t uid, const Paths& paths);
std::string GroupName(gid_t gid, const Paths& paths);
// The group's entry in the group file, when it has one.
std::optional<GroupEntry> FindGroup(gid_t gid, const Paths& paths);
// True when the account files make the user a member of the group (listed, or as primary group).
bool FilesListMember(const GroupEntry& group, const Account& account, const Paths& paths);

}  // namespace terrovane::doctor
