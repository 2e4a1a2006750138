#include "ui/macro/MacroRecordPanel.h"
#include "ui/widgets/CheckBoxPictures.h"

#include "ui/macro/MacroStyle.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"

#include <QCheckBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>

MacroRecordPanel::MacroRecordPanel(QWidget *parent)
    : QWidget(parent)
    , m_start(new TarnPushButton(QString(), this))
    , m_stop(new TarnPushButton(QString(), this))
    , m_defaultDelay(new QLineEdit(QStringLiteral("10"), this))
    , m_msLabel(new QLabel(this))
    , m_loopCount(new QLineEdit(QStringLiteral("1"), this))
{
    for (QCheckBox *&box : m_delayBoxes)
        box = new QCheckBox(this);
    for (QCheckBox *&box : m_loopBoxes)
        box = new QCheckBox(this);
    for (QCheckBox *box : m_delayBoxes)
        connect(box, &QCheckBox::clicked, this, &MacroRecordPanel::checkbtn_clicked);
    for (QCheckBox *box : m_loopBoxes)
        connect(box, &QCheckBox::clicked, this, &MacroRecordPanel::checkbtn_clicked);
    m_defaultDelay->setMaxLength(5);
    m_defaultDelay->setValidator(new QIntValidator(0, 65535, m_defaultDelay));
    m_defaultDelay->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_loopCount->setMaxLength(3);
    m_loopCount->setValidator(new QIntValidator(1, 255, m_loopCount));
    m_loopCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(m_defaultDelay, &QLineEdit::textEdited, this, &MacroRecordPanel::settingsEdited);
    connect(m_loopCount, &QLineEdit::textEdited, this, &MacroRecordPanel::settingsEdited);
    connect(m_start, &QPushButton::clicked, this, &MacroRecordPanel::startRequested);
    connect(m_stop, &QPushButton::clicked, this, &MacroRecordPanel::stopRequested);
    m_stop->hide();
    retranslate();
    relayout();
}

void MacroRecordPanel::checkbtn_clicked()
{
    auto *clicked = qobject_cast<QCheckBox *>(sender());
    if (!clicked)
        return;
    const bool delayGroup = clicked == m_delayBoxes[0] || clicked == m_delayBoxes[1];
    if (delayGroup) {
        for (QCheckBox *box : m_delayBoxes)
            if (box != clicked)
                box->setChecked(false);
    } else {
        for (QCheckBox *box : m_loopBoxes)
            if (box != clicked)
                box->setChecked(false);
    }
    emit settingsEdited();
}

int MacroRecordPanel::delayMode() const
{
    return m_delayBoxes[0]->isChecked() ? 1 : m_delayBoxes[1]->isChecked() ? 2 : 0;
}

void MacroRecordPanel::setDelayMode(int mode)
{
    m_delayBoxes[0]->setChecked(mode == 1);
    m_delayBoxes[1]->setChecked(mode == 2);
}

int MacroRecordPanel::defaultDelay() const
{
    return m_defaultDelay->text().toInt();
}

void MacroRecordPanel::setDefaultDelay(int milliseconds)
{
    m_defaultDelay->setText(QString::number(milliseconds));
}

int MacroRecordPanel::loopType() const
{
    for (int i = 0; i < 3; ++i)
        if (m_loopBoxes[i]->isChecked())
            return i + 1;
    return 0;
}

void MacroRecordPanel::setLoopType(int type)
{
    for (int i = 0; i < 3; ++i)
        m_loopBoxes[i]->setChecked(type == i + 1);
}

int MacroRecordPanel::loopCount() const
{
    return m_loopCount->text().toInt();
}

void MacroRecordPanel::setLoopCount(int count)
{
    m_loopCount->setText(QString::number(count));
}

void MacroRecordPanel::setRecording(bool recording)
{
    m_start->setVisible(!recording);
    m_stop->setVisible(recording);
}

void MacroRecordPanel::setOptionsEnabled(bool enabled)
{
    m_start->setEnabled(enabled);
    for (QCheckBox *box : m_delayBoxes)
        box->setEnabled(enabled);
    for (QCheckBox *box : m_loopBoxes)
        box->setEnabled(enabled);
    m_defaultDelay->setEnabled(enabled);
    m_loopCount->setEnabled(enabled);
    m_msLabel->setEnabled(enabled);
}

void MacroRecordPanel::retranslate()
{
    m_start->setText(tr("START"));
    m_start->setAccessibleName(m_start->text());
    m_stop->setText(tr("STOP"));
    m_stop->setAccessibleName(m_stop->text());
    m_delayBoxes[0]->setText(tr("RECORD DELAYS BETWEEN ACTION"));
    m_delayBoxes[1]->setText(tr("INSERT DEFAULT DELAY"));
    m_loopBoxes[0]->setText(tr("LOOPS TIME(1-255)"));
    m_loopBoxes[1]->setText(tr("REPEAT RUN WHEN KEY DOWN"));
    m_loopBoxes[2]->setText(tr("REPEAT RUN UNTIL THE KEY DOWN"));
    m_msLabel->setText(tr("ms"));
    m_defaultDelay->setAccessibleName(tr("DEFAULT DELAY"));
    m_loopCount->setAccessibleName(tr("LOOP COUNT"));
}

void MacroRecordPanel::relayout()
{
    PlaceWidget(m_start, 0, 0, 110, 30);
    PlaceWidget(m_stop, 0, 0, 110, 30);
    PlaceWidget(m_delayBoxes[0], 0, 40, 250, 24);
    PlaceWidget(m_delayBoxes[1], 0, 68, 170, 24);
    PlaceWidget(m_defaultDelay, 172, 68, 52, 24);
    PlaceWidget(m_msLabel, 228, 68, 24, 24);
    PlaceWidget(m_loopBoxes[0], 262, 12, 170, 24);
    PlaceWidget(m_loopCount, 434, 12, 52, 24);
    PlaceWidget(m_loopBoxes[1], 262, 40, 228, 24);
    PlaceWidget(m_loopBoxes[2], 262, 68, 228, 24);
    m_start->setDesignFontSize(13);
    m_stop->setDesignFontSize(13);
    for (QCheckBox *box : m_delayBoxes) {
        box->setStyleSheet(MacroStyle::checkBox());
        UseCheckBoxPictures(box);
        MacroStyle::setFont(box, 11);
    }
    for (QCheckBox *box : m_loopBoxes) {
        box->setStyleSheet(MacroStyle::checkBox());
        UseCheckBoxPictures(box);
        MacroStyle::setFont(box, 11);
    }
    for (QLineEdit *edit : { m_defaultDelay, m_loopCount }) {
        edit->setStyleSheet(MacroStyle::lineEdit());
        MacroStyle::setFont(edit, 12);
    }
    m_msLabel->setStyleSheet(MacroStyle::label());
    MacroStyle::setFont(m_msLabel, 11);
}
