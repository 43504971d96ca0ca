#pragma once

#include "domain/report/ReportPages.h"

#include <QGroupBox>
#include <QVector>

class QCheckBox;
class QPushButton;

namespace kelvora {

// " Impressão ": one box for each page of the assessment report, made from the table of
// report pages; the protocols with their comparisons stand in " Protocolos ". Ticking
// a comparison ticks its page; "Editta Introdução" is shown while the introduction is
// ticked. Which boxes are available and which are ticked is decided by the caller, with
// the rules of the report pages.
class PageBoxGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit PageBoxGroup(QWidget* parent = nullptr);

    // Enables the boxes of `available` and disables the others; nothing is ticked.
    void setAvailable(const reportpages::PageSet& available);
    const reportpages::PageSet& available() const { return m_available; }

    void setTicks(const reportpages::PageSet& ticks);
    reportpages::PageSet ticks() const;

signals:
    void editIntroduction();

private:
    QCheckBox* box(reportpages::PageBox page) const { return m_boxes.at(int(page)); }
    void toggled(reportpages::PageBox page, bool ticked);

    QVector<QCheckBox*> m_boxes; // in the order of the report pages
    reportpages::PageSet m_available;
    QPushButton* m_editIntroduction;
};

} // namespace kelvora
