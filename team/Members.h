#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Connection.h"

namespace terrovane::team {

enum class MemberRole { Viewer, Inspector, Admin };

std::optional<MemberRole> ParseMemberRole(const std::string& text);
const char* MemberRoleName(MemberRole role);

struct NewMember {
    std::string login;
    MemberRole role = MemberRole::Viewer;
    std::optional<std::string> password;  // none: an existing login keeps its password
    std::vector<std::string> sites;       // names or ids; a name the server does not know becomes a site
};

// Adds a member (making the login when there is none) or changes an existing one's role and sites; run
// by the schema's owner. The password goes to the server only as its SCRAM verifier.
pg::QueryResult AddMember(pg::Connection& connection, const NewMember& member);

// Takes the member out of the team; the login stays (it may belong to other databases) but can no longer
// connect to this one.
pg::QueryResult RemoveMember(pg::Connection& connection, const std::string& login);

}  // namespace terrovane::team
