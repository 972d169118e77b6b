// The names the log gives result codes.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ui/display.h"

namespace {

TEST(ResultNames, TableHas126DistinctCodesInAscendingOrderWithDistinctNames) {
    ASSERT_EQ(KnownResultCodeCount(), 126);
    std::set<std::string> names;
    for (int i = 0; i < KnownResultCodeCount(); ++i) {
        const std::string name = Display::ResultName(KnownResultCode(i));
        EXPECT_NE(name, "Unknown Return Value") << i;
        names.insert(name);
        if (i > 0) {
            EXPECT_LT(static_cast<uint32_t>(KnownResultCode(i - 1)),
                      static_cast<uint32_t>(KnownResultCode(i)));
        }
    }
    EXPECT_EQ(names.size(), 126u);
    EXPECT_EQ(Display::ResultName(KnownResultCode(0)), "S_OK");
    EXPECT_EQ(Display::ResultName(KnownResultCode(125)), "DDERR_DEVICEDOESNTOWNSURFACE");
}

TEST(ResultNames, SharedCodesCarryBothNames) {
    EXPECT_EQ(Display::ResultName(S_FALSE), "S_FALSE");
    EXPECT_EQ(Display::ResultName(DDERR_UNSUPPORTED), "E_NOTIMPL (UNSUPPORTED)");
    EXPECT_EQ(Display::ResultName(DDERR_GENERIC), "E_FAIL (GENERIC)");
    EXPECT_EQ(Display::ResultName(DDERR_INVALIDPARAMS), "E_INVALIDARG (INVALIDPARAMS)");
    EXPECT_EQ(Display::ResultName(CO_E_NOTINITIALIZED), "DDERR_NOTINITIALIZED");
    EXPECT_EQ(Display::ResultName(DDERR_OUTOFMEMORY), "E_OUTOFMEMORY");
}

TEST(ResultNames, DrawingCodesAreNamedByTheirValue) {
    EXPECT_EQ(Display::ResultName(static_cast<HResult>(0x887601C2)), "DDERR_SURFACELOST");  // 450
    EXPECT_EQ(Display::ResultName(static_cast<HResult>(0x8876021C)), "DDERR_WASSTILLDRAWING");  // 540
    EXPECT_EQ(Display::ResultName(static_cast<HResult>(0x88760078)), "DDERR_INVALIDMODE");  // 120
    EXPECT_EQ(Display::ResultName(DDERR_WRONGMODE), "DDERR_WRONGMODE");
    EXPECT_EQ(Display::ResultName(DDERR_NOHWND), "DDERR_NOHWND");
}

TEST(ResultNames, CodesOutsideTheTableAreUnknown) {
    EXPECT_EQ(Display::ResultName(2), "Unknown Return Value");
    EXPECT_EQ(Display::ResultName(12345), "Unknown Return Value");
    EXPECT_EQ(Display::ResultName(-1), "Unknown Return Value");
    EXPECT_EQ(Display::ResultName(MakeDrawResult(603)), "Unknown Return Value");
    EXPECT_EQ(Display::ResultName(MakeDrawResult(698)), "Unknown Return Value");
    EXPECT_EQ(Display::ResultName(MakeDrawResult(700)), "Unknown Return Value");
}

}  // namespace
