#include "platform/raster/region.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace raster {
namespace {

// The parts of `piece` outside `hole`: at most a band above, a band below and the two sides
// between them.
void AppendDifference(const Rect& piece, const Rect& hole, std::vector<Rect>* out) {
    const Rect overlap = Intersect(piece, hole);
    if (overlap.IsEmpty()) {
        out->push_back(piece);
        return;
    }
    const Rect parts[] = {
        {piece.left, piece.top, piece.right, overlap.top},
        {piece.left, overlap.bottom, piece.right, piece.bottom},
        {piece.left, overlap.top, overlap.left, overlap.bottom},
        {overlap.right, overlap.top, piece.right, overlap.bottom},
    };
    for (const Rect& part : parts) {
        if (!part.IsEmpty()) {
            out->push_back(part);
        }
    }
}

// Two rectangles that share a whole edge make one rectangle.
bool TryMerge(const Rect& a, const Rect& b, Rect* merged) {
    const bool sameRows = a.top == b.top && a.bottom == b.bottom;
    const bool sameColumns = a.left == b.left && a.right == b.right;
    if ((sameRows && (a.right == b.left || b.right == a.left)) ||
        (sameColumns && (a.bottom == b.top || b.bottom == a.top))) {
        *merged = Union(a, b);
        return true;
    }
    return false;
}

// Merging keeps the list short when a region grows by neighbouring pieces, as update regions do.
void Coalesce(std::vector<Rect>* rects) {
    bool merged = true;
    while (merged) {
        merged = false;
        for (std::size_t i = 0; i < rects->size() && !merged; ++i) {
            for (std::size_t j = i + 1; j < rects->size() && !merged; ++j) {
                Rect joined;
                if (TryMerge((*rects)[i], (*rects)[j], &joined)) {
                    (*rects)[i] = joined;
                    rects->erase(rects->begin() + static_cast<std::ptrdiff_t>(j));
                    merged = true;
                }
            }
        }
    }
}

int ClampedSum(int value, int delta) {
    const std::int64_t sum = std::int64_t{value} + delta;
    return static_cast<int>(std::clamp<std::int64_t>(sum, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

}  // namespace

void Region::Add(const Rect& rect) {
    if (rect.IsEmpty()) {
        return;
    }
    // Rectangles the new one covers go; the new one is split around the ones that stay.
    std::erase_if(rects_, [&](const Rect& r) { return Intersect(r, rect) == r; });
    std::vector<Rect> pieces{rect};
    for (const Rect& existing : rects_) {
        std::vector<Rect> remaining;
        for (const Rect& piece : pieces) {
            AppendDifference(piece, existing, &remaining);
        }
        pieces.swap(remaining);
    }
    rects_.insert(rects_.end(), pieces.begin(), pieces.end());
    Coalesce(&rects_);
}

void Region::Add(const Region& other) {
    if (&other == this) {
        return;
    }
    for (const Rect& rect : other.rects_) {
        Add(rect);
    }
}

void Region::IntersectWith(const Rect& rect) {
    for (Rect& r : rects_) {
        r = Intersect(r, rect);
    }
    std::erase_if(rects_, [](const Rect& r) { return r.IsEmpty(); });
}

void Region::Offset(int dx, int dy) {
    // Saturating keeps far-off coordinates from overflowing; a rectangle squeezed flat against
    // the limit holds no pixel any more.
    for (Rect& r : rects_) {
        r = {ClampedSum(r.left, dx), ClampedSum(r.top, dy), ClampedSum(r.right, dx),
             ClampedSum(r.bottom, dy)};
    }
    std::erase_if(rects_, [](const Rect& r) { return r.IsEmpty(); });
}

bool Region::Contains(int x, int y) const {
    return std::any_of(rects_.begin(), rects_.end(),
                       [&](const Rect& r) { return r.Contains(x, y); });
}

Rect Region::Bounds() const {
    Rect bounds;
    for (const Rect& r : rects_) {
        bounds = Union(bounds, r);
    }
    return bounds;
}

}  // namespace raster
