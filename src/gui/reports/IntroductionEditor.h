#pragma once

#include "gui/maintenance/SettingsDialog.h"

class QPlainTextEdit;

namespace kelvora {

// "Altera Introdução": the text printed on the introduction page of every assessment
// report (`MEMOINTRODUCAO` of the settings row). "Grava" writes it; the dialog ends
// accepted only when the text was written.
class IntroductionEditor : public SettingsDialog {
    Q_OBJECT
public:
    static constexpr int MaxCharacters = 3375;
    // The page holds 45 lines; typing stops while the text holds one more.
    static constexpr int RefusedLineCount = 46;

    IntroductionEditor(SettingsEdit& edit, QWidget* parent = nullptr);

protected:
    void confirm() override;

private:
    QPlainTextEdit* m_text;
};

} // namespace kelvora
