#include "Members.h"

#include "TextArray.h"

namespace terrovane::team {

std::optional<MemberRole> ParseMemberRole(const std::string& text) {
    for (const MemberRole role : {MemberRole::Viewer, MemberRole::Inspector, MemberRole::Admin}) {
        if (text == MemberRoleName(role)) {
            return role;
        }
    }
    return std::nullopt;
}

const char* MemberRoleName(MemberRole role) {
    switch (role) {
        case MemberRole::Viewer:
            return "viewer";
        case MemberRole::Inspector:
            return "inspector";
        case MemberRole::Admin:
            return "admin";
    }
    return "viewer";
}

pg::QueryResult AddMember(pg::Connection& connection, const NewMember& member) {
    std::optional<std::string> verifier;
    if (member.password) {
        verifier = connection.EncryptedPassword(member.login, *member.password);
        if (!verifier) {
            return pg::QueryResult::Failure(pg::ErrorClass::Failed, "the password could not be encrypted");
        }
    }
    return pg::InTransaction(connection, [&](pg::Connection& in) {
        return in.Query(
            "SELECT terrovane.add_member($1, $2, $3, $4::text[])",
            {member.login, std::string(MemberRoleName(member.role)), verifier, pg::TextArray(member.sites)});
    });
}

pg::QueryResult RemoveMember(pg::Connection& connection, const std::string& login) {
    return pg::InTransaction(connection, [&](pg::Connection& in) {
        return in.Query("SELECT terrovane.remove_member($1)", {login});
    });
}

}  // namespace terrovane::team
