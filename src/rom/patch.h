#pragma once
// Patch files: the difference between two byte images, in the two formats ROM
// hackers share.
//
// IPS: "PATCH", then records (3-byte big-endian offset, 2-byte big-endian
// size, then `size` bytes; a size of 0 is a run: 2-byte count and one value),
// then "EOF", optionally followed by a 3-byte size to truncate the result to.
// No checksums; a record never starts at 0x454F46, which reads as "EOF".
//
// BPS: "BPS1", the source size, target size and metadata size as variable-
// length numbers, the metadata, then actions (SourceRead, TargetRead,
// SourceCopy, TargetCopy) up to the last 12 bytes: the CRC-32 of the source,
// of the target and of the patch before its own checksum, little-endian.
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace quib {

// The largest file a patch is made from or produces: far above any ROM, and
// low enough that a crafted size can't exhaust memory.
constexpr int64_t maxpatchfile = int64_t(64) << 20;

// The IPS patch turning `source` into `target`: runs of equal bytes as run
// records, records split at 0xFFFF bytes, the truncation size written when
// the target is shorter. Fails (empty result, `error` says why) only for a
// target larger than IPS offsets reach (16 MiB).
std::optional<std::vector<uint8_t>> createips(const std::vector<uint8_t> &source,
                                              const std::vector<uint8_t> &target, QString *error);

// The BPS patch turning `source` into `target`, without metadata: SourceRead
// for unchanged stretches, TargetCopy for runs, SourceCopy for stretches
// found elsewhere in the source, TargetRead for the rest.
std::vector<uint8_t> createbps(const std::vector<uint8_t> &source, const std::vector<uint8_t> &target);

// Applies an IPS or BPS patch (told apart by its first bytes) to `source`.
// A damaged or cut-short patch, or a BPS patch made for another source, gives
// nothing, and `error` gets one sentence saying what is wrong.
std::optional<std::vector<uint8_t>> applypatch(const std::vector<uint8_t> &patch,
                                               const std::vector<uint8_t> &source, QString *error);
std::optional<std::vector<uint8_t>> applyips(const std::vector<uint8_t> &patch,
                                             const std::vector<uint8_t> &source, QString *error);
std::optional<std::vector<uint8_t>> applybps(const std::vector<uint8_t> &patch,
                                             const std::vector<uint8_t> &source, QString *error);

} // namespace quib
