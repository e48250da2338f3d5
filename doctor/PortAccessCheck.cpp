#include <sys/stat.h>

#include <algorithm>
#include <optional>

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

// How the account gets read and write access, or nothing when it does not. The kernel's order: owner, then
// the access list's named users, then the groups, then everyone else.
std::optional<Said> AccessThrough(const struct stat& info, const Account& account, const std::string& acl,
                                  const Said& what, const std::string& groupName) {
    const unsigned owner = (info.st_mode >> 6) & 07;
    const unsigned group = (info.st_mode >> 3) & 07;
    const unsigned other = info.st_mode & 07;
    const auto granted = [&](bool may, Phrase phrase) -> std::optional<Said> {
        if (!may)
            return std::nullopt;
        if (phrase == Phrase::MayOpenThroughGroup)
            return Said{phrase, {what, account.name, groupName}};
        return Said{phrase, {what, account.name}};
    };
    if (account.uid == 0)
        return granted(true, Phrase::MayOpenAsRoot);
    if (account.uid == info.st_uid)
        return granted((owner & kReadWrite) == kReadWrite, Phrase::MayOpenAsOwner);
    if (const auto listed = AclPermissionsFor(acl, account.uid))
        return granted((*listed & kReadWrite) == kReadWrite, Phrase::MayOpenThroughAccessList);
    if (InSession(account, info.st_gid))
        return granted((group & kReadWrite) == kReadWrite, Phrase::MayOpenThroughGroup);
    return granted((other & kReadWrite) == kReadWrite, Phrase::MayOpenAsAnyone);
}

Finding Denied(const Said& what, const struct stat& info, const Account& account,
               const std::string& groupName, const Paths& paths, bool ownRuleInstalled) {
    const bool groupMayOpen = (((info.st_mode >> 3) & kReadWrite) == kReadWrite);
    const std::optional<GroupEntry> group = FindGroup(info.st_gid, paths);
    if (groupMayOpen && group && FilesListMember(*group, account, paths) && !InSession(account, info.st_gid))
        return {Mark::Fail,
                Check::Access,
                {{Phrase::JoinedAfterLogin, {what, account.name, groupName}}},
                {{Phrase::LogInAgainForGroup, {groupName}}}};
    Finding denied{Mark::Fail, Check::Access, {}, {}};
    if (groupMayOpen)
        denied.text.push_back({Phrase::NotAGroupMember, {what, account.name, groupName}});
    else
        denied.text.push_back({Phrase::GroupMayNotOpenEither, {what, account.name}});
    if (ownRuleInstalled)
        denied.fix.push_back({Phrase::RuleGivesPortToSeat, {}});
    else
        denied.fix.push_back({Phrase::InstallPackageForAccess, {kPackage}});
    if (groupMayOpen)
        denied.fix.push_back({Phrase::OrJoinGroup, {"sudo adduser " + account.name + " " + groupName}});
    return denied;
}

}  // namespace

Finding CheckPortAccess(const Paths& paths, const std::string& device, const Account& account,
                        bool ownRuleInstalled) {
    if (device.empty())
        return {Mark::Info, Check::Access, {{Phrase::NoPortToCheck, {}}}, {}};
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0)
        return {Mark::Fail,
                Check::Access,
                {{Phrase::DeviceMissing, {device}}},
                {{Phrase::PlugInAndSwitchOn, {}}}};
    const std::string groupName = GroupName(info.st_gid, paths);
    const Said what{Phrase::DeviceOwnership,
                    {device, UserName(info.st_uid, paths), groupName, ModeString(info.st_mode)}};
    const std::optional<Said> through = AccessThrough(info, account, ReadAccessList(device), what, groupName);
    if (!through)
        return Denied(what, info, account, groupName, paths, ownRuleInstalled);
    return {Mark::Ok, Check::Access, {*through}, {}};
}

}  // namespace terrovane::doctor
