#pragma once

#include "ui/widgets/SkinPicture.h"

#include <QWidget>

class QMenu;
class QActionGroup;
class QAction;
class QLabel;
class LanguageButton;
class TarnLabel;
class TarnPushButton;

struct Product;

// The window's header: logo, model and version labels, "Firmware Update", the model menu, the language
// button, minimise and close.
class HeaderBar : public QWidget
{
    Q_OBJECT
public:
    // The header across the top of the window.
    explicit HeaderBar(const Product &product, QWidget *parent = nullptr);

    // Builds one action per connected model; the button shows only with more than one model.
    void rebuildMouseList(const QStringList &models, const QString &current);
    // Shows `name` on the model button.
    void setModelButtonText(const QString &name);
    // Reads the model and version texts again.
    void refreshLabels();
    // Enables or disables the controls (off while a macro is recorded).
    void setControlsEnabled(bool enabled);
    // Places the parts again at the current scale.
    void relayout();
    // Sets the texts again through the translator.
    void retranslate();

    // The close button.
    TarnPushButton *closeButton() const { return m_close; }
    // The minimise button.
    TarnPushButton *minimiseButton() const { return m_minimise; }
    // The model button.
    TarnPushButton *modelButton() const { return m_modelButton; }
    // The version label.
    TarnLabel *versionLabel() const { return m_version; }
    // The "Firmware Update" button.
    TarnPushButton *firmwareButton() const { return m_firmware; }
    // The language button.
    LanguageButton *languageButton() const { return m_language; }

signals:
    // Close was clicked.
    void closeClicked();
    // Minimise was clicked.
    void minimiseClicked();
    // A model of the model menu was chosen.
    void modelChosen(QAction *action);

private:
    void openVersionUrl();
    void placeVersionAndFirmware();

    QLabel *m_logo;
    SkinPicture m_logoPicture { QStringLiteral("/mouselogo.png") };
    QLabel *m_model;
    TarnLabel *m_version;
    TarnPushButton *m_firmware;
    LanguageButton *m_language;
    const QString m_productModel;
    const QString m_productVersion;
    TarnPushButton *m_modelButton;
    QMenu *m_modelMenu;
    TarnPushButton *m_minimise;
    TarnPushButton *m_close;
};
