#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <initializer_list>

class QObject;

namespace tarvand::host {
class TDlgMsg;
}

namespace tarvand::testsupport {

// The answers of the host's message dialog, given by the test instead of a user: each message
// shown is recorded with its kind and answered with the next result of the list.
class MessageAnswers {
public:
    struct Shown {
        QString text;
        QString title;
        QString kind;
    };

    MessageAnswers(host::TDlgMsg& dialog, std::initializer_list<int> results);
    ~MessageAnswers();
    const QList<Shown>& Messages() const { return shown_; }

    // The kind of message the dialog shows: the button set's digit and the icon's letter ("3Q").
    static QString KindShown(const host::TDlgMsg& dialog);

private:
    host::TDlgMsg& dialog_;
    QList<int> results_;
    QList<Shown> shown_;
    std::function<void(QObject*)> formShow_;
};

} // namespace tarvand::testsupport
