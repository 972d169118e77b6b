// The names the log gives result codes.
#include <gtest/gtest.h>

#include <string>

#include "ui/display.h"

namespace {

TEST(ResultNames, CodesAreNamedByTheirValueAndSharedCodesCarryBothNames) {
    const std::pair<HResult, const char*> cases[] = {
        {S_OK, "S_OK"},
        {S_FALSE, "S_FALSE"},
        {DDERR_GENERIC, "E_FAIL (GENERIC)"},
        {DDERR_INVALIDPARAMS, "E_INVALIDARG (INVALIDPARAMS)"},
        {CO_E_NOTINITIALIZED, "DDERR_NOTINITIALIZED"},
        {DDERR_OUTOFMEMORY, "E_OUTOFMEMORY"},
        {static_cast<HResult>(0x887601C2), "DDERR_SURFACELOST"},  // 450
        {static_cast<HResult>(0x88760078), "DDERR_INVALIDMODE"},  // 120
        {KnownResultCode(125), "DDERR_DEVICEDOESNTOWNSURFACE"},
        // Codes outside the table, also between and just past the drawing codes.
        {2, "Unknown Return Value"},
        {-1, "Unknown Return Value"},
        {MakeDrawResult(603), "Unknown Return Value"},
        {MakeDrawResult(700), "Unknown Return Value"},
    };
    for (const auto& [code, name] : cases) EXPECT_EQ(Display::ResultName(code), name) << std::hex << code;
}

}  // namespace
