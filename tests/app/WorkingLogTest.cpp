// Working panes, lab sheet and results log in the real windows: built on first use, wired, saved.
#include "ErrorController.h"
#include "Interface.h"
#include "WindowHelpers.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using test::find;
using test::topLevel;

namespace {

class WorkingLogTest : public QObject
{
    Q_OBJECT

    static QWidget* open(const QString& window)
    {
        QWidget* tool = topLevel(window);
        tool->show();
        tool->activateWindow();
        if (!QTest::qWaitForWindowActive(tool))
            qWarning("%s did not become active", qPrintable(window));
        return tool;
    }
    app::Interface* interface = nullptr;

private Q_SLOTS:
    void init()
    {
        // The running mean outlives the windows; each test starts without one.
        runningMean::reset();
        interface = new app::Interface;
        interface->launcher().show();
        QVERIFY(QTest::qWaitForWindowExposed(&interface->launcher()));
    }
    void cleanup() { delete interface; }

    void working_is_built_when_first_shown_and_remembered_data()
    {
        QTest::addColumn<QStringList>("words"); // window, button, result, field/text pairs
        const auto row = [](const char* name, const char* words) {
            QTest::newRow(name) << QString::fromLatin1(words).split(QLatin1Char(' '));
        };
        row("plane", "pianoWin analyze labPara weight 10 height 3 lenght 5");
        row("errors", "errWin getAbs absLabel setRel 0.05 setVal 20");
        row("friction", "attrWin getF1d f1d kas 0.5 fpOfstat 40");
        row("torque", "momWin getSimple rx1 power1 50 dist 0.25 alpha 30");
        row("fluid", "fluidWin getPress1 press1 forza 100 area 4");
    }

    void working_is_built_when_first_shown_and_remembered()
    {
        QFETCH(QStringList, words);
        QWidget* tool = open(words.at(0));
        for (qsizetype i = 3; i + 1 < words.size(); i += 2)
            QTest::keyClicks(find<QLineEdit>(tool, qPrintable(words.at(i))), words.at(i + 1));
        find<QPushButton>(tool, qPrintable(words.at(1)))->click();
        // Pressing a tool's button does not build a pane nobody asked to see.
        QVERIFY(tool->findChild<QPlainTextEdit*>(QStringLiteral("working")) == nullptr);
        auto* toggle = find<QPushButton>(tool, "showWorking");
        toggle->click();
        auto* pane = tool->findChild<QPlainTextEdit*>(QStringLiteral("working"));
        QVERIFY(pane != nullptr && pane->isVisible() && pane->isReadOnly());
        QString shown = find<QLineEdit>(tool, qPrintable(words.at(2)))->text();
        shown.remove(QStringLiteral(" Nm")).prepend(QStringLiteral("= "));
        QVERIFY2(pane->toPlainText().contains(shown), qPrintable(pane->toPlainText()));
        // Closed and opened again, the window still shows its working.
        tool->close();
        open(words.at(0));
        QVERIFY(toggle->isChecked() && pane->isVisible());
        toggle->click();
        QVERIFY(!pane->isVisible());
    }

    // Each step's list and every figure field, so that a field showing
    // another figure, or a Remove last that drops another value, shows.
    void lab_sheet_follows_the_series_typed()
    {
        QWidget* errors = open(QStringLiteral("errWin"));
        QVERIFY(errors->findChild<QWidget*>(QStringLiteral("labSheet")) == nullptr);
        auto* value = find<QLineEdit>(errors, "valToMedia");
        for (const char* typed : {"2.01", "1.98", "2.03", "2.00", "1.99"}) {
            value->setText(QString::fromLatin1(typed));
            QTest::keyClick(value, Qt::Key_Return);
        }
        auto* sheet = errors->findChild<QWidget*>(QStringLiteral("labSheet"));
        QVERIFY(sheet != nullptr && !sheet->isVisible());
        find<QPushButton>(errors, "showLabSheet")->click();
        QVERIFY(sheet->isVisible());
        const auto shown = [sheet] {
            QStringList texts;
            auto* values = find<QListWidget>(sheet, "values");
            for (int row = 0; row < values->count(); ++row)
                texts.append(values->item(row)->text());
            for (const char* field : {"count", "minimum", "maximum", "mean", "halfRange",
                                      "deviation", "deviationOfMean", "result"})
                texts.append(find<QLineEdit>(sheet, field)->text());
            return texts.join(QLatin1Char(' '));
        };
        // n, min, max, x̄, half-range, s, s/√n, x̄ ± Δx; worked out by hand.
        QCOMPARE(shown(), QStringLiteral("2.01 1.98 2.03 2 1.99 5 1.98 2.03 2.002 0.025 0.0192 "
                                         "0.00860 2.00 \u00b1 0.03"));
        // The figures are the values' to change, not the keyboard's.
        for (const char* figure : {"count", "minimum", "maximum", "mean", "halfRange", "deviation",
                                   "deviationOfMean", "result"}) {
            auto* field = find<QLineEdit>(sheet, figure);
            const QString before = field->text();
            QTest::keyClicks(field, QStringLiteral("9"));
            QCOMPARE(field->text(), before);
        }
        find<QPushButton>(sheet, "removeLast")->click();
        QCOMPARE(shown(), QStringLiteral("2.01 1.98 2.03 2 4 1.98 2.03 2.005 0.025 0.0208 0.0104 "
                                         "2.01 \u00b1 0.03"));
        find<QPushButton>(sheet, "removeLast")->click();
        QCOMPARE(shown(), QStringLiteral("2.01 1.98 2.03 3 1.98 2.03 2.00666666667 0.025 0.0252 "
                                         "0.0145 2.01 \u00b1 0.03"));

        // The resolution and unit count at once, typed or set as voice
        // control sets them, through the accessibility interface.
        const auto setByVoice = [](QLineEdit* field, const QString& text) {
            QAccessible::queryAccessibleInterface(field)->editableTextInterface()->replaceText(
                0, static_cast<int>(field->text().size()), text);
        };
        const auto typeOver = [](QLineEdit* field, const QString& text) {
            field->selectAll();
            QTest::keyClicks(field, text);
        };
        auto* resolution = find<QLineEdit>(sheet, "resolution");
        auto* unit = find<QLineEdit>(sheet, "unit");
        auto* result = find<QLineEdit>(sheet, "result");
        setByVoice(resolution, QStringLiteral("0.1"));
        QCOMPARE(result->text(), QStringLiteral("2.01 \u00b1 0.10"));
        setByVoice(unit, QStringLiteral("m"));
        QCOMPARE(result->text(), QStringLiteral("(2.01 \u00b1 0.10) m"));
        typeOver(resolution, QStringLiteral("0.2"));
        QCOMPARE(result->text(), QStringLiteral("(2.0 \u00b1 0.2) m"));
        typeOver(unit, QStringLiteral("cm"));
        QCOMPARE(result->text(), QStringLiteral("(2.0 \u00b1 0.2) cm"));

        QApplication::clipboard()->clear();
        find<QPushButton>(sheet, "copySheet")->click();
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("Values (cm)\n2.01\n1.98\n2.03\nn: 3\nMinimum: 1.98\nMaximum: "
                                "2.03\nMean: 2.00666666667\nHalf-range: 0.025\nStandard deviation "
                                "s: 0.0252\ns / \u221an: 0.0145\nResult: (2.0 \u00b1 0.2) cm\n"));
        find<QPushButton>(errors, "erase")->click();
        QCOMPARE(find<QListWidget>(sheet, "values")->count(), 0);
    }

    // The list edits by its keys; the field and the unit turn a pasted
    // column into values and a tab into a space; quitting names the sheet.
    void lab_sheet_edits_by_key_and_quitting_names_what_would_be_lost()
    {
        QWidget* errors = open(QStringLiteral("errWin"));
        find<QPushButton>(errors, "showLabSheet")->click();
        auto* value = find<QLineEdit>(errors, "valToMedia");
        QApplication::clipboard()->setText(QStringLiteral("2.01\n1,98\n2.03\n"));
        value->paste();
        QCOMPARE(value->text(), QString());
        auto* list = find<QListWidget>(errors, "values");
        const auto listed = [list] {
            QStringList texts;
            for (int row = 0; row < list->count(); ++row)
                texts.append(list->item(row)->text());
            return texts.join(QLatin1Char(' '));
        };
        auto* count = find<QLineEdit>(errors, "count");
        auto* notes = find<QPlainTextEdit>(errors, "sheetNotes");
        QCOMPARE(listed() + QLatin1Char(' ') + count->text(), u"2.01 1.98 2.03 3"_qs);
        QVERIFY(notes->isVisible() && notes->isReadOnly()
                && notes->toPlainText() == u"Value 2 typed \u201c1,98\u201d, read as 1.98."_qs);

        list->setFocus();
        list->setCurrentRow(1);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(listed() + QLatin1Char(' ') + count->text(), u"2.01 2.03 2"_qs);
        QVERIFY(!notes->isVisible()); // its value gone, the note goes too
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(listed() + QLatin1Char(' ') + count->text(), u"2.01 1.98 2.03 3"_qs);
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_F2);
        auto* editor = list->findChild<QLineEdit*>();
        QVERIFY(editor != nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("2,02"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the editor's text is taken later
        QCOMPARE(listed(), u"2.02 1.98 2.03"_qs);
        QApplication::clipboard()->setText(QStringLiteral("2.00\t1.99"));
        QTest::keyClick(list, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(listed() + QLatin1Char(' ') + find<QLineEdit>(errors, "mean")->text(),
                 u"2.02 1.98 2.03 2 1.99 2.004"_qs);

        auto* unit = find<QLineEdit>(errors, "unit");
        unit->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("m\t=cmd|' /C calc'!A0"));
        unit->paste();
        QCOMPARE(unit->text(), u"m =cmd|' /C calc'!A0"_qs);

        QVERIFY(!interface->launcher().close());
        auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(question != nullptr && question->objectName() == u"quitQuestion");
        QCOMPARE(question->text(), u"The lab sheet holds values not sent to the results log.\n\n"
                                   "Quit and lose them?"_qs);
        QVERIFY(question->button(QMessageBox::Save) && question->button(QMessageBox::Discard));
        question->button(QMessageBox::Cancel)->click();
        find<QPushButton>(errors, "sendSheetToLog")->click();
        QVERIFY(!interface->launcher().close());
        QCOMPARE(question->text(), u"The results log holds computations not saved.\n\n"
                                   "Quit and lose them?"_qs);
        question->button(QMessageBox::Cancel)->click();
    }

    void save_log_then_quit_data()
    {
        QTest::addColumn<bool>("chosen"); // a file chosen, or the save dialog cancelled
        QTest::newRow("file chosen: the sheet is saved, then it quits") << true;
        QTest::newRow("dialog cancelled: it stays, the log unsaved") << false;
    }

    // Save log… in the quit question puts the unsent sheet in the log and
    // quits once the file is written, not before and not without it.
    void save_log_then_quit()
    {
        QFETCH(bool, chosen);
        QWidget* errors = open(QStringLiteral("errWin"));
        find<QPushButton>(errors, "showLabSheet")->click();
        QApplication::clipboard()->setText(QStringLiteral("1.44\n1.46\n"));
        find<QLineEdit>(errors, "valToMedia")->paste();
        QTemporaryDir directory;
        const QString path = directory.filePath(u"lab.csv"_qs);
        // Quitting ends the event loop, so the answers are given inside one;
        // a program that does not quit is let go after a second.
        QTimer giveUp;
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, this, [] { QCoreApplication::exit(1); });
        QTimer::singleShot(0, this, [this, chosen, path] {
            QVERIFY(!interface->launcher().close());
            auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(question != nullptr && question->objectName() == u"quitQuestion");
            question->button(QMessageBox::Save)->click();
            auto* dialog = topLevel(QStringLiteral("resultsLogWin"))
                               ->findChild<QFileDialog*>(QStringLiteral("saveLogDialog"));
            QVERIFY(dialog != nullptr && dialog->isVisible());
            if (chosen) {
                dialog->selectFile(path);
                static_cast<QDialog*>(dialog)->accept();
            } else {
                dialog->reject();
            }
        });
        giveUp.start(1000);
        QCOMPARE(QCoreApplication::exec() == 0, chosen);
        QCOMPARE(interface->hasUnsavedWork(), !chosen);
        QFile file(path);
        QCOMPARE(file.open(QIODevice::ReadOnly), chosen);
        if (chosen) {
            const QString text = QString::fromUtf8(file.readAll());
            QVERIFY2(text.contains(u"Measurement errors: lab sheet,x1 = 1.44; x2 = 1.46,n = 2;"_qs),
                     qPrintable(text));
        }
    }

    void results_log_saves_in_the_format_its_name_or_filter_asks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter"); // 0 CSV, 1 Markdown
        QTest::addColumn<QString>("saved");
        QTest::newRow("csv by name") << u"session.csv"_qs << 0 << u"session.csv"_qs;
        QTest::newRow("csv by filter") << u"session"_qs << 0 << u"session.csv"_qs;
        QTest::newRow("markdown by name") << u"lesson.md"_qs << 0 << u"lesson.md"_qs;
        QTest::newRow("markdown by filter") << u"lesson"_qs << 1 << u"lesson.md"_qs;
    }

    // Whatever the format, the file reads back as the rows on screen, each
    // in its four columns, the vector sum's commas included.
    void results_log_saves_in_the_format_its_name_or_filter_asks()
    {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(QString, saved);
        QWidget* log = logTwoComputations();
        QVERIFY(log != nullptr && interface->hasUnsavedWork());
        find<QPushButton>(log, "saveLog")->click();
        auto* dialog = log->findChild<QFileDialog*>(QStringLiteral("saveLogDialog"));
        QVERIFY(dialog != nullptr && dialog->isVisible() && dialog->isModal());
        QTemporaryDir directory;
        // The filter chosen as a person chooses it, with the arrow keys.
        auto* filters = find<QComboBox>(dialog, "fileTypeCombo");
        QTest::keyClick(filters, filter == 0 ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(filters->currentIndex(), filter);
        dialog->selectFile(directory.filePath(typed));
        static_cast<QDialog*>(dialog)->accept();
        QFile file(directory.filePath(saved));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(saved));
        const QByteArray bytes = file.readAll();
        const QString text = QString::fromUtf8(bytes);
        QList<QStringList> rows;
        if (saved.endsWith(u".csv")) {
            // A spreadsheet knows UTF-8 by its byte-order mark.
            QVERIFY(bytes.startsWith("\xef\xbb\xbf"));
            rows = csvRows(text);
            QProcess python;
            python.start(QStringLiteral("python3"),
                         {QStringLiteral("-c"),
                          QStringLiteral("import csv, json, sys; print(json.dumps(list(csv.reader("
                                         "open(sys.argv[1], encoding='utf-8-sig', newline='')))))"),
                          file.fileName()});
            if (python.waitForFinished() && python.exitCode() == 0) {
                QList<QStringList> read;
                for (const QJsonValue row :
                     QJsonDocument::fromJson(python.readAllStandardOutput()).array())
                    read.append(row.toVariant().toStringList());
                QCOMPARE(read, expectedRows(read));
            }
        } else {
            QStringList lines = text.split(QLatin1Char('\n'));
            QCOMPARE(lines.takeLast(), QString());
            QCOMPARE(lines.filter(u"---"_qs), QStringList{lines.value(1)}); // below the header only
            lines.removeAt(1);
            for (const QString& line : lines) {
                QVERIFY2(line.startsWith(u"| ") && line.endsWith(u" |"), qPrintable(line));
                rows.append(line.mid(2, line.size() - 4).split(u" | "_qs));
            }
        }
        QCOMPARE(rows, expectedRows(rows));
        QVERIFY(!interface->hasUnsavedWork());
    }

    void results_log_copies_text_clears_and_reports_a_failed_save()
    {
        QWidget* log = logTwoComputations();
        QVERIFY(log != nullptr);
        QApplication::clipboard()->clear();
        find<QPushButton>(log, "copyLog")->click();
        QList<QStringList> copied;
        for (const QString& line : QApplication::clipboard()->text().split(QLatin1Char('\n')))
            copied.append(line.split(QLatin1Char('\t')));
        QCOMPARE(copied.takeLast(), QStringList{QString()});
        QCOMPARE(copied, expectedRows(copied));

        // Every cell of a column that does not stretch is shown whole.
        auto* entries = find<QTableWidget>(log, "entries");
        for (int row = 0; row < entries->rowCount(); ++row) {
            for (int column = 0; column + 1 < entries->columnCount(); ++column) {
                const QString text = entries->item(row, column)->text();
                QVERIFY2(entries->fontMetrics().horizontalAdvance(text)
                             < entries->columnWidth(column),
                         qPrintable(text));
            }
        }

        // A logged result cannot be typed over.
        const QString logged = entries->item(1, 3)->text();
        const QPoint cell = entries->visualItemRect(entries->item(1, 3)).center();
        QTest::mouseClick(entries->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(entries->viewport(), Qt::LeftButton, {}, cell);
        if (auto* editor = entries->findChild<QLineEdit*>()) {
            QTest::keyClicks(editor, QStringLiteral("9"));
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents(); // the editor's text is taken later
        }
        QCOMPARE(entries->item(1, 3)->text(), logged);

        // Into a folder that is gone: a warning, and the log is not saved.
        find<QPushButton>(log, "saveLog")->click();
        auto* dialog = log->findChild<QFileDialog*>(QStringLiteral("saveLogDialog"));
        QTemporaryDir directory;
        dialog->selectFile(directory.filePath(u"gone/session.csv"_qs));
        static_cast<QDialog*>(dialog)->accept();
        auto* warning = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(warning != nullptr && warning->icon() == QMessageBox::Warning);
        warning->close();
        QVERIFY(!interface->launcher().close()); // quitting asks
        auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(question != nullptr && question->objectName() == u"quitQuestion");
        question->button(QMessageBox::Cancel)->click();

        find<QPushButton>(log, "clearLog")->click();
        QCOMPARE(find<QTableWidget>(log, "entries")->rowCount(), 0);
        QVERIFY(interface->launcher().close()); // nothing left to lose: no question
    }

private:
    // The inclined plane's worked example and a sum of two vectors, logged
    // and shown in the log window, opened by its key; none if either is not.
    QWidget* logTwoComputations()
    {
        QWidget* plane = open(QStringLiteral("pianoWin"));
        for (const auto& [field, text] : {std::pair{"weight", "10"}, std::pair{"height", "3"},
                                          std::pair{"base", "4"}, std::pair{"lenght", "500 cm"}})
            QTest::keyClicks(find<QLineEdit>(plane, field), QString::fromLatin1(text));
        // Open before the first press: each row is added to the window as it comes.
        QTest::keyClick(plane, Qt::Key_L, Qt::ControlModifier);
        QWidget* log = topLevel(QStringLiteral("resultsLogWin"));
        if (log == nullptr || !QTest::qWaitForWindowExposed(log))
            return nullptr;
        find<QPushButton>(plane, "analyze")->click();

        find<QPushButton>(&interface->launcher(), "awakeVectors")->click();
        QWidget* vectors = topLevel(QStringLiteral("vectWin"));
        auto* panel = find<QDialog>(vectors, "firstPanel");
        find<QLineEdit>(panel, "numberOfVectors")->setText(QStringLiteral("2"));
        find<QPushButton>(panel, "declareVectorsNumber")->click();
        auto* sheet = find<QDialog>(vectors, "newVectWin");
        for (const auto& [name, power, code] : {std::tuple{"a", "3", "x +"}, {"b", "4", "y +"}}) {
            find<QLineEdit>(sheet, "name")->setText(QString::fromLatin1(name));
            find<QLineEdit>(sheet, "power")->setText(QString::fromLatin1(power));
            find<QLineEdit>(sheet, "angle")->setText(QStringLiteral("0"));
            auto* where = find<QComboBox>(sheet, "where");
            where->setCurrentIndex(where->findText(QString::fromLatin1(code)));
            find<QPushButton>(sheet, "confirm")->click();
        }
        // Shown at once while the log is open.
        return find<QTableWidget>(log, "entries")->rowCount() == 2 ? log : nullptr;
    }

    // The header and the two computations; the times as the rows give them.
    static QList<QStringList> expectedRows(const QList<QStringList>& rows)
    {
        const auto time = [&rows](int row) { return rows.value(row).value(0); };
        return {
            {u"Time"_qs, u"Tool"_qs, u"Inputs"_qs, u"Results"_qs},
            {time(1), u"Inclined plane"_qs,
             u"W = 10 N; h = 3 m; b = 4 m; l = 5 m (typed \u201c500 cm\u201d) [Length: \u201c500 cm\u201d was read as 5 m.]"_qs,
             u"W\u22a5 = 8.00 N; W\u2225 = 6.00 N; \u03b1 = 36.87\u00b0"_qs},
            {time(2), u"Vector sum"_qs, u"a = 3, 0\u00b0, x +; b = 4, 0\u00b0, y +"_qs,
             u"Rx = 3.0000; Ry = 4.0000; R = 5.0000; \u03b8 = 53.13\u00b0; \u2220 = 53.13\u00b0 N of E"_qs}};
    }

    // Rows of fields as a spreadsheet reads CSV: quotes group, "" is one quote.
    static QList<QStringList> csvRows(const QString& text)
    {
        QList<QStringList> rows{{QString()}};
        bool quoted = false;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
            if (c == u'"' && quoted && next == u'"')
                rows.last().last() += text.at(++i);
            else if (c == u'"')
                quoted = !quoted;
            else if (!quoted && c == u',')
                rows.last().append(QString());
            else if (!quoted && c == u'\r' && next == u'\n' && ++i)
                rows.append({QString()});
            else
                rows.last().last() += c;
        }
        if (rows.last() == QStringList{QString()})
            rows.removeLast();
        return rows;
    }
};

} // namespace

QTEST_MAIN(WorkingLogTest)
#include "WorkingLogTest.moc"
