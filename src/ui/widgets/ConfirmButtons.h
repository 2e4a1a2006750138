#pragma once

class QDialog;
class QToolButton;

// The dialogs' confirmation buttons: black, white text, a rounded accent border and an icon.

// The accepting button "msgBoxYesBtn" of `dialog`, reading "Yes" for a question and "Ok" otherwise;
// releasing it accepts the dialog.
QToolButton *CreateAcceptButton(QDialog *dialog, bool question);
// The declining button "msgBoxNoBtn" of `dialog`, reading "No"; releasing it rejects the dialog.
QToolButton *CreateRejectButton(QDialog *dialog);
// Sets the text again through the translator (after a language change) and fits the button to it.
void RetranslateAcceptButton(QToolButton *button, bool question);
// Sets the "No" text again through the translator and fits the button to it.
void RetranslateRejectButton(QToolButton *button);
// Applies size, font and style for the current text, scale and accent colour.
void StyleConfirmButton(QToolButton *button);
