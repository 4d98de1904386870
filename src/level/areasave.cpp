#include "level/areasave.h"

#include "level/savelevel.h"
#include "rom/hex.h"
#include "rom/romlayout.h"
#include "worldmap/maprecords.h"
#include "worldmap/worldmap.h"

#include <algorithm>

namespace quib {

namespace {

// The bytes Save writes for each stream.
std::vector<uint8_t> objectstream(const LevelDocument &l, const LevelHeader &header)
{
    std::vector<uint8_t> out(header.begin(), header.end());
    for (const ObjRecord &o : l.objects)
        out.insert(out.end(), o.raw.b.begin(), o.raw.b.begin() + o.raw.size);
    if (l.objcount() < maxrecords)
        out.push_back(streamend);
    return out;
}

std::vector<uint8_t> enemystream(const LevelDocument &l, uint8_t leading)
{
    std::vector<uint8_t> out{leading};
    for (const EnemyRecord &e : l.enemies) {
        const EnemyBytes b = encodeenemy(e);
        out.insert(out.end(), b.begin(), b.end());
    }
    if (l.enemycount() < maxrecords)
        out.push_back(streamend);
    return out;
}

// Where the stream of `kind` at `start` is, how far it may grow there and
// what may be done when it doesn't fit.
StreamSave planstream(const std::vector<uint8_t> &image, const RomMap &map, const ObjProps &props, StreamKind kind,
                      int64_t start, int objset, int64_t need)
{
    StreamSave s;
    s.kind = kind;
    s.objset = objset;
    s.oldstart = s.newstart = start;
    s.need = need;
    const MapStream *m = kind == StreamKind::Objects ? findobjstream(map, start, objset) : findenemystream(map, start);
    if (m) {
        s.oldend = m->end;
        s.room = m->room();
        s.links = m->from;
    } else {
        s.oldend = start >= 0 && start < int64_t(image.size()) ? measurestream(image, props, kind, start, objset) : start;
        s.room = s.oldend - start;
    }
    if (need <= s.room)
        return s;
    if (!m) {
        s.outcome = StreamSave::Unknown;
    } else if (m->fixed) {
        s.outcome = StreamSave::Fixed;
    } else if (m->window < 0) {
        s.outcome = StreamSave::OutsideWindow;
    } else if (const std::optional<FreeRun> run = findfreerun(map, m->window, need)) {
        s.outcome = StreamSave::Move;
        s.newstart = run->start;
    } else {
        s.outcome = StreamSave::NoRoom;
        s.largest = largestfreerun(map, m->window).size;
    }
    return s;
}

// 0xFF over [from, to), except the bytes a known stream other than `self`
// uses and anything outside the image.
void freebytes(const RomMap &map, const MapStream *self, int64_t from, int64_t to, int64_t size,
               std::vector<ByteWrite> &out)
{
    from = std::max<int64_t>(from, 0);
    to = std::min(to, size);
    if (from >= to)
        return;
    std::vector<bool> keep(size_t(to - from), false);
    for (const MapStream &m : map.streams) {
        if (&m == self || m.end <= from || m.start >= to)
            continue;
        for (int64_t p = std::max(m.start, from); p < std::min(m.end, to); ++p)
            keep[size_t(p - from)] = true;
    }
    for (int64_t p = from; p < to;) {
        if (keep[size_t(p - from)]) {
            ++p;
            continue;
        }
        const int64_t run = p;
        while (p < to && !keep[size_t(p - from)])
            ++p;
        out.push_back({run, std::vector<uint8_t>(size_t(p - run), streamend)});
    }
}

void putword(std::vector<ByteWrite> &out, int64_t at, uint16_t word, int64_t size)
{
    if (at >= 0 && at + 1 < size)
        out.push_back({at, {uint8_t(word & 0xFF), uint8_t(word >> 8)}});
}

uint16_t streamword(const StreamSave &s, int64_t offset)
{
    return rom::offsettoptr(offset, s.kind == StreamKind::Objects ? rom::objadder(s.objset) : rom::enemydataadder);
}

// The header's link to the moved stream, when it still leads to its old start.
bool repointheader(LevelHeader &h, const StreamSave &s)
{
    HdrLink link = hdrlink(h);
    const uint16_t old = streamword(s, s.oldstart);
    if (s.kind == StreamKind::Objects) {
        if (link.objptr != old || (link.objset & 15) != s.objset)
            return false;
        link.objptr = streamword(s, s.newstart);
    } else {
        if (link.enmptr != old)
            return false;
        link.enmptr = streamword(s, s.newstart);
    }
    sethdrlink(h, link);
    return true;
}

// Every map pointer and area header that leads to the moved stream, but the
// area's own header: that one is written with the stream.
void repoint(const std::vector<uint8_t> &image, const StreamSave &s, int64_t ownheader, LevelHeader &header,
             std::vector<ByteWrite> &out)
{
    const int64_t size = int64_t(image.size());
    const uint16_t word = streamword(s, s.newstart);
    for (const StreamLink &link : s.links) {
        if (link.kind == StreamLink::MapPointer) {
            const int64_t base = rom::mapptrpos_of(link.world);
            const int n = base < size ? ptrcountof(image[size_t(base)]) : 0;
            putword(out, s.kind == StreamKind::Objects ? ptrobjpos_at(base, n, link.index) : ptrenmpos_at(base, n, link.index),
                    word, size);
        } else if (link.header == ownheader) {
            repointheader(header, s);
        } else {
            putword(out, link.header + (s.kind == StreamKind::Objects ? hdrlinkobj : hdrlinkenm), word, size);
        }
    }
}

void placestream(const std::vector<uint8_t> &image, const RomMap &map, const StreamSave &s,
                 const std::vector<uint8_t> &bytes, std::vector<ByteWrite> &out)
{
    const int64_t size = int64_t(image.size());
    const MapStream *self = s.kind == StreamKind::Objects ? findobjstream(map, s.oldstart, s.objset)
                                                          : findenemystream(map, s.oldstart);
    if (s.moves()) {
        freebytes(map, self, s.oldstart, s.oldend, size, out);
        out.push_back({s.newstart, bytes});
        return;
    }
    // In place; the leading byte of an enemy stream stays as it is.
    const size_t skip = s.kind == StreamKind::Enemies ? 1 : 0;
    if (bytes.size() > skip)
        out.push_back({s.oldstart + int64_t(skip), std::vector<uint8_t>(bytes.begin() + skip, bytes.end())});
    freebytes(map, self, s.oldstart + s.need, s.oldend, size, out);
}

QString what(const StreamSave &s)
{
    return s.kind == StreamKind::Objects ? QStringLiteral("objects") : QStringLiteral("enemies");
}

QString shown(int64_t offset, bool fileoffsets)
{
    return QStringLiteral("0x") + hexstr(fileoffsets ? offset : offset - rom::headersize);
}

} // namespace

bool AreaSavePlan::refused() const
{
    return refusal() != nullptr;
}

const StreamSave *AreaSavePlan::refusal() const
{
    for (const StreamSave &s : streams)
        if (s.refused())
            return &s;
    return nullptr;
}

std::vector<const StreamSave *> AreaSavePlan::moves() const
{
    std::vector<const StreamSave *> out;
    for (const StreamSave &s : streams)
        if (s.moves())
            out.push_back(&s);
    return out;
}

AreaSavePlan planareasave(const std::vector<uint8_t> &image, const RomMap &map, const ObjProps &props,
                          const LevelDocument &doc)
{
    LevelDocument l = doc;
    settlerecords(l);
    const int objset = l.lvlobjset & 15;

    AreaSavePlan plan;
    plan.header = l.lvlhdr;
    plan.streams.push_back(planstream(image, map, props, StreamKind::Objects, l.lvlobjpos, objset,
                                      int64_t(objectstream(l, l.lvlhdr).size())));
    const bool enemies = objset != 0;
    const int64_t enmstart = l.lvlenmpos;
    if (enemies)
        plan.streams.push_back(planstream(image, map, props, StreamKind::Enemies, enmstart, objset,
                                          int64_t(enemystream(l, 0).size())));
    if (plan.refused())
        return plan;

    for (const StreamSave &s : plan.streams)
        if (s.moves())
            repoint(image, s, l.lvlobjpos, plan.header, plan.writes);
    // Stream bytes go last: the area's own header is final only now.
    std::vector<ByteWrite> streams;
    placestream(image, map, plan.streams[0], objectstream(l, plan.header), streams);
    if (enemies) {
        const uint8_t leading = enmstart >= 0 && enmstart < int64_t(image.size()) ? image[size_t(enmstart)] : streamend;
        placestream(image, map, plan.streams[1], enemystream(l, leading), streams);
    }
    plan.writes.insert(plan.writes.begin(), streams.begin(), streams.end());
    return plan;
}

void followplan(const AreaSavePlan &plan, LevelDocument &doc, WorldMap &map, int world)
{
    doc.lvlhdr = plan.header;
    for (const StreamSave &s : plan.streams) {
        if (!s.moves())
            continue;
        if (s.kind == StreamKind::Objects)
            doc.lvlobjpos = int32_t(s.newstart);
        else
            doc.lvlenmpos = int32_t(s.newstart);
        if (world < 1 || world > 8)
            continue;
        // The loaded world holds what the ROM holds: its pointers that lead
        // to the old start as the map walk reads them follow the stream.
        for (MapPtr &p : map.pointers) {
            const int set = p.objset & 15;
            if (s.kind == StreamKind::Objects && p.objpos == s.oldstart && set == s.objset)
                p.objpos = int32_t(s.newstart);
            else if (s.kind == StreamKind::Enemies && p.enmpos == s.oldstart && set != 0 && set != 7)
                p.enmpos = int32_t(s.newstart);
        }
    }
}

QString movequestion(const StreamSave &s, bool fileoffsets)
{
    const int n = int(s.links.size());
    return QStringLiteral("The %1 of this area need %2 bytes and have room for %3 at %4. Move them to %5 and update "
                          "the %6 %7 there?")
        .arg(what(s))
        .arg(s.need)
        .arg(s.room)
        .arg(shown(s.oldstart, fileoffsets), shown(s.newstart, fileoffsets))
        .arg(n)
        .arg(n == 1 ? QStringLiteral("pointer that leads") : QStringLiteral("pointers that lead"));
}

QString refusaltext(const StreamSave &s, bool fileoffsets)
{
    const QString head = QStringLiteral("The %1 of this area don't fit at %2 (room for %3 bytes)")
                             .arg(what(s), shown(s.oldstart, fileoffsets))
                             .arg(s.room);
    QString why;
    switch (s.outcome) {
    case StreamSave::NoRoom:
        why = QStringLiteral(" and can't be moved: needs %1 bytes; the largest free run of this window has %2.")
                  .arg(s.need)
                  .arg(s.largest);
        break;
    case StreamSave::Fixed:
        why = QStringLiteral(": needs %1 bytes, and the game reads them at that fixed place, so they can't be moved.")
                  .arg(s.need);
        break;
    case StreamSave::OutsideWindow:
        why = QStringLiteral(": needs %1 bytes, and they lie outside their bank window, so they can't be moved.")
                  .arg(s.need);
        break;
    case StreamSave::Unknown:
        why = QStringLiteral(": needs %1 bytes, and no map pointer or area header leads to them, so they are not "
                             "moved.")
                  .arg(s.need);
        break;
    default:
        return QString();
    }
    return head + why + QStringLiteral(" Nothing was written.");
}

} // namespace quib
