#include "dialog_template.h"

#include <map>
#include <mutex>

namespace {

struct TemplateRegistry {
    std::mutex mutex;
    std::map<UINT, DialogTemplate> templates;
};

TemplateRegistry& Templates()
{
    static TemplateRegistry registry;
    return registry;
}

// Win32's MulDiv: rounds half away from zero.
int MulDiv(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

void RegisterDialogTemplate(const DialogTemplate& dialogTemplate)
{
    auto& registry = Templates();
    std::lock_guard<std::mutex> lock(registry.mutex);
    registry.templates[dialogTemplate.id] = dialogTemplate;
}

const DialogTemplate* FindDialogTemplate(UINT id)
{
    auto& registry = Templates();
    std::lock_guard<std::mutex> lock(registry.mutex);
    auto found = registry.templates.find(id);
    // Map nodes are stable: the pointer stays valid until the id is registered again.
    return found == registry.templates.end() ? nullptr : &found->second;
}

namespace platform {

DialogBaseUnits BaseUnitsOf(const DialogTemplate& dialogTemplate)
{
    // MS Sans Serif 8 pt at 96 dpi: character cell 13 pixels high, average width 6 pixels (the
    // width of "A".."Z" and "a".."z" divided by 52, rounded). Other sizes of the font scale from it.
    DialogBaseUnits units;
    const int points = dialogTemplate.fontPointSize > 0 ? dialogTemplate.fontPointSize : 8;
    if (points != 8) {
        units.cx = MulDiv(6, points, 8);
        units.cy = MulDiv(13, points, 8);
    }
    return units;
}

RECT DialogUnitsToPixels(const DialogBaseUnits& units, int x, int y, int cx, int cy)
{
    RECT r;
    r.left = MulDiv(x, units.cx, 4);
    r.top = MulDiv(y, units.cy, 8);
    r.right = MulDiv(x + cx, units.cx, 4);
    r.bottom = MulDiv(y + cy, units.cy, 8);
    return r;
}

SIZE DialogClientSize(const DialogTemplate& dialogTemplate)
{
    const RECT r = DialogUnitsToPixels(BaseUnitsOf(dialogTemplate), 0, 0, dialogTemplate.cx, dialogTemplate.cy);
    return SIZE{r.right, r.bottom};
}

}  // namespace platform
