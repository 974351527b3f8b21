// The demo's parts. A part is a pair of functions over the objects and the state: its set-up, run on
// every frame while the music holds the part's number, and its frame, drawn between the frame's
// opening and the driver's end-of-frame steps.
#pragma once

#include "DemoObjects.h"
#include "DemoState.h"
#include "screen/Screen.h"

// What a part works on.
struct SDemo {
    CScreen& screen;
    SDemoObjects& objects;
    SDriverState& state;
    SScratch& scratch;
    SDemoTables& tables;
};

using PartStep = void (*)(SDemo&);

struct SPart {
    PartStep setUp = nullptr;
    PartStep frame = nullptr;
};

// The part of a number (1 to 15, or 99); a part not built yet has neither step and draws nothing.
const SPart& PartOf(int number);
// The highest part number the demo draws from the music (the hidden part aside).
constexpr int kLastPart = 15;
constexpr int kHiddenPart = 99;

// Title and fly-in.
void SetUpTitle(SDemo& demo);
void DrawTitle(SDemo& demo);
void SetUpFlyIn(SDemo& demo);
void DrawFlyIn(SDemo& demo);
// Banner, trails and plasma.
void SetUpBanner(SDemo& demo);
void DrawBanner(SDemo& demo);
// The cube morphs: parts 4, 6, 8, 10, 12 and 14.
void SetUpCubeMorph(SDemo& demo);
void DrawCubeMorph(SDemo& demo);
// The deformed sausage.
void SetUpSausage(SDemo& demo);
void DrawSausage(SDemo& demo);
// Fire and name plates.
void SetUpFire(SDemo& demo);
void DrawFire(SDemo& demo);
void DrawNamePlates(SDemo& demo);
// Tunnel and box system.
void SetUpTunnel(SDemo& demo);
void DrawTunnel(SDemo& demo);
// The orbiting box system of part 9, which the hidden part draws too: its turns about x, y and z, and
// whether each box turns by the offset of the box before it (part 9) or by its own.
struct SCubeSystemTurn {
    float a1, a2, a3;
};
enum class ECubeOffset { CarriedFromPreviousBox, OwnBox };
// Draws the 18 boxes with skyBox; offset is the last box's offset on return. The part 9 system also
// carries four spark emitters on boxes 13 to 16.
void DrawCubeSystem(SDemo& demo, const SCubeSystemTurn& turn, float& offset, ECubeOffset order, bool withSparks);
// Greetings.
void SetUpGreetings(SDemo& demo);
void DrawGreetings(SDemo& demo);
// Zoom into the picture and the hand.
void SetUpZoom(SDemo& demo);
void DrawZoom(SDemo& demo);
// Credits.
void SetUpCredits(SDemo& demo);
void DrawCreditsPart(SDemo& demo);
// The hidden part: the switch to the second music, then the key-driven toy.
void StartHiddenPart(SDemo& demo);
void DrawHiddenPart(SDemo& demo);

// Follows a path: its current position and orientation into px ... pc.
void ReadPath(CMove& path, SScratch& scratch);
// Places an object at px, py, pz turned by pa, pb, pc.
void PlaceAtPath(CBaseObject& object, const SScratch& scratch);
// Sets the object's alpha and draws it.
void DrawWithAlpha(CBaseObject& object, float alpha);
