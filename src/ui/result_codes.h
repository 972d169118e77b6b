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
constexpr HResult DDERR_CANNOTATTACHSURFACE = MakeDrawResult(10);
constexpr HResult DDERR_CANNOTDETACHSURFACE = MakeDrawResult(20);
constexpr HResult DDERR_CURRENTLYNOTAVAIL = MakeDrawResult(40);
constexpr HResult DDERR_EXCEPTION = MakeDrawResult(55);
constexpr HResult DDERR_HEIGHTALIGN = MakeDrawResult(90);
constexpr HResult DDERR_INCOMPATIBLEPRIMARY = MakeDrawResult(95);
constexpr HResult DDERR_INVALIDCAPS = MakeDrawResult(100);
constexpr HResult DDERR_INVALIDCLIPLIST = MakeDrawResult(110);
constexpr HResult DDERR_INVALIDMODE = MakeDrawResult(120);
constexpr HResult DDERR_INVALIDOBJECT = MakeDrawResult(130);
constexpr HResult DDERR_INVALIDPIXELFORMAT = MakeDrawResult(145);
constexpr HResult DDERR_INVALIDRECT = MakeDrawResult(150);
constexpr HResult DDERR_LOCKEDSURFACES = MakeDrawResult(160);
constexpr HResult DDERR_NO3D = MakeDrawResult(170);
constexpr HResult DDERR_NOALPHAHW = MakeDrawResult(180);
constexpr HResult DDERR_NOSTEREOHARDWARE = MakeDrawResult(181);
constexpr HResult DDERR_NOSURFACELEFT = MakeDrawResult(182);
constexpr HResult DDERR_NOCLIPLIST = MakeDrawResult(205);
constexpr HResult DDERR_NOCOLORCONVHW = MakeDrawResult(210);
constexpr HResult DDERR_NOCOOPERATIVELEVELSET = MakeDrawResult(212);
constexpr HResult DDERR_NOCOLORKEY = MakeDrawResult(215);
constexpr HResult DDERR_NOCOLORKEYHW = MakeDrawResult(220);
constexpr HResult DDERR_NODIRECTDRAWSUPPORT = MakeDrawResult(222);
constexpr HResult DDERR_NOEXCLUSIVEMODE = MakeDrawResult(225);
constexpr HResult DDERR_NOFLIPHW = MakeDrawResult(230);
constexpr HResult DDERR_NOGDI = MakeDrawResult(240);
constexpr HResult DDERR_NOMIRRORHW = MakeDrawResult(250);
constexpr HResult DDERR_NOTFOUND = MakeDrawResult(255);
constexpr HResult DDERR_NOOVERLAYHW = MakeDrawResult(260);
constexpr HResult DDERR_OVERLAPPINGRECTS = MakeDrawResult(270);
constexpr HResult DDERR_NORASTEROPHW = MakeDrawResult(280);
constexpr HResult DDERR_NOROTATIONHW = MakeDrawResult(290);
constexpr HResult DDERR_NOSTRETCHHW = MakeDrawResult(310);
constexpr HResult DDERR_NOT4BITCOLOR = MakeDrawResult(316);
constexpr HResult DDERR_NOT4BITCOLORINDEX = MakeDrawResult(317);
constexpr HResult DDERR_NOT8BITCOLOR = MakeDrawResult(320);
constexpr HResult DDERR_NOTEXTUREHW = MakeDrawResult(330);
constexpr HResult DDERR_NOVSYNCHW = MakeDrawResult(335);
constexpr HResult DDERR_NOZBUFFERHW = MakeDrawResult(340);
constexpr HResult DDERR_NOZOVERLAYHW = MakeDrawResult(350);
constexpr HResult DDERR_OUTOFCAPS = MakeDrawResult(360);
constexpr HResult DDERR_OUTOFVIDEOMEMORY = MakeDrawResult(380);
constexpr HResult DDERR_OVERLAYCANTCLIP = MakeDrawResult(382);
constexpr HResult DDERR_OVERLAYCOLORKEYONLYONEACTIVE = MakeDrawResult(384);
constexpr HResult DDERR_PALETTEBUSY = MakeDrawResult(387);
constexpr HResult DDERR_COLORKEYNOTSET = MakeDrawResult(400);
constexpr HResult DDERR_SURFACEALREADYATTACHED = MakeDrawResult(410);
constexpr HResult DDERR_SURFACEALREADYDEPENDENT = MakeDrawResult(420);
constexpr HResult DDERR_SURFACEBUSY = MakeDrawResult(430);
constexpr HResult DDERR_CANTLOCKSURFACE = MakeDrawResult(435);
constexpr HResult DDERR_SURFACEISOBSCURED = MakeDrawResult(440);
constexpr HResult DDERR_SURFACELOST = MakeDrawResult(450);
constexpr HResult DDERR_SURFACENOTATTACHED = MakeDrawResult(460);
constexpr HResult DDERR_TOOBIGHEIGHT = MakeDrawResult(470);
constexpr HResult DDERR_TOOBIGSIZE = MakeDrawResult(480);
constexpr HResult DDERR_TOOBIGWIDTH = MakeDrawResult(490);
constexpr HResult DDERR_UNSUPPORTEDFORMAT = MakeDrawResult(510);
constexpr HResult DDERR_UNSUPPORTEDMASK = MakeDrawResult(520);
constexpr HResult DDERR_INVALIDSTREAM = MakeDrawResult(521);
constexpr HResult DDERR_VERTICALBLANKINPROGRESS = MakeDrawResult(537);
constexpr HResult DDERR_WASSTILLDRAWING = MakeDrawResult(540);
constexpr HResult DDERR_DDSCAPSCOMPLEXREQUIRED = MakeDrawResult(542);
constexpr HResult DDERR_XALIGN = MakeDrawResult(560);
constexpr HResult DDERR_INVALIDDIRECTDRAWGUID = MakeDrawResult(561);
constexpr HResult DDERR_DIRECTDRAWALREADYCREATED = MakeDrawResult(562);
constexpr HResult DDERR_NODIRECTDRAWHW = MakeDrawResult(563);
constexpr HResult DDERR_PRIMARYSURFACEALREADYEXISTS = MakeDrawResult(564);
constexpr HResult DDERR_NOEMULATION = MakeDrawResult(565);
constexpr HResult DDERR_REGIONTOOSMALL = MakeDrawResult(566);
constexpr HResult DDERR_CLIPPERISUSINGHWND = MakeDrawResult(567);
constexpr HResult DDERR_NOCLIPPERATTACHED = MakeDrawResult(568);
constexpr HResult DDERR_NOHWND = MakeDrawResult(569);
constexpr HResult DDERR_HWNDSUBCLASSED = MakeDrawResult(570);
constexpr HResult DDERR_HWNDALREADYSET = MakeDrawResult(571);
constexpr HResult DDERR_NOPALETTEATTACHED = MakeDrawResult(572);
constexpr HResult DDERR_NOPALETTEHW = MakeDrawResult(573);
constexpr HResult DDERR_BLTFASTCANTCLIP = MakeDrawResult(574);
constexpr HResult DDERR_NOBLTHW = MakeDrawResult(575);
constexpr HResult DDERR_NODDROPSHW = MakeDrawResult(576);
constexpr HResult DDERR_OVERLAYNOTVISIBLE = MakeDrawResult(577);
constexpr HResult DDERR_NOOVERLAYDEST = MakeDrawResult(578);
constexpr HResult DDERR_INVALIDPOSITION = MakeDrawResult(579);
constexpr HResult DDERR_NOTAOVERLAYSURFACE = MakeDrawResult(580);
constexpr HResult DDERR_EXCLUSIVEMODEALREADYSET = MakeDrawResult(581);
constexpr HResult DDERR_NOTFLIPPABLE = MakeDrawResult(582);
constexpr HResult DDERR_CANTDUPLICATE = MakeDrawResult(583);
constexpr HResult DDERR_NOTLOCKED = MakeDrawResult(584);
constexpr HResult DDERR_CANTCREATEDC = MakeDrawResult(585);
constexpr HResult DDERR_NODC = MakeDrawResult(586);
constexpr HResult DDERR_WRONGMODE = MakeDrawResult(587);
constexpr HResult DDERR_IMPLICITLYCREATED = MakeDrawResult(588);
constexpr HResult DDERR_NOTPALETTIZED = MakeDrawResult(589);
constexpr HResult DDERR_UNSUPPORTEDMODE = MakeDrawResult(590);
constexpr HResult DDERR_NOMIPMAPHW = MakeDrawResult(591);
constexpr HResult DDERR_INVALIDSURFACETYPE = MakeDrawResult(592);
constexpr HResult DDERR_NOOPTIMIZEHW = MakeDrawResult(600);
constexpr HResult DDERR_NOTLOADED = MakeDrawResult(601);
constexpr HResult DDERR_NOFOCUSWINDOW = MakeDrawResult(602);
constexpr HResult DDERR_DCALREADYCREATED = MakeDrawResult(620);
constexpr HResult DDERR_NONONLOCALVIDMEM = MakeDrawResult(630);
constexpr HResult DDERR_CANTPAGELOCK = MakeDrawResult(640);
constexpr HResult DDERR_CANTPAGEUNLOCK = MakeDrawResult(660);
constexpr HResult DDERR_NOTPAGELOCKED = MakeDrawResult(680);
constexpr HResult DDERR_MOREDATA = MakeDrawResult(690);
constexpr HResult DDERR_EXPIRED = MakeDrawResult(691);
constexpr HResult DDERR_TESTFINISHED = MakeDrawResult(692);
constexpr HResult DDERR_NEWMODE = MakeDrawResult(693);
constexpr HResult DDERR_VIDEONOTACTIVE = MakeDrawResult(695);
constexpr HResult DDERR_NOMONITORINFORMATION = MakeDrawResult(696);
constexpr HResult DDERR_NODRIVERSUPPORT = MakeDrawResult(697);
constexpr HResult DDERR_DEVICEDOESNTOWNSURFACE = MakeDrawResult(699);

// The name of a result code as the log writes it; "Unknown Return Value"
// for codes outside the table.
const char* ResultCodeName(HResult code);
// The number of codes the table names.
int KnownResultCodeCount();
// The code of the table's n-th entry, in ascending order as unsigned
// numbers (0 <= n < KnownResultCodeCount()).
HResult KnownResultCode(int n);
