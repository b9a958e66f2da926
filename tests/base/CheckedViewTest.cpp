// Reads of untrusted bytes: every read that does not lie wholly inside the view gives 0 or an
// empty text and marks the view, including reads that straddle its end and offsets near 2^64.

#include "base/CheckedView.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

const std::string kBytes(
    "\x01\x02\x03\x04\x05\x06\x07\x08"
    "AB\0CD",
    13);

TEST(CheckedView, IntegersInBothByteOrders) {
  WCheckedView v(kBytes);
  EXPECT_EQ(v.U8(0), 0x01);
  EXPECT_EQ(v.U16LE(0), 0x0201);
  EXPECT_EQ(v.U16BE(0), 0x0102);
  EXPECT_EQ(v.U32LE(0), 0x04030201u);
  EXPECT_EQ(v.U32BE(0), 0x01020304u);
  EXPECT_EQ(v.U64LE(0), 0x0807060504030201ull);
  EXPECT_EQ(WCheckedView(std::string("\xFF\xFF\xFF\xFF", 4)).I32LE(0), -1);
  EXPECT_EQ(WCheckedView(std::string("\xFE\xFF", 2)).I16LE(0), -2);
  EXPECT_FALSE(v.Failed());
}

TEST(CheckedView, ReadsStraddlingTheEndGiveZeroAndMarkTheView) {
  WCheckedView v(kBytes);
  EXPECT_EQ(v.U8(12), 'D');
  EXPECT_FALSE(v.Failed());
  EXPECT_EQ(v.U16LE(12), 0);  // one byte inside, one outside
  EXPECT_TRUE(v.Failed());
  v.ClearFailed();
  EXPECT_EQ(v.U32BE(10), 0u);
  EXPECT_EQ(v.U64LE(6), 0u);
  EXPECT_EQ(v.U8(13), 0);
  EXPECT_TRUE(v.Failed());
  v.ClearFailed();
  // Offsets whose sum with the length overflows 64 bits are outside, not wrapped around.
  EXPECT_EQ(v.U32LE(UINT64_MAX - 1), 0u);
  EXPECT_EQ(v.U16LE(UINT64_MAX), 0);
  EXPECT_TRUE(v.Bytes(UINT64_MAX, 2).empty());
  EXPECT_FALSE(v.Contains(1, UINT64_MAX));
  EXPECT_TRUE(v.Contains(13, 0));
  EXPECT_TRUE(v.Failed());
}

TEST(CheckedView, TextsAreClippedAtTheEnd) {
  WCheckedView v(kBytes);
  EXPECT_EQ(v.FixedText(8, 5), "AB");    // up to the NUL
  EXPECT_EQ(v.FixedText(11, 10), "CD");  // clipped
  EXPECT_TRUE(v.Failed());
  v.ClearFailed();
  EXPECT_EQ(v.TextZ(8, 100), "AB");  // the NUL comes before the end: nothing missing
  EXPECT_FALSE(v.Failed());
  EXPECT_EQ(v.TextZ(11, 100), "CD");  // no NUL before the end of the view
  EXPECT_TRUE(v.Failed());
  EXPECT_EQ(v.TextZ(40, 4), "");
  EXPECT_EQ(v.Bytes(11, 5), "CD");
  EXPECT_EQ(v.Bytes(13, 0), "");
}

TEST(CheckedView, CopyAndSubViews) {
  WCheckedView v(kBytes);
  char out[4] = {'x', 'x', 'x', 'x'};
  EXPECT_TRUE(v.Copy(0, out, 4));
  EXPECT_EQ(out[3], 4);
  EXPECT_FALSE(v.Copy(11, out, 4));
  EXPECT_EQ(out[0], 0);  // zero-filled, nothing partial
  WCheckedView sub = v.Sub(8, 100);
  EXPECT_EQ(sub.Size(), 5u);
  EXPECT_EQ(sub.U16LE(0), 'A' | 'B' << 8);
  EXPECT_EQ(sub.U8(5), 0);  // the sub-view ends where its bytes end, not at the parent's end
  EXPECT_TRUE(sub.Failed());
  EXPECT_TRUE(v.Sub(20, 4).Empty());
  WCheckedView none;
  EXPECT_EQ(none.U32LE(0), 0u);
  EXPECT_TRUE(none.Failed());
  EXPECT_TRUE(WCheckedView(nullptr, 100).Empty());
}

}  // namespace
