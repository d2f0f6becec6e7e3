// The solver's memory of dead positions: four-way buckets, cheapest out first.
#include "engine/dead_position_table.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::size_t FIRST_BUCKETS = 256;

}  // namespace

DeadPositionTable::DeadPositionTable(std::size_t byteCap)
{
    // A power of two of buckets, so the low bits of the hash pick one.
    while (mostBuckets * 2 * BUCKET * sizeof(Entry) <= byteCap) {
        mostBuckets *= 2;
    }
    const std::size_t buckets = std::min(FIRST_BUCKETS, mostBuckets);
    entries.resize(buckets * BUCKET);
    bucketMask = buckets - 1;
}

// Each bucket splits into two by one more bit of the hash, so no entry is
// lost on the way.
void DeadPositionTable::Grow()
{
    std::vector<Entry> old = std::exchange(entries, std::vector<Entry>(entries.size() * 2));
    bucketMask = bucketMask * 2 + 1;
    for (const Entry& entry : old) {
        if (entry.work == 0) {
            continue;
        }
        Entry* bucket = entries.data() + (entry.hash & bucketMask) * BUCKET;
        *std::find_if(bucket, bucket + BUCKET, [](const Entry& e) { return e.work == 0; }) = entry;
    }
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
    if (used * 2 > entries.size() && entries.size() < mostBuckets * BUCKET) {
        Grow();
    }
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
