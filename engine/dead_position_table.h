// A fixed-size memory of positions from which the board cannot be cleared,
// so the solver never explores the same dead end twice.
#pragma once

#include <cstddef>
#include <cstdint>

// A position's name: two independent 64-bit hashes of its canonical form.
// A collision of both would make a live position look dead; at 2^-96 per pair
// of positions that stays far below any hardware fault rate.
struct PositionKey {
    uint64_t hash = 0;
    uint64_t check = 0;

    bool operator==(const PositionKey&) const = default;
};

class DeadPositionTable {
public:
    // Starts small and doubles as it fills, up to byteCap bytes (at least one
    // bucket), so a short search costs little memory and a long one never
    // more than byteCap.
    explicit DeadPositionTable(std::size_t byteCap);
    ~DeadPositionTable();
    DeadPositionTable(const DeadPositionTable&) = delete;
    DeadPositionTable& operator=(const DeadPositionTable&) = delete;

    bool Contains(const PositionKey& key) const;
    // Remembers key as dead; work is how many positions proving it took. When
    // its bucket is full, the entry that took the least work to prove makes
    // room, since it is the cheapest to prove again.
    void Insert(const PositionKey& key, uint64_t work);

    // Positions remembered now.
    std::size_t Size() const { return used; }

private:
    struct Entry {
        uint64_t hash = 0;
        uint32_t check = 0;
        // 0 marks an empty entry; otherwise the work, saturated.
        uint32_t work = 0;
    };
    static constexpr std::size_t BUCKET = 4;

    const Entry* Bucket(uint64_t hash) const;
    void Grow();

    // The entries live in pages of their own, mapped for this table and
    // unmapped with it: freed through the allocator, megabytes of them would
    // stay with the process after the search, and a game that asks for many
    // hints would keep growing. Null when the system had no memory to give:
    // the table then remembers nothing, which is slow but still exact.
    Entry* entries = nullptr;
    std::size_t entryCount = 0;
    std::size_t bucketMask = 0;
    std::size_t mostBuckets = 1;
    std::size_t used = 0;
};
