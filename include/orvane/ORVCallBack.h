// The host's interfaces of the host-drawn library Orvane (part of the installed headers):
// IORVCallBack, through which the library draws, measures and sends, and IORVDrawCharacter, a
// host-made drawer of another player's character. Slot order and parameter types are the binary
// contract with the host: never reorder. Colours are 32-bit ARGB, positions host-screen pixels,
// texts GBK; an image is a frame of an image set of the host's (docs/integrating.md, slot by slot).
// A slot that throws gets a debug line naming it, and the library goes on with its neutral answer
// (false, 0, null); nothing it throws reaches the export the host called.
#pragma once

#include "orvane/OrvTypes.h"
#include "orvane/WinTypes.h"

class IORVDrawCharacter;

// The special members are defined in the library, so that it exports them.
class ORV_EXPORT IORVCallBack {
public:
    IORVCallBack();
    IORVCallBack(const IORVCallBack&);
    IORVCallBack& operator=(const IORVCallBack&);
    virtual ~IORVCallBack();                                                         // 0

    // One whole request for the game server.
    virtual void SendToServer(const char* request, int length) = 0;                  // 1
    virtual void GetImageSize(int frame, int set, int* width, int* height) = 0;      // 2
    // colour 0xFFFFFFFF draws the image unchanged, another tints it; the library passes 0 in
    // reserved1 and reserved2.
    virtual void DrawImage(int x, int y, int frame, int set, u32 colour, int reserved1,
                           int reserved2) = 0;                                       // 3
    virtual void DrawImageScaled(int x, int y, int frame, int set, float scaleX, float scaleY,
                                 u32 colour, int reserved1, int reserved2) = 0;     // 4
    // (x, y) relative to the image's top-left corner.
    virtual bool HitTestImage(int x, int y, int frame, int set) = 0;                 // 5
    // align: 0 left edge at x, 1 centred on x, 2 right edge at x; font: 1 or 2; style1 to style3
    // are passed through as the library's callers give them; the library passes 0 in reserved.
    virtual void DrawText(int x, int y, const char* text, u32 colour, int align, int style1,
                          int style2, int style3, int font, int reserved) = 0;       // 6
    virtual void DrawRectFrame(u32 colour, int x, int y, int width, int height) = 0; // 7
    virtual void FillRect(u32 colour, int x, int y, int width, int height) = 0;      // 8
    virtual int GetScreenWidth() = 0;                                                // 9
    virtual int GetScreenHeight() = 0;                                               // 10
    virtual const char* GetPlayerName() = 0;                                         // 11
    virtual IORVDrawCharacter* CreateDrawCharacter() = 0;                            // 12
    virtual void ReleaseDrawCharacter(IORVDrawCharacter* drawer) = 0;                // 13
    virtual void OpenPlayerRestaurant(const char* ownerName) = 0;                    // 14
    virtual void OpenPlayerGarden(const char* ownerName) = 0;                        // 15
    // hostValue1, hostValue2: the library passes (100, 1) to start and (0, 0) to reset; what
    // they select is the host's.
    virtual void StartImageAnimation(int frame, int set, int hostValue1, int hostValue2) = 0;  // 16
    virtual void Reserved17() = 0;                                                   // 17
    virtual void StepImageAnimation(int frame, int set) = 0;                         // 18
    virtual void ResetImageAnimation(int frame, int set, int hostValue1, int hostValue2) = 0;  // 19
    // A filled circle sector of angle radians (0 to 2 pi).
    virtual void DrawSector(int centreX, int centreY, int radius, float angle, u32 colour) = 0;  // 20
    virtual void Reserved21() = 0;                                                   // 21
    // Three looks values of the shown city's owner record; what they stand for is the host's.
    virtual void DrawRankExtra(int x, int y, u16 looks1, u16 looks2, u8 looks3) = 0; // 22
    virtual u16 GetBagItemCount(u16 itemId) = 0;                                     // 23
    virtual u16 GetCharacterLevel() = 0;                                             // 24
    // state: 0 the game window was created, 1 it was destroyed.
    virtual void NotifyGameWindow(int state) = 0;                                    // 25
    // The mouse move's lParam: x in the low 16 bits, y in the high 16 bits.
    virtual void OnMouseMove(LPARAM lParam) = 0;                                     // 26
    virtual void Reserved27() = 0;                                                   // 27
    // bagKind1, bagKind2: the library passes (47, 268); what they select is the host's.
    virtual bool HasBagItem(int bagKind1, int bagKind2, int itemId) = 0;             // 28
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
