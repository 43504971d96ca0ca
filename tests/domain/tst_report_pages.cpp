#include "domain/report/ReportPages.h"

#include <QTest>

using namespace kelvora::reportpages;

namespace {

const QString Sim = QStringLiteral("Sim");
const QString Nao = QStringLiteral("Não");
const QString NoRow = QStringLiteral("no row"); // no body-composition row for the assessment

// A settings row with every test and protocol column set to `value` and every flag to
// `flags`, then `overrides`.
QVariantHash row(const QVariant& value, const QVariant& flags, const QVariantHash& overrides = {})
{
    QVariantHash settings;
    for (const PageBoxInfo& box : pageBoxes()) {
        if (box.offered)
            settings.insert(QLatin1String(box.offered), value);
        if (box.printed)
            settings.insert(QLatin1String(box.printed), flags);
    }
    for (const char* protocol : {"CORPORAL_POLLOCK3", "CORPORAL_POLLOCK7", "CORPORAL_IMC",
                                 "CORPORAL_SLAUGHTER", "CORPORAL_CINTURA_QUADRIL",
                                 "CORPORAL_FAULKNER", "CORPORAL_LOHMAN", "CORPORAL_TRANS_WELTMAN"})
        settings.insert(QLatin1String(protocol), value);
    for (auto it = overrides.begin(); it != overrides.end(); ++it)
        settings.insert(it.key(), it.value());
    return settings;
}

QStringList names(const PageSet& pages)
{
    QStringList list;
    for (PageBox box : pages)
        list << QLatin1String(info(box).name);
    return list;
}

PageSet pages(const QStringList& names)
{
    PageSet set;
    for (const QString& name : names)
        set.insert(*pageBoxNamed(name));
    return set;
}

std::optional<QString> markers(const QString& text)
{
    return text == NoRow ? std::nullopt : std::optional<QString>(text);
}

const QStringList EveryTest{"cover",
                            "introduction",
                            "medical",
                            "prescription",
                            "anamnesis",
                            "cardiac-risk",
                            "perimetry",
                            "perimetry-comparison",
                            "postural-front-back",
                            "postural-sides",
                            "flexitest",
                            "vo2max",
                            "wells",
                            "abdominal",
                            "push-up"};

} // namespace

class ReportPagesTest : public QObject {
    Q_OBJECT
private slots:
    // The boxes are looked up by their place in the table.
    void tableFollowsPrintingOrder()
    {
        QCOMPARE(pageBoxes().size(), 27);
        for (int i = 0; i < pageBoxes().size(); ++i)
            QCOMPARE(int(pageBoxes().at(i).box), i);
        for (const PageBoxInfo& box : pageBoxes())
            QCOMPARE(pageBoxNamed(QLatin1String(box.name)), std::optional<PageBox>(box.box));
    }

    void availability_data()
    {
        QTest::addColumn<QVariantHash>("settings");
        QTest::addColumn<QString>("markers");
        QTest::addColumn<bool>("mayChange");
        QTest::addColumn<QStringList>("available");

        QTest::newRow("everything in use, every protocol recorded")
            << row(Sim, true) << QStringLiteral("37ICQFLTXX") << true
            << EveryTest + QStringList{"pollock3",
                                       "pollock3-comparison",
                                       "pollock7",
                                       "pollock7-comparison",
                                       "bmi",
                                       "slaughter",
                                       "slaughter-comparison",
                                       "waist-hip",
                                       "faulkner",
                                       "lohman",
                                       "lohman-comparison",
                                       "tran"};
        QTest::newRow("no body-composition row") << row(Sim, true) << NoRow << true << EveryTest;
        QTest::newRow("only Pollock 3 recorded")
            << row(Nao, true, {{"CORPORAL_POLLOCK3", Sim}}) << QStringLiteral("3XXXXXXXXX") << true
            << QStringList{"cover", "introduction", "pollock3", "pollock3-comparison"};
        // The letter counts wherever it stands.
        QTest::newRow("letter out of its position")
            << row(Nao, true, {{"CORPORAL_IMC", Sim}}) << QStringLiteral("XL") << true
            << QStringList{"cover", "introduction", "lohman", "lohman-comparison"};
        QTest::newRow("protocol switched off but recorded")
            << row(Nao, true, {{"CORPORAL_IMC", Sim}}) << QStringLiteral("37XXXXXXXX") << false
            << QStringList{"cover", "pollock3", "pollock3-comparison", "pollock7",
                           "pollock7-comparison"};
        QTest::newRow("no protocol in use") << row(Nao, true) << QStringLiteral("37ICQFLTXX")
                                            << true << QStringList{"cover", "introduction"};
        QTest::newRow("null is not in use") << row(QVariant(), true) << QStringLiteral("37ICQFLTXX")
                                            << true << QStringList{"cover", "introduction"};
        QTest::newRow("tests one by one")
            << row(Nao, true, {{"EXAME_MUSCULAR", Sim}, {"EXAME_POSTURAL", Sim}, {"VOZ", Sim}})
            << NoRow << false
            << QStringList{
                   "cover",          "perimetry", "perimetry-comparison", "postural-front-back",
                   "postural-sides", "vo2max"};
    }
    void availability()
    {
        QFETCH(QVariantHash, settings);
        QFETCH(QString, markers);
        QFETCH(bool, mayChange);
        QFETCH(QStringList, available);
        QCOMPARE(names(availablePages(settings, ::markers(markers), mayChange)),
                 names(pages(available)));
    }

    void defaultTicks_data()
    {
        QTest::addColumn<QVariantHash>("settings");
        QTest::addColumn<QStringList>("available");
        QTest::addColumn<QStringList>("ticked");

        const QStringList protocols{
            "pollock3",  "pollock3-comparison",  "pollock7", "pollock7-comparison",
            "slaughter", "slaughter-comparison", "lohman",   "lohman-comparison",
            "bmi"};
        QTest::newRow("no flag set") << row(Sim, false) << EveryTest + protocols << QStringList{};
        QTest::newRow("null flags")
            << row(Sim, QVariant()) << EveryTest + protocols << QStringList{};
        QTest::newRow("every flag set")
            << row(Sim, true) << EveryTest + protocols << EveryTest + protocols;
        // A page ticked by default brings its comparison; the comparison has no flag.
        QTest::newRow("perimetry and Pollock 3")
            << row(Sim, false, {{"EXAME_MUSCULAR_IMP", true}, {"CORPORAL_POLLOCK3_IMP", true}})
            << EveryTest + protocols
            << QStringList{"perimetry", "perimetry-comparison", "pollock3", "pollock3-comparison"};
        QTest::newRow("both postural pages on one flag")
            << row(Sim, false, {{"EXAME_POSTURAL_IMP", true}}) << EveryTest
            << QStringList{"postural-front-back", "postural-sides"};
        // A flag never ticks a box that is not available.
        QTest::newRow("unavailable boxes stay clear")
            << row(Sim, true) << QStringList{"cover", "pollock3", "pollock3-comparison"}
            << QStringList{"cover", "pollock3", "pollock3-comparison"};
    }
    void defaultTicks()
    {
        QFETCH(QVariantHash, settings);
        QFETCH(QStringList, available);
        QFETCH(QStringList, ticked);
        QCOMPARE(names(kelvora::reportpages::defaultTicks(pages(available), settings)),
                 names(pages(ticked)));
    }

    // A comparison brings its page; a page does not bring its comparison.
    void comparisonCoupling()
    {
        QCOMPARE(names(withTick({}, PageBox::LohmanComparison)),
                 (QStringList{"lohman", "lohman-comparison"}));
        QCOMPARE(names(withTick({}, PageBox::PerimetryComparison)),
                 (QStringList{"perimetry", "perimetry-comparison"}));
        QCOMPARE(names(withTick({}, PageBox::Lohman)), QStringList{"lohman"});
        QCOMPARE(names(withTick({PageBox::Cover}, PageBox::Pollock7Comparison)),
                 (QStringList{"cover", "pollock7", "pollock7-comparison"}));
    }
};

QTEST_APPLESS_MAIN(ReportPagesTest)
#include "tst_report_pages.moc"
