#include "Application.h"

#include "Output.h"

#include <QApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTranslator>

#include <algorithm>

namespace {

// Opens the calendar the way a click on the picker's drop-down arrow does.
class CalendarKeys : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (!(key->key() == Qt::Key_F4 && modifiers == Qt::NoModifier)
            && !(key->key() == Qt::Key_Down && modifiers == Qt::AltModifier))
            return false;
        auto *picker = static_cast<QDateEdit *>(watched);
        QStyleOptionComboBox option;
        option.initFrom(picker);
        option.editable = true;
        const QPoint arrow
            = picker->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, picker).center();
        QMouseEvent press(QEvent::MouseButtonPress, arrow, picker->mapToGlobal(arrow), Qt::LeftButton, Qt::LeftButton,
            Qt::NoModifier);
        QCoreApplication::sendEvent(picker, &press);
        return true;
    }
};

// The window is Greek whatever the system's language, so Qt's own texts in its
// menus and dialogs come from the program's Greek catalogue; where the system
// names no language (the C or POSIX locale), dates are written as in Greek.
// Runs as the application object is made, in every program that links this,
// and names the application in its boxes' captions.
void speakGreek()
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Εορτολόγιο"));
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral(":/i18n/qtbase_el.qm")))
        QCoreApplication::installTranslator(translator);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(speakGreek)

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
        throw Exception(QStringLiteral("Η ημερομηνία %1 είναι εκτός των ορίων %2 έως %3.")
                            .arg(DateToStr(date), DateToStr(fromQDate(picker->minimumDate())),
                                DateToStr(fromQDate(picker->maximumDate()))));
    picker->setDate(day);
}

void openCalendarOnKeys(QDateEdit *picker)
{
    picker->installEventFilter(new CalendarKeys(picker));
}

void keepOnScreen(QWidget *window)
{
    const QScreen *screen = QGuiApplication::screenAt(window->pos());
    const QRect area = (screen ? screen : QGuiApplication::primaryScreen())->availableGeometry();
    window->move(std::max(area.left(), std::min(window->x(), area.right() + 1 - window->width())),
        std::max(area.top(), std::min(window->y(), area.bottom() + 1 - window->height())));
}

bool noDisplayForWindow(int argc, const char *const *argv)
{
#ifdef Q_OS_LINUX
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(variable))
            return false;
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]) == "-platform" || QByteArray(argv[i]).startsWith("-platform="))
            return false;
    writeStandardError(QStringLiteral("eortologio: Δεν υπάρχει οθόνη για το παράθυρο (η DISPLAY δεν έχει τιμή). "
                                      "Ανοίξτε το σε μια εικονική με «xvfb-run -a eortologio», ή δείτε τις "
                                      "επιλογές της γραμμής εντολών, που δεν θέλουν οθόνη: eortologio --help\n"));
    return true;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return false;
#endif
}
