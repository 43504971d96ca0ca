#include "gui/reports/IntroductionEditor.h"

#include "data/SettingsEdit.h"
#include "domain/MessageTexts.h"
#include "gui/widgets/Messages.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kelvora {

namespace {

const QString Column = QStringLiteral("MEMOINTRODUCAO");

// The introduction's text box: lines as typed (no wrapping), at most MaxCharacters,
// and no typing while it holds RefusedLineCount lines. Keys that only move or delete
// still work then, so the text can always be shortened from the keyboard.
class IntroductionText : public QPlainTextEdit {
public:
    explicit IntroductionText(QWidget* parent)
        : QPlainTextEdit(parent)
    {
        setLineWrapMode(NoWrap);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setTabChangesFocus(true);
        connect(this, &QPlainTextEdit::textChanged, this, &IntroductionText::keepWithinLength);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (blockCount() == IntroductionEditor::RefusedLineCount && addsText(*event)) {
            Messages::inform(Msg::AtingiuLimite + QStringLiteral(" 45 linhas"));
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }

private:
    static bool addsText(const QKeyEvent& event)
    {
        if (event.matches(QKeySequence::Paste) || event.key() == Qt::Key_Return ||
            event.key() == Qt::Key_Enter)
            return true;
        const QString text = event.text();
        return !text.isEmpty() && text.at(0).isPrint();
    }

    // What goes beyond the length is dropped where it was typed or pasted.
    void keepWithinLength()
    {
        const int excess = toPlainText().size() - IntroductionEditor::MaxCharacters;
        if (excess <= 0)
            return;
        QTextCursor cursor = textCursor();
        cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, excess);
        cursor.removeSelectedText();
    }
};

} // namespace

IntroductionEditor::IntroductionEditor(SettingsEdit& edit, QWidget* parent)
    : SettingsDialog(edit, parent)
    , m_text(new IntroductionText(this))
{
    setObjectName(QStringLiteral("TFRMMEMOINTRODUCAO"));
    setWindowTitle(QStringLiteral("Altera Introdução"));
    m_text->setObjectName(QStringLiteral("DBMEMOINTRODUCAO"));
    m_text->setPlainText(edit.text(Column));

    auto* note = new QLabel(QStringLiteral("OBS: MÁXIMO DE 45 LINHAS"), this);
    note->setObjectName(QStringLiteral("LBLOBS"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(note);
    layout->addLayout(buttonRow(QStringLiteral("BBNCANCELA"), QStringLiteral("Cancela"),
                                QStringLiteral("BBNGRAVA"), QStringLiteral("Grava")));
    resize(640, 560);
    m_text->setFocus();
}

void IntroductionEditor::confirm()
{
    edit().setText(Column, m_text->toPlainText());
    close(save(QStringLiteral("Controle")) == Saved::Yes);
}

} // namespace kelvora
