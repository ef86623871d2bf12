// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping a part of a view that is slow to draw (the top view's lattice) between drawings: a
// fingerprint of everything the part is drawn from, and the pixels and canvas state it left. While
// the fingerprint stays the same the part is laid down again instead of drawn anew.
#pragma once

#include "draw/canvas.h"

#include <QColor>
#include <QImage>
#include <bit>
#include <cstdint>
#include <string_view>
#include <vector>

namespace ab {

// A 64-bit fingerprint of the inputs of a drawing, fed value by value: equal inputs in the same
// order give equal fingerprints; different inputs differ but for a chance of one in 2^64. Never 0,
// so that 0 can stand for "nothing known".
struct Fingerprint {
    std::uint64_t value = 0x6a09e667f3bcc908u;

    void add(std::uint64_t v)
    {
        // The finaliser of splitmix64: every input bit moves about half of the output bits.
        std::uint64_t z = (value ^ v) + 0x9e3779b97f4a7c15u;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
        value = (z ^ (z >> 31)) | 1u;
    }
    void add(int v) { add(static_cast<std::uint64_t>(static_cast<std::int64_t>(v))); }
    void add(double v) { add(std::bit_cast<std::uint64_t>(v)); }
    void add(const QColor& c) { add(static_cast<std::uint64_t>(c.rgba64())); }
    // The count and every value of a table, hashed as one block of bytes.
    void add(const std::vector<double>& table)
    {
        add(static_cast<std::uint64_t>(table.size()));
        add(static_cast<std::uint64_t>(std::hash<std::string_view>{}(
            std::string_view(reinterpret_cast<const char*>(table.data()), table.size() * sizeof(double)))));
    }
};

// A part of a view as last drawn: the fingerprint of its inputs (0: never drawn), its pixels at the
// view's size, and the canvas state its drawing left behind.
struct CachedLayer {
    std::uint64_t key = 0;
    QImage image;
    CanvasState after;
};

} // namespace ab
