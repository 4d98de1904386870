#include "level/rommap.h"

#include "level/records.h"
#include "rom/romlayout.h"
#include "tables/objprops.h"
#include "worldmap/maprecords.h"

#include <algorithm>
#include <deque>
#include <unordered_map>

namespace quib {

namespace {

// Reads of the image as the loaders see the ROM: a byte outside it is 0xFF,
// the end marker of every stream, so no walk runs off the end.
class ImageReader {
public:
    explicit ImageReader(const std::vector<uint8_t> &image) : image_(image) {}
    int64_t size() const { return int64_t(image_.size()); }
    bool inside(int64_t p) const { return p >= 0 && p < size(); }
    uint8_t byte(int64_t p) const { return inside(p) ? image_[size_t(p)] : streamend; }

private:
    const std::vector<uint8_t> &image_;
};

// One past the last byte the object loader reads: header, records (3 or 4
// bytes by the set's 4-byte table), terminator; no terminator after 255.
int64_t objstreamend(const ImageReader &rom, int64_t start, const ObjProps &props, int objset)
{
    int64_t q = start + hdrsize;
    for (int n = 0; n < maxrecords; ++n) {
        const uint8_t b0 = rom.byte(q);
        if (b0 == streamend)
            return q + 1;
        q += props.four(objset, recordbank(b0), rom.byte(q + 2)) ? 4 : 3;
    }
    return q;
}

// The same for an enemy stream: leading byte, 3-byte records, terminator.
int64_t enmstreamend(const ImageReader &rom, int64_t start)
{
    int64_t q = start + 1;
    for (int n = 0; n < maxrecords; ++n) {
        if (rom.byte(q) == streamend)
            return q + 1;
        q += enemyrecordsize;
    }
    return q;
}

LevelHeader headerat(const ImageReader &rom, int64_t objpos)
{
    LevelHeader h{};
    for (int k = 0; k < hdrsize; ++k)
        h[size_t(k)] = rom.byte(objpos + k);
    return h;
}

std::vector<RomWindow> windowsof()
{
    std::vector<RomWindow> out;
    for (int s = 0; s < 16; ++s) {
        const rom::OffsetRange r = rom::objdatarange(s);
        auto it = std::find_if(out.begin(), out.end(), [&](const RomWindow &w) { return w.low == r.low; });
        if (it == out.end())
            it = out.insert(out.end(), RomWindow{r.low, r.high, false, 0, {}});
        it->objsets = uint16_t(it->objsets | 1u << s);
    }
    out.push_back({rom::enemydatarange.low, rom::enemydatarange.high, true, 0, {}});
    std::sort(out.begin(), out.end(), [](const RomWindow &a, const RomWindow &b) { return a.low < b.low; });
    return out;
}

int windowat(const std::vector<RomWindow> &windows, int64_t low)
{
    for (size_t i = 0; i < windows.size(); ++i)
        if (windows[i].low == low)
            return int(i);
    return -1;
}

// The walk: streams by key, areas whose header is still to be followed.
class Walk {
public:
    Walk(const ImageReader &rom, const ObjProps &props, RomMap &map) : rom_(rom), props_(props), map_(map) {}

    void fixedenemies()
    {
        const int k = enemies(rom::objset7enemies, nullptr);
        if (k >= 0) {
            map_.streams[size_t(k)].fixed = true;
            map_.streams[size_t(k)].objset = 7;
        }
    }

    void mappointers()
    {
        for (int world = 1; world <= 8; ++world) {
            const int64_t base = rom::mapptrpos_of(world);
            const int n = ptrcountof(rom_.byte(base));
            for (int i = 0; i < n; ++i) {
                const MapPtr p = decodeptr(ptrbytesfrom([this](int64_t at) { return rom_.byte(at); }, base, n, i));
                StreamLink from;
                from.kind = StreamLink::MapPointer;
                from.world = world;
                from.index = i;
                from.row = p.row;
                from.col = p.col;
                area(p.objpos, p.enmpos, p.objset, from);
            }
        }
    }

    void headers()
    {
        while (!pending_.empty()) {
            const int64_t start = map_.streams[size_t(pending_.front())].start;
            pending_.pop_front();
            const HdrLink link = hdrlink(headerat(rom_, start));
            if (!link.any())
                continue;
            StreamLink from;
            from.kind = StreamLink::AreaHeader;
            from.header = start;
            area(rom::ptrtooffset(link.objptr, rom::objadder(link.objset)),
                 rom::ptrtooffset(link.enmptr, rom::enemydataadder), link.objset, from);
        }
    }

private:
    static uint64_t key(StreamKind kind, int objset, int64_t start)
    {
        return uint64_t(start) << 8 | uint64_t(objset & 15) << 1 | (kind == StreamKind::Enemies ? 1 : 0);
    }

    // An area as a pointer or header names it.
    void area(int64_t objpos, int64_t enmpos, int objset, const StreamLink &from)
    {
        objset &= 15;
        objects(objpos, objset, from);
        if (objset != 0 && objset != 7) // set 0 reads no enemies, set 7 the fixed stream
            enemies(enmpos, &from);
    }

    void objects(int64_t start, int objset, const StreamLink &from)
    {
        if (!rom_.inside(start))
            return;
        const uint64_t k = key(StreamKind::Objects, objset, start);
        auto it = index_.find(k);
        if (it == index_.end()) {
            if (areas_ >= maxmapareas) {
                map_.cut = true;
                return;
            }
            ++areas_;
            MapStream s;
            s.kind = StreamKind::Objects;
            s.objset = objset;
            s.start = start;
            s.end = std::min(objstreamend(rom_, start, props_, objset), rom_.size());
            it = index_.emplace(k, int(map_.streams.size())).first;
            pending_.push_back(it->second);
            map_.streams.push_back(std::move(s));
        }
        map_.streams[size_t(it->second)].from.push_back(from);
    }

    int enemies(int64_t start, const StreamLink *from)
    {
        if (!rom_.inside(start))
            return -1;
        const uint64_t k = key(StreamKind::Enemies, 0, start);
        auto it = index_.find(k);
        if (it == index_.end()) {
            MapStream s;
            s.kind = StreamKind::Enemies;
            s.start = start;
            s.end = std::min(enmstreamend(rom_, start), rom_.size());
            it = index_.emplace(k, int(map_.streams.size())).first;
            map_.streams.push_back(std::move(s));
        }
        if (from)
            map_.streams[size_t(it->second)].from.push_back(*from);
        return it->second;
    }

    const ImageReader &rom_;
    const ObjProps &props_;
    RomMap &map_;
    std::unordered_map<uint64_t, int> index_;
    std::deque<int> pending_;
    int areas_ = 0;
};

// Bytes that belong to the world maps inside a window (object set 0's):
// the tile data of every world and the pointer tables after them, and the
// colour group bytes of the nine worlds.
void markworldmaps(const ImageReader &rom, std::vector<uint8_t> &used)
{
    int64_t first = rom::mapdatapos[0], last = 0;
    for (int world = 1; world <= rom::worldcount; ++world) {
        const int64_t base = rom::mapptrpos_of(world);
        first = std::min(first, rom::mapdatapos_of(world));
        last = std::max(last, base + 1 + 6 * int64_t(ptrcountof(rom.byte(base))));
    }
    const auto mark = [&](int64_t from, int64_t to) {
        for (int64_t p = std::max<int64_t>(from, 0); p < std::min(to, rom.size()); ++p)
            used[size_t(p)] = 1;
    };
    mark(first, last);
    mark(rom::mappalettepos(1), rom::mappalettepos(rom::worldcount) + 1);
}

} // namespace

int64_t RomWindow::freetotal() const
{
    int64_t total = 0;
    for (const FreeRun &r : free)
        total += r.size;
    return total;
}

RomMap buildrommap(const std::vector<uint8_t> &image, const ObjProps &props)
{
    const ImageReader rom(image);
    RomMap map;
    map.windows = windowsof();

    Walk walk(rom, props, map);
    walk.fixedenemies();
    walk.mappointers();
    walk.headers();

    std::sort(map.streams.begin(), map.streams.end(), [](const MapStream &a, const MapStream &b) {
        if (a.start != b.start)
            return a.start < b.start;
        if (a.kind != b.kind)
            return a.kind == StreamKind::Objects;
        return a.objset < b.objset;
    });

    std::vector<uint8_t> used(image.size(), 0);
    for (const MapStream &s : map.streams)
        std::fill(used.begin() + s.start, used.begin() + s.end, uint8_t(1));
    markworldmaps(rom, used);

    for (MapStream &s : map.streams) {
        const int w = s.kind == StreamKind::Enemies ? enemywindow(map) : objwindow(map, s.objset);
        const RomWindow &win = map.windows[size_t(w)];
        s.roomend = s.end;
        if (s.start < win.low || s.start > win.high)
            continue;
        s.window = w;
        const int64_t stop = std::min(win.high + 1, rom.size());
        while (s.roomend < stop && image[size_t(s.roomend)] == streamend && !used[size_t(s.roomend)])
            ++s.roomend;
    }

    for (RomWindow &win : map.windows) {
        const int64_t stop = std::min(win.high + 1, rom.size());
        int64_t p = win.low;
        while (p < stop) {
            if (image[size_t(p)] != streamend || used[size_t(p)]) {
                ++p;
                continue;
            }
            const int64_t from = p;
            while (p < stop && image[size_t(p)] == streamend && !used[size_t(p)])
                ++p;
            if (p - from >= minfreerun)
                win.free.push_back({from, p - from});
        }
    }
    return map;
}

int objwindow(const RomMap &map, int objset)
{
    return windowat(map.windows, rom::objdatarange(objset).low);
}

int enemywindow(const RomMap &map)
{
    return windowat(map.windows, rom::enemydatarange.low);
}

int64_t measurestream(const std::vector<uint8_t> &image, const ObjProps &props, StreamKind kind, int64_t start,
                  int objset)
{
    const ImageReader rom(image);
    const int64_t end = kind == StreamKind::Objects ? objstreamend(rom, start, props, objset & 15) : enmstreamend(rom, start);
    return std::min(end, rom.size());
}

const MapStream *findobjstream(const RomMap &map, int64_t start, int objset)
{
    for (const MapStream &s : map.streams)
        if (s.kind == StreamKind::Objects && s.start == start && s.objset == (objset & 15))
            return &s;
    return nullptr;
}

const MapStream *findenemystream(const RomMap &map, int64_t start)
{
    for (const MapStream &s : map.streams)
        if (s.kind == StreamKind::Enemies && s.start == start)
            return &s;
    return nullptr;
}

std::optional<FreeRun> findfreerun(const RomMap &map, int window, int64_t size)
{
    if (window < 0 || size_t(window) >= map.windows.size())
        return std::nullopt;
    for (const FreeRun &r : map.windows[size_t(window)].free)
        if (r.size >= size)
            return r;
    return std::nullopt;
}

FreeRun largestfreerun(const RomMap &map, int window)
{
    FreeRun best;
    if (window < 0 || size_t(window) >= map.windows.size())
        return best;
    for (const FreeRun &r : map.windows[size_t(window)].free)
        if (r.size > best.size)
            best = r;
    return best;
}

} // namespace quib
