// The solver's memory of dead positions: four-way buckets, cheapest out first.
#include "engine/dead_position_table.h"

#include <algorithm>

DeadPositionTable::DeadPositionTable(std::size_t byteCap)
{
    // A power of two of buckets, so the low bits of the hash pick one.
    std::size_t buckets = 1;
    while (buckets * 2 * BUCKET * sizeof(Entry) <= byteCap) {
        buckets *= 2;
    }
    entries.resize(buckets * BUCKET);
    bucketMask = buckets - 1;
}

const DeadPositionTable::Entry* DeadPositionTable::Bucket(uint64_t hash) const
{
    return entries.data() + (hash & bucketMask) * BUCKET;
}

bool DeadPositionTable::Contains(const PositionKey& key) const
{
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
    Entry* bucket = const_cast<Entry*>(Bucket(key.hash));
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
