#include "SstRecord.h"

#include <algorithm>
#include <cstring>

#include "ByteOrder.h"

namespace terrovane::xls {
namespace {

constexpr std::size_t kStringHeader = 3;  // count (2) and flags (1)
constexpr std::size_t kMinRoomToStart = 12;

// Writes the logical payload into the stream, starting a CONTINUE record at every split position.
class SplitWriter {
  public:
    SplitWriter(std::uint8_t* out, std::uint16_t code, std::size_t payload,
                const std::vector<std::uint32_t>& splits)
        : out_(out), cursor_(out), payload_(payload), splits_(splits) {
        OpenRecord(code, 0);
    }

    void Put(const std::uint8_t* bytes, std::size_t n) {
        while (n > 0) {
            if (pos_ == End()) {
                OpenRecord(kContinueCode, pos_);
            }
            const std::size_t take = std::min(n, End() - pos_);
            std::memcpy(cursor_, bytes, take);
            cursor_ += take, pos_ += take, bytes += take, n -= take;
        }
    }
    // Bytes left before the next record starts.
    std::size_t Room() const { return End() - pos_; }
    // Writes a string ending before the next record starts, without the checks for record boundaries.
    void PutWhole(const std::uint8_t* head, const std::uint8_t* chars, std::size_t n) {
        std::memcpy(cursor_, head, kStringHeader);
        std::memcpy(cursor_ + kStringHeader, chars, n);
        cursor_ += kStringHeader + n, pos_ += kStringHeader + n;
    }
    // True when the next record starts here and its first byte repeats a string's flags.
    bool AtSplit() const { return next_ < splits_.size() && pos_ == splits_[next_]; }
    void ContinueString(std::uint8_t flags) {
        OpenRecord(kContinueCode, pos_);
        *cursor_++ = flags;
        ++pos_;
    }
    std::size_t Written() const { return static_cast<std::size_t>(cursor_ - out_); }

  private:
    std::size_t End() const { return next_ < splits_.size() ? splits_[next_] : payload_; }
    void OpenRecord(std::uint16_t code, std::size_t from) {
        if (from != 0) {
            ++next_;
        }
        PutU16(cursor_, code);
        PutU16(cursor_ + 2, static_cast<std::uint16_t>(End() - from));
        cursor_ += kRecordHeaderSize;
    }

    std::uint8_t* out_;
    std::uint8_t* cursor_;
    std::size_t payload_;
    const std::vector<std::uint32_t>& splits_;
    std::size_t next_ = 0;
    std::size_t pos_ = 0;
};

}  // namespace

void SstRecord::Clear() {
    laidOutSize_ = 0;
    strings_.Clear();
    totalCount = 0;
    uniqueCount = 0;
}

void SstRecord::Release() {
    Clear();
    strings_.Release();
}

void SstRecord::Reserve(std::size_t strings, std::size_t charBytes) {
    strings_.Reserve(strings, charBytes);
}

std::uint32_t SstRecord::AppendNarrow(std::string_view text) {
    laidOutSize_ = 0;
    return strings_.AppendNarrow(text);
}

std::uint32_t SstRecord::AppendWide(std::u16string_view text) {
    laidOutSize_ = 0;
    return strings_.AppendWide(text);
}

void SstRecord::AddSplit(std::size_t at, bool insideString) {
    splits_.push_back(static_cast<std::uint32_t>(at));
    splitInsideString_.push_back(insideString);
}

std::size_t SstRecord::PayloadSize() {
    if (laidOutSize_ == 0) {
        laidOutSize_ = LayOut();
    }
    return laidOutSize_;
}

// Lays the strings out record by record: a string header never splits, its characters may, and a
// split UTF-16 string always breaks between whole characters.
std::size_t SstRecord::LayOut() {
    splits_.clear();
    splitInsideString_.clear();
    std::size_t size = 8;
    std::size_t limit = kMaxRecordPayload;
    for (const SstStrings::Entry& e : strings_.Entries()) {
        const std::size_t b = SstStrings::CharBytesOf(e);
        if (size + kStringHeader + b <= limit) {
            size += kStringHeader + b;
            continue;
        }
        std::size_t split;
        if (limit - size < kMinRoomToStart) {
            AddSplit(size, false);
            limit = size + kMaxRecordPayload;
            // A string that exactly fills the fresh record stays whole: splitting it there would leave
            // a lone flag byte at the start of the next record, where readers expect the next string.
            if (size + kStringHeader + b <= limit) {
                size += kStringHeader + b;
                continue;
            }
            split = size + (e.wide ? kMaxRecordPayload - 1 : kMaxRecordPayload);
        } else {
            split = (e.wide && (limit - size) % 2 == 0) ? limit - 1 : limit;
        }
        AddSplit(split, true);
        std::size_t rem = b - (split - size - kStringHeader);
        const std::size_t chunk = e.wide ? kMaxRecordPayload - 2 : kMaxRecordPayload - 1;
        std::size_t last = split;
        while (rem > chunk) {
            last += 1 + chunk;
            AddSplit(last, true);
            rem -= chunk;
        }
        size = last + 1 + rem;
        limit = last + kMaxRecordPayload;
    }
    return size;
}

std::size_t SstRecord::Emit(std::uint8_t* out) {
    const std::size_t size = PayloadSize();
    SplitWriter writer(out, code_, size, splits_);
    std::uint8_t counts[8];
    PutU32(counts, totalCount);
    PutU32(counts + 4, uniqueCount);
    writer.Put(counts, sizeof counts);
    std::size_t nextSplit = 0;
    std::size_t pos = 8;
    for (const SstStrings::Entry& e : strings_.Entries()) {
        std::uint8_t head[kStringHeader];
        const std::uint8_t flags = e.wide ? 1 : 0;
        PutU16(head, static_cast<std::uint16_t>(e.count));
        head[2] = flags;
        const std::uint8_t* chars = strings_.CharsOf(e);
        std::size_t left = SstStrings::CharBytesOf(e);
        // Most strings end strictly inside the current record: no split lies within or right after them.
        if (writer.Room() > kStringHeader + left) {
            writer.PutWhole(head, chars, left);
            pos += kStringHeader + left;
            continue;
        }
        writer.Put(head, kStringHeader);
        pos += kStringHeader;
        // Inside splits of this string: write up to each, then continue with the repeated flag byte.
        while (nextSplit < splits_.size() && splitInsideString_[nextSplit] &&
               splits_[nextSplit] <= pos + left) {
            const std::size_t take = splits_[nextSplit] - pos;
            writer.Put(chars, take);
            chars += take, left -= take, pos += take;
            writer.ContinueString(flags);
            ++pos;
            ++nextSplit;
        }
        writer.Put(chars, left);
        pos += left;
        while (nextSplit < splits_.size() && !splitInsideString_[nextSplit] && splits_[nextSplit] <= pos) {
            ++nextSplit;
        }
    }
    return writer.Written();
}

bool SstRecord::Parse(std::span<const std::uint8_t> p) {
    if (p.size() < 8) {
        return false;
    }
    Clear();
    totalCount = GetU32(&p[0]);
    uniqueCount = GetU32(&p[4]);
    std::size_t at = 8;
    while (at < p.size()) {
        BiffText text;
        const std::size_t used = text.Read(p.subspan(at), true);
        if (used == 0) {
            return false;
        }
        text.isWide ? AppendWide(text.wide) : AppendNarrow(text.narrow);
        at += used;
    }
    return true;
}

}  // namespace terrovane::xls
