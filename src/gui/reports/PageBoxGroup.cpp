#include "gui/reports/PageBoxGroup.h"

#include "gui/widgets/CommandButton.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace kelvora {

using reportpages::PageBox;
using reportpages::PageSet;

PageBoxGroup::PageBoxGroup(QWidget* parent)
    : QGroupBox(QStringLiteral(" Impressão "), parent)
{
    setObjectName(QStringLiteral("GBIMPRESSAO"));
    auto* protocols = new QGroupBox(QStringLiteral(" Protocolos "), this);
    protocols->setObjectName(QStringLiteral("GBPROTOCOLOS"));
    auto* protocolRows = new QGridLayout(protocols);
    auto* testRows = new QGridLayout;

    m_editIntroduction = commandButton(this, "SPINTRODUCAO", QStringLiteral("Editta Introdução"),
                                       QStyle::SP_FileDialogContentsView);
    m_editIntroduction->setAutoDefault(false);
    m_editIntroduction->hide();
    connect(m_editIntroduction, &QPushButton::clicked, this, &PageBoxGroup::editIntroduction);

    // A comparison stands beside its page, a protocol in the protocols' group.
    int testRow = 0;
    int protocolRow = 0;
    for (const reportpages::PageBoxInfo& page : reportpages::pageBoxes()) {
        // A single "&" in a caption is shown, not taken as a shortcut.
        auto* check = new QCheckBox(
            QString::fromUtf8(page.caption).replace(QLatin1Char('&'), QStringLiteral("&&")), this);
        check->setObjectName(QLatin1String(page.objectName));
        check->setEnabled(false);
        m_boxes << check;
        QGridLayout* rows = page.protocol ? protocolRows : testRows;
        int& row = page.protocol ? protocolRow : testRow;
        if (!page.comparisonOf)
            ++row;
        rows->addWidget(check, row, page.comparisonOf ? 1 : 0);
        if (page.box == PageBox::Introduction)
            rows->addWidget(m_editIntroduction, row, 1, Qt::AlignLeft);
        connect(check, &QCheckBox::toggled, this,
                [this, box = page.box](bool ticked) { toggled(box, ticked); });
    }
    testRows->setColumnStretch(2, 1);
    protocolRows->setColumnStretch(2, 1);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(testRows);
    columns->addWidget(protocols, 0, Qt::AlignTop);
}

void PageBoxGroup::setAvailable(const PageSet& available)
{
    m_available = available;
    setTicks({});
    for (const reportpages::PageBoxInfo& page : reportpages::pageBoxes())
        box(page.box)->setEnabled(available.count(page.box) > 0);
}

void PageBoxGroup::setTicks(const PageSet& ticks)
{
    for (const reportpages::PageBoxInfo& page : reportpages::pageBoxes())
        box(page.box)->setChecked(ticks.count(page.box) > 0);
}

PageSet PageBoxGroup::ticks() const
{
    PageSet ticks;
    for (const reportpages::PageBoxInfo& page : reportpages::pageBoxes())
        if (box(page.box)->isChecked())
            ticks.insert(page.box);
    return ticks;
}

void PageBoxGroup::toggled(PageBox page, bool ticked)
{
    if (page == PageBox::Introduction)
        m_editIntroduction->setVisible(ticked);
    if (ticked)
        setTicks(reportpages::withTick(ticks(), page));
}

} // namespace kelvora
