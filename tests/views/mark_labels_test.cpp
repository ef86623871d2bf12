// SPDX-License-Identifier: GPL-3.0-or-later
// The labels of the band, the centre of gravity, the neutral point and the measured centre of gravity
// beside their symbols on the centre line: whatever the rows, no label touches another label or a
// symbol, each stays inside the view, in the order of its mark, and as near its row as it can.
#include "views/mark_labels.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

// The symbols of marks at these rows on a centre column: 13 pixels across (a circle or the diamond).
std::vector<PixelRect> symbolsAt(int column, const std::vector<int>& rows)
{
    std::vector<PixelRect> symbols;
    for (int r : rows)
        symbols.push_back({column - 7, r - 7, column + 8, r + 8});
    return symbols;
}

TEST(MarkLabels, NoLabelTouchesAnotherOrASymbolAndEachStaysInTheViewInTheOrderOfItsMark)
{
    struct Case {
        const char* name;
        int width, height;
        std::vector<int> rows;   // band top, centre of gravity, neutral point[, measured]
        std::vector<int> widths; // of the texts
    };
    const Case cases[] = {
        // The trainer at the default size: four marks within 14 rows.
        {"crowded", 591, 406, {99, 101, 115, 108}, {92, 50, 18, 215}},
        {"all on one row", 591, 406, {200, 200, 200, 200}, {92, 50, 18, 215}},
        {"at the lower edge", 591, 300, {296, 298, 299}, {92, 50, 18}},
        {"at the upper edge", 591, 300, {0, 1, 3}, {92, 50, 18}},
        {"spread", 591, 406, {60, 120, 180}, {92, 50, 18}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int column = c.width / 2;
        std::vector<MarkLabel> labels;
        for (std::size_t i = 0; i < c.rows.size(); ++i)
            labels.push_back({c.rows[i], c.widths[i], 15});
        const std::vector<PixelRect> symbols = symbolsAt(column, {c.rows[1], c.rows[2]});
        const std::vector<PixelRect> placed = placeMarkLabels(labels, symbols, c.width, c.height);
        ASSERT_EQ(placed.size(), labels.size());
        for (std::size_t i = 0; i < placed.size(); ++i) {
            SCOPED_TRACE(i);
            const PixelRect& r = placed[i];
            EXPECT_EQ(r.right - r.left, c.widths[i]);
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= c.width && r.bottom <= c.height);
            EXPECT_GT(r.left, column);
            for (const PixelRect& s : symbols)
                EXPECT_FALSE(touches(r, s));
            for (std::size_t j = 0; j < placed.size(); ++j) {
                if (j != i) {
                    EXPECT_FALSE(touches(r, placed[j])) << "with " << j;
                }
                if (c.rows[j] < c.rows[i]) {
                    EXPECT_LT(placed[j].top, r.top) << "above " << j;
                }
            }
        }
    }
}

TEST(MarkLabels, LabelsOfMarksFarApartStandCentredOnTheirRows)
{
    const std::vector<PixelRect> placed =
        placeMarkLabels({{60, 92, 15}, {120, 50, 15}, {180, 18, 15}}, symbolsAt(295, {120, 180}), 591, 406);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        EXPECT_EQ(placed[i].left, 295 + 8 + LeaderRoom);
        EXPECT_EQ(placed[i].top, 60 * int(i + 1) - 7);
    }
}

// The marks of a calculated aircraft lie on its main wing: the labels leave the wing and its lattice
// for the nearest free room, in the order of their marks and clear of the symbols.
TEST(MarkLabels, LabelsLeaveTheWingsWhereTheViewHasRoom)
{
    const std::vector<Polyline> wings{{{100, 80}, {490, 80}, {490, 160}, {100, 160}, {100, 80}},
                                      {{220, 300}, {370, 300}, {370, 340}, {220, 340}, {220, 300}}};
    const std::vector<MarkLabel> labels{{95, 92, 15}, {110, 50, 15}, {118, 18, 15}, {104, 215, 15}};
    const std::vector<PixelRect> symbols = symbolsAt(295, {110, 118, 104});
    const std::vector<PixelRect> placed = placeMarkLabels(labels, symbols, 591, 406, wings);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        EXPECT_EQ(outlineCovered(placed[i], wings), 0) << i;
        for (const PixelRect& s : symbols)
            EXPECT_FALSE(touches(placed[i], s)) << i;
    }
    EXPECT_TRUE(placed[0].top < placed[3].top && placed[3].top < placed[1].top && placed[1].top < placed[2].top);
    EXPECT_GT(outlineCovered(placeMarkLabels(labels, symbols, 591, 406)[0], wings), 0); // beside the symbols
}

} // namespace
} // namespace ab
