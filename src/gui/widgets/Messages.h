#pragma once

#include <QString>

namespace kelvora {

class DataError;

// Shows a message box; replaced by a scripted one in tests.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Returns Messages::Ok for an information, Messages::Yes or Messages::No for a question.
    virtual int present(const QString& text, const QString& detail, bool question) = 0;
    // The plain box of the windowing system: no icon, no beep, only OK.
    virtual void presentPlain(const QString& text) = 0;
};

// The program's message routine. Every box has the caption "Kelvora", sounds the
// system beep and blocks all windows of the program. A detail goes after a line
// feed and a carriage return. Kind "!" is an information with an OK button; any
// other kind is a question with Yes and No, answered 6 for Yes and 7 for No.
class Messages {
public:
    static constexpr int Ok = 1;
    static constexpr int Yes = 6;
    static constexpr int No = 7;
    static inline const QString Caption = QStringLiteral("Kelvora");

    static int show(const QString& kind, const QString& text, const QString& detail = {});
    static void inform(const QString& text, const QString& detail = {})
    {
        show(QStringLiteral("!"), text, detail);
    }
    static bool ask(const QString& text, const QString& detail = {})
    {
        return show(QStringLiteral("?"), text, detail) == Yes;
    }
    // The few places that show the system's plain box instead of the routine.
    static void plain(const QString& text);
    // "Abertura de tabela !", "Gravando na tabela !" or "Registro já alocado", with the table.
    static void showDataError(const DataError& error);

    static QString compose(const QString& text, const QString& detail);

    // Installs another presenter (tests); nullptr restores the real message boxes.
    static void setPresenter(MessagePresenter* presenter);
};

} // namespace kelvora
