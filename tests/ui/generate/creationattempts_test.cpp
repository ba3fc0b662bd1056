#include "base/random.h"
#include "generate/ui/creationattempts.h"
#include "storage/settings.h"
#include "support/puzzles.h"
#include "support/ui/uifixture.h"
#include "ui/uitestmain.h"
#include "wordlist/badwordlist.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstring>

namespace {

// A 15 x 15 puzzle with a few words, a full shape and all directions.
struct RunFixture {
    std::unique_ptr<PuzzleRecord> record = makePuzzle("Animals", "Farm");
    ShapeRecord shape{};
    GenerationSettings settings;
    std::unique_ptr<CandidateSlots> candidates = std::make_unique<CandidateSlots>();
    BadWordList badList;

    explicit RunFixture(int attempts)
    {
        const char* words[] = {"HORSE", "COW", "SHEEP", "GOAT", "PIG", "DUCK", "GOOSE", "HEN"};
        int k = 0;
        for (const char* word : words)
            record->word(++k).assign(word);
        record->WordCount = k;
        std::memset(&shape, 0, sizeof shape);
        shape.ShapeWidth = 15;
        shape.ShapeHeight = 15;
        for (int r = 1; r <= 15; ++r)
            for (int c = 1; c <= 15; ++c)
                shape.setCell(r, c, true);
        settings.attempts = attempts;
        badList.setEntries({});
    }
    GenerationContext context() { return GenerationContext{*record, shape, settings, *candidates, badList}; }
};

} // namespace

class CreationAttemptsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_ui = std::make_unique<UiFixture>();
        setFixedRandomSeed(7);
    }
    void cleanup()
    {
        clearFixedRandomSeed();
        m_ui.reset();
    }

    void aCompletedRunShowsTheRequestedNumberAndOk()
    {
        RunFixture fixture(25);
        GenerationContext context = fixture.context();
        TCreationAttempts form(context, m_ui->context());
        form.show();
        QTRY_VERIFY_WITH_TIMEOUT(!form.isBuilding(), 20000);
        QCOMPARE(form.progressLine1(), QStringLiteral("Creation Attempt #25"));
        QCOMPARE(form.progressLine2(), QStringLiteral("Completed"));
        QCOMPARE(form.findChild<QPushButton*>("Cancel")->text(), QStringLiteral("&Ok"));
        QVERIFY(fixture.candidates->score(1) > 0);
        QVERIFY(form.isVisible());
        form.CancelClick(); // "&Ok" closes
        QVERIFY(!form.isVisible());
    }

    void abortEndsTheRunBetweenAttempts()
    {
        RunFixture fixture(999);
        fixture.record->word(9).assign("XYZXYZXYZXYZXYZ"); // never all placed: no early end
        fixture.record->word(10).assign("QQQQQQQQQQQQQQQ");
        fixture.record->WordCount = 10;
        fixture.settings.integration = 0;
        GenerationContext context = fixture.context();
        TCreationAttempts form(context, m_ui->context());
        form.show();
        // Queued behind the start of the run: pressed during its first attempt.
        QTimer::singleShot(0, &form, [&form] { form.CancelClick(); });
        QTRY_VERIFY_WITH_TIMEOUT(!form.isBuilding(), 20000);
        QVERIFY(form.progressLine1().startsWith(QStringLiteral("Aborted on creation Attempt #")));
        QVERIFY(form.generationResult().aborted);
        QVERIFY(form.generationResult().attemptCounter < 999);
        QVERIFY(form.progressLine2().isEmpty());
    }

private:
    std::unique_ptr<UiFixture> m_ui;
};

QM_UI_TEST(CreationAttemptsTest)
#include "creationattempts_test.moc"
