#pragma once

#include "ui/widgets/SkinPicture.h"
#include <QDialog>
#include <QPixmap>

#include <functional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class TarnPushButton;

// "APPLICATIONS": the rules of automatic slot switching, edited in place. Every change is written to the
// rules file at once; the dialog only shows what the file holds.
class AppProfilesDialog : public QDialog
{
    Q_OBJECT
public:
    // The programs with windows open now, by the names a rule would use.
    using OpenPrograms = std::function<QStringList()>;

    // A dialog telling `supportSentence`; new rules get slot `newRuleSlot` (0..4).
    AppProfilesDialog(const QString &supportSentence, OpenPrograms openPrograms, int newRuleSlot,
                      QWidget *parent = nullptr);

    // Adds (or changes) the rule of `program`; false when the name is unusable or the file cannot be written.
    bool addRule(const QString &program);
    // Tells `supportSentence` again; a non-empty `enableCommand` is shown under it with a button that
    // asks to run it.
    void setSupport(const QString &supportSentence, const QString &enableCommand);
    // The command shown under the sentence and the button that runs it.
    QLineEdit *enableCommandField() const { return m_enableCommand; }
    TarnPushButton *enableButton() const { return m_enable; }
    // The "ADD" button and its menu (open programs, then the file chooser).
    TarnPushButton *addButton() const { return m_add; }
    QMenu *addMenu() const { return m_addMenu; }

signals:
    // The rules file was written.
    void rulesSaved();
    // The user asked to run the command shown under the sentence.
    void enableRequested();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void rebuild();
    void fillAddMenu();
    void chooseProgramFile();
    template<typename Edit> void change(Edit edit);
    QComboBox *slotBox(bool withKeep);

    OpenPrograms m_openPrograms;
    int m_newRuleSlot;
    SkinPicture m_background;
    QLabel *m_title;
    QLabel *m_support;
    QWidget *m_enableRow;
    QLineEdit *m_enableCommand;
    TarnPushButton *m_enable;
    QCheckBox *m_switch;
    QLabel *m_defaultLabel;
    QComboBox *m_default;
    QWidget *m_list;
    QGridLayout *m_rows;
    TarnPushButton *m_add;
    QMenu *m_addMenu;
    QToolButton *m_close;
};
