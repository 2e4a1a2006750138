#pragma once

#include <QString>
#include <QVector>

struct ConfigData;
class QColor;

// The lighting effects of a profile and the rules of where their settings are kept.

constexpr int LightingEffectCount = 14;

// Which controls an effect shows.
struct LightingControls
{
    bool brightness = false;
    bool speed = false;
    bool colour = false;
    bool speedInFirstRow = false; // the speed controls take the brightness row
};

// The untranslated name of effect `effect` (0 to 13), for tr() in the lighting page's context.
const char *LightingEffectName(int effect);
// The controls effect `effect` shows; an index outside 0..13 shows none.
LightingControls LightingControlsOf(int effect);
// The effects the menu offers, top to bottom (4 of the 14 are kept for profiles that carry them).
QVector<int> LightingMenuOrder();

// Edits the lighting of a configuration in place: every value goes to the lighting slot
// (LightingSlotIndex), whose lighting is what an upload sends.
class LightingEditor
{
public:
    // Edits nothing until attach().
    LightingEditor() = default;

    // Edits the lighting of slot `lightingSlot` (LightingSlotIndex) of `config`, kept by reference.
    void attach(ConfigData &config, int lightingSlot);
    // True once attached.
    bool isAttached() const { return m_config != nullptr; }
    // The index of the lighting slot.
    int lightingSlot() const { return m_lightingSlot; }

    // The lighting slot's effect index.
    int effect() const;
    // Brightness, speed and colour of the lighting slot's current effect.
    int brightness() const;
    int speed() const;
    QColor colour() const;
    // Lighting slot's sleep time and move-off flag (0 = light off on movement, 255 = not).
    int sleepTime() const;
    int moveOff() const;

    // Makes `effect` current in the lighting slot.
    void chooseEffect(int effect);
    // Brightness or speed of the lighting slot's current effect.
    void setBrightness(int value);
    void setSpeed(int value);
    // Colour of the lighting slot's current effect.
    void setColour(const QColor &colour);
    // Sleep time of the lighting slot.
    void setSleepTime(int minutes);
    // Move-off flag of the lighting slot: checked switches the light off on movement.
    void setMoveOffChecked(bool checked);

private:
    ConfigData *m_config = nullptr;
    int m_lightingSlot = 0;
};
