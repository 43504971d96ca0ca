#include "domain/Clock.h"
#include "gui/reports/ReportPreview.h"
#include "report/CompositeReport.h"
#include "report/Report.h"
#include "support/PdfReader.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"

#include <QFileInfo>
#include <QLabel>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace kelvora;
using namespace kelvora::report;

namespace {

const QString Title = QStringLiteral("Mt_0000000001-05-03-2024");

std::shared_ptr<Report> member(const QString& text, int rows,
                               QPageLayout::Orientation orientation) {
    auto report = std::make_shared<Report>();
    report->setOrientation(orientation);
    report->titleBand().setHeight(20);
    report->titleBand().addText({0, 0, 150, 15}, text).setPointSize(20);
    DataTable data({QStringLiteral("N")});
    for (int i = 1; i <= rows; ++i)
        data.addRow({i});
    report->detail().setHeight(10);
    report->detail().addField({0, 1, 50, 8}, QStringLiteral("N"));
    report->setData(data);
    return report;
}

void click(QWidget& window, const char* name) {
    auto* button = window.findChild<QToolButton*>(QLatin1String(name));
    QVERIFY2(button, name);
    QVERIFY2(button->isEnabled(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

bool enabled(QWidget& window, const char* name) {
    return window.findChild<QToolButton*>(QLatin1String(name))->isEnabled();
}

QString pageLabel(QWidget& window) {
    return window.findChild<QLabel*>(QStringLiteral("LBLPAGINA"))->text();
}

} // namespace

class ReportPreviewTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_asked = 0;
        // A cover, a page in landscape and a two-page list, asked for at each rendering.
        m_composite = std::make_shared<CompositeReport>(Title, [this] {
            ++m_asked;
            return CompositeReport::Members{
                member(QStringLiteral("FOLHA DE ROSTO"), 0, QPageLayout::Portrait),
                member(QStringLiteral("DEITADA"), 0, QPageLayout::Landscape),
                member(QStringLiteral("LISTA"), 30, QPageLayout::Portrait)};
        });
        QVERIFY(m_folder.isValid());
    }

    void opensOnACompositeDocument() {
        ReportPreview preview(m_composite);
        preview.setExportFolder(m_folder.path());
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QCOMPARE(m_asked, 1);
        QCOMPARE(preview.pageCount(), 4);
        QCOMPARE(pageLabel(preview), QStringLiteral("Página 1 de 4"));
        QVERIFY(!enabled(preview, "SBPRIMEIRA") && !enabled(preview, "SBANTERIOR"));

        auto* sheet = preview.findChild<QLabel*>(QStringLiteral("LBLFOLHA"));
        auto* scroll = preview.findChild<QScrollArea*>(QStringLiteral("SCBPAGINA"));
        const QImage shown = sheet->pixmap().toImage();
        QVERIFY(!shown.isNull());
        QVERIFY(shown.width() <= scroll->viewport()->width());
        QVERIFY(shown.width() > scroll->viewport()->width() - 60); // at the page's width
        QVERIFY(shown.height() > scroll->viewport()->height());
        int dark = 0; // the cover's title, drawn in black
        for (int y = 0; y < shown.height() / 4; ++y)
            for (int x = 0; x < shown.width(); ++x)
                dark += qGray(shown.pixel(x, y)) < 100;
        QVERIFY(dark > 100);

        click(preview, "SBPROXIMA");
        QCOMPARE(pageLabel(preview), QStringLiteral("Página 2 de 4"));
        QVERIFY(sheet->width() > sheet->height()); // the landscape sheet
        click(preview, "SBULTIMA");
        QCOMPARE(pageLabel(preview), QStringLiteral("Página 4 de 4"));
        QVERIFY(!enabled(preview, "SBPROXIMA") && !enabled(preview, "SBULTIMA"));
        click(preview, "SBPRIMEIRA");
        QCOMPARE(preview.currentPage(), 0);

        click(preview, "SBPAGINAINTEIRA");
        QCOMPARE(preview.zoom(), ReportPreview::Zoom::WholePage);
        QVERIFY(sheet->height() <= scroll->viewport()->height());
        QVERIFY(sheet->width() <= scroll->viewport()->width());
        const double whole = preview.scale();
        click(preview, "SBAMPLIAR");
        QVERIFY(preview.scale() > whole);
        QCOMPARE(preview.findChild<QLabel*>(QStringLiteral("LBLZOOM"))->text(),
                 QStringLiteral("%1%").arg(qRound(preview.scale() * 100)));
        click(preview, "SBREDUZIR");
        click(preview, "SBREDUZIR");
        QVERIFY(preview.scale() < whole);
        click(preview, "SBLARGURA");
        QCOMPARE(preview.zoom(), ReportPreview::Zoom::PageWidth);
        QCOMPARE(m_asked, 1); // looking at pages lays nothing out again
    }

    void storesAsPdfUnderTheTitle() {
        test::ScriptedFileDialogs dialogs;
        test::ScriptedMessages messages;
        ReportPreview preview(m_composite);
        preview.setExportFolder(m_folder.path());
        preview.show();

        const QString chosen = m_folder.filePath(QStringLiteral("avaliacao"));
        dialogs.answerFile(chosen);
        click(preview, "SBSALVARPDF");
        QCOMPARE(dialogs.asked().size(), 1);
        QCOMPARE(dialogs.asked().first().caption, QStringLiteral("Salvar como PDF"));
        QCOMPARE(dialogs.asked().first().proposed,
                 m_folder.filePath(Title + QStringLiteral(".pdf")));
        QCOMPARE(m_asked, 2);
        const QString stored = chosen + QStringLiteral(".pdf");
        QCOMPARE(test::PdfReader::pageCount(stored), 4);
        QVERIFY(
            test::PdfReader::pageTexts(stored).at(0).contains(QStringLiteral("FOLHA DE ROSTO")));
        QVERIFY(messages.shown().isEmpty());

        click(preview, "SBSALVARPDF"); // cancelled
        QCOMPARE(m_asked, 2);

        dialogs.answerFile(m_folder.filePath(QStringLiteral("sem/pasta.pdf")));
        click(preview, "SBSALVARPDF");
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("Arquivo PDF não foi gravado !")});
        QVERIFY(!QFileInfo::exists(m_folder.filePath(QStringLiteral("sem/pasta.pdf"))));

        QCOMPARE(ReportPreview::proposedFileName(QStringLiteral("Lista: 01/02 ")),
                 QStringLiteral("Lista- 01-02.pdf"));
    }

    void printsOnTheChosenPrinter() {
        test::ScriptedFileDialogs dialogs;
        ReportPreview preview(m_composite);
        preview.show();

        click(preview, "SBIMPRIMIR"); // the print dialog cancelled
        QCOMPARE(dialogs.printDialogs(), 1);
        QCOMPARE(m_asked, 1);

        const QString printed = m_folder.filePath(QStringLiteral("impresso.pdf"));
        dialogs.answerPrinterPdf(printed);
        click(preview, "SBIMPRIMIR");
        QCOMPARE(m_asked, 2);
        QCOMPARE(test::PdfReader::pageCount(printed), 4);
        QCOMPARE(test::PdfReader::pageSize(printed, 2), QSizeF(842, 595));
        const QStringList pages = test::PdfReader::pageTexts(printed);
        QVERIFY(pages.at(1).contains(QStringLiteral("DEITADA")));
        QVERIFY(pages.at(3).contains(QStringLiteral("30")));
    }

private:
    QTemporaryDir m_folder;
    int m_asked = 0;
    std::shared_ptr<CompositeReport> m_composite;
};

QTEST_MAIN(ReportPreviewTest)
#include "tst_report_preview.moc"
