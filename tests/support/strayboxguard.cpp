#include "support/strayboxguard.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTest>

namespace {

bool realBoxesAllowed = false;

class StrayBoxGuard : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !realBoxesAllowed) {
            auto *dialog = qobject_cast<QDialog *>(watched);
            if (dialog && dialog->isModal())
                fail(dialog);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void fail(QDialog *dialog)
    {
        const auto *box = qobject_cast<const QMessageBox *>(dialog);
        const QString what = QStringLiteral("a real modal box bypassed the message service: \"%1\" %2")
                                 .arg(dialog->windowTitle(), box ? box->text() : QStringLiteral("(a dialog)"));
        QTest::qFail(qPrintable(what), __FILE__, __LINE__);
        // Closed from its own event loop, once that runs, so that the test goes on.
        QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
    }
};

void installStrayBoxGuard()
{
    qApp->installEventFilter(new StrayBoxGuard(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installStrayBoxGuard)

namespace {

// What a test keeps (a ceremony's progress) goes to a test folder of its own, never
// into the data of the user who runs the tests.
void keepOffTheUsersData()
{
    QStandardPaths::setTestModeEnabled(true);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(keepOffTheUsersData)

void allowRealMessageBoxes()
{
    realBoxesAllowed = true;
}
