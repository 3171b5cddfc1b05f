#include "maingame/orvane/ORVMgr.h"

CORVMgr& CORVMgr::GetSingleton()
{
    static CORVMgr m;
    return m;
}

void CORVMgr::SetORVCallBack(IORVCallBack* cb)
{
    if (cb == nullptr) {
        return;
    }
    IORVCallBack** holder = GetORVCallBack();
    if (*holder == nullptr) {
        *holder = cb;
    }
}

void CORVMgr::OpenAerie(IORVCallBack* cb, const char*)
{
    SetORVCallBack(cb);
}

void CORVMgr::CloseAerie() {}

bool CORVMgr::IsAerieOpen()
{
    return false;
}

void CORVMgr::Render() {}

void CORVMgr::Recv(const char*, int) {}

bool CORVMgr::WndProc(HWND, UINT, WPARAM, LPARAM)
{
    return false;
}
