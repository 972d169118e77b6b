// The names the log gives result codes.
#include <gtest/gtest.h>

#include "ui/display.h"

namespace {

// The first and last codes of the list, shared codes that carry both names,
// and codes just outside the list and between its drawing codes.
TEST(ResultNames, CodesAreNamedByTheirValue) {
    const std::pair<HResult, const char*> cases[] = {
        {S_OK, "S_OK"},
        {DDERR_GENERIC, "E_FAIL (GENERIC)"},
        {DDERR_INVALIDPARAMS, "E_INVALIDARG (INVALIDPARAMS)"},
        {CO_E_NOTINITIALIZED, "DDERR_NOTINITIALIZED"},
        {static_cast<HResult>(0x887601C2), "DDERR_SURFACELOST"},
        {KnownResultCode(KnownResultCodeCount() - 1), "DDERR_DEVICEDOESNTOWNSURFACE"},
        {2, "Unknown Return Value"},
        {-1, "Unknown Return Value"},
        {MakeDrawResult(603), "Unknown Return Value"},
        {MakeDrawResult(700), "Unknown Return Value"},
    };
    for (const auto& [code, name] : cases) EXPECT_EQ(Display::ResultName(code), name) << std::hex << code;
}

}  // namespace
