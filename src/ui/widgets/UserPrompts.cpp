#include "ui/widgets/UserPrompts.h"

#include "ui/widgets/TarnMessageBox.h"

#include <QFileDialog>

namespace {

class DialogPrompts : public UserPrompts
{
public:
    int messageBox(int buttonMode, const QString &title, const QString &text, int iconKind, QWidget *parent,
                   bool waitForMouse) override
    {
        TarnMessageBox box(buttonMode, title, text, iconKind, parent, waitForMouse);
        return box.exec();
    }
    QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter) override
    {
        return QFileDialog::getSaveFileName(parent, caption, dir, filter);
    }
    QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, dir, filter);
    }
};

DialogPrompts g_dialogs;
UserPrompts *g_prompts = &g_dialogs;

} // namespace

UserPrompts &Prompts()
{
    return *g_prompts;
}

void SetPrompts(UserPrompts *prompts)
{
    g_prompts = prompts ? prompts : &g_dialogs;
}

int ShowWarning(const QString &title, const QString &text, QWidget *parent)
{
    return Prompts().messageBox(TarnMessageBox::NoticeButtons, title, text, TarnMessageBox::WarningIcon,
                                parent);
}

bool AskQuestion(const QString &title, const QString &text, QWidget *parent)
{
    return Prompts().messageBox(TarnMessageBox::QuestionButtons, title, text, TarnMessageBox::WarningIcon,
                                parent)
        == QDialog::Accepted;
}
