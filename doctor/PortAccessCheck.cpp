#include <sys/stat.h>

#include <algorithm>

#include "Acl.h"
#include "Checks.h"

namespace terrovane::doctor {
namespace {

constexpr unsigned kReadWrite = 06;

std::string ModeString(mode_t mode) {
    std::string text = S_ISCHR(mode) ? "c" : S_ISREG(mode) ? "-" : "?";
    const char* letters = "rwx";
    for (int shift = 6; shift >= 0; shift -= 3) {
        for (int bit = 0; bit < 3; ++bit)
            text += (mode >> (shift + 2 - bit)) & 1 ? letters[bit] : '-';
    }
    return text;
}

bool InSession(const Account& account, gid_t gid) {
    return std::find(account.sessionGroups.begin(), account.sessionGroups.end(), gid) !=
           account.sessionGroups.end();
}

// How the account gets read and write access, or empty when it does not. The kernel's order: owner, then
// the access list's named users, then the groups, then everyone else.
std::string AccessThrough(const struct stat& info, const Account& account, const std::string& acl,
                          const std::string& groupName) {
    const unsigned owner = (info.st_mode >> 6) & 07;
    const unsigned group = (info.st_mode >> 3) & 07;
    const unsigned other = info.st_mode & 07;
    if (account.uid == 0)
        return "as root";
    if (account.uid == info.st_uid)
        return (owner & kReadWrite) == kReadWrite ? "as its owner" : "";
    if (const auto listed = AclPermissionsFor(acl, account.uid))
        return (*listed & kReadWrite) == kReadWrite ? "through its access list (uaccess)" : "";
    if (InSession(account, info.st_gid))
        return (group & kReadWrite) == kReadWrite ? "through group " + groupName : "";
    return (other & kReadWrite) == kReadWrite ? "as anyone may" : "";
}

Finding Denied(const std::string& what, const struct stat& info, const Account& account,
               const std::string& groupName, const Paths& paths, bool ownRuleInstalled) {
    const bool groupMayOpen = (((info.st_mode >> 3) & kReadWrite) == kReadWrite);
    const std::optional<GroupEntry> group = FindGroup(info.st_gid, paths);
    if (groupMayOpen && group && FilesListMember(*group, account, paths) && !InSession(account, info.st_gid))
        return {
            Mark::Fail, "access",
            what + ": " + account.name + " may not open it: joined " + groupName + " after this login began",
            "log out and log in again (or reboot) so the session gets group " + groupName};
    std::string why = account.name + " may not open it: ";
    why += groupMayOpen ? "not a member of " + groupName : "its group may not open it either";
    why += ", and its access list (uaccess) has no entry for " + account.name;
    const std::string join =
        groupMayOpen ? "sudo adduser " + account.name + " " + groupName + ", then log in again" : "";
    std::string fix;
    if (ownRuleInstalled)
        fix =
            "the udev rule gives the port to the user at the computer's own screen (not over ssh): log in "
            "there "
            "and plug the instrument in again";
    else
        fix = "install the terrovane package: its udev rule lets the logged-in user open the port";
    if (!join.empty())
        fix += "; or " + join;
    return {Mark::Fail, "access", what + ": " + why, fix};
}

}  // namespace

Finding CheckPortAccess(const Paths& paths, const std::string& device, const Account& account,
                        bool ownRuleInstalled) {
    if (device.empty())
        return {Mark::Info, "access", "no port to check", {}};
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0)
        return {Mark::Fail, "access", device + " does not exist", "plug the instrument in and switch it on"};
    const std::string groupName = GroupName(info.st_gid, paths);
    const std::string what = device + " (owner " + UserName(info.st_uid, paths) + ", group " + groupName +
                             ", " + ModeString(info.st_mode) + ")";
    const std::string through = AccessThrough(info, account, ReadAccessList(device), groupName);
    if (through.empty())
        return Denied(what, info, account, groupName, paths, ownRuleInstalled);
    return {Mark::Ok, "access", what + ": " + account.name + " may open it " + through, {}};
}

}  // namespace terrovane::doctor
