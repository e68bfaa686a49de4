#pragma once

#include "DateUtils.h"
#include "Exceptions.h"

#include <QObject>

#include <new>
#include <utility>

class QDateEdit;
class QWidget;

// True, after saying so in Greek on standard error, when the window would have
// no display to open on: on Linux without DISPLAY or WAYLAND_DISPLAY, and with
// no platform asked for by QT_QPA_PLATFORM or -platform. Qt would abort there
// with an English message.
bool noDisplayForWindow(int argc, const char *const *argv);

// Shows the exception's message in a modal error box with one OK button and the
// application's display name as caption; returns when the box is closed.
void ShowException(const Exception &exception);

// Runs a command; an exception that leaves it is shown with ShowException and
// goes no further. Qt cannot carry exceptions through its event loop, so every
// command that a signal starts runs through here.
template <typename Command> void runCommand(Command &&command)
{
    try {
        std::forward<Command>(command)();
    } catch (const Exception &e) {
        ShowException(e);
    } catch (const std::bad_alloc &) {
        ShowException(Exception(QStringLiteral("Ανεπαρκής μνήμη")));
    } catch (...) {
        ShowException(Exception(QStringLiteral("Απρόσμενο σφάλμα: η εντολή δεν ολοκληρώθηκε.")));
    }
}

// Binds a command handler to a signal: the handler receives the sender and runs
// through runCommand, so its errors, and those of the handlers it calls, end the
// command and show one error box.
template <typename Sender, typename Signal, typename Receiver>
void bindCommand(Sender *sender, Signal signal, Receiver *receiver, void (Receiver::*handler)(QObject *))
{
    QObject::connect(
        sender, signal, receiver, [sender, receiver, handler] { runCommand([&] { (receiver->*handler)(sender); }); });
}

// The date a picker shows, and a way to show one that refuses dates outside the
// picker's range instead of moving them to its nearest end.
TDateTime pickerDate(const QDateEdit *picker);
void setPickerDate(QDateEdit *picker, TDateTime date);

// Opens the picker's calendar on F4 and on Alt+Down, as the platform's own date
// pickers do; Escape closes it again.
void openCalendarOnKeys(QDateEdit *picker);

// Keeps a window at its position when the whole of it fits on its screen;
// otherwise moves it up and left as little as needed, its top-left corner
// always on the screen.
void keepOnScreen(QWidget *window);
