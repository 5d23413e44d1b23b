// The vector tool through the real windows on the offscreen platform: a whole
// run from the launcher, the alert for a count below 1, and the vectors
// window refusing input while a sheet is attached.
#include "Interface.h"
#include "WindowHelpers.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

namespace {

using test::accessibleValue;
using test::clickThroughWindow;
using test::find;

QWidget* topLevel(const char* name)
{
    QWidget* found = test::topLevel(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("no window named %s", name);
    return found;
}

class VectorToolTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void a_whole_run_through_the_real_windows();
    void count_below_one_shows_the_alert_until_ok_data();
    void count_below_one_shows_the_alert_until_ok();
    void vectors_window_refuses_input_while_a_sheet_is_attached_data();
    void vectors_window_refuses_input_while_a_sheet_is_attached();
    void clear_blanks_the_list_the_results_and_the_picture();
    void chooser_reads_back_each_code_exactly();

private:
    QWidget* vectors() const { return topLevel("vectWin"); }
    QDialog* countPanel() const { return find<QDialog>(vectors(), "firstPanel"); }
    QDialog* newVector() const { return find<QDialog>(vectors(), "newVectWin"); }
    QMessageBox* alert() const { return vectors()->findChild<QMessageBox*>(); }
    QString text(const char* field) const { return find<QLineEdit>(vectors(), field)->text(); }
    QString list() const { return find<QPlainTextEdit>(vectors(), "listOfVectors")->toPlainText(); }

    void open();
    void declare(const QString& count);
    void enter(const QString& name, const QString& magnitude, const QString& angle,
               const QString& code);

    app::Interface* interface = nullptr;
};

void VectorToolTest::init()
{
    // The store outlives each test's windows.
    vectorStore::reset();
    interface = new app::Interface;
    interface->launcher().show();
    QVERIFY(QTest::qWaitForWindowExposed(&interface->launcher()));
}

void VectorToolTest::cleanup()
{
    delete interface;
    interface = nullptr;
}

void VectorToolTest::open()
{
    clickThroughWindow(find(&interface->launcher(), "awakeVectors"));
    QVERIFY(QTest::qWaitForWindowActive(countPanel()));
    QTRY_COMPARE(QApplication::focusWidget(), find(countPanel(), "numberOfVectors"));
}

// Types the count and presses Return, which presses Start.
void VectorToolTest::declare(const QString& count)
{
    QTest::keyClicks(QApplication::focusWidget(), count);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!countPanel()->isVisible());
}

// Types over the texts left from the vector before, field by field with Tab,
// and clicks Add vector.
void VectorToolTest::enter(const QString& name, const QString& magnitude, const QString& angle,
                           const QString& code)
{
    QVERIFY(QTest::qWaitForWindowActive(newVector()));
    QTRY_COMPARE(QApplication::focusWidget(), find(newVector(), "name"));
    for (const QString& typed : {name, magnitude, angle}) {
        QTest::keyClicks(QApplication::focusWidget(), typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    auto* where = find<QComboBox>(newVector(), "where");
    QCOMPARE(QApplication::focusWidget(), where);
    where->setCurrentIndex(where->findText(code));
    QCOMPARE(where->currentText(), code);
    clickThroughWindow(find(newVector(), "confirm"));
}

void VectorToolTest::a_whole_run_through_the_real_windows()
{
    // Cancelled once first: the count panel comes back ready for typing.
    open();
    QTest::keyClick(countPanel(), Qt::Key_Escape);
    QVERIFY(!vectors()->isVisible());
    open();
    declare(QStringLiteral("3"));
    enter(QStringLiteral("A"), QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("++"));
    // The sheet comes back holding the last vector's texts, the name selected
    // so that typing replaces it.
    QVERIFY(QTest::qWaitForWindowActive(newVector()));
    QTRY_COMPARE(find<QLineEdit>(newVector(), "name")->selectedText(), QStringLiteral("A"));
    QCOMPARE(find<QLineEdit>(newVector(), "power")->text(), QStringLiteral("10"));
    QCOMPARE(list(), QStringLiteral("A/10/0/++\n"));
    QCOMPARE(text("result"), QString());
    enter(QStringLiteral("B"), QStringLiteral("10"), QStringLiteral("90"), QStringLiteral("++"));
    enter(QStringLiteral("C"), QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("x -"));

    QVERIFY(!newVector()->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(list(), QStringLiteral("A/10/0/++\nB/10/90/++\nC/3/0/x -\n"));
    const std::pair<const char*, const char*> shown[] = {
        {"rx", "7.0000"}, {"ry", "10.0000"}, {"result", "12.2066"}};
    for (const auto& [field, value] : shown) {
        QCOMPARE(text(field), QLatin1String(value));
        QCOMPARE(accessibleValue(find(vectors(), field)), QLatin1String(value));
    }
    QWidget* diagram = find(vectors(), "diagram");
    QCOMPARE(diagram->accessibleName(), QStringLiteral("Picture of the vectors"));
    QVERIFY2(diagram->accessibleDescription().contains(
                 QStringLiteral("x component 7.0000, y component 10.0000, magnitude 12.2066, "
                                "direction 55.01 degrees")),
             qPrintable(diagram->accessibleDescription()));
}

void VectorToolTest::count_below_one_shows_the_alert_until_ok_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("escape");
    QTest::newRow("0, OK") << QStringLiteral("0") << false;
    QTest::newRow("-3, OK") << QStringLiteral("-3") << false;
    QTest::newRow("abc, Escape") << QStringLiteral("abc") << true;
}

void VectorToolTest::count_below_one_shows_the_alert_until_ok()
{
    QFETCH(QString, count);
    QFETCH(bool, escape);
    open();
    declare(count);

    QPointer<QMessageBox> shown = alert();
    QVERIFY(shown != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QCOMPARE(shown->parentWidget(), vectors());
    QCOMPARE(shown->windowModality(), Qt::WindowModal);
    QCOMPARE(QApplication::activeModalWidget(), shown.data());
    QCOMPARE(shown->windowTitle(), QStringLiteral("Caution!"));
    QCOMPARE(shown->text(), QStringLiteral("Cannot declare zero (0) vectors."));
    QCOMPARE(shown->buttons().size(), 1);
    QCOMPARE(shown->buttons().constFirst()->text(), QStringLiteral("OK"));

    if (escape)
        QTest::keyClick(shown, Qt::Key_Escape);
    else
        clickThroughWindow(shown->buttons().constFirst());

    QTRY_VERIFY(shown == nullptr || !shown->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(vectors()->isVisible());
    QVERIFY(!countPanel()->isVisible());
}

void VectorToolTest::vectors_window_refuses_input_while_a_sheet_is_attached_data()
{
    QTest::addColumn<QString>("count"); // empty: the count panel stays attached
    QTest::addColumn<QString>("sheet");
    QTest::newRow("count panel") << QString() << QStringLiteral("firstPanel");
    QTest::newRow("new-vector sheet") << QStringLiteral("1") << QStringLiteral("newVectWin");
    QTest::newRow("alert") << QStringLiteral("0") << QStringLiteral("alertSheet");
}

void VectorToolTest::vectors_window_refuses_input_while_a_sheet_is_attached()
{
    QFETCH(QString, count);
    QFETCH(QString, sheet);
    open();
    if (!count.isEmpty())
        declare(count);
    QWidget* attached = vectors()->findChild<QWidget*>(sheet);
    QVERIFY(attached != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(attached));

    auto* clear = find<QPushButton>(vectors(), "clear");
    QSignalSpy cleared(clear, &QPushButton::clicked);
    clickThroughWindow(clear);
    QCOMPARE(cleared.count(), 0);
    QVERIFY(attached->isVisible());

    // Other windows stay usable.
    clickThroughWindow(find(&interface->launcher(), "awakePiano"));
    QVERIFY(topLevel("pianoWin")->isVisible());

    // Without the sheet the same click gets through: the check above can fail.
    attached->hide();
    QTRY_COMPARE(QApplication::activeModalWidget(), nullptr);
    clickThroughWindow(clear);
    QCOMPARE(cleared.count(), 1);
}

void VectorToolTest::clear_blanks_the_list_the_results_and_the_picture()
{
    QWidget* diagram = find(vectors(), "diagram");
    vectors()->show();
    QVERIFY(QTest::qWaitForWindowExposed(vectors()));
    const QImage blank = diagram->grab().toImage();
    const QString blankDescription = diagram->accessibleDescription();
    vectors()->hide();
    open();
    declare(QStringLiteral("1"));
    enter(QStringLiteral("F"), QStringLiteral("5"), QStringLiteral("30"), QStringLiteral("-+"));
    QCOMPARE(text("rx"), QStringLiteral("-4.3301"));
    QVERIFY(diagram->grab().toImage() != blank);

    clickThroughWindow(find(vectors(), "clear"));

    QCOMPARE(list(), QString());
    for (const char* field : {"rx", "ry", "result"})
        QCOMPARE(text(field), QString());
    QCOMPARE(diagram->grab().toImage(), blank);
    QCOMPARE(diagram->accessibleDescription(), blankDescription);
    QCOMPARE(vectorStore::entering(), 0);
}

void VectorToolTest::chooser_reads_back_each_code_exactly()
{
    auto* where = find<QComboBox>(newVector(), "where");
    platform::qt::ComboBoxChoice choice(where);
    QSet<QString> titles;
    for (int index = 0; index < where->count(); ++index) {
        where->setCurrentIndex(index);
        titles.insert(QString::fromStdString(choice.title()));
    }
    const QSet<QString> codes{QStringLiteral("++"),  QStringLiteral("+-"),  QStringLiteral("--"),
                              QStringLiteral("-+"),  QStringLiteral("x +"), QStringLiteral("y +"),
                              QStringLiteral("x -"), QStringLiteral("y -")};
    QCOMPARE(where->count(), 8);
    QCOMPARE(titles, codes);
}

} // namespace

QTEST_MAIN(VectorToolTest)
#include "VectorToolTest.moc"
