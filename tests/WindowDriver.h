#pragma once

// Drives the window as a person does: types a year, clicks buttons by name,
// answers error boxes and reads what the views show.

#include "Unit1.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

// Answers every error box that opens while it lives, remembering its text and
// whether it looked as an error box should.
class ErrorBoxes : public QObject
{
public:
    ErrorBoxes()
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            texts << box->text();
            wellFormed = wellFormed && box->textFormat() == Qt::PlainText && box->icon() == QMessageBox::Critical
                && box->windowTitle() == QGuiApplication::applicationDisplayName();
            box->button(QMessageBox::Ok)->click();
        });
        timer.start(0);
    }

    QStringList texts;
    bool wellFormed = true;

private:
    QTimer timer;
};

class WindowDriver
{
public:
    WindowDriver()
    {
        // Greek dates, and no word from the offscreen platform each time a box opens.
        QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
        QApplication::setApplicationDisplayName(QStringLiteral("Εορτολόγιο"));
        static const QtMessageHandler previous
            = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                  if (message != u"This plugin does not support propagateSizeHints()")
                      previous(type, context, message);
              });
        form.show();
    }

    void typeYear(const QString &year) { child<QLineEdit>("yearEdit")->setText(year); }
    void click(const char *button) { QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton); }
    QDateEdit *picker() { return child<QDateEdit>("easterDateTimePicker"); }

    // What a view shows, one "number|date|day|feast" line per row.
    QStringList rows(const char *view)
    {
        const auto *tree = child<QTreeWidget>(view);
        QStringList rows;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *item = tree->topLevelItem(i);
            rows << QStringList {item->text(0), item->text(1), item->text(2), item->text(3)}.join(u'|');
        }
        return rows;
    }

    QList<QStringList> allViews()
    {
        return {rows("varListView"), rows("constListView"), rows("allListView"), rows("generalListView")};
    }

    template <typename T> T *child(const char *name) { return form.findChild<T *>(QLatin1String(name)); }

    TForm1 form;
};

// The fields of a row.
inline QString numberOf(const QString &row)
{
    return row.section(u'|', 0, 0);
}
inline QDate dateOf(const QString &row)
{
    return QDate::fromString(row.section(u'|', 1, 1), QStringLiteral("d/M/yyyy"));
}
inline QString dayOf(const QString &row)
{
    return row.section(u'|', 2, 2);
}
inline QString feastOf(const QString &row)
{
    return row.section(u'|', 3);
}
