#include "Acl.h"

#include <sys/xattr.h>

#include <cstdint>
#include <cstring>

namespace terrovane::doctor {
namespace {

// The kernel's layout: a 4-byte version (2), then 8-byte entries of tag, permissions and id, little-endian.
constexpr std::uint32_t kAclVersion = 2;
constexpr std::uint16_t kTagUser = 0x02;
constexpr std::uint16_t kTagMask = 0x10;
constexpr std::size_t kHeaderSize = 4;
constexpr std::size_t kEntrySize = 8;

std::uint32_t Little(const std::string& bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

}  // namespace

std::optional<unsigned> AclPermissionsFor(const std::string& xattrValue, uid_t uid) {
    if (xattrValue.size() < kHeaderSize || (xattrValue.size() - kHeaderSize) % kEntrySize != 0 ||
        Little(xattrValue, 0, 4) != kAclVersion)
        return std::nullopt;
    std::optional<unsigned> granted;
    unsigned mask = 07;
    for (std::size_t at = kHeaderSize; at < xattrValue.size(); at += kEntrySize) {
        const auto tag = Little(xattrValue, at, 2);
        const auto permissions = Little(xattrValue, at + 2, 2) & 07;
        if (tag == kTagUser && Little(xattrValue, at + 4, 4) == uid)
            granted = permissions;
        else if (tag == kTagMask)
            mask = permissions;
    }
    if (granted)
        *granted &= mask;
    return granted;
}

std::string ReadAccessList(const std::string& path) {
    char buffer[1024];
    const ssize_t size = ::getxattr(path.c_str(), "system.posix_acl_access", buffer, sizeof buffer);
    return size > 0 ? std::string(buffer, static_cast<std::size_t>(size)) : std::string();
}

}  // namespace terrovane::doctor
