// The host's interfaces: IORVCallBack, through which the library draws, measures and sends,
// and IORVDrawCharacter, a host-made drawer of another player's character.
// Slot order is part of the binary contract with the host: never reorder.
#pragma once

#include "framework/core/OrvTypes.h"
#include "platform/WinTypes.h"

class IORVDrawCharacter;

// The special members are defined in the library, so that it exports them.
class ORV_EXPORT IORVCallBack {
public:
    IORVCallBack();
    IORVCallBack(const IORVCallBack&);
    IORVCallBack& operator=(const IORVCallBack&);
    virtual ~IORVCallBack();                                                         // 0

    virtual void SendToServer(const char* data, int len) = 0;                        // 1
    virtual void GetImageSize(int frame, int set, int* w, int* h) = 0;               // 2
    virtual void DrawImage(int x, int y, int frame, int set, u32 colour, int a, int b) = 0;  // 3
    virtual void DrawImageScaled(int x, int y, int frame, int set, float scaleX, float scaleY,
                                 u32 colour, int a, int b) = 0;                     // 4
    virtual bool HitTestImage(int x, int y, int frame, int set) = 0;                 // 5
    // a1: alignment at x (0 left edge, 1 centred, 2 right edge); a5: font 1 or 2.
    virtual void DrawText(int x, int y, const char* text, u32 colour, int a1, int a2, int a3,
                          int a4, int a5, int a6) = 0;                               // 6
    virtual void DrawRectFrame(u32 colour, int x, int y, int w, int h) = 0;          // 7
    virtual void FillRect(u32 colour, int x, int y, int w, int h) = 0;               // 8
    virtual int GetScreenWidth() = 0;                                                // 9
    virtual int GetScreenHeight() = 0;                                               // 10
    virtual const char* GetPlayerName() = 0;                                         // 11
    virtual IORVDrawCharacter* CreateDrawCharacter() = 0;                            // 12
    virtual void ReleaseDrawCharacter(IORVDrawCharacter* drawer) = 0;                // 13
    virtual void OpenPlayerRestaurant(const char* ownerName) = 0;                    // 14
    virtual void OpenPlayerGarden(const char* ownerName) = 0;                        // 15
    virtual void StartImageAnimation(int frame, int set, int a, int b) = 0;          // 16
    virtual void Reserved17() = 0;                                                   // 17
    virtual void StepImageAnimation(int frame, int set) = 0;                         // 18
    virtual void ResetImageAnimation(int frame, int set, int a, int b) = 0;          // 19
    virtual void DrawSector(int cx, int cy, int radius, float angle, u32 colour) = 0;  // 20
    virtual void Reserved21() = 0;                                                   // 21
    virtual void DrawRankExtra(int x, int y, u16 a, u16 b, u8 c) = 0;                // 22
    virtual u16 GetBagItemCount(u16 itemId) = 0;                                     // 23
    virtual u16 GetCharacterLevel() = 0;                                             // 24
    virtual void NotifyGameWindow(int state) = 0;                                    // 25
    virtual void OnMouseMove(LPARAM lParam) = 0;                                     // 26
    virtual void Reserved27() = 0;                                                   // 27
    virtual bool HasBagItem(int a, int b, int itemId) = 0;                           // 28
    virtual void Reserved29() = 0;                                                   // 29
    virtual void Reserved30() = 0;                                                   // 30
};

class ORV_EXPORT IORVDrawCharacter {
public:
    IORVDrawCharacter();
    IORVDrawCharacter(const IORVDrawCharacter&);
    IORVDrawCharacter& operator=(const IORVDrawCharacter&);
    virtual ~IORVDrawCharacter();                                                    // 0

    virtual void SetAppearance(const void* data, int len) = 0;                       // 1
    virtual void SetValue2(u32 value) = 0;                                           // 2
    virtual void SetValue3(u32 value) = 0;                                           // 3
    virtual bool IsMouseOver() = 0;                                                  // 4
    virtual void Draw(int x, int y) = 0;                                             // 5
};

// The holder of the host's callback: its address, so callers both store into it and call
// through it. Null until the host hands its callback over.
IORVCallBack** GetORVCallBack();

// The held callback, or null.
inline IORVCallBack* ORVCallBack()
{
    return *GetORVCallBack();
}
