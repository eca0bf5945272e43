#pragma once

// Checks a modal box from inside its own event loop, and closes it afterwards on every path:
// when the check passes, when a failed ASSERT returns from it early, and when it throws. A
// failed check so ends the test instead of leaving it waiting in the box.
//
//     const modal_box_check check([&] { ... QApplication::activeModalWidget() ... });
//     show_the_box();
#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <exception>
#include <gtest/gtest.h>
#include <utility>

namespace quillmar {

// Closes the active modal widget, if there is one, when it goes out of scope.
class modal_closer {
public:
    modal_closer() = default;
    modal_closer(const modal_closer&) = delete;
    modal_closer(modal_closer&&) = delete;
    modal_closer& operator=(const modal_closer&) = delete;
    modal_closer& operator=(modal_closer&&) = delete;
    ~modal_closer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject(); // ends its exec()
        else if (modal != nullptr)
            modal->close();
    }
};

// Runs a check once the event loop turns, which is inside the modal box shown next, then
// closes that box if it is still open. Exceptions stop in here and fail the test, as they
// must not pass through Qt's event loop. A check that has not run when this goes out of scope
// never runs.
class modal_box_check {
public:
    template <class Check> explicit modal_box_check(Check check) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [check = std::move(check)]() mutable {
            const modal_closer closer;
            try {
                check();
            } catch (const std::exception& error) {
                ADD_FAILURE() << "the check in the modal box threw: " << error.what();
            }
        });
        timer_.start(0);
    }

private:
    QTimer timer_;
};

} // namespace quillmar
