#include "gui/reports/IntroductionEditor.h"

#include "data/SettingsEdit.h"
#include "domain/MessageTexts.h"
#include "gui/widgets/Messages.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace kelvora {

namespace {

const QString Column = QStringLiteral("MEMOINTRODUCAO");

// The introduction's text box: lines as typed (no wrapping), and no typing while it
// holds RefusedLineCount lines; keys that only move or delete still work then, so the
// text can always be shortened from the keyboard. Typing and pasting stop at
// MaxCharacters; a longer text stored before is shown and kept whole.
class IntroductionText : public QPlainTextEdit {
public:
    explicit IntroductionText(QWidget* parent)
        : QPlainTextEdit(parent)
    {
        setLineWrapMode(NoWrap);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setTabChangesFocus(true);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (addsText(*event)) {
            if (blockCount() == IntroductionEditor::RefusedLineCount) {
                Messages::inform(Msg::AtingiuLimite + QStringLiteral(" 45 linhas"));
                return;
            }
            if (!event->matches(QKeySequence::Paste) && room() < 1)
                return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }

    void insertFromMimeData(const QMimeData* source) override
    {
        QMimeData fitting;
        fitting.setText(source->text().left(std::max(0, room())));
        QPlainTextEdit::insertFromMimeData(&fitting);
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

    // Characters that may still be typed in place of the selection.
    int room() const
    {
        return IntroductionEditor::MaxCharacters -
               int(toPlainText().size() - textCursor().selectedText().size());
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
