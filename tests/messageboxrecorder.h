#ifndef MESSAGEBOXRECORDER_H
#define MESSAGEBOXRECORDER_H

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVector>

/**
 * While alive, records every modal message box that opens and closes it with
 * its OK button, as a user would, so that the blocking call returns.
 */
class MessageBoxRecorder
{
public:
    struct Box
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };

    MessageBoxRecorder()
    {
        QObject::connect(&poll, &QTimer::timeout, [this] { closeActiveBox(); });
        poll.start(10);
    }

    QVector<Box> boxes;

private:
    void closeActiveBox()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        boxes.append({box->windowTitle(), box->text(), box->icon()});
        box->button(QMessageBox::Ok)->click();
    }

    QTimer poll;
};

#endif
