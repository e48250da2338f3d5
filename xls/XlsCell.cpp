#include "XlsCell.h"

#include <cmath>
#include <new>

#include "TextHash.h"

namespace terrovane::xls {
namespace {

template <typename Char>
std::basic_string_view<Char> UpToZero(std::basic_string_view<Char> text) {
    return text.substr(0, text.find(Char{}));
}

}  // namespace

static_assert(sizeof(XlsCell) == 32, "a million cells must stay small");

XlsCell& XlsCell::operator=(XlsCell&& other) noexcept {
    if (this != &other) {
        ReleaseText();
        TakeFrom(other);
    }
    return *this;
}

void XlsCell::TakeFrom(XlsCell& other) noexcept {
    length_ = other.length_, hash_ = other.hash_, kind_ = other.kind_, heap_ = other.heap_;
    std::memcpy(storage_, other.storage_, kInlineBytes);
    other.kind_ = Empty, other.heap_ = false, other.length_ = 0, other.hash_ = 0;
}

void XlsCell::ReleaseText() {
    if (OnHeap()) {
        void* chars = nullptr;
        std::memcpy(&chars, storage_, sizeof chars);
        ::operator delete(chars);
    }
    heap_ = false;
}

const void* XlsCell::Chars() const {
    if (!heap_) {
        return storage_;
    }
    const void* chars = nullptr;
    std::memcpy(&chars, storage_, sizeof chars);
    return chars;
}

// Room for `bytes` of characters and the terminator, inline when they fit.
void* XlsCell::StoreText(std::size_t bytes) {
    ReleaseText();
    if (bytes <= kInlineBytes) {
        return storage_;
    }
    void* chars = ::operator new(bytes);
    std::memcpy(storage_, &chars, sizeof chars);
    heap_ = true;
    return chars;
}

void XlsCell::SetIntegerValue(std::int32_t value) {
    ReleaseText();
    kind_ = Integer, length_ = 0, hash_ = 0;
    std::memcpy(storage_, &value, sizeof value);
}

void XlsCell::SetDoubleValue(double value) {
    ReleaseText();
    kind_ = Double, length_ = 0, hash_ = 0;
    std::memcpy(storage_, &value, sizeof value);
}

void XlsCell::SetText(std::string_view text) {
    text = UpToZero(text);
    if (text.empty()) {
        Clear();
        return;
    }
    auto* chars = static_cast<char*>(StoreText(text.size() + 1));
    std::memcpy(chars, text.data(), text.size());
    chars[text.size()] = '\0';
    kind_ = Text, length_ = static_cast<std::uint32_t>(text.size()), hash_ = TextHashOf(text);
}

void XlsCell::SetWideText(std::u16string_view text) {
    text = UpToZero(text);
    if (text.empty()) {
        Clear();
        return;
    }
    auto* chars = static_cast<char16_t*>(StoreText(2 * (text.size() + 1)));
    std::memcpy(chars, text.data(), 2 * text.size());
    chars[text.size()] = u'\0';
    kind_ = WideText, length_ = static_cast<std::uint32_t>(text.size()), hash_ = TextHashOf(text);
}

void XlsCell::Clear() {
    ReleaseText();
    kind_ = Empty, length_ = 0, hash_ = 0;
}

bool XlsCell::ReadInteger(std::int32_t& value) const {
    if (kind_ == Integer) {
        std::memcpy(&value, storage_, sizeof value);
        return true;
    }
    double number = 0.0;
    if (kind_ == Double) {
        std::memcpy(&number, storage_, sizeof number);
    }
    // Truncation toward zero is only defined inside the 32-bit range.
    if (kind_ == Double && std::isfinite(number) && number > -2147483649.0 && number < 2147483648.0) {
        value = static_cast<std::int32_t>(number);
        return true;
    }
    return false;
}

bool XlsCell::ReadDouble(double& value) const {
    if (kind_ == Double) {
        std::memcpy(&value, storage_, sizeof value);
        return true;
    }
    if (kind_ == Integer) {
        std::int32_t integer = 0;
        std::memcpy(&integer, storage_, sizeof integer);
        value = integer;
        return true;
    }
    return false;
}

std::int32_t XlsCell::IntegerValue() const {
    std::int32_t value = 0;
    return ReadInteger(value) ? value : 0;
}

double XlsCell::DoubleValue() const {
    double value = 0.0;
    return ReadDouble(value) ? value : 0.0;
}

bool XlsCell::CopyText(std::string& destination) const {
    if (kind_ != Text) {
        return false;
    }
    destination.assign(TextView());
    return true;
}

bool XlsCell::CopyWideText(std::u16string& destination) const {
    if (kind_ != WideText) {
        return false;
    }
    destination.assign(WideTextView());
    return true;
}

}  // namespace terrovane::xls
