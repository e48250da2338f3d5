// terrovane-cli team: the team server's schema, its members, and what the server says of itself.
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <optional>

#include "Members.h"
#include "SchemaSetup.h"
#include "ServerSchema.h"
#include "SyncText.h"
#include "TeamConflicts.h"
#include "TeamServer.h"
#include "TeamStatus.h"

namespace terrovane::cli {
namespace {

int Init(const ParsedArguments& options) {
    auto connection = ConnectToTeamServer("team init", options);
    if (connection == nullptr) {
        return kExitFailed;
    }
    const team::SetupResult setup = team::SetUpSchema(*connection);
    switch (setup.outcome) {
        case team::SetupOutcome::Created:
            Confirm(
                CliText::tr("team schema made at layout %1; add the members with \"terrovane-cli team member "
                            "add\"")
                    .arg(setup.serverLayout));
            return kExitOk;
        case team::SetupOutcome::AlreadyThere:
            Confirm(CliText::tr("the team schema is there already at layout %1; nothing changed")
                        .arg(setup.serverLayout));
            return kExitOk;
        case team::SetupOutcome::OtherLayout:
            Tell("team init",
                 CliText::tr("the team schema is there at layout %1, this program knows layout %2; "
                             "nothing changed (an older one: \"terrovane-cli team upgrade\")")
                     .arg(setup.serverLayout)
                     .arg(team::kServerLayout));
            return kExitFailed;
        case team::SetupOutcome::Upgraded:
        case team::SetupOutcome::Newer:
        case team::SetupOutcome::NoSchema:
        case team::SetupOutcome::Failed:
            break;
    }
    return TeamServerFailed("team init",
                            CliText::tr("the team schema could not be made (run it as the database's owner, "
                                        "who needs the right to create roles)"),
                            setup.failure);
}

int Upgrade(const ParsedArguments& options) {
    auto connection = ConnectToTeamServer("team upgrade", options);
    if (connection == nullptr) {
        return kExitFailed;
    }
    const team::SetupResult upgrade = team::UpgradeSchema(*connection);
    switch (upgrade.outcome) {
        case team::SetupOutcome::Upgraded:
            Confirm(CliText::tr("the team schema went from layout %1 to layout %2; every row and every "
                                "archive's place were kept")
                        .arg(upgrade.fromLayout)
                        .arg(upgrade.serverLayout));
            return kExitOk;
        case team::SetupOutcome::AlreadyThere:
            Confirm(CliText::tr("the team schema is at layout %1 already; nothing changed")
                        .arg(upgrade.serverLayout));
            return kExitOk;
        case team::SetupOutcome::Newer:
            Tell("team upgrade", CliText::tr("the team schema is at layout %1, newer than this program's %2: "
                                             "update this program; nothing changed")
                                     .arg(upgrade.serverLayout)
                                     .arg(team::kServerLayout));
            return kExitFailed;
        case team::SetupOutcome::NoSchema:
            Tell("team upgrade", texts::SyncErrorText(sync::SyncError::NoTeamSchema));
            return kExitFailed;
        case team::SetupOutcome::Created:
        case team::SetupOutcome::OtherLayout:
        case team::SetupOutcome::Failed:
            break;
    }
    return TeamServerFailed("team upgrade",
                            CliText::tr("the team schema could not be upgraded (run it as the database's "
                                        "owner); nothing changed"),
                            upgrade.failure);
}

// One line from standard input, without echo at a terminal. Nothing typed: no password.
std::optional<std::string> ReadPassword(const std::string& login) {
    const bool terminal = ::isatty(STDIN_FILENO) != 0;
    termios saved{};
    if (terminal) {
        std::fputs(
            Utf8(
                CliText::tr("password for %1 (empty: keep an existing login's password): ").arg(Given(login)))
                .c_str(),
            stderr);
        ::tcgetattr(STDIN_FILENO, &saved);
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    std::getline(std::cin, line);
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::fputc('\n', stderr);
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line.empty() ? std::nullopt : std::optional(line);
}

// "%1 is an inspector of the team with 2 sites": each role a sentence of its own, so every language can
// say it its way.
QString RoleSentence(team::MemberRole role, int sites) {
    switch (role) {
        case team::MemberRole::Viewer:
            return CliText::tr("%1 is a viewer of the team with %n site(s)", nullptr, sites);
        case team::MemberRole::Admin:
            return CliText::tr("%1 is an admin of the team with %n site(s)", nullptr, sites);
        case team::MemberRole::Inspector:
            break;
    }
    return CliText::tr("%1 is an inspector of the team with %n site(s)", nullptr, sites);
}

int AddMember(const ParsedArguments& options) {
    team::NewMember member;
    member.login = options.positionals[0];
    const auto role = team::ParseMemberRole(options.Value("role"));
    if (!role) {
        return UsageError("team", CliText::tr("--role is inspector, viewer or admin"));
    }
    member.role = *role;
    if (options.Has("site")) {
        member.sites = options.values.at("site");
    }
    member.password = ReadPassword(member.login);
    auto connection = ConnectToTeamServer("team member add", options);
    if (connection == nullptr) {
        return kExitFailed;
    }
    const pg::QueryResult added = team::AddMember(*connection, member);
    if (!added.Ok()) {
        return TeamServerFailed("team member add", CliText::tr("the member could not be added"), added);
    }
    const int sites = static_cast<int>(member.sites.size());
    Confirm(RoleSentence(member.role, sites).arg(Given(member.login)));
    return kExitOk;
}

int RemoveMember(const ParsedArguments& options) {
    const std::string login = options.positionals[0];
    auto connection = ConnectToTeamServer("team member remove", options);
    if (connection == nullptr) {
        return kExitFailed;
    }
    const pg::QueryResult removed = team::RemoveMember(*connection, login);
    if (!removed.Ok()) {
        return TeamServerFailed("team member remove", CliText::tr("the member could not be removed"),
                                removed);
    }
    Confirm(CliText::tr("%1 is no longer a member of the team").arg(Given(login)));
    return kExitOk;
}

QString VersionText(int version) {
    return QStringLiteral("%1.%2").arg(version / 10000).arg(version % 10000);
}

QString LinkText(const pg::LinkSecurity& link) {
    if (!link.encrypted) {
        return link.localSocket ? CliText::tr("not encrypted (a local socket: nothing crosses a network)")
                                : CliText::tr("NOT encrypted: the connection string asks for sslmode=%1")
                                      .arg(Given(link.sslMode));
    }
    const QString protocol = Given(link.protocol);
    switch (link.certificate) {
        case pg::CertificateCheck::AuthorityAndName:
            return CliText::tr(
                       "encrypted, %1; the server's certificate verified (its authority and its name)")
                .arg(protocol);
        case pg::CertificateCheck::Authority:
            return CliText::tr(
                       "encrypted, %1; the server's certificate verified against its authority, not its name")
                .arg(protocol);
        case pg::CertificateCheck::None:
            break;
    }
    return CliText::tr(
               "encrypted, %1; the server's certificate not verified (name its root certificate with "
               "sslrootcert to verify it)")
        .arg(protocol);
}

QString LayoutText(int serverLayout) {
    return serverLayout == 0 ? CliText::tr("server layout: none (this program: %1)").arg(team::kServerLayout)
                             : CliText::tr("server layout: %1 (this program: %2)")
                                   .arg(serverLayout)
                                   .arg(team::kServerLayout);
}

// Each role a line of its own, as RoleSentence, so every language can say it its way.
QString MemberText(const team::TeamStatus& status) {
    const QString login = Given(status.login);
    const std::optional<team::MemberRole> role =
        status.role ? team::ParseMemberRole(*status.role) : std::nullopt;
    const int sites = static_cast<int>(status.sites);
    if (!role) {
        return CliText::tr("signed in as:  %1 (not a member of the team)").arg(login);
    }
    switch (*role) {
        case team::MemberRole::Viewer:
            return CliText::tr("signed in as:  %1 (viewer, member of %n site(s))", nullptr, sites).arg(login);
        case team::MemberRole::Admin:
            return CliText::tr("signed in as:  %1 (admin, member of %n site(s))", nullptr, sites).arg(login);
        case team::MemberRole::Inspector:
            break;
    }
    return CliText::tr("signed in as:  %1 (inspector, member of %n site(s))", nullptr, sites).arg(login);
}

int Status(const ParsedArguments& options) {
    auto connection = ConnectToTeamServer("team status", options);
    if (connection == nullptr) {
        return kExitFailed;
    }
    pg::QueryResult failure;
    const std::optional<team::TeamStatus> status = team::ReadStatus(*connection, failure);
    if (!status) {
        return TeamServerFailed("team status", CliText::tr("the server did not say its status"), failure);
    }
    Confirm(CliText::tr("server:        reachable, PostgreSQL %1").arg(VersionText(status->serverVersion)));
    Confirm(CliText::tr("connection:    %1").arg(LinkText(status->security)));
    Confirm(LayoutText(status->serverLayout));
    Confirm(MemberText(*status));
    if (status->serverLayout == 0) {
        Tell("team status", texts::SyncErrorText(sync::SyncError::NoTeamSchema));
        return kExitFailed;
    }
    if (status->serverLayout != team::kServerLayout) {
        Tell("team status",
             status->serverLayout > team::kServerLayout
                 ? CliText::tr("the server is newer than this program: update this program")
                 : CliText::tr("the server is older than this program: its owner runs \"terrovane-cli team "
                               "upgrade\""));
        return kExitFailed;
    }
    return kExitOk;
}

const CommandRegistrar kTeamRegistrar(
    {"team",
     "The team server, a PostgreSQL database the team's archives sync with. \"team init\", run once by the "
     "database's owner, makes the team schema, its functions and roles; \"team upgrade\", run by the "
     "owner, brings the schema of an older server to this program's layout in one transaction, keeping "
     "every row and every archive's place. "
     "\"team member add NAME\" makes a login (its password is read from standard input, or asked for at a "
     "terminal; a new login needs one, an empty one keeps an existing login's password) or changes a "
     "member: viewers read, inspectors write the sites they are members of (and the sites they bring), "
     "admins everything; --site names a site by name or id, repeatable, and a name the server does not "
     "know becomes a site. \"team member remove NAME\" takes a member out of the team. \"team status\" "
     "says whether the server can be reached, whether the connection is encrypted and the server's "
     "certificate verified, its layout and this program's, and who you are there "
     "(status 1 when the layouts differ or there is no team schema). \"team conflicts\" lists this archive's "
     "conflicts from its syncs: each field changed in two places with the value kept everywhere and the one "
     "that lost, who made each and when; \"team conflicts resolve ID --keep kept\" takes one off the list, "
     "\"--keep lost\" brings the lost value back as a change of this PC that the next sync sends; either "
     "way the next sync settles it on every PC.",
     {{{"team init", {}, {ServerOption()}}, Init},
      {{"team upgrade", {}, {ServerOption()}}, Upgrade},
      {{"team member add",
        {"NAME"},
        {{"role", "inspector|viewer|admin", "What the member may do.", Presence::Required},
         {"site", "SITE", "A site the member belongs to; repeatable.", Presence::Repeatable},
         ServerOption()}},
       AddMember},
      {{"team member remove", {"NAME"}, {ServerOption()}}, RemoveMember},
      {{"team status", {}, {ServerOption()}}, Status},
      // Before "team conflicts", which would take "conflicts resolve ..." as its own.
      {{"team conflicts resolve",
        {"ID"},
        {{"keep", "kept|lost", "Which value stays: the one kept everywhere, or the one that lost.",
          Presence::Required}}},
       ResolveTeamConflict},
      {{"team conflicts", {}, {{"format", "table|json", "The listing's format; table by default."}}},
       ListTeamConflicts}}});

}  // namespace
}  // namespace terrovane::cli
