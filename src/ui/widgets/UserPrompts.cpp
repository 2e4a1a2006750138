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
    QStringList openFileNames(QWidget *parent, const QString &caption, const QString &dir,
                              const QString &filter) override
    {
        return QFileDialog::getOpenFileNames(parent, caption, dir, filter);
    }
    QString existingDirectory(QWidget *parent, const QString &caption, const QString &dir) override
    {
        return QFileDialog::getExistingDirectory(parent, caption, dir);
    }
};

DialogPrompts g_dialogs;
UserPrompts *g_prompts = &g_dialogs;

} // namespace

QStringList UserPrompts::openFileNames(QWidget *parent, const QString &caption, const QString &dir,
                                       const QString &filter)
{
    const QString file = openFileName(parent, caption, dir, filter);
    return file.isEmpty() ? QStringList() : QStringList { file };
}

QString UserPrompts::existingDirectory(QWidget *, const QString &, const QString &)
{
    return QString();
}

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
