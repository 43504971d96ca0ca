#pragma once

#include "gui/widgets/Messages.h"

#include <QQueue>

#include <functional>
#include <QVector>

namespace kelvora::test {

// Stands in for the message boxes while it lives: records every message shown and
// answers questions from a script (No when the script has run out).
class ScriptedMessages : public MessagePresenter {
public:
    struct Shown {
        QString text;
        QString detail;
        bool question;
        bool plain = false; // the system's plain box, not the message routine
    };

    ScriptedMessages();
    ~ScriptedMessages() override;

    void answer(int button) { m_answers.enqueue(button); }
    // Called with each message as it appears, before it is answered.
    std::function<void(const Shown&)> onPresent;
    const QVector<Shown>& shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }

    int present(const QString& text, const QString& detail, bool question) override;
    void presentPlain(const QString& text) override;

private:
    QQueue<int> m_answers;
    QVector<Shown> m_shown;
};

} // namespace kelvora::test
