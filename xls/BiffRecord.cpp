#include "BiffRecord.h"

#include <algorithm>
#include <cstring>

#include "ByteOrder.h"

namespace terrovane::xls {

std::uint8_t* BiffText::WriteChars(std::uint8_t* out) const {
    if (isWide) {
        for (char16_t unit : wide) {
            PutU16(out, unit);
            out += 2;
        }
        return out;
    }
    std::memcpy(out, narrow.data(), narrow.size());
    return out + narrow.size();
}

std::uint8_t* BiffText::WriteShort(std::uint8_t* out) const {
    PutU8(out, static_cast<std::uint8_t>(CharCount()));
    PutU8(out + 1, isWide ? 1 : 0);
    return WriteChars(out + 2);
}

std::uint8_t* BiffText::WriteLong(std::uint8_t* out) const {
    PutU16(out, static_cast<std::uint16_t>(CharCount()));
    PutU8(out + 2, isWide ? 1 : 0);
    return WriteChars(out + 3);
}

std::size_t BiffText::Read(std::span<const std::uint8_t> in, bool longForm) {
    const std::size_t head = longForm ? 3 : 2;
    if (in.size() < head) {
        return 0;
    }
    const std::size_t count = longForm ? GetU16(in.data()) : in[0];
    isWide = (in[head - 1] & 1) != 0;
    const std::size_t bytes = isWide ? 2 * count : count;
    if (in.size() < head + bytes) {
        return 0;
    }
    narrow.clear();
    wide.clear();
    for (std::size_t i = 0; i < count; ++i) {
        if (isWide) {
            wide += static_cast<char16_t>(GetU16(in.data() + head + 2 * i));
        } else {
            narrow += static_cast<char>(in[head + i]);
        }
    }
    return head + bytes;
}

std::size_t EmitPayload(std::uint8_t* out, std::uint16_t code, std::span<const std::uint8_t> payload,
                        std::span<const std::uint32_t> splits) {
    std::vector<std::uint32_t> fixed;
    if (splits.empty()) {
        for (std::size_t at = kMaxRecordPayload; at < payload.size(); at += kMaxRecordPayload) {
            fixed.push_back(static_cast<std::uint32_t>(at));
        }
        splits = fixed;
    }
    std::uint8_t* cursor = out;
    std::size_t from = 0;
    for (std::size_t piece = 0; piece <= splits.size(); ++piece) {
        const std::size_t to = piece < splits.size() ? splits[piece] : payload.size();
        PutU16(cursor, piece == 0 ? code : kContinueCode);
        PutU16(cursor + 2, static_cast<std::uint16_t>(to - from));
        if (to > from) {
            std::memcpy(cursor + 4, payload.data() + from, to - from);
        }
        cursor += kRecordHeaderSize + (to - from);
        from = to;
    }
    return static_cast<std::size_t>(cursor - out);
}

std::size_t BiffRecord::Emit(std::uint8_t* out) {
    payload_.assign(PayloadSize(), 0);
    WriteFields(payload_.data());
    return EmitPayload(out, code_, payload_, splits_);
}

}  // namespace terrovane::xls
