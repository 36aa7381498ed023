// PtrList: the owning, order-keeping pointer list that holds every scene's objects.
// Entries are reached by index; dead entries are deleted and the survivors compacted in
// one pass; a null sentinel always follows the last entry.
#pragma once

#include <cstddef>

template <class T> class PtrList {
public:
    PtrList() = default;
    ~PtrList() { clear(); }
    PtrList(const PtrList&) = delete;
    PtrList& operator=(const PtrList&) = delete;

    PtrList& add(T* entry) {
        if (count_ + 1 > capacity_) {
            grow(capacity_ + growth_ + 1);
        }
        items_[count_] = entry;
        count_ += 1;
        items_[count_] = nullptr;
        return *this;
    }

    // The entry at index, or null at and beyond the end.
    T* get(int index) const { return index < count_ ? items_[index] : nullptr; }

    void grow(int newCapacity) {
        T** larger = new T*[static_cast<std::size_t>(newCapacity) + 1];
        for (int i = 0; i < count_; ++i) {
            larger[i] = items_[i];
        }
        delete[] items_;
        items_ = larger;
        items_[count_] = nullptr;
        capacity_ = newCapacity;
    }

    // Deletes every entry whose isDead() is true, keeping the others in order; returns how many
    // were removed. Entries are asked in index order, each once.
    int removeDead() {
        if (count_ == 0) {
            return 0;
        }
        int removed = 0;
        int kept = 0;
        int i = 0;
        do {
            if (items_[i]->isDead()) {
                delete items_[i];
                count_ -= 1;
                removed += 1;
            } else {
                kept += 1;
            }
            // Reads one slot ahead; the sentinel makes the read past the last entry safe.
            items_[kept] = items_[i + 1];
            i += 1;
        } while (kept < count_);
        items_[count_] = nullptr;
        return removed;
    }

    // Deletes every entry (when the list owns them) and frees the storage; the list can be
    // filled again afterwards.
    void clear() {
        if (items_ != nullptr) {
            if (owns_) {
                for (int i = 0; i < count_; ++i) {
                    delete items_[i];
                }
            }
            delete[] items_;
            items_ = nullptr;
        }
        capacity_ = 0;
        count_ = 0;
    }

    int count() const { return count_; }
    int capacity() const { return capacity_; }
    // The slots, including the null sentinel at index count(); null before the first add.
    T* const* data() const { return items_; }

private:
    T** items_ = nullptr;
    int capacity_ = 0;
    int count_ = 0;
    bool owns_ = true;
    int growth_ = 100;
};
