#include "ui/main/ProfileActions.h"

#include "ui/main/ProfileOperations.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"

namespace {
constexpr int ButtonWidth = 76;
constexpr int ButtonHeight = 32;
constexpr int Gap = 6;
} // namespace

ProfileActions::ProfileActions(ProfileOperations *operations, QWidget *parent)
    : QWidget(parent)
    , m_ok(new TarnPushButton(QString(), this))
    , m_cancel(new TarnPushButton(QString(), this))
    , m_apply(new TarnPushButton(QString(), this))
{
    setObjectName(QStringLiteral("ProfileActions"));
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_apply->setObjectName(QStringLiteral("applyButton"));
    connect(m_ok, &QPushButton::clicked, operations, &ProfileOperations::ok);
    connect(m_cancel, &QPushButton::clicked, operations, &ProfileOperations::cancel);
    connect(m_apply, &QPushButton::clicked, operations, &ProfileOperations::apply);
    setTabOrder(m_ok, m_cancel);
    setTabOrder(m_cancel, m_apply);
    retranslate();
    relayout();
}

void ProfileActions::relayout()
{
    // The footer keeps its right edge and is as wide as its buttons: a button whose text needs more
    // than the design width grows, and the footer with it, to the left.
    const TarnPushButton *order[] = { m_apply, m_cancel, m_ok };
    int needed = 0;
    for (const TarnPushButton *button : order)
        needed += button->widthForText(ButtonWidth) + Scaled(Gap);
    needed -= Scaled(Gap);
    const int right = geometry().right();
    setGeometry(right + 1 - needed, y(), needed, height());
    int x = width();
    for (TarnPushButton *button : { m_apply, m_cancel, m_ok }) {
        const int buttonWidth = button->widthForText(ButtonWidth);
        x -= buttonWidth;
        button->setGeometry(x, Scaled(2), buttonWidth, Scaled(ButtonHeight));
        x -= Scaled(Gap);
    }
}

void ProfileActions::retranslate()
{
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
    m_apply->setText(tr("Apply"));
    for (TarnPushButton *button : { m_ok, m_cancel, m_apply })
        button->setAccessibleName(button->text());
    relayout();
}
