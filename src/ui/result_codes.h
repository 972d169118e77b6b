#pragma once
// Result codes of the drawing device, with the values of the classic
// full-screen drawing interface and the COM codes it shares, so a log from
// this game reads like one from any program built on that interface.
#include <cstdint>

using HResult = int32_t;

constexpr HResult MakeDrawResult(uint32_t code) {
    return static_cast<HResult>(0x88760000u + code);
}
constexpr HResult FromCode(uint32_t code) { return static_cast<HResult>(code); }

constexpr HResult S_OK = 0;
constexpr HResult DD_OK = 0;
constexpr HResult S_FALSE = 1;
constexpr HResult E_PENDING = FromCode(0x8000000A);
constexpr HResult E_NOTIMPL = FromCode(0x80004001);
constexpr HResult E_NOINTERFACE = FromCode(0x80004002);
constexpr HResult E_POINTER = FromCode(0x80004003);
constexpr HResult E_FAIL = FromCode(0x80004005);
constexpr HResult CLASS_E_NOAGGREGATION = FromCode(0x80040110);
constexpr HResult REGDB_E_CLASSNOTREG = FromCode(0x80040154);
constexpr HResult CO_E_NOTINITIALIZED = FromCode(0x800401F0);
constexpr HResult E_ACCESSDENIED = FromCode(0x80070005);
constexpr HResult E_HANDLE = FromCode(0x80070006);
constexpr HResult E_OUTOFMEMORY = FromCode(0x8007000E);
constexpr HResult E_INVALIDARG = FromCode(0x80070057);

constexpr HResult DDERR_UNSUPPORTED = E_NOTIMPL;
constexpr HResult DDERR_GENERIC = E_FAIL;
constexpr HResult DDERR_INVALIDPARAMS = E_INVALIDARG;
constexpr HResult DDERR_OUTOFMEMORY = E_OUTOFMEMORY;
constexpr HResult DDERR_NOTINITIALIZED = CO_E_NOTINITIALIZED;

constexpr HResult DDERR_ALREADYINITIALIZED = MakeDrawResult(5);
constexpr HResult DDERR_CURRENTLYNOTAVAIL = MakeDrawResult(40);
constexpr HResult DDERR_INVALIDCAPS = MakeDrawResult(100);
constexpr HResult DDERR_INVALIDMODE = MakeDrawResult(120);
constexpr HResult DDERR_INVALIDOBJECT = MakeDrawResult(130);
constexpr HResult DDERR_INVALIDPIXELFORMAT = MakeDrawResult(145);
constexpr HResult DDERR_INVALIDRECT = MakeDrawResult(150);
constexpr HResult DDERR_NOCOOPERATIVELEVELSET = MakeDrawResult(212);
constexpr HResult DDERR_NOCOLORKEY = MakeDrawResult(215);
constexpr HResult DDERR_NOEXCLUSIVEMODE = MakeDrawResult(225);
constexpr HResult DDERR_NOTFOUND = MakeDrawResult(255);
constexpr HResult DDERR_OUTOFVIDEOMEMORY = MakeDrawResult(380);
constexpr HResult DDERR_SURFACEBUSY = MakeDrawResult(430);
constexpr HResult DDERR_SURFACELOST = MakeDrawResult(450);
constexpr HResult DDERR_SURFACENOTATTACHED = MakeDrawResult(460);
constexpr HResult DDERR_TOOBIGSIZE = MakeDrawResult(480);
constexpr HResult DDERR_UNSUPPORTEDMODE = MakeDrawResult(590);
constexpr HResult DDERR_WASSTILLDRAWING = MakeDrawResult(540);
constexpr HResult DDERR_PRIMARYSURFACEALREADYEXISTS = MakeDrawResult(564);
constexpr HResult DDERR_NOHWND = MakeDrawResult(569);
constexpr HResult DDERR_NOTFLIPPABLE = MakeDrawResult(582);
constexpr HResult DDERR_WRONGMODE = MakeDrawResult(587);

// The name of a result code as the log writes it; "Unknown Return Value"
// for codes outside the table.
const char* ResultCodeName(HResult code);
// The number of codes the table names.
int KnownResultCodeCount();
// The code of the table's n-th entry, in ascending order as unsigned
// numbers (0 <= n < KnownResultCodeCount()).
HResult KnownResultCode(int n);
