#include "app/file_dialogs.h"

#include <QFileDialog>

namespace {

std::function<QString(const FileDialogRequest &)> &answerHook()
{
    static std::function<QString(const FileDialogRequest &)> hook;
    return hook;
}

} // namespace

QString chooseFile(QWidget *parent, const FileDialogRequest &request)
{
    if (answerHook())
        return answerHook()(request);
    return request.save ? QFileDialog::getSaveFileName(parent, request.title, QString(), request.filter)
                        : QFileDialog::getOpenFileName(parent, request.title, QString(), request.filter);
}

void setFileDialogAnswer(std::function<QString(const FileDialogRequest &)> answer)
{
    answerHook() = std::move(answer);
}
