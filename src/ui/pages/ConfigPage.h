#pragma once

#include <QWidget>

struct ConfigData;

// A page of the main window: shows one slot of the working configuration, gives back what the user
// changed on "Apply", and lays itself out again at a new scale or language.
class ConfigPage : public QWidget
{
    Q_OBJECT
public:
    // The page's own style sheet: a transparent background for it and everything on it. The
    // shared rules of its controls follow it (PageStyle).
    static const QString BaseStyleSheet;

    // A page with a transparent background.
    explicit ConfigPage(QWidget *parent = nullptr);

    // Shows slot `slot` of `config`. The page may keep `config` to edit it in place where its rules
    // say so; the window keeps it alive as long as the page.
    virtual void refreshFrom(ConfigData &config, int slot) = 0;
    // Copies what the page holds into slot `slot` and the global settings of `config` ("Apply").
    virtual void collectInto(ConfigData &config, int slot) const;
    // Places every control again at the current UiScale.
    virtual void relayout();
    // Sets every text again through the translator, in the current language's font.
    virtual void retranslate();
};
