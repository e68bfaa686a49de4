#include "Application.h"

#include <QApplication>
#include <QDateEdit>
#include <QMessageBox>

void ShowException(const Exception &exception)
{
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), exception.Message,
        QMessageBox::Ok, QApplication::activeWindow());
    // The message may quote whatever was typed: never read it as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

TDateTime pickerDate(const QDateEdit *picker)
{
    return fromQDate(picker->date());
}

void setPickerDate(QDateEdit *picker, TDateTime date)
{
    const QDate day = toQDate(date);
    if (day < picker->minimumDate() || day > picker->maximumDate())
        throw Exception(QStringLiteral("Η ημερομηνία %1 είναι εκτός των ορίων %2 έως %3")
                            .arg(DateToStr(date), DateToStr(fromQDate(picker->minimumDate())),
                                DateToStr(fromQDate(picker->maximumDate()))));
    picker->setDate(day);
}
