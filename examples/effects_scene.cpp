// The engine's effects together: a CPU-drawn plasma behind the scene, a fountain of additive spark
// sprites, a lens flare whose light sweeps behind a lit box that hides it, and a bitmap-font scroller
// that bounces its letters in.
//
//   effects_scene [--frames N] [--screenshot FILE.png] [--capture SECONDS FILE.png]...
//
// --capture runs on a virtual clock of 30 frames a second, writes the picture at each given scene
// time and stops after the last one, so the same command always gives the same pictures.
// The spark, the flare spots and the font (picture and glyph table) are drawn into a folder of the
// program's own at start, so it needs no data files.
#include <cairo.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "effects/2DEffect.h"
#include "effects/BmpFonts.h"
#include "effects/LensFlare.h"
#include "effects/ParticleEmitter.h"
#include "example_capture.h"
#include "objects/BoxObject.h"
#include "objects/Light.h"
#include "platform_clock.h"

namespace {

// A white disc that fades from the centre: alpha stops at radius fractions 0, inner and 1.
void WriteGlowPicture(const std::string& path, int size, double inner, double innerAlpha)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    const double r = size / 2.0;
    cairo_pattern_t* glow = cairo_pattern_create_radial(r, r, 0, r, r, r);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 1, 1);
    cairo_pattern_add_color_stop_rgba(glow, inner, 1, 1, 1, innerAlpha);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 1, 1, 0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
    cairo_destroy(cr);
    cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
}

// A thin soft ring, the ghost image a camera lens throws.
void WriteRingPicture(const std::string& path, int size)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    const double r = size / 2.0;
    cairo_pattern_t* ring = cairo_pattern_create_radial(r, r, 0, r, r, r);
    cairo_pattern_add_color_stop_rgba(ring, 0.0, 1, 1, 1, 0.08);
    cairo_pattern_add_color_stop_rgba(ring, 0.72, 1, 1, 1, 0.15);
    cairo_pattern_add_color_stop_rgba(ring, 0.86, 1, 1, 1, 0.9);
    cairo_pattern_add_color_stop_rgba(ring, 1.0, 1, 1, 1, 0);
    cairo_set_source(cr, ring);
    cairo_paint(cr);
    cairo_pattern_destroy(ring);
    cairo_destroy(cr);
    cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
}

// Characters ' ' to '^' in an 8 x 8 grid of 32-pixel cells; the last cell stays empty, since
// characters without a line in the glyph table show the picture's bottom right corner.
constexpr int kCell = 32;
constexpr char kFirstGlyph = ' ';
constexpr char kLastGlyph = '^';

void DrawGlyph(cairo_t* cr, char character, double left, double baseline)
{
    const char text[2] = {character, 0};
    cairo_move_to(cr, left, baseline);
    cairo_text_path(cr, text);
    cairo_set_source_rgba(cr, 0.1, 0.02, 0.15, 1);
    cairo_set_line_width(cr, 3);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, baseline - 24, 0, baseline);
    cairo_pattern_add_color_stop_rgb(gold, 0, 1.0, 1.0, 0.85);
    cairo_pattern_add_color_stop_rgb(gold, 0.5, 1.0, 0.8, 0.25);
    cairo_pattern_add_color_stop_rgb(gold, 1, 0.9, 0.35, 0.1);
    cairo_set_source(cr, gold);
    cairo_fill(cr);
    cairo_pattern_destroy(gold);
}

// The font picture, 256 x 256, and beside it its glyph table: one line per character, with the
// corners of the character's ink box in pixels.
void WriteFont(const std::string& picturePath, const std::string& tablePath)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 256, 256);
    cairo_t* cr = cairo_create(surface);
    cairo_select_font_face(cr, "Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 27);
    FILE* table = fopen(tablePath.c_str(), "w");
    for (char c = kFirstGlyph; c <= kLastGlyph; ++c) {
        const int index = c - kFirstGlyph, cellX = (index % 8) * kCell, cellY = (index / 8) * kCell;
        const char text[2] = {c, 0};
        cairo_text_extents_t extents;
        cairo_text_extents(cr, text, &extents);
        const int width = std::min(kCell - 2, static_cast<int>(std::ceil(extents.x_advance)) + 2);
        const double left = cellX + (kCell - width) / 2.0 + 1 + (width - 2 - extents.x_advance) / 2;
        DrawGlyph(cr, c, left, cellY + 25);
        if (table && c != ' ')  // the format's leading blank would swallow a space character
            fprintf(table, "%c %d , %d %d , %d\n", c, cellX + (kCell - width) / 2, cellY, cellX + (kCell + width) / 2,
                    cellY + kCell);
    }
    if (table)
        fclose(table);
    cairo_destroy(cr);
    cairo_surface_write_to_png(surface, picturePath.c_str());
    cairo_surface_destroy(surface);
}

// A plasma painted by the CPU from the two pattern tables of C2DEffect: both windows drift over
// their tables, and the sum of their values picks a colour from a palette that slowly cycles.
class CPlasma : public C2DEffect {
public:
    CPlasma()
    {
        for (int i = 0; i < 256; ++i) {
            const float a = i * 2 * D3DX_PI / 256;
            const int r = static_cast<int>(26 + 22 * std::sin(a)), g = static_cast<int>(8 + 7 * std::sin(a + 2.0f));
            const int b = static_cast<int>(50 + 38 * std::sin(a + 4.0f));
            m_Palette[i] = D3DCOLOR_ARGB(255, r, g, b);
        }
    }

    void RenderTexture(unsigned char* bits, int pitch) override
    {
        const float t = CScreen::Instance().GetTickCount();
        const int x1 = 128 + static_cast<int>(127 * std::cos(0.31f * t)), y1 = 128 + static_cast<int>(127 * std::sin(0.23f * t));
        const int x2 = 128 - static_cast<int>(127 * std::sin(0.17f * t)), y2 = 128 + static_cast<int>(127 * std::cos(0.29f * t));
        const int phase = static_cast<int>(t * 40);
        for (int y = 0; y < TEXTURE_SIZE; ++y) {
            const unsigned char* row1 = &m_pTable1[4 * (TABLE_SIZE * (y1 + y) + x1)];
            const unsigned char* row2 = &m_pTable2[4 * (TABLE_SIZE * (y2 + y) + x2)];
            DWORD* out = reinterpret_cast<DWORD*>(bits + y * pitch);
            for (int x = 0; x < TEXTURE_SIZE; ++x)
                out[x] = m_Palette[(row1[4 * x + 2] + row2[4 * x + 1] + phase) & 255];
        }
    }

private:
    DWORD m_Palette[256];
};

// The camera looks at the box from above and to the right; the light sweeps far behind the box.
const D3DXVECTOR3 kEye(3.5f, 4.2f, -9.0f);
const D3DXVECTOR3 kBoxHome(0.0f, 0.8f, 0.0f);

struct SCapture {
    float seconds;
    std::string file;
};

class CEffectsScene : public CScreenListener {
public:
    int frames = -1;
    std::string screenshot;
    std::vector<SCapture> captures;  // in time order
    std::string folder;

    void Run() override
    {
        CScreen& screen = CScreen::Instance();
        screen.EnableFog(false);
        screen.SetCamera(kEye.x, kEye.y, kEye.z, kBoxHome.x - kEye.x, kBoxHome.y - kEye.y, kBoxHome.z - kEye.z);
        screen.SetAmbientColor({0.25f, 0.25f, 0.3f, 1.0f});

        CPlasma plasma;
        plasma.Init();
        plasma.SetSize(screen.GetXResolution(), screen.GetYResolution());

        CBoxObject box;
        box.SetSize(2.4f, 2.4f, 2.4f);
        box.Init();
        box.SetColor({0.15f, 0.28f, 0.7f, 1.0f}, 0);
        CLight sun;
        sun.SetRotation(-0.35f, -0.85f, 0.4f);
        sun.Init();

        CParticleEmitter sparks;
        SetUpSparks(sparks);
        CLensFlare flare;
        SetUpFlare(flare, box);
        CBmpFonts scroller;
        SetUpScroller(scroller);

        screen.ResetTime();
        sparks.Reset();
        size_t nextCapture = 0;
        for (int frame = 0; !Finished(frame, nextCapture); ++frame) {
            const float t = screen.GetTickCount();
            Animate(t, box, flare, scroller);
            screen.BeginScene(true);
            plasma.Render();
            screen.ClearZ();
            box.Render();
            sparks.Render();
            scroller.Render();
            flare.Render();
            screen.EndScene(true);
            Capture(frame, t, nextCapture);
        }
        scroller.CleanUp();
        flare.CleanUp();
        sparks.CleanUp();
        sun.CleanUp();
        box.CleanUp();
        plasma.CleanUp();
    }

private:
    std::string File(const char* leaf) const { return folder + "\\" + leaf; }

    void SetUpSparks(CParticleEmitter& sparks)
    {
        sparks.SetTexture(File("spark.png").c_str());
        sparks.SetPos({-4.2f, -2.2f, 1.0f});
        sparks.SetEmitRadius({0.15f, 0.05f, 0.15f});
        sparks.SetSpawnDir1({-0.9f, 4.5f, -0.9f});
        sparks.SetSpawnDir2({0.9f, 6.0f, 0.9f});
        sparks.SetGravity({0.6f, -4.5f, 0.0f});
        sparks.SetEmitRate({160, 220});
        sparks.SetLifetime({1.2f, 2.2f});
        sparks.SetSize({0.18f, 0.45f});
        sparks.SetStartColor1({1.0f, 0.9f, 0.5f, 0.6f});
        sparks.SetStartColor2({1.0f, 0.7f, 0.2f, 0.8f});
        sparks.SetEndColor1({0.9f, 0.1f, 0.0f, 0.0f});
        sparks.SetEndColor2({0.6f, 0.2f, 0.6f, 0.0f});
        sparks.SetSrcBlendMode(D3DBLEND_SRCALPHA);
        sparks.SetDestBlendMode(D3DBLEND_ONE);
        sparks.Init();
    }

    void SetUpFlare(CLensFlare& flare, CBaseObject& box)
    {
        flare.Init();
        flare.AddTexture(File("glow.png").c_str());
        flare.AddTexture(File("ring.png").c_str());
        flare.AddTexture(File("disc.png").c_str());
        flare.AddSpot(0, 0.30f, 1.0f, D3DXCOLOR(1.0f, 0.95f, 0.8f, 1.0f));
        flare.AddSpot(2, 0.03f, 0.65f, D3DXCOLOR(0.4f, 0.6f, 1.0f, 0.6f));
        flare.AddSpot(1, 0.09f, 0.35f, D3DXCOLOR(0.5f, 1.0f, 0.6f, 0.5f));
        flare.AddSpot(2, 0.05f, -0.15f, D3DXCOLOR(1.0f, 0.5f, 0.9f, 0.5f));
        flare.AddSpot(1, 0.16f, -0.5f, D3DXCOLOR(1.0f, 0.7f, 0.3f, 0.45f));
        flare.AddSpot(2, 0.02f, -0.8f, D3DXCOLOR(0.6f, 0.8f, 1.0f, 0.7f));
        flare.AddSpot(0, 0.07f, -1.1f, D3DXCOLOR(0.5f, 0.6f, 1.0f, 0.6f));
        flare.SetObjectToObscur(box);
    }

    void SetUpScroller(CBmpFonts& scroller)
    {
        scroller.SetTexture(File("font.png"), 0);
        scroller.Init();
        // Glyph quads are half their picture width wide: this zoom keeps the letters' proportions.
        scroller.SetZoomFactor(0.9f, 0.6f);
        scroller.SetEffect(CBmpFonts::TE_BOUNCE_FADE);
        scroller.SetEffectLength(2.0f);
    }

    // The light sweeps left and right far behind the box, and the box bobs. Every 8 s the next
    // message bounces in, drifts left and fades out from 5 s to 7 s.
    void Animate(float t, CBoxObject& box, CLensFlare& flare, CBmpFonts& scroller)
    {
        static const char* const messages[] = {"SPARKS FLY UPWARDS", "A FLARE BEHIND THE BOX", "PLASMA DRAWN BY THE CPU"};
        const D3DXVECTOR3 light = kEye + (kBoxHome - kEye) * 7.0f +
                                  D3DXVECTOR3(34.0f * std::sin(0.45f * t + 0.9f), 4.0f * std::sin(0.3f * t), 0.0f);
        flare.SetLightPosition(light.x, light.y, light.z);
        box.SetPosition(kBoxHome.x, kBoxHome.y + 0.25f * std::sin(1.1f * t), kBoxHome.z);
        const float pass = 8.0f;
        const int passNumber = static_cast<int>(t / pass);
        if (passNumber != m_nPass) {
            m_nPass = passNumber;
            scroller.SetText(messages[passNumber % 3]);
            scroller.StartEffect();
        }
        const float inPass = t - passNumber * pass;
        scroller.SetPosition(0.12f - 0.03f * inPass, -0.36f, 0.0f);
    }

    bool Finished(int frame, size_t nextCapture) const
    {
        if (!captures.empty())
            return nextCapture == captures.size();
        return frames >= 0 && frame >= frames;
    }

    void Capture(int frame, float t, size_t& nextCapture)
    {
        if (nextCapture < captures.size() && t + 1e-4f >= captures[nextCapture].seconds) {
            if (!example::SaveFrontBuffer(captures[nextCapture].file.c_str()))
                fprintf(stderr, "cannot write %s\n", captures[nextCapture].file.c_str());
            ++nextCapture;
        }
        if (frame + 1 == frames && !screenshot.empty() && !example::SaveFrontBuffer(screenshot.c_str()))
            fprintf(stderr, "cannot write %s\n", screenshot.c_str());
    }

    int m_nPass = -1;
};

void WritePictures(const std::string& folder)
{
    WriteGlowPicture(folder + "/spark.png", 32, 0.25, 0.6);
    WriteGlowPicture(folder + "/glow.png", 128, 0.12, 0.35);
    WriteGlowPicture(folder + "/disc.png", 64, 0.75, 0.8);
    WriteRingPicture(folder + "/ring.png", 128);
    WriteFont(folder + "/font.png", folder + "/font.txt");
}

int Usage(const char* program)
{
    fprintf(stderr, "Usage: %s [--frames N] [--screenshot FILE.png] [--capture SECONDS FILE.png]...\n", program);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    CEffectsScene scene;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--frames") == 0 && i + 1 < argc)
            scene.frames = atoi(argv[++i]);
        else if (strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc)
            scene.screenshot = argv[++i];
        else if (strcmp(argv[i], "--capture") == 0 && i + 2 < argc) {
            scene.captures.push_back({static_cast<float>(atof(argv[i + 1])), argv[i + 2]});
            i += 2;
        } else
            return Usage(argv[0]);
    }
    std::sort(scene.captures.begin(), scene.captures.end(),
              [](const SCapture& a, const SCapture& b) { return a.seconds < b.seconds; });
    if (!scene.captures.empty()) {
        // The virtual clock goes on from the system clock's reading; moved on to a whole second, the
        // scene's float times, and so its random particles, come out the same in every run.
        platform::UseVirtualClock(1.0 / 30.0);
        const double now = static_cast<double>(platform::ClockTicks()) / platform::kClockFrequency;
        platform::AdvanceVirtualClock(std::ceil(now) + 1.0 - now);
    }

    char pattern[] = "/tmp/varnix_effects_scene_XXXXXX";
    if (!mkdtemp(pattern)) {
        perror("mkdtemp");
        return 1;
    }
    scene.folder = pattern;
    WritePictures(scene.folder);

    CScreen& screen = CScreen::Instance();
    screen.SetListener(scene);
    screen.SetResolution(RES_640x480);
    screen.ViewInfo(scene.captures.empty());
    screen.SetTitle("Varnix example - effects");
    screen.Display();
    const std::string cleanup = "rm -rf '" + scene.folder + "'";
    return system(cleanup.c_str()) == 0 ? 0 : 1;
}
