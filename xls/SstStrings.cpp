#include "SstStrings.h"

#include <bit>
#include <string>

#include "ByteOrder.h"
#include "HugePages.h"

namespace terrovane::xls {

void SstStrings::Clear() {
    strings_.clear();
    chars_.clear();
}

void SstStrings::Release() {
    Clear();
    std::vector<Entry>().swap(strings_);
    std::vector<std::uint8_t>().swap(chars_);
}

void SstStrings::Reserve(std::size_t strings, std::size_t charBytes) {
    strings_.reserve(strings);
    chars_.reserve(charBytes);
    AdviseHugePages(strings_.data(), strings * sizeof(Entry));
    AdviseHugePages(chars_.data(), charBytes);
}

std::uint32_t SstStrings::AppendNarrow(std::string_view text) {
    strings_.push_back(
        {static_cast<std::uint32_t>(chars_.size()), static_cast<std::uint32_t>(text.size()), false});
    chars_.insert(chars_.end(), text.begin(), text.end());
    return static_cast<std::uint32_t>(strings_.size() - 1);
}

std::uint32_t SstStrings::AppendWide(std::u16string_view text) {
    strings_.push_back(
        {static_cast<std::uint32_t>(chars_.size()), static_cast<std::uint32_t>(text.size()), true});
    if constexpr (std::endian::native == std::endian::little) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
        chars_.insert(chars_.end(), bytes, bytes + 2 * text.size());
    } else {
        const std::size_t at = chars_.size();
        chars_.resize(at + 2 * text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            PutU16(chars_.data() + at + 2 * i, text[i]);
        }
    }
    return static_cast<std::uint32_t>(strings_.size() - 1);
}

std::span<const std::uint8_t> SstStrings::CharBytes(std::size_t index) const {
    const Entry& e = strings_[index];
    return {chars_.data() + e.offset, CharBytesOf(e)};
}

BiffText SstStrings::TextAt(std::size_t index) const {
    const auto bytes = CharBytes(index);
    if (!strings_[index].wide) {
        return BiffText::Narrow(std::string(bytes.begin(), bytes.end()));
    }
    std::u16string wide(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < wide.size(); ++i) {
        wide[i] = static_cast<char16_t>(GetU16(bytes.data() + 2 * i));
    }
    return BiffText::Wide(std::move(wide));
}

}  // namespace terrovane::xls
