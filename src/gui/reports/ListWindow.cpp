#include "gui/reports/ListWindow.h"

#include "domain/MessageTexts.h"
#include "gui/widgets/CommandButton.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvora {

ListWindow::ListWindow(MainWindow& window, const char* name, const QString& caption)
    : m_window(window)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
    auto* content = new QWidget(this);
    m_choices = new QVBoxLayout;
    m_video = commandButton(content, "BBNVIDEO", QStringLiteral("Vídeo"),
                            QStyle::SP_FileDialogContentsView);
    m_print = commandButton(content, "BBNIMPRIME", QStringLiteral("Imprime"),
                            QStyle::SP_DialogSaveButton);
    QPushButton* leave =
        commandButton(content, "BBNRETORNA", QStringLiteral("Sair"), QStyle::SP_DialogCloseButton);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {m_video, m_print, leave}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(content);
    layout->addLayout(m_choices);
    layout->addLayout(buttons);
    setWidget(content);

    connect(m_video, &QPushButton::clicked, this, [this] { output(true); });
    connect(m_print, &QPushButton::clicked, this, [this] { output(false); });
    connect(leave, &QPushButton::clicked, this, &QWidget::close);
}

void ListWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc anywhere in the window, as "Sair".
    if (event->key() == Qt::Key_Escape)
        close();
    else
        ChildWindow::keyPressEvent(event);
}

ListWindow::Made ListWindow::nothingFound()
{
    return {nullptr, Msg::NenhumResultado, {}};
}

void ListWindow::output(bool preview)
{
    m_video->setEnabled(false);
    m_print->setEnabled(false);
    outputList(this, [this] { return document(); }, preview);
    m_video->setEnabled(true);
    m_print->setEnabled(true);
    m_video->setFocus();
}

} // namespace kelvora
