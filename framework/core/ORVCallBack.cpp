#include "framework/core/ORVCallBack.h"

IORVCallBack** GetORVCallBack()
{
    static IORVCallBack* g_pORVCallBack = nullptr;
    return &g_pORVCallBack;
}

IORVCallBack::IORVCallBack() = default;
IORVCallBack::IORVCallBack(const IORVCallBack&) = default;
IORVCallBack& IORVCallBack::operator=(const IORVCallBack&) = default;
IORVCallBack::~IORVCallBack() = default;

IORVDrawCharacter::IORVDrawCharacter() = default;
IORVDrawCharacter::IORVDrawCharacter(const IORVDrawCharacter&) = default;
IORVDrawCharacter& IORVDrawCharacter::operator=(const IORVDrawCharacter&) = default;
IORVDrawCharacter::~IORVDrawCharacter() = default;
