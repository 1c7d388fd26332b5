#pragma once
// The window's open and save file dialogs, behind one seam: tests (and the screenshots) answer
// them instead of a user.

#include <QString>

#include <functional>

class QWidget;

struct FileDialogRequest {
    bool save = false; // a save dialog, else an open dialog
    QString title;
    QString filter;
};

// The chosen path, or empty when nothing was chosen.
QString chooseFile(QWidget *parent, const FileDialogRequest &request);

// Replaces the dialogs while set (an empty function restores them).
void setFileDialogAnswer(std::function<QString(const FileDialogRequest &)> answer);
