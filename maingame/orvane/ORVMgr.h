// The exported manager of the host-drawn library: everything the host does with Orvane goes
// through CORVMgr::GetSingleton(). Installed as orvane/Orvane.h.
#pragma once

#include "orvane/ORVCallBack.h"
#include "orvane/OrvTypes.h"
#include "orvane/WinTypes.h"

class ORV_EXPORT CORVMgr {
public:
    static CORVMgr& GetSingleton();

    CORVMgr& operator=(const CORVMgr&);

    void SetORVCallBack(IORVCallBack* cb);
    void OpenAerie(IORVCallBack* cb, const char* ownerName);
    void CloseAerie();
    bool IsAerieOpen();
    void Render();
    void Recv(const char* data, int len);
    bool WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    CORVMgr() = default;
};

// Exported extras a host may look for; nothing in the library uses them.
extern "C++" ORV_EXPORT int fnOrvane();
extern ORV_EXPORT int nOrvane;

class ORV_EXPORT COrvane {
public:
    COrvane();
    COrvane& operator=(const COrvane&);
};
