#include "Carry.h"

#include "Numbers.h"

#include <QCoreApplication>
#include <QMenu>

#include <map>

namespace platform::qt {

namespace {

// The leading number of a result such as "12.50 Nm" or "30.68° N of E"; a
// measurement with its uncertainty and unit, "(1.44 ± 0.03) s", whole, for
// the field it goes into to read and convert.
QString numberOf(const QString& text)
{
    const std::string utf8 = text.toStdString();
    if (readMeasured(utf8, {}).uncertainty || text.contains(QChar(0x00b1)))
        return text.trimmed();
    return QString::fromStdString(utf8.substr(0, lengthOfNumber(utf8))).trimmed();
}

void carry(const QString& number, QLineEdit* target)
{
    QWidget* window = target->window();
    window->show();
    window->raise();
    window->activateWindow();
    target->setText(number);
    // As if typed: the results that came from the old text go out of date.
    Q_EMIT target->textEdited(number);
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

} // namespace

void offerCarry(QLineEdit* result, std::function<QList<QLineEdit*>()> targets)
{
    result->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(result, &QWidget::customContextMenuRequested, result,
                     [result, targets = std::move(targets)](const QPoint& at) {
                         QMenu* menu = result->createStandardContextMenu();
                         menu->setAttribute(Qt::WA_DeleteOnClose);
                         menu->setObjectName(QStringLiteral("resultMenu"));
                         menu->addSeparator();
                         QMenu* to =
                             menu->addMenu(QCoreApplication::translate("Carry", "Carry to"));
                         to->setObjectName(QStringLiteral("carryMenu"));
                         const QString number = numberOf(result->text());
                         to->setEnabled(!number.isEmpty());
                         std::map<QString, QMenu*> windows;
                         for (QLineEdit* target : targets()) {
                             const QString title = target->window()->windowTitle();
                             QMenu*& submenu = windows[title];
                             if (submenu == nullptr)
                                 submenu = to->addMenu(title);
                             QAction* entry = submenu->addAction(target->accessibleName());
                             QObject::connect(entry, &QAction::triggered, target,
                                              [number, target] { carry(number, target); });
                         }
                         menu->popup(result->mapToGlobal(at));
                     });
}

} // namespace platform::qt
