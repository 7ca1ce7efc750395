// Answers the modal windows that a command opens, as a user would, while the
// command's own event loop runs: each newly shown modal window is handed to
// the next answer, which must close it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace plumora::testing {

using ModalAnswer = std::function<void(QWidget* modal)>;

// Runs `command`; returns the object names of the modal windows it opened,
// in order. A modal window beyond the answers given is closed unanswered.
inline std::vector<std::string> AnswerModals(const std::function<void()>& command,
                                             std::vector<ModalAnswer> answers) {
    std::vector<std::string> names;
    std::vector<QPointer<QWidget>> seen;
    std::size_t next = 0;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || (!seen.empty() && seen.back() == modal)) return;
        seen.emplace_back(modal);
        names.push_back(modal->objectName().toStdString());
        if (next < answers.size()) answers[next++](modal);
        else modal->close();
    });
    poll.start();
    command();
    poll.stop();
    return names;
}

}  // namespace plumora::testing
