#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// The error path of the program: every failure is an Exception carrying the
// message that the user sees in the error box.
class Exception : public std::exception
{
public:
    explicit Exception(const QString &message)
        : Message(message)
        , utf8(message.toUtf8())
    { }

    const char *what() const noexcept override { return utf8.constData(); }

    QString Message;

private:
    QByteArray utf8;
};

// Raised by the conversions: text that is not an integer, a date that does not exist.
class EConvertError : public Exception
{
public:
    using Exception::Exception;
};
