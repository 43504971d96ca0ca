#include "gui/students/CaptureDialog.h"

#include "domain/MessageTexts.h"
#include "gui/widgets/FrameSource.h"
#include "gui/widgets/JpegPicture.h"
#include "gui/widgets/Messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kelvora {

CaptureDialog::CaptureDialog(int mode, QWidget* parent)
    : QDialog(parent)
    , m_mode(mode)
    , m_source(FrameSources::create())
    , m_preview(new QLabel(this))
{
    setObjectName(QStringLiteral("TFRMCAPTURA"));
    setWindowTitle(QStringLiteral("Captura Foto"));
    m_preview->setObjectName(QStringLiteral("PNLVIDEO"));
    m_preview->setFixedSize(320, 240);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    auto* confirm = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton),
                                    QStringLiteral("Confirma"), this);
    confirm->setObjectName(QStringLiteral("BBNCONFIRMA"));
    auto* back = new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack),
                                 QStringLiteral("Retorna"), this);
    back->setObjectName(QStringLiteral("BBNRETORNA"));
    back->setAutoDefault(false);
    connect(confirm, &QPushButton::clicked, this, &CaptureDialog::confirm);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirm);
    buttons->addWidget(back);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_preview);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_source.get(), &FrameSource::frameReady, this, &CaptureDialog::showFrame);
    if (!m_source->start())
        m_preview->setText(QStringLiteral("Nenhuma câmera encontrada."));
}

CaptureDialog::~CaptureDialog() = default;

void CaptureDialog::showFrame(const QImage& frame)
{
    m_still = frame;
    m_preview->setPixmap(QPixmap::fromImage(frame).scaled(
        m_preview->contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void CaptureDialog::confirm()
{
    // Without a camera there is no frame, and nothing is kept.
    if (!m_still.isNull()) {
        m_picture = JpegPicture::encode(m_still);
        if (m_picture.isEmpty())
            Messages::inform(Msg::DadoIncorreto, QStringLiteral("Foto não pode ser salva!"));
    }
    accept();
}

} // namespace kelvora
