#include "Accounts.h"

#include <unistd.h>

#include <algorithm>
#include <string_view>

#include "Numbers.h"
#include "SmallFile.h"

namespace terrovane::doctor {
namespace {

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

template <typename Id>
bool ParseId(std::string_view text, Id& id) {
    const std::optional<Id> parsed = numbers::ParseInteger<Id>(text);
    id = parsed.value_or(id);
    return parsed.has_value();
}

struct PasswdEntry {
    std::string name;
    uid_t uid = 0;
    gid_t gid = 0;
};

std::vector<PasswdEntry> ReadPasswd(const Paths& paths) {
    std::vector<PasswdEntry> entries;
    const std::string text = ReadSmallFile(paths.passwdFile).value_or(std::string());
    for (const std::string_view line : SplitAt(text, '\n')) {
        const auto fields = SplitAt(line, ':');
        PasswdEntry entry;
        if (fields.size() < 4 || fields[0].empty() || !ParseId(fields[2], entry.uid) ||
            !ParseId(fields[3], entry.gid))
            continue;
        entry.name = fields[0];
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<GroupEntry> ReadGroups(const Paths& paths) {
    return ParseGroupFile(ReadSmallFile(paths.groupFile).value_or(std::string()));
}

}  // namespace

std::vector<GroupEntry> ParseGroupFile(const std::string& text) {
    std::vector<GroupEntry> groups;
    for (const std::string_view line : SplitAt(text, '\n')) {
        const auto fields = SplitAt(line, ':');
        GroupEntry group;
        if (fields.size() != 4 || fields[0].empty() || !ParseId(fields[2], group.gid))
            continue;
        group.name = fields[0];
        for (const std::string_view member : SplitAt(fields[3], ',')) {
            if (!member.empty())
                group.members.emplace_back(member);
        }
        groups.push_back(std::move(group));
    }
    return groups;
}

Account CurrentAccount(const Paths& paths) {
    Account account;
    account.uid = ::getuid();
    account.gid = ::getgid();
    account.name = UserName(account.uid, paths);
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(count, 0)));
    if (count > 0 && ::getgroups(count, groups.data()) == count)
        account.sessionGroups = groups;
    account.sessionGroups.push_back(account.gid);
    return account;
}

std::optional<Account> AccountFromFiles(const std::string& name, const Paths& paths) {
    for (const PasswdEntry& entry : ReadPasswd(paths)) {
        if (entry.name != name)
            continue;
        Account account{entry.uid, entry.gid, entry.name, {entry.gid}};
        for (const GroupEntry& group : ReadGroups(paths)) {
            if (std::find(group.members.begin(), group.members.end(), name) != group.members.end())
                account.sessionGroups.push_back(group.gid);
        }
        return account;
    }
    return std::nullopt;
}

std::string UserName(uid_t uid, const Paths& paths) {
    for (const PasswdEntry& entry : ReadPasswd(paths)) {
        if (entry.uid == uid)
            return entry.name;
    }
    return std::to_string(uid);
}

std::string GroupName(gid_t gid, const Paths& paths) {
    const std::optional<GroupEntry> group = FindGroup(gid, paths);
    return group ? group->name : std::to_string(gid);
}

std::optional<GroupEntry> FindGroup(gid_t gid, const Paths& paths) {
    for (GroupEntry& group : ReadGroups(paths)) {
        if (group.gid == gid)
            return std::move(group);
    }
    return std::nullopt;
}

bool FilesListMember(const GroupEntry& group, const Account& account, const Paths& paths) {
    if (std::find(group.members.begin(), group.members.end(), account.name) != group.members.end())
        return true;
    for (const PasswdEntry& entry : ReadPasswd(paths)) {
        if (entry.name == account.name)
            return entry.gid == group.gid;
    }
    return false;
}

}  // namespace terrovane::doctor
