#pragma once

#include "seams/ErrorReport.h"
#include "seams/Prompter.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>

namespace strhaven {

// Records every message and answers from a script (OK, or Yes for
// questions, when the script is empty). File dialogs answer from their own
// scripts; an empty script means the player cancelled.
class FakePrompter final : public Prompter {
public:
    struct Message {
        Icon icon;
        Buttons buttons;
        QString title;
        QString text;
        bool systemModal;
    };

    QList<Message> messages;
    std::deque<Answer> answers;
    // File dialog answers; an empty entry, or none left, is a cancel.
    QStringList openResults;
    QStringList saveResults;
    QList<FileRequest> openRequests;
    QList<FileRequest> saveRequests;
    // The file dialogs fail, as a broken desktop would.
    bool failFileDialogs = false;
    // Runs while a box shows, before it is answered.
    std::function<void(const Message&)> whileShown;

    Answer message(QWidget*, Icon icon, Buttons buttons, const QString& title, const QString& text,
                   bool systemModal) override
    {
        messages.append({icon, buttons, title, text, systemModal});
        if (whileShown)
            whileShown(messages.back());
        if (answers.empty())
            return buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }

    std::optional<QString> openFile(QWidget*, const FileRequest& request) override
    {
        openRequests.append(request);
        if (failFileDialogs)
            throw RunError(ErrorNumber::PathFileAccess);
        return next(openResults);
    }

    std::optional<QString> saveFile(QWidget*, const FileRequest& request) override
    {
        saveRequests.append(request);
        if (failFileDialogs)
            throw RunError(ErrorNumber::PathFileAccess);
        return next(saveResults);
    }

    QStringList texts() const
    {
        QStringList all;
        for (const auto& m : messages)
            all << m.text;
        return all;
    }

    // Every box as "Icon Buttons, title: text", in order.
    QStringList boxes() const
    {
        static const char* const icons[] = {"Exclamation", "Information", "Question", "Critical"};
        static const char* const buttonNames[] = {"Ok", "YesNo", "YesNoCancel"};
        QStringList all;
        for (const auto& m : messages)
            all << QStringLiteral("%1 %2, %3: %4").arg(icons[int(m.icon)], buttonNames[int(m.buttons)], m.title, m.text);
        return all;
    }

private:
    static std::optional<QString> next(QStringList& script)
    {
        const QString path = script.isEmpty() ? QString() : script.takeFirst();
        if (path.isEmpty())
            return std::nullopt;
        return path;
    }
};

} // namespace strhaven
