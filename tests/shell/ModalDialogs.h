// Driving modal dialogs in offscreen tests: the action runs on the next modal dialog
// once its event loop is running.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>
#include <memory>

// Calls action with the modal dialog of type T once one is shown; gives up after about
// two seconds of polling (the dialog then stays for the test to fail on).
template <class T> void OnNextModal(std::function<void(T&)> action)
{
    auto tries = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    // The pending timer owns the poll; the poll only refers to itself.
    std::weak_ptr<std::function<void()>> self = poll;
    *poll = [action, tries, self]
    {
        if (auto* dialog = dynamic_cast<T*>(QApplication::activeModalWidget()))
        {
            action(*dialog);
            return;
        }
        if (++*tries < 200)
            if (auto next = self.lock())
                QTimer::singleShot(10, [next] { (*next)(); });
    };
    QTimer::singleShot(0, [poll] { (*poll)(); });
}
