#include "ui/pages/TarnReportRate.h"

#include "core/settings/SettingRanges.h"
#include "platform/LogCategories.h"
#include "ui/pages/PageStyle.h"
#include "ui/pages/TarnMenuButton.h"
#include "ui/widgets/Theme.h"

#include <QAction>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDebug>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

namespace {

// Texts of ReportRateCodes, in the same order.
const char *const RateTexts[4]
    = { QT_TRANSLATE_NOOP("TarnReportRate", "125 HZ"), QT_TRANSLATE_NOOP("TarnReportRate", "250 HZ"),
        QT_TRANSLATE_NOOP("TarnReportRate", "500 HZ"), QT_TRANSLATE_NOOP("TarnReportRate", "1000 HZ") };

} // namespace

TarnReportRate::TarnReportRate(QWidget *parent)
    : ConfigPage(parent)
    , m_rateTitle(new QLabel(this))
    , m_rateButton(new TarnMenuButton(this))
    , m_menu(new QMenu(this))
    , m_liftTitle(new QLabel(this))
    , m_liftGroup(new QButtonGroup(this))
    , m_lift1(new QRadioButton(this))
    , m_lift2(new QRadioButton(this))
{
    setObjectName(QStringLiteral("TarnReportRate"));
    m_rateButton->setMenu(m_menu);
    for (int i = 0; i < 4; ++i) {
        m_rateActions[i] = m_menu->addAction(QString());
        const quint8 code = ReportRateCodes[i];
        connect(m_rateActions[i], &QAction::triggered, this, [this, code] { chooseRate(code); });
    }
    m_liftGroup->setExclusive(true);
    m_liftGroup->addButton(m_lift1, 0);
    m_liftGroup->addButton(m_lift2, 1);
    connect(m_lift1, &QRadioButton::clicked, this, &TarnReportRate::onRadioChanged);
    connect(m_lift2, &QRadioButton::clicked, this, &TarnReportRate::onRadioChanged);
    m_lift1->setChecked(true);
    for (QLabel *label : { m_rateTitle, m_liftTitle })
        label->setTextFormat(Qt::PlainText);
    retranslate();
}

QString TarnReportRate::rateText(quint8 code)
{
    for (int i = 0; i < 4; ++i) {
        if (ReportRateCodes[i] == code)
            return QCoreApplication::translate("TarnReportRate", RateTexts[i]);
    }
    return QString();
}

void TarnReportRate::refreshFrom(ConfigData &config, int slot)
{
    m_profile = config.profiles[qBound(0, slot, ProfileSlots - 1)];
    showRate(m_profile.pollrate);
    setLift(config.LiftHigh);
}

void TarnReportRate::setLift(quint8 lift)
{
    m_lift = lift;
    (m_lift == 1 ? m_lift1 : m_lift2)->setChecked(true);
}

void TarnReportRate::collectInto(ConfigData &config, int slot) const
{
    if (slot >= 0 && slot < ProfileSlots)
        config.profiles[slot].pollrate = m_profile.pollrate;
}

void TarnReportRate::setRate(quint8 code)
{
    m_profile.pollrate = code;
    showRate(code);
}

void TarnReportRate::showRate(quint8 code)
{
    m_rateButton->setText(rateText(code));
    // The reader hears the rate with its caption, as the eye sees them side by side.
    m_rateButton->setAccessibleName(tr("REPORT RATE") + QStringLiteral(": ") + m_rateButton->text());
}

void TarnReportRate::chooseRate(quint8 code)
{
    setRate(code);
}

void TarnReportRate::onRadioChanged()
{
    m_lift = quint8(m_liftGroup->checkedId() + 1);
    qCDebug(lcUi, "m_iLift = %d", m_lift);
    emit RefreshLift(m_lift);
}

void TarnReportRate::relayout()
{
    PlaceWidget(m_rateTitle, 20, 14, 200, 18);
    PlaceWidget(m_rateButton, 20, 36, 200, 30);
    PlaceWidget(m_liftTitle, 250, 14, 210, 18);
    PlaceWidget(m_lift1, 250, 40, 90, 24);
    PlaceWidget(m_lift2, 345, 40, 90, 24);
    for (QLabel *label : { m_rateTitle, m_liftTitle }) {
        label->setFont(PageFont(13));
        SetTextColor(label, ThemeColor::text());
    }
    StyleRadioButton(m_lift1);
    StyleRadioButton(m_lift2);
    StyleMenu(m_menu);
}

void TarnReportRate::retranslate()
{
    m_rateTitle->setText(tr("REPORT RATE"));
    m_liftTitle->setText(tr("Lift off Distance"));
    m_lift1->setText(tr("1 mm"));
    m_lift2->setText(tr("2 mm"));
    for (int i = 0; i < 4; ++i)
        m_rateActions[i]->setText(tr(RateTexts[i]));
    showRate(m_profile.pollrate);
    relayout();
}
