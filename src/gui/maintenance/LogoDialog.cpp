#include "gui/maintenance/LogoDialog.h"

#include "data/SettingsEdit.h"
#include "domain/MessageTexts.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/JpegPicture.h"
#include "gui/widgets/Messages.h"

#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvora {

namespace {

const QString Controle = QStringLiteral("Controle");

// The file decoded as JPEG and encoded again: what is stored is always a plain
// JPEG picture, whatever the file carried besides. Empty when it is no JPEG.
QByteArray jpegFromFile(const QString& fileName)
{
    QImageReader reader(fileName, "JPEG");
    const QImage image = reader.read();
    return JpegPicture::encode(image);
}

} // namespace

LogoDialog::LogoDialog(SettingsEdit& edit, QWidget* parent)
    : SettingsDialog(edit, parent)
    , m_frame(new QLabel(this))
{
    setObjectName(QStringLiteral("TFRMCONFIGURALOGO"));
    setWindowTitle(QStringLiteral("Logotipo"));
    m_frame->setObjectName(QStringLiteral("IMGLOGO"));
    m_frame->setAlignment(Qt::AlignCenter);
    m_frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_frame->setMinimumSize(320, 200);
    QSizePolicy framePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    framePolicy.setRetainSizeWhenHidden(true); // "Limpa" leaves the buttons where they were
    m_frame->setSizePolicy(framePolicy);

    auto* choose = new QPushButton(QStringLiteral("Logotipo Academia"), this);
    choose->setObjectName(QStringLiteral("BBNLOGO"));
    choose->setAutoDefault(false);
    auto* clear = new QPushButton(QStringLiteral("Limpa"), this);
    clear->setObjectName(QStringLiteral("PNLLIMPA"));
    clear->setAutoDefault(false);
    connect(choose, &QPushButton::clicked, this, &LogoDialog::chooseFile);
    connect(clear, &QPushButton::clicked, this, [this] {
        m_cleared = true;
        m_frame->hide();
    });

    auto* pictureButtons = new QHBoxLayout;
    pictureButtons->addWidget(choose);
    pictureButtons->addWidget(clear);
    pictureButtons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame, 1);
    layout->addLayout(pictureButtons);
    layout->addLayout(buttonRow(QStringLiteral("BBNCANCELA"), QStringLiteral("Cancela")));

    showPicture(edit.value(Column).toByteArray());
    setFixedSize(420, 340);
}

bool LogoDialog::pictureShown() const
{
    return !m_cleared;
}

void LogoDialog::chooseFile()
{
    if (m_cleared) {
        m_cleared = false;
        m_frame->show();
        return;
    }
    const QString fileName = FileDialogs::openFileName(
        this, QStringLiteral("Escolha do fundo para carteira"), {},
        QStringLiteral("All (*.jpg *.jpeg);;JPEG Image File (*.jpg);;JPEG Image File (*.jpeg)"));
    if (fileName.isEmpty())
        return;
    const QByteArray jpeg = jpegFromFile(fileName);
    if (jpeg.isEmpty()) {
        Messages::inform(Msg::GravandoNaTabela, Controle);
        return;
    }
    edit().set(Column, jpeg);
    showPicture(jpeg);
}

void LogoDialog::showPicture(const QByteArray& jpeg)
{
    m_picture = jpeg;
    JpegPicture::show(m_frame, jpeg);
}

void LogoDialog::resizeEvent(QResizeEvent* event)
{
    SettingsDialog::resizeEvent(event);
    showPicture(m_picture);
}

void LogoDialog::confirm()
{
    if (m_cleared)
        edit().set(Column, QVariant(QMetaType::fromType<QByteArray>()));
    save(Controle);
    close(true);
}

} // namespace kelvora
