#include "gui/reports/ReportPreview.h"

#include "data/DataFolder.h"
#include "domain/Clock.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/Messages.h"
#include "report/Output.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelvora {

namespace {

const QString PreviewCaption = QStringLiteral("Visualização");
const QString StoreCaption = QStringLiteral("Salvar como PDF");
const QString PdfFilter = QStringLiteral("Arquivos PDF (*.pdf)");
const QString NotStored = QStringLiteral("Arquivo PDF não foi gravado !");
const QString NotPrinted = QStringLiteral("Relatório não foi impresso !");

// The zoom steps of "Ampliar" and "Reduzir".
const double Steps[] = {0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
// Grey room around the page.
constexpr int Border = 12;

} // namespace

ReportPreview::ReportPreview(std::shared_ptr<const report::Printable> document, QWidget* parent)
    : QDialog(parent)
    , m_document(std::move(document))
    , m_pages(m_document->paginate(Clock::now()))
    , m_exportFolder(DataFolder::resolve())
{
    setObjectName(QStringLiteral("TFRMVISUALIZACAO"));
    setWindowTitle(PreviewCaption + QStringLiteral(" - ") + m_document->title());
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(900, 1000);

    m_toolBar = new QWidget(this);
    auto* tools = new QHBoxLayout(m_toolBar);
    tools->setContentsMargins(6, 4, 6, 4);
    connect(addButton("SBPRIMEIRA", QStringLiteral("|<"), QStringLiteral("Primeira página")),
            &QToolButton::clicked, this, [this] { showPage(0); });
    connect(addButton("SBANTERIOR", QStringLiteral("<"), QStringLiteral("Página anterior")),
            &QToolButton::clicked, this, [this] { showPage(m_current - 1); });
    m_pageLabel = new QLabel(m_toolBar);
    m_pageLabel->setObjectName(QStringLiteral("LBLPAGINA"));
    tools->addWidget(m_pageLabel);
    connect(addButton("SBPROXIMA", QStringLiteral(">"), QStringLiteral("Próxima página")),
            &QToolButton::clicked, this, [this] { showPage(m_current + 1); });
    connect(addButton("SBULTIMA", QStringLiteral(">|"), QStringLiteral("Última página")),
            &QToolButton::clicked, this, [this] { showPage(pageCount() - 1); });
    tools->addSpacing(16);
    connect(addButton("SBLARGURA", QStringLiteral("Largura da Página"),
                      QStringLiteral("Página na largura da janela")),
            &QToolButton::clicked, this, &ReportPreview::showPageWidth);
    connect(addButton("SBPAGINAINTEIRA", QStringLiteral("Página Inteira"),
                      QStringLiteral("Página inteira na janela")),
            &QToolButton::clicked, this, &ReportPreview::showWholePage);
    connect(addButton("SBREDUZIR", QStringLiteral("-"), QStringLiteral("Reduzir")),
            &QToolButton::clicked, this, &ReportPreview::zoomOut);
    m_zoomLabel = new QLabel(m_toolBar);
    m_zoomLabel->setObjectName(QStringLiteral("LBLZOOM"));
    tools->addWidget(m_zoomLabel);
    connect(addButton("SBAMPLIAR", QStringLiteral("+"), QStringLiteral("Ampliar")),
            &QToolButton::clicked, this, &ReportPreview::zoomIn);
    tools->addStretch();
    connect(addButton("SBIMPRIMIR", QStringLiteral("Imprimir"),
                      QStringLiteral("Imprimir numa impressora")),
            &QToolButton::clicked, this, &ReportPreview::print);
    connect(addButton("SBSALVARPDF", QStringLiteral("Salvar PDF"),
                      QStringLiteral("Gravar num arquivo PDF")),
            &QToolButton::clicked, this, &ReportPreview::storeAsPdf);
    connect(
        addButton("SBFECHAR", QStringLiteral("Fechar"), QStringLiteral("Fechar a visualização")),
        &QToolButton::clicked, this, &QDialog::accept);

    m_sheet = new QLabel;
    m_sheet->setObjectName(QStringLiteral("LBLFOLHA"));
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("SCBPAGINA"));
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setWidget(m_sheet);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_scroll, 1);

    new QShortcut(QKeySequence::MoveToNextPage, this, [this] { showPage(m_current + 1); });
    new QShortcut(QKeySequence::MoveToPreviousPage, this, [this] { showPage(m_current - 1); });
    new QShortcut(QKeySequence::ZoomIn, this, [this] { zoomIn(); });
    new QShortcut(QKeySequence::ZoomOut, this, [this] { zoomOut(); });
    render();
}

ReportPreview::~ReportPreview() = default;

QToolButton* ReportPreview::addButton(const char* name, const QString& text, const QString& tip)
{
    auto* button = new QToolButton(m_toolBar);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    m_toolBar->layout()->addWidget(button);
    return button;
}

QString ReportPreview::proposedFileName(const QString& title)
{
    QString name = title.trimmed();
    for (QChar& c : name)
        if (QStringLiteral("\\/:*?\"<>|").contains(c) || c.unicode() < 32)
            c = QLatin1Char('-');
    return (name.isEmpty() ? QStringLiteral("Relatorio") : name) + QStringLiteral(".pdf");
}

void ReportPreview::showPage(int index)
{
    if (index < 0 || index >= pageCount())
        return;
    m_current = index;
    render();
}

void ReportPreview::showPageWidth()
{
    setZoom(Zoom::PageWidth, m_factor);
}

void ReportPreview::showWholePage()
{
    setZoom(Zoom::WholePage, m_factor);
}

void ReportPreview::zoomIn()
{
    for (const double step : Steps)
        if (step > m_scale + 1e-3) {
            setZoom(Zoom::Factor, step);
            return;
        }
}

void ReportPreview::zoomOut()
{
    for (auto step = std::rbegin(Steps); step != std::rend(Steps); ++step)
        if (*step < m_scale - 1e-3) {
            setZoom(Zoom::Factor, *step);
            return;
        }
}

void ReportPreview::setZoom(Zoom zoom, double factor)
{
    m_zoom = zoom;
    m_factor = factor;
    render();
}

void ReportPreview::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (m_zoom != Zoom::Factor)
        render();
}

void ReportPreview::render()
{
    const bool any = pageCount() > 0;
    m_pageLabel->setText(
        QStringLiteral("Página %1 de %2").arg(any ? m_current + 1 : 0).arg(pageCount()));
    for (const char* name : {"SBPRIMEIRA", "SBANTERIOR"})
        findChild<QToolButton*>(QLatin1String(name))->setEnabled(m_current > 0);
    for (const char* name : {"SBPROXIMA", "SBULTIMA"})
        findChild<QToolButton*>(QLatin1String(name))->setEnabled(m_current < pageCount() - 1);
    for (const char* name : {"SBIMPRIMIR", "SBSALVARPDF"})
        findChild<QToolButton*>(QLatin1String(name))->setEnabled(any);
    if (!any) {
        m_sheet->clear();
        return;
    }

    const report::Page& page = m_pages.at(m_current);
    const QSizeF paper = page.paperSize() / 25.4 * logicalDpiX(); // pixels at 100 %
    const QSizeF room(m_scroll->width() - 2 * m_scroll->frameWidth() -
                          m_scroll->verticalScrollBar()->sizeHint().width() - 2 * Border,
                      m_scroll->height() - 2 * m_scroll->frameWidth() - 2 * Border);
    switch (m_zoom) {
    case Zoom::PageWidth:
        m_scale = room.width() / paper.width();
        break;
    case Zoom::WholePage:
        m_scale = std::min(room.width() / paper.width(), room.height() / paper.height());
        break;
    case Zoom::Factor:
        m_scale = m_factor;
        break;
    }
    m_scale = std::max(m_scale, 0.1);
    m_zoomLabel->setText(QStringLiteral("%1%").arg(qRound(m_scale * 100)));

    const double ratio = devicePixelRatioF();
    QImage image = report::pageImage(page, int(paper.width() * m_scale * ratio));
    image.setDevicePixelRatio(ratio);
    m_sheet->setPixmap(QPixmap::fromImage(image));
    m_sheet->resize(image.size() / ratio);
}

void ReportPreview::print()
{
    if (pageCount() > 0)
        printOnChosenPrinter(this, *m_document, m_pages.at(0).layout());
}

void ReportPreview::printOnChosenPrinter(QWidget* parent, const report::Printable& document,
                                         const QPageLayout& layout)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.title());
    printer.setPageLayout(layout);
    if (!FileDialogs::choosePrinter(parent, printer))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed = report::print(document.paginate(Clock::now()), printer);
    QApplication::restoreOverrideCursor();
    if (!printed)
        Messages::inform(NotPrinted, printer.printerName());
}

void ReportPreview::storeAsPdf()
{
    QString name = FileDialogs::saveFileName(
        this, StoreCaption, QDir(m_exportFolder).filePath(proposedFileName(m_document->title())),
        PdfFilter);
    if (name.isEmpty())
        return;
    if (!name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        name += QStringLiteral(".pdf");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString failure = report::writePdf(m_document->paginate(Clock::now()), name);
    QApplication::restoreOverrideCursor();
    if (!failure.isEmpty())
        Messages::inform(NotStored, name + QStringLiteral(": ") + failure);
}

} // namespace kelvora
