#include "XlsCell.h"

#include <cmath>

#include "TextHash.h"

namespace terrovane::xls {
namespace {

template <typename Char>
std::basic_string_view<Char> UpToZero(std::basic_string_view<Char> text) {
    return text.substr(0, text.find(Char{}));
}

}  // namespace

static_assert(sizeof(XlsCell) == 32, "a million cells must stay small");

void XlsCell::SetIntegerValue(std::int32_t value) {
    storage_.PutNumber(Integer, value);
}

void XlsCell::SetDoubleValue(double value) {
    storage_.PutNumber(Double, value);
}

void XlsCell::SetText(std::string_view text) {
    text = UpToZero(text);
    if (text.empty()) {
        Clear();
        return;
    }
    auto* chars = static_cast<char*>(storage_.StoreText(text.size() + 1));
    std::memcpy(chars, text.data(), text.size());
    chars[text.size()] = '\0';
    storage_.MarkText(Text, static_cast<std::uint32_t>(text.size()), TextHashOf(text));
}

void XlsCell::SetWideText(std::u16string_view text) {
    text = UpToZero(text);
    if (text.empty()) {
        Clear();
        return;
    }
    auto* chars = static_cast<char16_t*>(storage_.StoreText(2 * (text.size() + 1)));
    std::memcpy(chars, text.data(), 2 * text.size());
    chars[text.size()] = u'\0';
    storage_.MarkText(WideText, static_cast<std::uint32_t>(text.size()), TextHashOf(text));
}

void XlsCell::Clear() {
    storage_.MakeEmpty();
}

bool XlsCell::ReadInteger(std::int32_t& value) const {
    if (Kind() == Integer) {
        value = storage_.NumberBytes<std::int32_t>();
        return true;
    }
    double number = 0.0;
    if (Kind() == Double) {
        number = storage_.NumberBytes<double>();
    }
    // Truncation toward zero is only defined inside the 32-bit range.
    if (Kind() == Double && std::isfinite(number) && number > -2147483649.0 && number < 2147483648.0) {
        value = static_cast<std::int32_t>(number);
        return true;
    }
    return false;
}

bool XlsCell::ReadDouble(double& value) const {
    if (Kind() == Double) {
        value = storage_.NumberBytes<double>();
        return true;
    }
    if (Kind() == Integer) {
        value = storage_.NumberBytes<std::int32_t>();
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
    if (Kind() != Text) {
        return false;
    }
    destination.assign(TextView());
    return true;
}

bool XlsCell::CopyWideText(std::u16string& destination) const {
    if (Kind() != WideText) {
        return false;
    }
    destination.assign(WideTextView());
    return true;
}

}  // namespace terrovane::xls
