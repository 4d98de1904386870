#include "rom/patch.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace quib {

namespace {

using Bytes = std::vector<uint8_t>;

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

bool startswith(const Bytes &data, const char *magic)
{
    const size_t n = std::strlen(magic);
    return data.size() >= n && std::memcmp(data.data(), magic, n) == 0;
}

uint32_t crc32of(const uint8_t *data, size_t size)
{
    uLong crc = crc32(0L, Z_NULL, 0);
    // zlib takes at most 4 GiB at a time; our images are far smaller, but
    // the loop costs nothing.
    while (size > 0) {
        const uInt part = uInt(std::min<size_t>(size, 1u << 30));
        crc = crc32(crc, data, part);
        data += part;
        size -= part;
    }
    return uint32_t(crc);
}

// ---- IPS ----------------------------------------------------------------

constexpr size_t ipseof = 0x454F46; // offset whose bytes read "EOF"
constexpr size_t ipsmaxrecord = 0xFFFF;
constexpr size_t ipsmaxoffset = 0xFFFFFF;
// A run record (8 bytes) beats literal bytes from this length on when it
// stands alone, and from this one when it splits a literal record in two
// (the run's 8 bytes and the second literal's 5-byte head).
constexpr size_t ipsrunalone = 9;
constexpr size_t ipsruninside = 14;
// Equal bytes shorter than a record's head are written along with the
// changed bytes around them.
constexpr size_t ipsgap = 5;

void put24(Bytes &out, size_t v)
{
    out.push_back(uint8_t(v >> 16));
    out.push_back(uint8_t(v >> 8));
    out.push_back(uint8_t(v));
}

void put16(Bytes &out, size_t v)
{
    out.push_back(uint8_t(v >> 8));
    out.push_back(uint8_t(v));
}

size_t runlength(const Bytes &t, size_t at, size_t end)
{
    size_t n = 1;
    while (at + n < end && t[at + n] == t[at])
        ++n;
    return n;
}

// Writes records that set target bytes [start, end).
void ipsspan(Bytes &out, const Bytes &t, size_t start, size_t end)
{
    size_t at = start;
    while (at < end) {
        if (at == ipseof) {
            // Started one byte earlier; rewriting that byte with its target
            // value is harmless.
            put24(out, at - 1);
            put16(out, 2);
            out.push_back(t[at - 1]);
            out.push_back(t[at]);
            at += 1;
            continue;
        }
        const size_t run = runlength(t, at, end);
        if (run >= ipsrunalone) {
            const size_t n = std::min(run, ipsmaxrecord);
            put24(out, at);
            put16(out, 0);
            put16(out, n);
            out.push_back(t[at]);
            at += n;
            continue;
        }
        // Literal bytes up to the next run worth its own record.
        size_t stop = at + run;
        while (stop < end && stop - at < ipsmaxrecord) {
            const size_t r = runlength(t, stop, end);
            if (r >= ipsruninside || (stop + r == end && r >= ipsrunalone))
                break;
            stop += r;
        }
        stop = std::min(stop, at + ipsmaxrecord);
        put24(out, at);
        put16(out, stop - at);
        out.insert(out.end(), t.begin() + ptrdiff_t(at), t.begin() + ptrdiff_t(stop));
        at = stop;
    }
}

// ---- BPS ----------------------------------------------------------------

enum BpsAction { SourceRead = 0, TargetRead = 1, SourceCopy = 2, TargetCopy = 3 };

void putnumber(Bytes &out, uint64_t x)
{
    for (;;) {
        const uint8_t b = x & 0x7F;
        x >>= 7;
        if (x == 0) {
            out.push_back(0x80 | b);
            return;
        }
        out.push_back(b);
        x -= 1;
    }
}

int numbersize(uint64_t x)
{
    int n = 1;
    while ((x >>= 7) != 0) {
        x -= 1;
        ++n;
    }
    return n;
}

void putaction(Bytes &out, BpsAction action, size_t length) { putnumber(out, (uint64_t(length - 1) << 2) | action); }

uint64_t signeddelta(int64_t d) { return d < 0 ? (uint64_t(-d) << 1) | 1 : uint64_t(d) << 1; }

void put32le(Bytes &out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

// Blocks of the source are looked up by a hash of their first bytes; every
// position of the source is indexed, the chains are walked only so far.
constexpr size_t bpsblock = 6;
constexpr int bpshashbits = 18;
constexpr int bpschain = 24;

uint32_t blockhash(const uint8_t *p)
{
    uint64_t v = 0;
    std::memcpy(&v, p, 4);
    v |= uint64_t(p[4]) << 32 | uint64_t(p[5]) << 40;
    return uint32_t((v * 0x9E3779B97F4A7C15ull) >> (64 - bpshashbits));
}

size_t matchlength(const Bytes &a, size_t ai, const Bytes &b, size_t bi)
{
    const size_t limit = std::min(a.size() - ai, b.size() - bi);
    size_t n = 0;
    while (n < limit && a[ai + n] == b[bi + n])
        ++n;
    return n;
}

} // namespace

std::optional<std::vector<uint8_t>> createips(const std::vector<uint8_t> &source,
                                              const std::vector<uint8_t> &target, QString *error)
{
    if (target.size() > ipsmaxoffset) {
        fail(error, QStringLiteral("An IPS patch cannot describe a file larger than 16 MiB; use BPS."));
        return std::nullopt;
    }
    Bytes out = {'P', 'A', 'T', 'C', 'H'};
    auto differs = [&](size_t i) { return i >= source.size() || source[i] != target[i]; };
    size_t i = 0;
    while (i < target.size()) {
        if (!differs(i)) {
            ++i;
            continue;
        }
        // A stretch of changed bytes, taking in short gaps of equal ones.
        size_t end = i + 1;
        for (;;) {
            while (end < target.size() && differs(end))
                ++end;
            size_t gap = end;
            while (gap < target.size() && gap - end < ipsgap && !differs(gap))
                ++gap;
            if (gap == target.size() || gap - end >= ipsgap)
                break;
            end = gap;
        }
        ipsspan(out, target, i, end);
        i = end;
    }
    out.insert(out.end(), {'E', 'O', 'F'});
    if (target.size() < source.size())
        put24(out, target.size());
    return out;
}

std::vector<uint8_t> createbps(const std::vector<uint8_t> &source, const std::vector<uint8_t> &target)
{
    Bytes out = {'B', 'P', 'S', '1'};
    putnumber(out, source.size());
    putnumber(out, target.size());
    putnumber(out, 0); // no metadata

    // Chains of source positions by the hash of the block starting there,
    // the latest first.
    std::vector<int32_t> head, next;
    if (source.size() >= bpsblock) {
        head.assign(size_t(1) << bpshashbits, -1);
        next.assign(source.size(), -1);
        for (size_t i = 0; i + bpsblock <= source.size(); ++i) {
            const uint32_t h = blockhash(&source[i]);
            next[i] = head[h];
            head[h] = int32_t(i);
        }
    }

    size_t literal = 0;  // start of the pending TargetRead
    int64_t sourcepos = 0, targetpos = 0;
    size_t at = 0;
    auto flush = [&] {
        if (literal < at) {
            putaction(out, TargetRead, at - literal);
            out.insert(out.end(), target.begin() + ptrdiff_t(literal), target.begin() + ptrdiff_t(at));
        }
    };
    while (at < target.size()) {
        // The candidates: the source at the same place, a run continuing the
        // byte before, the source elsewhere. Each is worth its length less the
        // bytes it costs; literal bytes cost one each, and taking a copy in
        // the middle of literal bytes costs a second literal head.
        BpsAction best = TargetRead;
        size_t bestlength = 0, bestfrom = 0;
        int64_t bestgain = 1;
        auto consider = [&](BpsAction action, size_t length, size_t from, int cost) {
            const int64_t gain = int64_t(length) - cost;
            if (gain > bestgain) {
                best = action;
                bestlength = length;
                bestfrom = from;
                bestgain = gain;
            }
        };
        if (at < source.size()) {
            const size_t n = matchlength(source, at, target, at);
            consider(SourceRead, n, at, numbersize(uint64_t(n) << 2));
        }
        if (at > 0 && target[at - 1] == target[at]) {
            size_t n = 1;
            while (at + n < target.size() && target[at + n] == target[at - 1])
                ++n;
            consider(TargetCopy, n, at - 1, numbersize(uint64_t(n) << 2) + numbersize(signeddelta(int64_t(at - 1) - targetpos)));
        }
        if (bestlength < 64 && !head.empty()) {
            auto trysource = [&](size_t from) {
                const size_t n = matchlength(source, from, target, at);
                consider(SourceCopy, n, from, numbersize(uint64_t(n) << 2) + numbersize(signeddelta(int64_t(from) - sourcepos)));
            };
            if (size_t(sourcepos) < source.size())
                trysource(size_t(sourcepos));
            if (at + bpsblock <= target.size()) {
                int32_t c = head[blockhash(&target[at])];
                for (int k = 0; c >= 0 && k < bpschain; ++k, c = next[size_t(c)])
                    if (size_t(c) != size_t(sourcepos))
                        trysource(size_t(c));
            }
        }
        if (best == TargetRead) {
            ++at;
            continue;
        }
        flush();
        putaction(out, best, bestlength);
        if (best == SourceCopy) {
            putnumber(out, signeddelta(int64_t(bestfrom) - sourcepos));
            sourcepos = int64_t(bestfrom + bestlength);
        } else if (best == TargetCopy) {
            putnumber(out, signeddelta(int64_t(bestfrom) - targetpos));
            targetpos = int64_t(bestfrom + bestlength);
        }
        at += bestlength;
        literal = at;
    }
    flush();

    put32le(out, crc32of(source.data(), source.size()));
    put32le(out, crc32of(target.data(), target.size()));
    put32le(out, crc32of(out.data(), out.size()));
    return out;
}

std::optional<std::vector<uint8_t>> applyips(const std::vector<uint8_t> &patch, const std::vector<uint8_t> &source,
                                             QString *error)
{
    auto refuse = [&](const QString &why) {
        fail(error, why);
        return std::nullopt;
    };
    if (!startswith(patch, "PATCH"))
        return refuse(QStringLiteral("This is not an IPS patch: it does not start with PATCH."));
    Bytes out = source;
    size_t p = 5;
    auto get = [&](size_t n) {
        size_t v = 0;
        for (size_t i = 0; i < n; ++i)
            v = v << 8 | patch[p++];
        return v;
    };
    for (;;) {
        if (patch.size() - p < 3)
            return refuse(QStringLiteral("The IPS patch is cut short: its EOF end mark is missing."));
        if (std::memcmp(&patch[p], "EOF", 3) == 0) {
            p += 3;
            break;
        }
        if (patch.size() - p < 5)
            return refuse(QStringLiteral("The IPS patch is cut short in the record at patch offset %1.").arg(p));
        const size_t record = p;
        const size_t offset = get(3), size = get(2);
        size_t count = size;
        uint8_t value = 0;
        if (size == 0) {
            if (patch.size() - p < 3)
                return refuse(QStringLiteral("The IPS patch is cut short in the record at patch offset %1.").arg(record));
            count = get(2);
            value = patch[p++];
        } else if (patch.size() - p < size) {
            return refuse(QStringLiteral("The IPS patch is cut short in the record at patch offset %1.").arg(record));
        }
        if (count > 0 && out.size() < offset + count)
            out.resize(offset + count, 0);
        if (size == 0) {
            std::fill_n(out.begin() + ptrdiff_t(offset), count, value);
        } else {
            std::copy_n(patch.begin() + ptrdiff_t(p), size, out.begin() + ptrdiff_t(offset));
            p += size;
        }
    }
    if (patch.size() - p == 3)
        out.resize(get(3), 0);
    else if (p != patch.size())
        return refuse(QStringLiteral("The IPS patch is damaged: %1 stray bytes follow its EOF end mark.").arg(patch.size() - p));
    return out;
}

std::optional<std::vector<uint8_t>> applybps(const std::vector<uint8_t> &patch, const std::vector<uint8_t> &source,
                                             QString *error)
{
    auto refuse = [&](const QString &why) {
        fail(error, why);
        return std::nullopt;
    };
    if (!startswith(patch, "BPS1"))
        return refuse(QStringLiteral("This is not a BPS patch: it does not start with BPS1."));
    constexpr size_t footer = 12;
    if (patch.size() < 4 + 3 + footer)
        return refuse(QStringLiteral("The BPS patch is cut short: it is too small to hold its header and checksums."));
    auto le32 = [&](size_t at) {
        return uint32_t(patch[at]) | uint32_t(patch[at + 1]) << 8 | uint32_t(patch[at + 2]) << 16 |
               uint32_t(patch[at + 3]) << 24;
    };
    const size_t end = patch.size() - footer; // where the actions stop
    if (crc32of(patch.data(), patch.size() - 4) != le32(patch.size() - 4))
        return refuse(QStringLiteral("The BPS patch is damaged or cut short: its own checksum does not match."));

    size_t p = 4;
    bool bad = false;
    // A number too long for 64 bits, or running into the checksums, marks
    // the patch bad and reads as 0.
    auto number = [&]() -> uint64_t {
        uint64_t x = 0, shift = 1;
        for (;;) {
            if (p >= end || shift > (uint64_t(1) << 56)) {
                bad = true;
                return 0;
            }
            const uint8_t b = patch[p++];
            x += (b & 0x7F) * shift;
            if (b & 0x80)
                return x;
            shift <<= 7;
            x += shift;
        }
    };
    const uint64_t sourcesize = number(), targetsize = number(), metasize = number();
    if (bad || metasize > end - p)
        return refuse(QStringLiteral("The BPS patch is damaged: its header cannot be read."));
    p += size_t(metasize);
    if (sourcesize != source.size())
        return refuse(QStringLiteral("The patch is for a file of %L1 bytes, not this one of %L2 bytes.")
                          .arg(sourcesize)
                          .arg(source.size()));
    if (crc32of(source.data(), source.size()) != le32(end))
        return refuse(QStringLiteral("The patch was made for a different file: the checksum of this one does not match."));
    if (targetsize > uint64_t(maxpatchfile))
        return refuse(QStringLiteral("The BPS patch would make a file of %L1 bytes, more than this editor handles.")
                          .arg(targetsize));

    Bytes out(static_cast<size_t>(targetsize));
    size_t at = 0;
    int64_t sourcepos = 0, targetpos = 0;
    auto damaged = [&] {
        return refuse(QStringLiteral("The BPS patch is damaged: an action at patch offset %1 reaches outside its files.")
                          .arg(p));
    };
    while (p < end) {
        const size_t actionat = p;
        const uint64_t n = number();
        const uint64_t length = (n >> 2) + 1;
        if (bad || length > out.size() - at) {
            p = actionat;
            return damaged();
        }
        switch (BpsAction(n & 3)) {
        case SourceRead:
            if (at + length > source.size())
                return damaged();
            std::copy_n(source.begin() + ptrdiff_t(at), length, out.begin() + ptrdiff_t(at));
            break;
        case TargetRead:
            if (length > end - p)
                return damaged();
            std::copy_n(patch.begin() + ptrdiff_t(p), length, out.begin() + ptrdiff_t(at));
            p += length;
            break;
        case SourceCopy:
        case TargetCopy: {
            const uint64_t d = number();
            const int64_t delta = int64_t(d >> 1);
            int64_t &pos = (n & 3) == SourceCopy ? sourcepos : targetpos;
            if (bad || d >> 1 > uint64_t(maxpatchfile))
                return damaged();
            pos += (d & 1) ? -delta : delta;
            if ((n & 3) == SourceCopy) {
                if (pos < 0 || uint64_t(pos) + length > source.size())
                    return damaged();
                std::copy_n(source.begin() + pos, length, out.begin() + ptrdiff_t(at));
            } else {
                // Byte by byte: the copy may read what it has just written.
                if (pos < 0 || size_t(pos) >= at)
                    return damaged();
                for (size_t i = 0; i < length; ++i)
                    out[at + i] = out[size_t(pos) + i];
            }
            pos += int64_t(length);
            break;
        }
        }
        at += length;
    }
    if (at != out.size())
        return refuse(QStringLiteral("The BPS patch is damaged: its actions make %L1 of the %L2 bytes of the result.")
                          .arg(at)
                          .arg(out.size()));
    if (crc32of(out.data(), out.size()) != le32(end + 4))
        return refuse(QStringLiteral("The BPS patch is damaged: the result's checksum does not match."));
    return out;
}

std::optional<std::vector<uint8_t>> applypatch(const std::vector<uint8_t> &patch, const std::vector<uint8_t> &source,
                                               QString *error)
{
    if (startswith(patch, "PATCH"))
        return applyips(patch, source, error);
    if (startswith(patch, "BPS1"))
        return applybps(patch, source, error);
    fail(error, patch.empty() ? QStringLiteral("The patch file is empty.")
                              : QStringLiteral("This is not an IPS or BPS patch: it starts with neither PATCH nor BPS1."));
    return std::nullopt;
}

} // namespace quib
