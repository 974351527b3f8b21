// Which part each music number selects, and the small steps the parts share.
#include "DemoParts.h"

const SPart& PartOf(int number)
{
    static const SPart kNone;
    static const SPart kParts[kLastPart + 1] = {
        {},
        {SetUpTitle, DrawTitle},
        {SetUpFlyIn, DrawFlyIn},
        {SetUpBanner, DrawBanner},
        {SetUpCubeMorph, DrawCubeMorph},
        {SetUpSausage, DrawSausage},
        {SetUpCubeMorph, DrawCubeMorph},
        {SetUpFire, DrawFire},
        {SetUpCubeMorph, DrawCubeMorph},
        {SetUpTunnel, DrawTunnel},
        {SetUpCubeMorph, DrawCubeMorph},
        {SetUpGreetings, DrawGreetings},
        {SetUpCubeMorph, DrawCubeMorph},
        {SetUpZoom, DrawZoom},
        {SetUpCubeMorph, DrawCubeMorph},
        {SetUpCredits, DrawCreditsPart},
    };
    static const SPart kHidden = {StartHiddenPart, DrawHiddenPart};
    if (number == kHiddenPart)
        return kHidden;
    return number >= 1 && number <= kLastPart ? kParts[number] : kNone;
}

void ReadPath(CMove& path, SScratch& x)
{
    float speed, ux, uy, uz, zoom;
    path.GetCurrentPosition(x.px, x.py, x.pz, x.pa, x.pb, x.pc, speed, ux, uy, uz, zoom);
}

void PlaceAtPath(CBaseObject& object, const SScratch& x)
{
    object.SetPosition(x.px, x.py, x.pz);
    object.SetRotation(x.pa, x.pb, x.pc);
}

void DrawWithAlpha(CBaseObject& object, float alpha)
{
    object.SetAlpha(alpha, 0);
    object.Render();
}
