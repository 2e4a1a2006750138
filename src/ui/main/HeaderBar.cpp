#include "ui/main/HeaderBar.h"

#include "storage/Product.h"
#include "ui/main/LanguageButton.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/TarnLabel.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"

#include "mousecfg_version.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QUrl>

namespace {
QString labelStyle(const QColor &color)
{
    return QStringLiteral("background:transparent;color:%1;").arg(color.name());
}
} // namespace

HeaderBar::HeaderBar(const Product &product, QWidget *parent)
    : QWidget(parent)
    , m_logo(new QLabel(this))
    , m_model(new QLabel(this))
    , m_version(new TarnLabel(QString(), this))
    , m_firmware(new TarnPushButton(QString(), this))
    , m_language(new LanguageButton(this))
    , m_productModel(product.model)
    , m_productVersion(product.version)
    , m_modelButton(new TarnPushButton(QString(), this))
    , m_modelMenu(new QMenu(this))
    , m_minimise(new TarnPushButton(QString(), this))
    , m_close(new TarnPushButton(QString(), this))
{
    setObjectName(QStringLiteral("HeaderBar"));
    m_logo->setObjectName(QStringLiteral("logo"));
    m_logo->setStyleSheet(QStringLiteral("background:transparent;"));
    m_model->setObjectName(QStringLiteral("modelLabel"));
    m_model->setTextFormat(Qt::PlainText);
    m_version->setObjectName(QStringLiteral("versionLabel"));
    m_version->setClickable(true);
    connect(m_version, &TarnLabel::EnterSignal, this, &HeaderBar::openVersionUrl);

    m_firmware->setObjectName(QStringLiteral("firmwareButton"));
    m_firmware->setDesignFontSize(11);

    m_modelButton->setObjectName(QStringLiteral("modelButton"));
    m_modelButton->setMenu(m_modelMenu);
    m_modelButton->hide();
    connect(m_modelMenu, &QMenu::triggered, this, &HeaderBar::modelChosen);

    m_minimise->setObjectName(QStringLiteral("minimiseButton"));
    m_minimise->setPictures(QStringLiteral("/min-1.png"), QStringLiteral("/min-2.png"),
                            QStringLiteral("/min-3.png"));
    connect(m_minimise, &QPushButton::clicked, this, &HeaderBar::minimiseClicked);
    m_close->setObjectName(QStringLiteral("closeButton"));
    m_close->setPictures(QStringLiteral("/close-1.png"), QStringLiteral("/close-2.png"),
                         QStringLiteral("/close-3.png"));
    connect(m_close, &QPushButton::clicked, this, &HeaderBar::closeClicked);

    refreshLabels();
    retranslate();
}

void HeaderBar::rebuildMouseList(const QStringList &models, const QString &current)
{
    m_modelMenu->clear();
    for (const QString &name : models)
        m_modelMenu->addAction(name);
    m_modelButton->setText(current);
    m_modelButton->setAccessibleName(tr("Model: %1").arg(current));
    // An empty or single-model list leaves nothing to choose.
    m_modelButton->setVisible(models.size() > 1);
}

void HeaderBar::setModelButtonText(const QString &name)
{
    m_modelButton->setText(name);
    m_modelButton->setAccessibleName(tr("Model: %1").arg(name));
}

void HeaderBar::refreshLabels()
{
    m_model->setText(m_productModel);
    m_model->setAccessibleName(m_productModel);
    m_version->setText(m_productVersion);
    m_version->setAccessibleName(m_productVersion);
    placeVersionAndFirmware();
}

void HeaderBar::setControlsEnabled(bool enabled)
{
    m_modelButton->setEnabled(enabled);
    m_firmware->setEnabled(enabled);
    m_language->setEnabled(enabled);
    m_minimise->setEnabled(enabled);
    m_close->setEnabled(enabled);
}

void HeaderBar::relayout()
{
    PlaceWidget(this, 0, 0, 999, 62);
    m_logo->setGeometry(ScaledRect(22, 11, 40, 40));
    m_logo->setPixmap(m_logoPicture.at(m_logo->size(), devicePixelRatioF()));
    m_model->setGeometry(ScaledRect(70, 10, 250, 24));
    m_model->setFont(ScaledFont(CurrentLanguageFont().family(), 18));
    m_model->setStyleSheet(labelStyle(ThemeColor::text()) + QStringLiteral("font-weight:bold;"));
    m_version->setFont(ScaledFont(CurrentLanguageFont().family(), 12));
    m_version->setStyleSheet(labelStyle(ThemeColor::unfilled()));
    placeVersionAndFirmware();
    m_modelButton->setGeometry(ScaledRect(790, 17, 100, 28));
    m_language->setGeometry(ScaledRect(800, 19, 90, 24));
    m_language->setDesignFontSize(12);
    m_language->restyle();
    m_minimise->setGeometry(ScaledRect(906, 19, 24, 24));
    m_close->setGeometry(ScaledRect(944, 19, 24, 24));
}

void HeaderBar::retranslate()
{
    m_minimise->setAccessibleName(tr("Minimise"));
    m_minimise->setToolTip(tr("Minimise"));
    m_firmware->setText(tr("Firmware Update"));
    m_firmware->setAccessibleName(tr("Firmware Update"));
    m_language->retranslate();
    placeVersionAndFirmware();
    m_close->setAccessibleName(tr("Close"));
    m_close->setToolTip(tr("Close"));
    // The label shows the product's version; the program's own is one hover away.
    m_version->setToolTip(tr("mousecfg %1").arg(QStringLiteral(MOUSECFG_VERSION)));
}

void HeaderBar::placeVersionAndFirmware()
{
    // "Firmware Update" follows the version text, whose length is the product's.
    const int right = Scaled(320);
    const int top = Scaled(35);
    const int versionWidth
        = qMin(m_version->fontMetrics().horizontalAdvance(m_version->text()) + Scaled(4), right - Scaled(70));
    m_version->setGeometry(Scaled(70), top, versionWidth, Scaled(18));
    QFont buttonFont = ScaledFont(CurrentLanguageFont().family(), 11);
    buttonFont.setBold(true);
    const int buttonWidth = QFontMetrics(buttonFont).horizontalAdvance(m_firmware->text()) + Scaled(16);
    const int buttonLeft = Scaled(70) + versionWidth + Scaled(10);
    m_firmware->setGeometry(buttonLeft, top - Scaled(1), qMin(buttonWidth, qMax(0, right - buttonLeft)),
                            Scaled(20));
}

void HeaderBar::openVersionUrl()
{
    // Only a full address with a scheme is opened; a plain version text is not a place to go.
    const QUrl url(m_productVersion, QUrl::StrictMode);
    if (url.isValid() && !url.scheme().isEmpty())
        QDesktopServices::openUrl(url);
}
