#include "CellStorage.h"

#include <new>

namespace terrovane::xls {

static_assert(sizeof(CellStorage) == 32, "a million cells must stay small");

CellStorage& CellStorage::operator=(CellStorage&& other) noexcept {
    if (this != &other) {
        Release();
        TakeFrom(other);
    }
    return *this;
}

void CellStorage::TakeFrom(CellStorage& other) noexcept {
    length_ = other.length_, hash_ = other.hash_, kind_ = other.kind_, heap_ = other.heap_;
    std::memcpy(storage_, other.storage_, kInlineBytes);
    other.kind_ = Empty, other.heap_ = false, other.length_ = 0, other.hash_ = 0;
}

void CellStorage::Release() {
    if (OnHeap()) {
        void* chars = nullptr;
        std::memcpy(&chars, storage_, sizeof chars);
        ::operator delete(chars);
    }
    heap_ = false;
}

void CellStorage::MakeEmpty() {
    Release();
    kind_ = Empty, length_ = 0, hash_ = 0;
}

const void* CellStorage::Chars() const {
    if (!heap_) {
        return storage_;
    }
    const void* chars = nullptr;
    std::memcpy(&chars, storage_, sizeof chars);
    return chars;
}

void* CellStorage::StoreText(std::size_t bytes) {
    Release();
    if (bytes <= kInlineBytes) {
        return storage_;
    }
    void* chars = ::operator new(bytes);
    std::memcpy(storage_, &chars, sizeof chars);
    heap_ = true;
    return chars;
}

}  // namespace terrovane::xls
