// A heap array of plain records that grows by a fixed step, used for the line table and the
// key table. Allocation failures never throw: they clear the valid flag and leave the old block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <type_traits>
#include <utility>

namespace kestrel {

template <typename T>
class GrowArray {
    static_assert(std::is_trivially_copyable_v<T>, "GrowArray moves its elements as raw bytes");

public:
    GrowArray() = default;
    GrowArray(const GrowArray&) = delete;
    GrowArray& operator=(const GrowArray&) = delete;
    GrowArray(GrowArray&& other) noexcept { Swap(other); }
    GrowArray& operator=(GrowArray&& other) noexcept {
        if (this != &other) {
            GrowArray old;
            Swap(old);
            Swap(other);
        }
        return *this;
    }
    ~GrowArray() { std::free(elements_); }

    // Frees any old block and takes a zero-filled one of `capacity` elements. The count restarts
    // at 0, since the old elements are gone. On failure capacity and valid are 0.
    bool Create(std::int32_t capacity, std::int32_t step) {
        std::free(elements_);
        elements_ = nullptr;
        count_ = 0;
        step_ = step;
        capacity_ = 0;
        valid_ = false;
        if (capacity < 1 || step < 0 || !FitsInMemory(capacity)) {
            return false;
        }
        elements_ = static_cast<T*>(std::calloc(static_cast<std::size_t>(capacity), sizeof(T)));
        if (elements_ == nullptr) {
            return false;
        }
        capacity_ = capacity;
        valid_ = true;
        return true;
    }

    // Adds one growth step of zero-filled elements. On failure the old block and capacity stay
    // and valid becomes false.
    bool Grow() { return GrowBy(step_); }

    // Adds `elements` zero-filled elements (at least one), with Grow's failure rule.
    bool GrowBy(std::int32_t elements) {
        if (elements_ == nullptr || elements < 1 || capacity_ > INT32_MAX - elements ||
            !FitsInMemory(capacity_ + elements)) {
            valid_ = false;
            return false;
        }
        std::int32_t newCapacity = capacity_ + elements;
        void* block = std::realloc(elements_, static_cast<std::size_t>(newCapacity) * sizeof(T));
        if (block == nullptr) {
            valid_ = false;
            return false;
        }
        elements_ = static_cast<T*>(block);
        std::memset(static_cast<void*>(elements_ + capacity_), 0,
                    static_cast<std::size_t>(elements) * sizeof(T));
        capacity_ = newCapacity;
        return true;
    }

    // Removes the element at `index` when it is in use; later elements move down by one.
    bool RemoveAt(std::int32_t index) {
        if (index < 0 || index >= count_) {
            return false;
        }
        std::memmove(static_cast<void*>(elements_ + index), elements_ + index + 1,
                     static_cast<std::size_t>(count_ - index - 1) * sizeof(T));
        --count_;
        return true;
    }

    // Opens `n` elements at `index`, which must be in use: this never appends. The opened
    // elements keep whatever they held. Grows as many steps as the insertion needs, so the
    // block always keeps a spare element behind the count; if growing fails nothing is inserted.
    bool InsertAt(std::int32_t index, std::int32_t n) {
        if (index < 0 || index >= count_ || n < 1 || count_ > INT32_MAX - n) {
            return false;
        }
        while (count_ + n >= capacity_) {
            if (!Grow()) {
                return false;
            }
        }
        std::memmove(static_cast<void*>(elements_ + index + n), elements_ + index,
                     static_cast<std::size_t>(count_ - index) * sizeof(T));
        count_ += n;
        return true;
    }

    // Sets the number of elements in use, 0 to capacity; anything else is refused.
    bool SetCount(std::int32_t count) {
        if (count < 0 || count > capacity_) {
            return false;
        }
        count_ = count;
        return true;
    }

    bool Valid() const { return valid_; }
    std::int32_t Capacity() const { return capacity_; }
    std::int32_t Step() const { return step_; }
    std::int32_t Count() const { return count_; }
    T* Elements() { return elements_; }
    const T* Elements() const { return elements_; }
    T& operator[](std::int32_t index) { return elements_[index]; }
    const T& operator[](std::int32_t index) const { return elements_[index]; }

private:
    // A block larger than the address space can hold would wrap the byte count.
    static bool FitsInMemory(std::int32_t elements) {
        return static_cast<std::uint64_t>(elements) * sizeof(T) <=
               static_cast<std::uint64_t>(PTRDIFF_MAX);
    }

    void Swap(GrowArray& other) noexcept {
        std::swap(valid_, other.valid_);
        std::swap(capacity_, other.capacity_);
        std::swap(step_, other.step_);
        std::swap(count_, other.count_);
        std::swap(elements_, other.elements_);
    }

    bool valid_ = false;        // true after a successful creation, false once a growth failed
    std::int32_t capacity_ = 0; // elements allocated
    std::int32_t step_ = 0;     // elements added by one growth
    std::int32_t count_ = 0;    // elements in use (the line table keeps its own line count)
    T* elements_ = nullptr;     // the block, from the C heap
};

} // namespace kestrel
