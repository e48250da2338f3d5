#include "XlsCell.h"

#include <cmath>

namespace terrovane::xls {
namespace {

template <typename Char>
std::unique_ptr<Char[]> CopyZeroTerminated(std::basic_string_view<Char> text) {
    auto copy = std::make_unique<Char[]>(text.size() + 1);
    text.copy(copy.get(), text.size());
    copy[text.size()] = Char{};
    return copy;
}

template <typename Char>
std::basic_string_view<Char> UpToZero(std::basic_string_view<Char> text) {
    return text.substr(0, text.find(Char{}));
}

}  // namespace

void XlsCell::SetIntegerValue(std::int32_t value) {
    kind_ = Integer;
    integer_ = value;
}

void XlsCell::SetDoubleValue(double value) {
    kind_ = Double;
    double_ = value;
}

void XlsCell::SetText(std::string_view text) {
    text = UpToZero(text);
    if (text.empty()) {
        Clear();
        return;
    }
    kind_ = Text;
    text_ = CopyZeroTerminated(text);
    wide_.reset();
}

void XlsCell::SetWideText(std::u16string_view text) {
    text = UpToZero(text);
    if (text.empty()) {
        Clear();
        return;
    }
    kind_ = WideText;
    wide_ = CopyZeroTerminated(text);
    text_.reset();
}

void XlsCell::Clear() {
    kind_ = Empty;
    text_.reset();
    wide_.reset();
}

bool XlsCell::ReadInteger(std::int32_t& value) const {
    if (kind_ == Integer) {
        value = integer_;
        return true;
    }
    // Truncation toward zero is only defined inside the 32-bit range.
    if (kind_ == Double && std::isfinite(double_) && double_ > -2147483649.0 && double_ < 2147483648.0) {
        value = static_cast<std::int32_t>(double_);
        return true;
    }
    return false;
}

bool XlsCell::ReadDouble(double& value) const {
    if (kind_ == Double) {
        value = double_;
        return true;
    }
    if (kind_ == Integer) {
        value = integer_;
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

int XlsCell::TextLength() const {
    const std::size_t length = kind_ == Text ? TextView().size() : WideTextView().size();
    return length == 0 ? -1 : static_cast<int>(length);
}

std::string_view XlsCell::TextView() const {
    return text_ ? std::string_view(text_.get()) : std::string_view();
}

std::u16string_view XlsCell::WideTextView() const {
    return wide_ ? std::u16string_view(wide_.get()) : std::u16string_view();
}

}  // namespace terrovane::xls
