// The engine-drawn build's exports take the device, sprite and present-parameter types as
// mingw-w64's Direct3D headers declare them, so a host built with those headers links them.
#ifdef _WIN32

#include <d3d9.h>
#include <d3dx9.h>

#include <type_traits>

#include "glimmer/Glimmer.h"
#include "maingame/orvanedemo/ORVMgr.h"

static_assert(std::is_same_v<decltype(&CORVMgr::OnDeviceReset), void (CORVMgr::*)(D3DPRESENT_PARAMETERS*)>);
static_assert(std::is_same_v<decltype(&CORVMgr::Init), int (CORVMgr::*)(ORVHostProc, int, HWND, IDirect3DDevice9*,
                                                                      ID3DXSprite*, HINSTANCE)>);
static_assert(std::is_same_v<decltype(&CGraphicD3D::CreateD3D),
                             bool (CGraphicD3D::*)(HWND, IDirect3DDevice9*, ID3DXSprite*, int, int, int, bool)>);

#endif
