#pragma once
// Window tests: answers the message boxes and file dialogs the window opens, as a user would.
// Header-only: only the window tests include it (the support library has no widgets).

#include "app/file_dialogs.h"
#include "widgets/tarn_message_box.h"

#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <utility>
#include <vector>

// While it lives, every TarnMessageBox that opens is recorded (its message text) and closed with
// the next queued answer (1 yes/ok, 0 no), or with `fallback` when none is queued.
class BoxAnswers {
public:
    explicit BoxAnswers(int fallback = 1) : m_fallback(fallback)
    {
        m_timer.setInterval(2);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }
    void queue(int answer) { m_answers.push_back(answer); }
    // The messages of the boxes answered so far.
    QStringList texts;
    // Takes the texts answered so far.
    QStringList take() { return std::exchange(texts, {}); }

private:
    void poll()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<TarnMessageBox *>(widget);
            if (!box || !box->isVisible() || box->property("answered").toBool())
                continue;
            box->setProperty("answered", true);
            const auto *message = box->findChild<QLabel *>("msgBoxInfoLabel2");
            texts << (message ? message->text() : QString());
            int answer = m_fallback;
            if (!m_answers.empty()) {
                answer = m_answers.front();
                m_answers.pop_front();
            }
            box->done(answer);
        }
    }
    int m_fallback;
    std::deque<int> m_answers;
    QTimer m_timer;
};

// While it lives, the window's file dialogs are answered with the queued paths (empty: the
// user cancelled); the requests are recorded.
class FileAnswers {
public:
    FileAnswers()
    {
        setFileDialogAnswer([this](const FileDialogRequest &request) {
            requests.push_back(request);
            if (m_paths.empty())
                return QString();
            const QString path = m_paths.front();
            m_paths.pop_front();
            return path;
        });
    }
    ~FileAnswers() { setFileDialogAnswer({}); }
    void queue(const QString &path) { m_paths.push_back(path); }
    std::vector<FileDialogRequest> requests;

private:
    std::deque<QString> m_paths;
};
