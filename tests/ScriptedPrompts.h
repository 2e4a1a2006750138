#pragma once

#include "ui/widgets/UserPrompts.h"

#include <QDialog>
#include <QQueue>
#include <QStringList>

// Answers the windows' modal questions in tests: records every box and dialog and replies from
// queues (message boxes accepted and file dialogs cancelled when a queue is empty).
class ScriptedPrompts : public UserPrompts
{
public:
    ScriptedPrompts() { SetPrompts(this); }
    ~ScriptedPrompts() override { SetPrompts(nullptr); }

    // One box as it was asked.
    struct Box
    {
        int buttonMode;
        QString title;
        QString text;
        bool waitForMouse;
    };

    QList<Box> boxes; // every message box asked, in order
    QQueue<int> boxAnswers; // QDialog::Accepted or QDialog::Rejected
    QQueue<QString> fileAnswers; // file names; an empty string cancels
    QStringList fileCaptions; // captions of every file dialog asked
    QQueue<QStringList> fileListAnswers; // chosen files of multi-select dialogs; empty cancels

    // The texts of every box asked, in order.
    QStringList texts() const
    {
        QStringList list;
        for (const Box &box : boxes)
            list << box.text;
        return list;
    }

    int messageBox(int buttonMode, const QString &title, const QString &text, int, QWidget *,
                   bool waitForMouse) override
    {
        boxes.append({ buttonMode, title, text, waitForMouse });
        return boxAnswers.isEmpty() ? int(QDialog::Accepted) : boxAnswers.dequeue();
    }
    QString saveFileName(QWidget *, const QString &caption, const QString &, const QString &) override
    {
        fileCaptions << caption;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }
    QString openFileName(QWidget *, const QString &caption, const QString &, const QString &) override
    {
        fileCaptions << caption;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }
    QStringList openFileNames(QWidget *, const QString &caption, const QString &, const QString &) override
    {
        fileCaptions << caption;
        return fileListAnswers.isEmpty() ? QStringList() : fileListAnswers.dequeue();
    }
    // Folder dialogs take their answers from fileAnswers.
    QString existingDirectory(QWidget *, const QString &caption, const QString &) override
    {
        fileCaptions << caption;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }
};
