#pragma once

#include <QString>
#include <exception>

namespace tarvand {

// Root of the exceptions the system throws; carries the message shown to users or logged.
class Exception : public std::exception {
public:
    explicit Exception(QString message) : Message(std::move(message)), utf8_(Message.toUtf8()) {}
    const char* what() const noexcept override { return utf8_.constData(); }

    QString Message;

private:
    QByteArray utf8_;
};

} // namespace tarvand
