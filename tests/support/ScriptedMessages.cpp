#include "support/ScriptedMessages.h"

namespace kelvora::test {

ScriptedMessages::ScriptedMessages()
{
    Messages::setPresenter(this);
}

ScriptedMessages::~ScriptedMessages()
{
    Messages::setPresenter(nullptr);
}

QStringList ScriptedMessages::texts() const
{
    QStringList list;
    for (const Shown& message : m_shown)
        list << message.text;
    return list;
}

int ScriptedMessages::present(const QString& text, const QString& detail, bool question)
{
    m_shown.append({text, detail, question});
    if (onPresent)
        onPresent(m_shown.last());
    if (!question)
        return Messages::Ok;
    return m_answers.isEmpty() ? Messages::No : m_answers.dequeue();
}

void ScriptedMessages::presentPlain(const QString& text)
{
    m_shown.append({text, {}, false, true});
    if (onPresent)
        onPresent(m_shown.last());
}

} // namespace kelvora::test
