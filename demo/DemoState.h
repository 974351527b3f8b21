// The demo's running state: the driver's clock, keys and part selection, the scratch values the parts
// share and keep between them, and the tables built once at set-up.
#pragma once

#include <d3dx8.h>

#include <cstdint>
#include <string>
#include <vector>

// The driver's own values, read by every part.
struct SDriverState {
    float t0 = 0;          // the scene clock at entry: origin of the demo's time
    float now = 0;         // seconds since t0, refreshed at the top of each frame
    float dt = 0;          // now minus the previous frame's now
    float previous = 0;    // the previous frame's now
    uint32_t keyState = 0; // the keyboard word read this frame (the sum of the values of the keys held)
    int syncValue = 0;     // the music's last sync value, or 99 forced
    int currentPart = 0;   // 0 (nothing drawn), 1 to 15, or 99
    float partStart = 0;   // now at the last frame in which the current part's set-up ran
    bool hiddenRequested = false;
    bool syncFrozen = false;
    bool musicOn = true;   // the first music is the one playing
    bool beatFlag = false; // a pulse asked by sync 17 or Space alone
    int subState = 0;      // per-part step counter
    float flashAlpha = 0;  // opacity of the flash overlay drawn at the end of each frame
};

// Values of part 3 (banner, trails and plasma).
struct SBannerValues {
    float letterboxAlpha = 0;
    float plasma1Alpha = 0;
    float plasma2Alpha = 0;
};

// Values of part 5 (the deformed sausage).
struct SSausageValues {
    float solidAlpha = 0;
    float wireAlpha = 0;
    float beatLevel = 0;
    float layerAlpha = 1;
    float vertexPhase = 0;  // phase of the vertex deformation, grows every 32 vertices
};

// One name plate of part 7: how far it slid, its opacity and the opacity change per frame.
struct SPlate {
    float slide = 0;
    float alpha = 0;
    float step = 0;
};

// Values of part 7 (fire and name plates).
struct SFireValues {
    int angle[3] = {0, 0, 0};  // rotation of the sphere points, whole degrees
    int step[3] = {1, 1, 1};
    float boxOffset = 0;
    float driftX = 40, driftY = 0;
    float directionX = 1, directionY = 1;
    float barsAlpha = 0.5f;
    float boxAlpha = 0;
    // code (the msx plate shares it), meron, zud, gfx, vorna
    SPlate plates[5];
};

// Values of part 9 (tunnel and box system). The twist speed is set once when the demo starts.
struct STunnelValues {
    float twist = 0;
    float twistSpeed = 0.0002f;
    int ringCounter = 0;
    float radius = 1;           // inner radius of the rings
    float angle1 = 0, angle2 = 0, angle3 = 0;  // turns of the box system about x, y and z
    float offset = 0;           // carried from box to box and from frame to frame
};

// Values of part 11 (greetings).
struct SGreetingsValues {
    float starAlpha = 0;
    float wheelAlpha = 0;
    float scroll = 0;       // how far the line has moved left, in letter units
    float letterPhase = 0;  // phase of the letters' bobbing, grows once per letter
};

// Values of part 13 (zoom and hand).
struct SZoomValues {
    float alphaA = 0, alphaB = 0;  // opacities of the two largest layers, read from the path
    float layerDAlpha = 1;
    float reticleAlpha = 0;
    float stillAlpha = 1;
    float handAlpha = 0;
    float handMotion = 0;
};

// Values of part 15 (credits).
struct SCreditsValues {
    float cubeSize = 2, ghostSize = 0.000002f, cubeAlpha = 0.6f;
    float starAlpha = 0;
    float bannerAlpha = 1;
};

// Values of the hidden part (99): the effects the function keys fire, the jumping pixel and the
// message's scroll position.
struct SHiddenValues {
    int titleEffect = 0;     // plane effect of the title, chosen with F5 to F8
    float savoirAlpha = 0;   // the Space flash picture
    float gridLevel = 0, trailLevel = 0, systemLevel = 0, toriLevel = 0;  // F1 to F4
    float pixelHeight = 0;
    float pixelStep = 0;     // change of the pixel's height per frame, fixed when the part starts
    float hiddenScroll = 0;  // how far the message has moved left, in letter units
};

// A box of the star field: where it is, how it is turned and whether it is drawn as wires.
struct SStar {
    float x, y, z, angle;
    bool wire;
};

// A rolling wheel: its position and its turn.
struct SWheel {
    float x, y, z, rx, ry, rz;
};

// Scratch values shared between parts; they live for the whole run and are reset only where a
// part's set-up says so.
struct SScratch {
    float px = 0, py = 0, pz = 1, pa = 1, pb = 0, pc = 0;
    float feedback = 1;
    float titleAlpha = 1, titleWidth = 1;
    float fadeA = 0, fadeB = 0, fadeC = 0, fadeD = 0;
    float spin1 = 0, spin2 = 0, spin3 = 0;
    float strength = 1;
    float fov = -0.8f;
    SBannerValues banner;
    SSausageValues sausage;
    SFireValues fire;
    STunnelValues tunnel;
    SGreetingsValues greetings;
    SZoomValues zoom;
    SCreditsValues credits;
    SHiddenValues hidden;
};

// Tables built at set-up: the fire of part 7, the tunnel rings and box system of part 9, the wheels and
// the greetings line of part 11, the star field of part 15, the hidden part's message.
struct SDemoTables {
    static constexpr int kTunnelSlots = 280;
    static constexpr int kSystemBoxes = 18;
    static constexpr int kWheels = 20;
    static constexpr int kStars = 500;
    static constexpr int kSpherePoints = 1024;
    static constexpr int kFireSide = 256;
    std::vector<D3DXVECTOR3> spherePoints;
    float sinTable[360] = {};
    float cosTable[360] = {};
    std::vector<int> fireBuffer1;  // kFireSide x kFireSide, rows first
    std::vector<int> fireBuffer2;
    // One slot per ring distance: a 1 marks where a ring is born; the offsets bend the tunnel.
    int tunnelFlags[kTunnelSlots] = {};
    float tunnelOffX[kTunnelSlots] = {};
    float tunnelOffY[kTunnelSlots] = {};
    D3DXVECTOR3 cubeSystem[kSystemBoxes];
    SWheel wheels[kWheels];
    std::string greetingsText;
    SStar stars[kStars];
    std::string hiddenText;
    std::string messageText;  // the label the parts format for the message lines
    float frozenZ = 0;        // now / 10 as part 9 last saw it
};

// r(x) of the demo: a 15-bit draw of the C library's rand scaled to 0 .. x.
float DemoRandom(float x);
// Marks the last tunnel slot, clears the offsets and places the boxes of the system.
void BuildTunnelTables(SDemoTables& tables);
// Lines the wheels up side by side and copies the greetings line.
void BuildGreetingsTables(SDemoTables& tables);
// Scatters the star field (drawing from rand).
void BuildStarTable(SDemoTables& tables);
// Fills the sphere points (drawing from rand), the sine and cosine tables and clears the fire buffers.
void BuildFireTables(SDemoTables& tables);

// The fade rules: a value that fades up by rate per second to a limit grows by dt x rate and is set to
// the limit when it passes it; fading down works the same way towards a lower bound.
inline void FadeUp(float& value, float ratePerSecond, float limit, float dt)
{
    value += dt * ratePerSecond;
    if (value > limit)
        value = limit;
}

inline void FadeDown(float& value, float ratePerSecond, float limit, float dt)
{
    value -= dt * ratePerSecond;
    if (value < limit)
        value = limit;
}

// Adds step to an angle and returns it to 0 once it is above 2 pi.
inline void Spin(float& angle, float step)
{
    angle += step;
    if (angle > 6.2831855f)
        angle = 0;
}
