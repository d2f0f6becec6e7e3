// The solver's memory of dead positions: four-way buckets, cheapest out first.
#include "engine/dead_position_table.h"

#include <sys/mman.h>

#include <algorithm>

namespace {

constexpr std::size_t FIRST_BUCKETS = 256;

// Fresh anonymous pages read as zeros: every entry empty.
template <typename Entry>
Entry* MapEntries(std::size_t count)
{
    void* pages = mmap(nullptr, count * sizeof(Entry), PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return pages == MAP_FAILED ? nullptr : static_cast<Entry*>(pages);
}

template <typename Entry>
void UnmapEntries(Entry* entries, std::size_t count)
{
    if (entries != nullptr) {
        munmap(entries, count * sizeof(Entry));
    }
}

}  // namespace

DeadPositionTable::DeadPositionTable(std::size_t byteCap)
{
    // A power of two of buckets, so the low bits of the hash pick one.
    while (mostBuckets * 2 * BUCKET * sizeof(Entry) <= byteCap) {
        mostBuckets *= 2;
    }
    const std::size_t buckets = std::min(FIRST_BUCKETS, mostBuckets);
    entries = MapEntries<Entry>(buckets * BUCKET);
    entryCount = entries == nullptr ? 0 : buckets * BUCKET;
    bucketMask = buckets - 1;
}

DeadPositionTable::~DeadPositionTable()
{
    UnmapEntries(entries, entryCount);
}

// Each bucket splits into two by one more bit of the hash, so no entry is
// lost on the way. Without memory for the larger table the old one stays.
void DeadPositionTable::Grow()
{
    Entry* grown = MapEntries<Entry>(entryCount * 2);
    if (grown == nullptr) {
        mostBuckets = entryCount / BUCKET;
        return;
    }
    const std::size_t mask = bucketMask * 2 + 1;
    for (std::size_t e = 0; e < entryCount; ++e) {
        const Entry& entry = entries[e];
        if (entry.work == 0) {
            continue;
        }
        Entry* bucket = grown + (entry.hash & mask) * BUCKET;
        *std::find_if(bucket, bucket + BUCKET, [](const Entry& free) { return free.work == 0; }) = entry;
    }
    UnmapEntries(entries, entryCount);
    entries = grown;
    entryCount *= 2;
    bucketMask = mask;
}

const DeadPositionTable::Entry* DeadPositionTable::Bucket(uint64_t hash) const
{
    return entries + (hash & bucketMask) * BUCKET;
}

bool DeadPositionTable::Contains(const PositionKey& key) const
{
    if (entries == nullptr) {
        return false;
    }
    const Entry* bucket = Bucket(key.hash);
    const auto check = static_cast<uint32_t>(key.check);
    for (std::size_t k = 0; k < BUCKET; ++k) {
        if (bucket[k].work != 0 && bucket[k].hash == key.hash && bucket[k].check == check) {
            return true;
        }
    }
    return false;
}

void DeadPositionTable::Insert(const PositionKey& key, uint64_t work)
{
    if (entries == nullptr) {
        return;
    }
    if (used * 2 > entryCount && entryCount < mostBuckets * BUCKET) {
        Grow();
    }
    Entry* bucket = entries + (key.hash & bucketMask) * BUCKET;
    const auto check = static_cast<uint32_t>(key.check);
    const auto saturated = static_cast<uint32_t>(std::clamp<uint64_t>(work, 1, UINT32_MAX));
    Entry* victim = bucket;
    for (std::size_t k = 0; k < BUCKET; ++k) {
        Entry& entry = bucket[k];
        if (entry.work != 0 && entry.hash == key.hash && entry.check == check) {
            entry.work = std::max(entry.work, saturated);
            return;
        }
        if (entry.work < victim->work) {
            victim = &entry;
        }
    }
    if (victim->work == 0) {
        ++used;
    } else if (victim->work > saturated) {
        // Everything here cost more to prove than this one: keep them.
        return;
    }
    *victim = {key.hash, check, saturated};
}
