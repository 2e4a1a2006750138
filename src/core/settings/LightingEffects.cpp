#include "core/settings/LightingEffects.h"

#include "storage/ConfigData.h"

#include <QColor>
#include <QCoreApplication>

namespace {

struct EffectRow
{
    const char *name;
    LightingControls controls;
};

const EffectRow Effects[LightingEffectCount] = {
    { QT_TRANSLATE_NOOP("TarnColorWindow", "OFF"), { false, false, false, false } },
    { QT_TRANSLATE_NOOP("TarnColorWindow", "FULL LIGHTED"), { true, false, true, false } },
    { QT_TRANSLATE_NOOP("TarnColorWindow", "BREATHING"), { false, true, true, true } },
    { QT_TRANSLATE_NOOP("TarnColorWindow", "7 COLOR BREATHING"), { false, true, false, true } },
    { QT_TRANSLATE_NOOP("TarnColorWindow", "RAINBOW"), { true, true, false, false } },
    { QT_TRANSLATE_NOOP("TarnColorWindow", "FLASH"), { true, true, false, false } },
    { QT_TRANSLATE_NOOP("TarnColorWindow", "Horizontal WAVE"), { true, true, false, false } },
    { QT_TRANSLATE_NOOP("TarnColorWindow", "Horizontal GO WITHOUT TRACE"), { true, true, false, false } },
    { QT_TRANSLATE_NOOP("TarnColorWindow", "Raindrop"), { true, true, false, false } },
    { QT_TRANSLATE_NOOP("TarnColorWindow", "WAVE"), { true, true, false, false } },
    { QT_TRANSLATE_NOOP("TarnColorWindow", "GO WITHOUT TRACE"), { true, true, false, false } },
    { QT_TRANSLATE_NOOP("TarnColorWindow", "REACTIVE"), { true, false, false, false } },
    { QT_TRANSLATE_NOOP("TarnColorWindow", "yo-yo"), { true, true, false, false } },
    { QT_TRANSLATE_NOOP("TarnColorWindow", "Marbles"), { true, true, false, false } },
};

// An effect index as stored may be anything; entries past the table are never touched.
int safeEffect(int effect)
{
    return effect >= 0 && effect < LightingEffectCount ? effect : 0;
}

} // namespace

const char *LightingEffectName(int effect)
{
    return Effects[safeEffect(effect)].name;
}

LightingControls LightingControlsOf(int effect)
{
    if (effect < 0 || effect >= LightingEffectCount)
        return {};
    return Effects[effect].controls;
}

QVector<int> LightingMenuOrder()
{
    return { 1, 2, 3, 4, 9, 11, 10, 12, 13, 0 };
}

void LightingEditor::attach(ConfigData &config, int lightingSlot)
{
    m_config = &config;
    m_lightingSlot = qBound(0, lightingSlot, ProfileSlots - 1);
}

int LightingEditor::effect() const
{
    return m_config ? m_config->profiles[m_lightingSlot].LedMode : 0;
}

int LightingEditor::brightness() const
{
    return m_config ? m_config->profiles[m_lightingSlot].ledModes[safeEffect(effect())].bright : 0;
}

int LightingEditor::speed() const
{
    return m_config ? m_config->profiles[m_lightingSlot].ledModes[safeEffect(effect())].breath : 0;
}

QColor LightingEditor::colour() const
{
    return m_config ? m_config->profiles[m_lightingSlot].ledModes[safeEffect(effect())].RGB : QColor();
}

int LightingEditor::sleepTime() const
{
    return m_config ? m_config->profiles[m_lightingSlot].LedSleepTime : 0;
}

int LightingEditor::moveOff() const
{
    return m_config ? m_config->profiles[m_lightingSlot].LedMoveOFF : 0;
}

void LightingEditor::chooseEffect(int effect)
{
    if (m_config && effect >= 0 && effect < LightingEffectCount)
        m_config->profiles[m_lightingSlot].LedMode = quint8(effect);
}

void LightingEditor::setBrightness(int value)
{
    if (m_config) {
        ProfileData &slot = m_config->profiles[m_lightingSlot];
        slot.ledModes[safeEffect(slot.LedMode)].bright = value;
    }
}

void LightingEditor::setSpeed(int value)
{
    if (m_config) {
        ProfileData &slot = m_config->profiles[m_lightingSlot];
        slot.ledModes[safeEffect(slot.LedMode)].breath = value;
    }
}

void LightingEditor::setColour(const QColor &colour)
{
    if (m_config) {
        ProfileData &slot = m_config->profiles[m_lightingSlot];
        slot.ledModes[safeEffect(slot.LedMode)].RGB = colour;
    }
}

void LightingEditor::setSleepTime(int minutes)
{
    if (m_config)
        m_config->profiles[m_lightingSlot].LedSleepTime = quint8(qBound(0, minutes, 255));
}

void LightingEditor::setMoveOffChecked(bool checked)
{
    if (m_config)
        m_config->profiles[m_lightingSlot].LedMoveOFF = checked ? 0 : 255;
}
