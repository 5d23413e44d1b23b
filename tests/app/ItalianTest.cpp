// The real windows on an Italian desktop: every text the person reads or hears
// is the Italian translation, except the few that stay the same in every
// language; names and mnemonics stay unique; results keep their digits and
// their point.
#include "Interface.h"
#include "Translations.h"
#include "WindowHelpers.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSet>
#include <QTest>
#include <QTranslator>

namespace {

using test::find;
using test::mnemonic;

// Each window's object name and the contexts its texts are translated in: its
// form's, then those of the parts, panes and drawings built into it when it
// is first shown.
struct WindowContexts
{
    const char* name;
    std::initializer_list<const char*> contexts;
};
const WindowContexts windowContexts[] = {
    {"launcherWin", {"LauncherWindow"}},
    {"pianoWin", {"PianoWindow", "PianoSlopePart", "PianoFrictionPart", "WorkingPane", "Ramp"}},
    {"errWin", {"ErrorWindow", "LabSheetView", "LabSheet", "WorkingPane"}},
    {"attrWin",
     {"AttritoWindow", "AttritoMassPart", "AttritoMotionPart", "WorkingPane", "Friction"}},
    {"momWin", {"MomentoWindow", "MomentoLeverPart", "WorkingPane", "Torque"}},
    {"vectWin", {"VectorsWindow", "WorkingPane", "VectorsController", "Bearing"}},
    {"fluidWin", {"FluidWindow", "FluidUnitsPart", "WorkingPane", "Fluid"}},
    {"firstPanel", {"CountPanel"}},
    {"newVectWin", {"NewVectorSheet", "VectorsController"}},
};

// The tool windows, shown so that what they build on first show is there too,
// with their lab sheet and working pane open.
void showTools()
{
    for (const char* name : {"pianoWin", "errWin", "attrWin", "momWin", "fluidWin"}) {
        QWidget* tool = test::topLevel(QString::fromLatin1(name));
        tool->show();
        for (const char* toggle : {"showWorking", "showLabSheet"}) {
            if (auto* button = tool->findChild<QAbstractButton*>(QString::fromLatin1(toggle)))
                button->setChecked(true);
        }
    }
}

// Texts that are the same in every language: units and the direction codes.
const QSet<QString> fixedTexts = {
    u"N"_qs,  u"m"_qs,  u"m²"_qs, u"Pa"_qs,  u"kg/m³"_qs, u"kg"_qs,  u"°"_qs,   u"++"_qs,
    u"+-"_qs, u"-+"_qs, u"--"_qs, u"x +"_qs, u"x -"_qs,   u"y +"_qs, u"y -"_qs, u"m/s²"_qs,
};

const char* const textProperties[] = {"windowTitle",     "text",           "title",
                                      "toolTip",         "accessibleName", "accessibleDescription",
                                      "placeholderText", "statusTip",      "whatsThis"};

QWidget* window(const char* name)
{
    if (QWidget* top = test::topLevel(QString::fromLatin1(name)))
        return top;
    return find(test::topLevel(QStringLiteral("vectWin")), name);
}

// What one interface shows: every text property of every object of every
// window, by window, object and property, and the results of a worked run.
struct Shown
{
    QMap<QString, QString> texts;
    QStringList results;
    QString sheetColumns; // the lab sheet's copy, as a spreadsheet pastes it
};

void type(QWidget* window, const char* field, const QString& text)
{
    auto* edit = find<QLineEdit>(window, field);
    edit->clear();
    QTest::keyClicks(edit, text);
}

Shown showAndRun()
{
    app::Interface interface;
    interface.launcher().show();
    Shown shown;
    showTools();
    for (const auto& [name, contexts] : windowContexts) {
        QWidget* top = window(name);
        QObjectList objects{top};
        for (QObject* child : top->findChildren<QObject*>()) {
            auto* widget = qobject_cast<QWidget*>(child);
            // Qt's own helpers (qt_menubar_ext_button, the menus' own
            // actions) are not ours to name.
            const bool ours =
                !child->objectName().isEmpty() && !child->objectName().startsWith(u"qt_");
            if (ours && (!widget || widget->window() == top))
                objects.append(child);
        }
        for (QObject* object : objects) {
            for (const char* property : textProperties) {
                // An action's tooltip is its text unless set otherwise.
                if (qobject_cast<QAction*>(object) && qstrcmp(property, "toolTip") == 0)
                    continue;
                const QVariant value = object->property(property);
                if (value.typeId() == QMetaType::QString && !value.toString().isEmpty())
                    shown.texts.insert(QStringLiteral("%1/%2/%3")
                                           .arg(QLatin1String(name), object->objectName(),
                                                QLatin1String(property)),
                                       value.toString());
            }
        }
    }

    QWidget* torque = window("momWin");
    type(torque, "power1", u"10"_qs);
    type(torque, "dist", u"2"_qs);
    type(torque, "alpha", u"30"_qs);
    find<QAbstractButton>(torque, "getSimple")->click();
    shown.results.append(find<QLineEdit>(torque, "rx1")->text());

    find<QAbstractButton>(window("launcherWin"), "awakeVectors")->click();
    type(window("firstPanel"), "numberOfVectors", u"1"_qs);
    find<QAbstractButton>(window("firstPanel"), "declareVectorsNumber")->click();
    QWidget* sheet = window("newVectWin");
    type(sheet, "name", u"F1"_qs);
    type(sheet, "power", u"10.5"_qs);
    type(sheet, "angle", u"30"_qs);
    find<QComboBox>(sheet, "where")->setCurrentText(u"-+"_qs);
    find<QAbstractButton>(sheet, "confirm")->click();
    QWidget* vectors = window("vectWin");
    for (const char* field : {"rx", "ry", "result"})
        shown.results.append(find<QLineEdit>(vectors, field)->text());
    shown.results.append(find<QPlainTextEdit>(vectors, "listOfVectors")->toPlainText());
    shown.results.append(find(vectors, "diagram")->accessibleDescription());

    QWidget* errors = window("errWin");
    find<QAbstractButton>(errors, "erase")->click();
    // Decimal commas, as an Italian student writes them, in a value and the
    // resolution.
    for (const QString& value : {u"2,5"_qs, u"3"_qs}) {
        type(errors, "valToMedia", value);
        find<QAbstractButton>(errors, "addToMedia")->click();
    }
    type(errors, "resolution", u"0,5"_qs);
    shown.results.append(find<QLineEdit>(errors, "result")->text());
    find<QAbstractButton>(errors, "copySheet")->click();
    shown.sheetColumns = QString::fromUtf8(
        QApplication::clipboard()->mimeData()->data(u"text/tab-separated-values"_qs));
    return shown;
}

class ItalianTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void first_preferred_language_with_a_translation_wins_data();
    void first_preferred_language_with_a_translation_wins();
    void every_text_is_the_italian_translation_or_fixed();
    void results_keep_their_digits_and_point();
    void controls_keep_unique_names_and_mnemonics();
    void lab_sheet_copies_decimal_commas_for_a_spreadsheet();

private:
    QList<QTranslator*> translators;
    QTranslator* ours = nullptr;
    Shown english;
    Shown italian;
};

// The first interface chooses the language from the locale; the same windows
// are then built once without the translations and once with them.
void ItalianTest::initTestCase()
{
    {
        app::Interface first;
        first.launcher().show();
        QVERIFY(QTest::qWaitForWindowExposed(&first.launcher()));
        translators = qApp->findChildren<QTranslator*>();
        QCOMPARE(translators.size(), 1); // the launcher shows none of Qt's own texts
        // Qt's own Italian, for context menus and standard buttons, comes with
        // the first window after the launcher, in time for its buttons.
        test::find<QAction>(&first.launcher(), "aboutAction")->trigger();
        auto* about = test::find<QMessageBox>(&first.launcher(), "aboutBox");
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QCOMPARE(about->button(QMessageBox::Close)->text(), u"Chiudi"_qs);
    }
    translators = qApp->findChildren<QTranslator*>();
    for (QTranslator* translator : translators) {
        if (translator->filePath().contains(u"physcalc_it"))
            ours = translator;
    }
    QVERIFY2(ours != nullptr, "the Italian locale chose no PhysCalc translation");
    QCOMPARE(translators.size(), 2);

    for (QTranslator* translator : translators)
        QCoreApplication::removeTranslator(translator);
    english = showAndRun();
    for (QTranslator* translator : translators)
        QCoreApplication::installTranslator(translator);
    italian = showAndRun();
    QCOMPARE(italian.texts.keys(), english.texts.keys());
}

void ItalianTest::first_preferred_language_with_a_translation_wins_data()
{
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QString>("code");
    const auto row = [](const char* name, QStringList preferred, const char* code) {
        QTest::newRow(name) << preferred << QString::fromLatin1(code);
    };
    row("italian", {u"it-IT"_qs}, "it");
    row("english_before_italian", {u"en"_qs, u"it"_qs}, "");
    row("untranslated_then_italian", {u"de-DE"_qs, u"it-IT"_qs}, "it");
    row("untranslated_then_english", {u"fr-FR"_qs, u"en-US"_qs, u"it"_qs}, "");
    row("none", {}, "");
}

void ItalianTest::first_preferred_language_with_a_translation_wins()
{
    QFETCH(QStringList, preferred);
    QFETCH(QString, code);
    QCOMPARE(app::interfaceLanguage(preferred), code);
}

void ItalianTest::every_text_is_the_italian_translation_or_fixed()
{
    int translated = 0;
    for (auto text = english.texts.cbegin(); text != english.texts.cend(); ++text) {
        const QString windowName = text.key().section(u'/', 0, 0);
        const QString& source = text.value();
        QString expected;
        for (const auto& [name, contexts] : windowContexts) {
            if (windowName != QLatin1String(name))
                continue;
            for (const char* context : contexts) {
                if (expected.isEmpty())
                    expected = ours->translate(context, source.toUtf8().constData());
            }
            if (expected.isEmpty())
                expected = ours->translate("NumberHint", source.toUtf8().constData());
        }
        QVERIFY2(!expected.isEmpty() || fixedTexts.contains(source),
                 qPrintable(text.key() + QStringLiteral(" shows untranslatable ") + source));
        if (expected.isEmpty())
            expected = source;
        else
            ++translated;
        QCOMPARE(italian.texts.value(text.key()), expected);
        if (text.key().endsWith(u"/windowTitle") && windowName != u"launcherWin")
            QVERIFY2(expected != source, qPrintable(text.key()));
    }
    QVERIFY(translated > english.texts.size() / 2);
}

void ItalianTest::results_keep_their_digits_and_point()
{
    // The fields, the " Nm" suffix and the list line are the same texts; the
    // spoken description of the picture says the same numbers in Italian.
    QCOMPARE(italian.results.mid(0, 5), english.results.mid(0, 5));
    QVERIFY(italian.results.at(0).endsWith(u" Nm"));
    const QString description = italian.results.at(5);
    QVERIFY(description != english.results.at(5));
    for (int field = 1; field <= 3; ++field)
        QVERIFY2(description.contains(italian.results.at(field)), qPrintable(description));
}

void ItalianTest::controls_keep_unique_names_and_mnemonics()
{
    app::Interface interface;
    showTools();
    for (const auto& [name, contexts] : windowContexts) {
        QWidget* top = window(name);
        QSet<QString> names;
        QSet<QChar> mnemonics;
        for (QWidget* control : top->findChildren<QWidget*>()) {
            if (control->window() != top || control->objectName().startsWith(u"qt_"))
                continue;
            const bool named = qobject_cast<QLineEdit*>(control)
                               || qobject_cast<QComboBox*>(control)
                               || qobject_cast<QPlainTextEdit*>(control)
                               || qobject_cast<QAbstractButton*>(control);
            if (named) {
                const QString spoken = control->accessibleName();
                QVERIFY2(!spoken.isEmpty() && !names.contains(spoken),
                         qPrintable(QString::fromLatin1(name) + u'/' + control->objectName()));
                names.insert(spoken);
            }
            QString text;
            if (auto* label = qobject_cast<QLabel*>(control))
                text = label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(control))
                text = button->text();
            const QChar key = mnemonic(text);
            QVERIFY2(key.isNull() || !mnemonics.contains(key),
                     qPrintable(QString::fromLatin1(name) + u": Alt+"_qs + key + u" twice"_qs));
            mnemonics.insert(key);
        }
    }
}

} // namespace

// An Italian spreadsheet reads 2.5 as a date or a text; each value and the
// mean 2.75 reach it with a comma.
void ItalianTest::lab_sheet_copies_decimal_commas_for_a_spreadsheet()
{
    for (const auto& [columns, point] :
         {std::pair{english.sheetColumns, u'.'}, std::pair{italian.sheetColumns, u','}}) {
        for (QString number : {u"\n2.5\n"_qs, u"\t2.75\n"_qs})
            QVERIFY2(columns.contains(number.replace(u'.', point)), qPrintable(columns));
    }
    for (const Shown* shown : {&english, &italian})
        QCOMPARE(shown->results.last(), u"2.8 \u00b1 0.5"_qs);
}

QTEST_MAIN(ItalianTest)
#include "ItalianTest.moc"
