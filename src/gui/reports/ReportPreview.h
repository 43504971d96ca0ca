#pragma once

#include "report/Pages.h"

#include <QDialog>

#include <memory>

class QLabel;
class QScrollArea;
class QToolButton;

namespace kelvora {

// The print preview: one page at a time, at the page's width, whole, or zoomed;
// from it the document is printed on a chosen printer or stored as a PDF file. It
// lays the document out again for each of these, so a composite report asks for
// its members anew.
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    enum class Zoom { PageWidth, WholePage, Factor };

    explicit ReportPreview(std::shared_ptr<const report::Printable> document,
                           QWidget* parent = nullptr);
    ~ReportPreview() override;

    // Where "Salvar PDF" proposes to store the file; the data folder by default.
    void setExportFolder(const QString& folder) { m_exportFolder = folder; }

    int pageCount() const { return m_pages.count(); }
    int currentPage() const { return m_current; } // from 0
    Zoom zoom() const { return m_zoom; }
    // Size of the page on the screen against its size on paper.
    double scale() const { return m_scale; }

    // The name "Salvar PDF" proposes: the title, without what file names may not hold.
    static QString proposedFileName(const QString& title);

    // Prints `document` on the printer the user chooses, offered with `layout`: what
    // "Imprimir" does, for screens that print without showing the preview. The
    // document is laid out only once a printer was chosen.
    static void printOnChosenPrinter(QWidget* parent, const report::Printable& document,
                                     const QPageLayout& layout);

public slots:
    void showPage(int index);
    void showPageWidth();
    void showWholePage();
    void zoomIn();
    void zoomOut();
    void print();
    void storeAsPdf();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* addButton(const char* name, const QString& text, const QString& tip);
    void setZoom(Zoom zoom, double factor);
    void render();

    std::shared_ptr<const report::Printable> m_document;
    report::Pages m_pages;
    QString m_exportFolder;
    int m_current = 0;
    Zoom m_zoom = Zoom::PageWidth;
    double m_factor = 1;
    double m_scale = 1;

    QScrollArea* m_scroll;
    QLabel* m_sheet;
    QLabel* m_pageLabel;
    QLabel* m_zoomLabel;
    QWidget* m_toolBar;
};

} // namespace kelvora
