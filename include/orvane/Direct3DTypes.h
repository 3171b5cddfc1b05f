// The Direct3D 9 types that the engine-drawn library and its renderer take by pointer, declared
// as mingw-w64's <d3d9.h> and <d3dx9.h> declare them, so that a host built with those headers
// calls the same exports (part of the installed headers).
#pragma once

struct IDirect3DDevice9;
struct ID3DXSprite;
#ifdef _WIN32
typedef struct _D3DPRESENT_PARAMETERS_ D3DPRESENT_PARAMETERS;
#else
struct D3DPRESENT_PARAMETERS;
#endif
