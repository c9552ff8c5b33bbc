// TokenPool: the node storage of one token list. The list's nodes all have
// one size, so they are cut from large chunks one after the other: a walk
// over a freshly scanned list reads memory in order, and scanning a text of
// a million tokens costs a handful of allocations instead of a million.
// A freed node goes on a free list for the next insertion; Reset() (called
// once the list is empty) starts again at the front of the first chunk.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <vector>

namespace korvex {

class TokenPool {
 public:
  TokenPool() = default;
  TokenPool(const TokenPool&) = delete;
  TokenPool& operator=(const TokenPool&) = delete;

  /// A slot of the given size; the first request fixes the slot size, and a
  /// request of another size is answered by the global heap.
  void* Allocate(size_t bytes) {
    if (slot_ == 0) slot_ = RoundUp(bytes);
    if (RoundUp(bytes) != slot_) return ::operator new(bytes);
    if (free_ != nullptr) {
      FreeSlot* slot = free_;
      free_ = slot->next;
      return slot;
    }
    if (used_ == kSlotsPerChunk) NextChunk();
    return chunks_[chunk_ - 1].get() + slot_ * used_++;
  }

  void Deallocate(void* p, size_t bytes) {
    if (RoundUp(bytes) != slot_) {
      ::operator delete(p);
      return;
    }
    FreeSlot* slot = static_cast<FreeSlot*>(p);
    slot->next = free_;
    free_ = slot;
  }

  /// Forgets every slot handed out; only valid when none is in use.
  void Reset() {
    free_ = nullptr;
    chunk_ = 0;
    used_ = kSlotsPerChunk;
  }
  /// Reset(), and the chunks go back to the heap.
  void Free() {
    Reset();
    chunks_.clear();
    chunks_.shrink_to_fit();
  }

 private:
  struct FreeSlot {
    FreeSlot* next;
  };
  static constexpr size_t kSlotsPerChunk = 4096;

  // Slots are aligned as a pointer is, which every node type here needs at
  // most (the allocator checks): a 40-byte node takes 40 bytes, not 48.
  static constexpr size_t kSlotAlign = alignof(void*);

  static size_t RoundUp(size_t bytes) {
    constexpr size_t a = kSlotAlign;
    size_t n = (bytes + a - 1) / a * a;
    return n < sizeof(FreeSlot) ? sizeof(FreeSlot) : n;
  }

  // The chunk after the current one, reused when an earlier fill made it.
  void NextChunk() {
    if (chunk_ == chunks_.size()) chunks_.emplace_back(new std::byte[slot_ * kSlotsPerChunk]);
    ++chunk_;
    used_ = 0;
  }

  std::vector<std::unique_ptr<std::byte[]>> chunks_;
  size_t chunk_ = 0;                // chunks in use, the last one being filled
  size_t used_ = kSlotsPerChunk;    // slots taken in the chunk being filled
  size_t slot_ = 0;
  FreeSlot* free_ = nullptr;
};

/// The allocator through which a std::list takes its nodes from a pool.
template <class T>
struct TokenPoolAllocator {
  using value_type = T;
  TokenPool* pool;

  explicit TokenPoolAllocator(TokenPool* p) : pool(p) {}
  template <class U>
  TokenPoolAllocator(const TokenPoolAllocator<U>& other) : pool(other.pool) {}

  T* allocate(size_t n) {
    static_assert(alignof(T) <= alignof(void*), "pool slots are aligned as pointers are");
    if (n != 1) return static_cast<T*>(::operator new(n * sizeof(T)));
    return static_cast<T*>(pool->Allocate(sizeof(T)));
  }
  void deallocate(T* p, size_t n) {
    if (n != 1) ::operator delete(p);
    else pool->Deallocate(p, sizeof(T));
  }
  template <class U>
  bool operator==(const TokenPoolAllocator<U>& other) const { return pool == other.pool; }
};

}  // namespace korvex
