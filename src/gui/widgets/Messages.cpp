#include "gui/widgets/Messages.h"

#include "data/DataError.h"

#include <QApplication>
#include <QMessageBox>

namespace kelvora {

namespace {

class MessageBoxPresenter : public MessagePresenter {
public:
    int present(const QString& text, const QString& detail, bool question) override
    {
        // No owner window, and modal for the whole application.
        QMessageBox box(question ? QMessageBox::Question : QMessageBox::Information,
                        Messages::Caption, Messages::compose(text, detail),
                        question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
        box.setWindowModality(Qt::ApplicationModal);
        const int button = box.exec();
        if (!question)
            return Messages::Ok;
        return button == QMessageBox::Yes ? Messages::Yes : Messages::No;
    }
    void presentPlain(const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, Messages::Caption, text, QMessageBox::Ok);
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    }
};

MessagePresenter*& installed()
{
    static MessagePresenter* presenter = nullptr;
    return presenter;
}

MessagePresenter& presenter()
{
    static MessageBoxPresenter boxes;
    return installed() ? *installed() : boxes;
}

} // namespace

QString Messages::compose(const QString& text, const QString& detail)
{
    return detail.isEmpty() ? text : text + QStringLiteral("\n\r") + detail;
}

int Messages::show(const QString& kind, const QString& text, const QString& detail)
{
    QApplication::beep();
    return presenter().present(text, detail, kind != QLatin1String("!"));
}

void Messages::plain(const QString& text)
{
    presenter().presentPlain(text);
}

void Messages::showDataError(const DataError& error)
{
    inform(error.messageText(), error.table());
}

void Messages::setPresenter(MessagePresenter* presenter)
{
    installed() = presenter;
}

} // namespace kelvora
