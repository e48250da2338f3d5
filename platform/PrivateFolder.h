#pragma once

#include <string>

namespace terrovane::platform {

// How much others may do in a folder the programs keep their files in.
enum class Privacy {
    NoOtherWriters,  // others may look, but neither group nor others may create, rename or delete
    OwnerOnly,       // no permission at all for group or others
};

enum class FolderState { Usable, Missing, NotAFolder, OtherOwner, OpenToOthers, Unreadable };

// Judges an existing folder (a symbolic link to a folder is judged by the folder): it must belong to the
// effective user and give others no more than `privacy` allows.
FolderState CheckFolder(const std::string& dir, Privacy privacy);

// Creates a folder readable by its owner only, with any missing parents (made as usual). True when the
// folder exists afterwards, whoever made it.
bool MakePrivateFolder(const std::string& dir);

}  // namespace terrovane::platform
