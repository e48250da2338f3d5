#include "ScratchFolder.h"

#include <stdlib.h>

#include <stdexcept>
#include <string>
#include <system_error>

namespace terrovane::testing {
namespace {

class OwnedFolder {
  public:
    OwnedFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tv-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a scratch folder in " + pattern);
        }
        path_ = pattern;
    }
    ~OwnedFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace

const std::filesystem::path& ScratchFolder() {
    static const OwnedFolder folder;
    return folder.Path();
}

}  // namespace terrovane::testing
